// Plants along a circuit: set beyond the walls on the ground of the relief, never on the track,
// in tunnels, on bridges or over a jump; the circuit's own flora, varied sizes and headings.
#include <algorithm>
#include <cmath>

#include "assetgen/circuits/interne.h"
#include "common/binio.h"

float rayon_plante(int type) {
  static const float rayons[10] = {15, 15, 16, 6, 5, 32, 17, 17, 32, 6};
  return (type >= 1 && type <= 9) ? rayons[type] : 15;
}

void construit_decos(tCircuit* c, const CRelief& relief) {
  CHasard h(c->plan.graine + 31);
  const std::vector<tSection>& sec = c->sections;
  const int n = static_cast<int>(sec.size());
  const float pas = sec[1].s - sec[0].s;
  const int foulee = std::max(1, static_cast<int>(c->longueur / 150 / pas));  // about 150 tries a side
  c->decos.clear();
  for (int i = 0; i < n && c->decos.size() < 200; i += foulee) {
    const tSection& e = sec[(i + static_cast<int>(h.suivant() % foulee)) % n];
    if (e.zone & (ZONE_TUNNEL | ZONE_PONT | ZONE_SAUT)) continue;
    const int cote = (h.suivant() & 1) ? 1 : -1;
    const float u = cote * (e.largeur / 2 + EPAISSEUR_MUR + h.entre(7, 42));
    CVector3 p = e.c + e.n * u;
    float d = 0;
    const tSection& proche = sec[relief.plus_proche(p.x, p.z, &d)];
    // Another stretch of track may pass close by: keep clear of its walls as well.
    if (d < proche.largeur / 2 + EPAISSEUR_MUR + 5 || (proche.zone & (ZONE_TUNNEL | ZONE_PONT | ZONE_SAUT))) continue;
    p.y = relief.hauteur(p.x, p.z);
    tDeco deco;
    deco.position = p;
    deco.angles = CVector3(h.entre(-6, 6), h.entre(0, 360), h.entre(-6, 6));
    deco.echelle = h.entre(0.6f, 1.6f);
    deco.type = c->plan.types_deco[h.suivant() % 4];
    c->decos.push_back(deco);
  }
}

std::vector<uint8_t> encode_decos(const std::vector<tDeco>& decos) {
  Ecrivain e;
  e.i32(static_cast<int32_t>(decos.size()));
  for (const tDeco& d : decos) {
    e.f32(d.position.x);
    e.f32(d.position.y);
    e.f32(d.position.z);
    e.f32(d.angles.x);
    e.f32(d.angles.y);
    e.f32(d.angles.z);
    e.f32(d.echelle);
    e.f32(rayon_plante(d.type) * d.echelle);
    e.i32(d.type);
  }
  return e.donnees();
}
