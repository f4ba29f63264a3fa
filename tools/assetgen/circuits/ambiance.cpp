// Sound environment of a circuit: a reverb zone over the start, reverb zones in the tunnels and
// canyons, and occlusion walls along them so that ships out of sight sound muffled.
#include <algorithm>

#include "assetgen/circuits/interne.h"
#include "common/binio.h"

namespace {

enum { PRESET_STONEROOM = 2, PRESET_CAVE = 3, PRESET_HANGAR = 4, PRESET_STONECORRIDOR = 6 };

tEffetSon zone_reverb(CVector3 p, float min_dist, float max_dist, int preset) {
  tEffetSon e{};
  e.type = 2;
  e.position = p;
  e.sommets[0] = CVector3(5, 0, 0);
  e.sommets[1] = CVector3(5, 100, 0);
  e.sommets[2] = CVector3(0, 100, 0);
  e.directe = 0.9f;
  e.reverb = 0.9f;
  e.min_dist = min_dist;
  e.max_dist = max_dist;
  e.preset = preset;
  return e;
}

// A wall panel from a to b (bottom corners), `haut` high; vertex 0 is the position itself.
tEffetSon panneau(CVector3 a, CVector3 b, float haut, float directe, float reverb) {
  tEffetSon e{};
  e.type = 1;
  e.position = a;
  e.sommets[0] = b - a;
  e.sommets[1] = b - a + CVector3(0, haut, 0);
  e.sommets[2] = CVector3(0, haut, 0);
  e.directe = directe;
  e.reverb = reverb;
  e.min_dist = 5;
  e.max_dist = 6;
  e.preset = 1;
  return e;
}

}  // namespace

void construit_effets(tCircuit* c) {
  const std::vector<tSection>& sec = c->sections;
  const int n = static_cast<int>(sec.size());
  c->effets.clear();
  c->effets.push_back(zone_reverb(CVector3(70, 8, 0), 35, 90, PRESET_HANGAR));  // the grid
  const int genres[2] = {ZONE_TUNNEL, ZONE_CANYON};
  for (int genre : genres) {
    // Each run of sections of that kind, found from a section outside it.
    int depart = 0;
    while (depart < n && (sec[depart].zone & genre)) depart++;
    if (depart == n) continue;
    for (int k = 0; k < n; k++) {
      const int i = (depart + k) % n;
      if (!(sec[i].zone & genre) || (sec[(i + n - 1) % n].zone & genre)) continue;
      int fin = i;
      while (sec[(fin + 1) % n].zone & genre) fin = (fin + 1) % n;
      const int longueur = (fin - i + n) % n;
      const tSection& milieu = sec[(i + longueur / 2) % n];
      const float demi = longueur * (sec[1].s - sec[0].s) / 2;
      const bool tunnel = genre == ZONE_TUNNEL;
      c->effets.push_back(zone_reverb(milieu.c + CVector3(0, 8, 0), std::max(15.0f, demi * 0.8f), demi + 45,
                                      tunnel ? (c->numero == 4 ? PRESET_STONECORRIDOR : PRESET_CAVE) : PRESET_STONEROOM));
      // Panels along both walls, about 40 units each.
      const int foulee = std::max(1, static_cast<int>(40 / (sec[1].s - sec[0].s)));
      for (int a = 0; a < longueur; a += foulee) {
        const int ia = (i + a) % n, ib = (i + std::min(a + foulee, longueur)) % n;
        for (int cote = -1; cote <= 1; cote += 2) {
          const CVector3 pa = sec[ia].sol(cote * sec[ia].largeur / 2), pb = sec[ib].sol(cote * sec[ib].largeur / 2);
          c->effets.push_back(tunnel ? panneau(pa, pb, HAUTEUR_TUNNEL, 0.85f, 0.5f) : panneau(pa, pb, 40, 0.7f, 0.4f));
        }
      }
    }
  }
}

std::vector<uint8_t> encode_effets(const std::vector<tEffetSon>& effets) {
  int occlusions = 0, reverbs = 0;
  for (const tEffetSon& e : effets) {
    occlusions += e.type == 1;
    reverbs += e.type == 2;
  }
  Ecrivain w;
  w.i32(static_cast<int32_t>(effets.size()));
  w.i32(occlusions);
  w.i32(reverbs);
  for (const tEffetSon& e : effets) {
    w.i32(e.type);
    const CVector3 v[4] = {e.position, e.sommets[0], e.sommets[1], e.sommets[2]};
    for (const CVector3& p : v) {
      w.f32(p.x);
      w.f32(p.y);
      w.f32(p.z);
    }
    w.f32(e.directe);
    w.f32(e.reverb);
    w.f32(e.min_dist);
    w.f32(e.max_dist);
    w.i32(e.preset);
    // Records are 84 bytes apart; the fields above fill the first 72, the rest stays zero.
    for (int k = 0; k < 3; k++) w.i32(0);
  }
  return w.donnees();
}
