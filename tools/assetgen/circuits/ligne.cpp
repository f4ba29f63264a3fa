// Racing line: the centre line pulled tight like an elastic band inside the road (corners cut,
// walls kept at a distance), then points picked along it, close in the turns and far apart on
// the straights, from just ahead of the grid round to just behind it.
#include <algorithm>
#include <cmath>

#include "assetgen/circuits/interne.h"
#include "common/binio.h"

namespace {

constexpr int PASSES = 120;  // per scale

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

}  // namespace

void construit_ligne(tCircuit* c) {
  const std::vector<tSection>& sec = c->sections;
  const int n = static_cast<int>(sec.size());
  // Side offsets, relaxed towards the mean of the neighbours and kept inside the allowed band.
  std::vector<float> o(n, 0), suivant(n);
  auto limite = [&](int i) {
    if (sec[i].zone & (ZONE_SAUT | ZONE_RAMPE)) return 0.0f;  // straight over a jump
    return sec[i].largeur / 2 - MARGE_MUR_LIGNE - 1;
  };
  // Coarse scales first: relaxing against far neighbours straightens long stretches quickly.
  for (int portee : {32, 16, 8, 4, 2, 1}) {
  for (int passe = 0; passe < PASSES; passe++) {
    for (int i = 0; i < n; i++) {
      const int ia = (i + n - portee) % n, ib = (i + portee) % n;
      const tSection& a = sec[ia];
      const tSection& b = sec[ib];
      const CVector3 pa = a.c + a.n * o[ia], pb = b.c + b.n * o[ib];
      const CVector3 milieu = (pa + pb) / 2 - sec[i].c;
      const float l = limite(i);
      suivant[i] = std::clamp(Dot(CVector3(milieu.x, 0, milieu.z), sec[i].n), -l, l);
    }
    o.swap(suivant);
  }
  }
  // Curvature of the line, to space the points.
  std::vector<CVector3> p(n);
  for (int i = 0; i < n; i++) p[i] = sec[i].sol(o[i]);
  std::vector<float> virage(n);
  for (int i = 0; i < n; i++) {
    const CVector3 u = Normalize(CVector3(p[i].x - p[(i + n - 2) % n].x, 0, p[i].z - p[(i + n - 2) % n].z));
    const CVector3 v = Normalize(CVector3(p[(i + 2) % n].x - p[i].x, 0, p[(i + 2) % n].z - p[i].z));
    virage[i] = std::fabs(std::atan2(Cross(u, v).y, Dot(u, v)));
  }
  const float pas = sec[1].s - sec[0].s;
  const int premier = plus_proche_de(sec, 0, 0);     // just ahead of the grid
  const int dernier = plus_proche_de(sec, 140, 0);   // just behind it
  const int total = (dernier - premier + n) % n;
  const float ecart_max = std::min(110.0f, c->longueur / 44);
  std::vector<int> choisis{premier};
  float parcouru = 0;
  for (int k = 1; k < total; k++) {
    const int i = (premier + k) % n;
    const CVector3 d = p[i] - p[(i + n - 1) % n];
    parcouru += std::sqrt(d.x * d.x + d.z * d.z);  // along the line itself, shorter inside turns
    // Look ahead: a turn within the next stretch brings the points closer.
    float angle = 0;
    for (int d = 0; d < static_cast<int>(60 / pas); d++) angle = std::max(angle, virage[(i + d) % n]);
    const float ecart = angle > 0.15f ? 26.0f : angle > 0.02f ? 36.0f : ecart_max;  // hairpins closest
    if (parcouru < ecart || (sec[i].zone & ZONE_SAUT)) continue;
    if ((total - k) * pas < 25) break;
    choisis.push_back(i);
    parcouru = 0;
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
