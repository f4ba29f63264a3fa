// Racing line: the line of least bending inside the road (outside before a turn, the inside at
// its apex, outside again after it, walls kept at a distance), then points picked along it, close
// in the turns and far apart on the straights, from just ahead of the grid round to just behind it.
#include <algorithm>
#include <cmath>

#include "assetgen/circuits/interne.h"
#include "common/binio.h"

namespace {

constexpr int PASSES = 1500;       // per scale
constexpr float AMORTI = 0.5f;     // a full step overshoots on the finest ripples
constexpr float ECART_VIRAGE = 34;     // between points in a turn a ship must brake for
constexpr float ECART_COURBE = 48;     // in a sweeper
constexpr float RAYON_VIRAGE = 120;    // line radius below which a turn counts as tight
constexpr float RAYON_COURBE = 320;
constexpr float VUE_AVANT = 60;        // a turn this far ahead already brings the points closer
constexpr float RAYON_SERRE = 80;      // centre-line radius of a turn taken sliding
constexpr float SORTIE_VIRAGE = 80;    // how far past such a turn the slide still carries a ship

int plus_proche_de(const std::vector<tSection>& sec, float x, float z) {
  int meilleur = 0;
  float d = 1e30f;
  for (size_t i = 0; i < sec.size(); i++) {
    const float dx = sec[i].c.x - x, dz = sec[i].c.z - z;
    if (dx * dx + dz * dz < d) {
      d = dx * dx + dz * dz;
      meilleur = static_cast<int>(i);
    }
  }
  return meilleur;
}

CVector3 plat(CVector3 v) { return CVector3(v.x, 0, v.z); }

// Side offsets across the road that bend the line least: each offset moves towards the place
// where it continues the curve of its two neighbours on each side, within the allowed band.
// Coarse scales first, so that long stretches settle quickly.
std::vector<float> decalages(const std::vector<tSection>& sec) {
  const int n = static_cast<int>(sec.size());
  std::vector<float> o(n, 0), suivant(n), bas(n), haut(n);
  for (int i = 0; i < n; i++) {
    const float l = (sec[i].zone & (ZONE_SAUT | ZONE_RAMPE)) ? 0.0f  // straight over a jump
                                                               : sec[i].largeur / 2 - MARGE_MUR_LIGNE - 1;
    bas[i] = -l;
    haut[i] = l;
  }
  // A ship leaves a tight turn sliding towards its outside: through the turn and just after
  // it the line stays on the inner half, leaving the outer half as room to slide into.
  const int apres = static_cast<int>(SORTIE_VIRAGE / (sec[1].s - sec[0].s));
  for (int i = 0; i < n; i++) {
    if (std::fabs(sec[i].courbure) * RAYON_SERRE < 1) continue;
    for (int k = 0; k <= apres; k++) {
      const int j = (i + k) % n;
      if (sec[i].courbure > 0) {
        bas[j] = std::min(std::max(bas[j], 0.0f), haut[j]);
      } else {
        haut[j] = std::max(std::min(haut[j], 0.0f), bas[j]);
      }
    }
  }
  auto point = [&](int i) {
    i = ((i % n) + n) % n;
    return plat(sec[i].c + sec[i].n * o[i]);
  };
  for (int portee : {32, 16, 8, 4, 2, 1}) {
    for (int passe = 0; passe < PASSES; passe++) {
      for (int i = 0; i < n; i++) {
        const CVector3 voulu = ((point(i - portee) + point(i + portee)) * 4 - point(i - 2 * portee) -
                                point(i + 2 * portee)) / 6;
        const float cible = Dot(voulu - plat(sec[i].c), sec[i].n);
        suivant[i] = std::clamp(o[i] + AMORTI * (cible - o[i]), bas[i], haut[i]);
      }
      o.swap(suivant);
    }
  }
  return o;
}

}  // namespace

void construit_ligne(tCircuit* c) {
  const std::vector<tSection>& sec = c->sections;
  const int n = static_cast<int>(sec.size());
  const std::vector<float> o = decalages(sec);
  std::vector<CVector3> p(n);
  for (int i = 0; i < n; i++) p[i] = sec[i].sol(o[i]);
  // Curvature of the line itself, to space the points.
  std::vector<float> courbure(n);
  for (int i = 0; i < n; i++) {
    const CVector3 a = p[(i + n - 2) % n], b = p[i], d = p[(i + 2) % n];
    const CVector3 u = Normalize(plat(b - a)), v = Normalize(plat(d - b));
    const float l = (Magnitude(plat(b - a)) + Magnitude(plat(d - b))) / 2;
    courbure[i] = l > 0 ? std::fabs(std::atan2(Cross(u, v).y, Dot(u, v))) / l : 0;
  }
  const float pas = sec[1].s - sec[0].s;
  const int premier = plus_proche_de(sec, 0, 0);     // just ahead of the grid
  const int dernier = plus_proche_de(sec, 140, 0);   // just behind it
  const int total = (dernier - premier + n) % n;
  const float ecart_max = std::min(110.0f, c->longueur / 44);
  std::vector<int> choisis{premier};
  float parcouru = 0;
  float k_depuis = 0;  // tightest bend since the last point: a turn's exit keeps the points close
  for (int k = 1; k < total; k++) {
    const int i = (premier + k) % n;
    parcouru += Magnitude(plat(p[i] - p[(i + n - 1) % n]));  // along the line itself
    k_depuis = std::max(k_depuis, courbure[i]);
    float k_max = k_depuis;
    for (int d = 0; d < static_cast<int>(VUE_AVANT / pas); d++) k_max = std::max(k_max, courbure[(i + d) % n]);
    const float ecart = k_max * RAYON_VIRAGE > 1 ? ECART_VIRAGE : k_max * RAYON_COURBE > 1 ? ECART_COURBE : ecart_max;
    if (parcouru < ecart || (sec[i].zone & ZONE_SAUT)) continue;
    if ((total - k) * pas < 30) break;
    choisis.push_back(i);
    parcouru = 0;
    k_depuis = 0;
  }
  choisis.push_back(dernier);
  c->ligne.clear();
  for (int i : choisis) c->ligne.push_back({p[i] + CVector3(0, 3, 0), CVector3(0, 0, 0)});
  const int m = static_cast<int>(c->ligne.size());
  for (int k = 0; k < m; k++) {
    c->ligne[k].normale = Normalize(c->ligne[(k + 1) % m].position - c->ligne[k].position);
  }
}

std::vector<uint8_t> encode_ligne(const std::vector<tPointLigne>& ligne) {
  Ecrivain e;
  e.i32(static_cast<int32_t>(ligne.size()));
  for (const tPointLigne& p : ligne) {
    e.f32(p.position.x);
    e.f32(p.position.y);
    e.f32(p.position.z);
    e.f32(p.normale.x);
    e.f32(p.normale.y);
    e.f32(p.normale.z);
  }
  return e.donnees();
}
