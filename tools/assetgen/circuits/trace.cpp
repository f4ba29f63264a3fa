// Centre line of a circuit: a closed Catmull-Rom spline through the control points, cut into
// evenly spaced sections carrying direction, width, banking and the kind of stretch.
#include <algorithm>
#include <cmath>

#include "assetgen/circuits/interne.h"

namespace {

struct tDense {
  float x, z, y, largeur;
  float s;  // horizontal distance from control point 0
};

float catmull(float p0, float p1, float p2, float p3, float t) {
  const float t2 = t * t, t3 = t2 * t;
  return 0.5f * (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 + (3 * p1 - p0 - 3 * p2 + p3) * t3);
}

// The spline sampled finely; `debuts` gets the distance at each control point.
std::vector<tDense> dense(const tPlan& plan, std::vector<float>* debuts) {
  const int n = static_cast<int>(plan.points.size());
  const int sous = 64;
  std::vector<tDense> d;
  float s = 0;
  for (int k = 0; k < n; k++) {
    const tPointControle& p0 = plan.points[(k + n - 1) % n];
    const tPointControle& p1 = plan.points[k];
    const tPointControle& p2 = plan.points[(k + 1) % n];
    const tPointControle& p3 = plan.points[(k + 2) % n];
    debuts->push_back(s);
    for (int i = 0; i < sous; i++) {
      const float t = float(i) / sous;
      tDense e;
      e.x = catmull(p0.x, p1.x, p2.x, p3.x, t);
      e.z = catmull(p0.z, p1.z, p2.z, p3.z, t);
      e.y = catmull(p0.y, p1.y, p2.y, p3.y, t);
      e.largeur = p1.largeur + (p2.largeur - p1.largeur) * t;
      if (!d.empty()) s += std::hypot(e.x - d.back().x, e.z - d.back().z);
      e.s = s;
      d.push_back(e);
    }
  }
  tDense fin = d.front();
  fin.s = s + std::hypot(fin.x - d.back().x, fin.z - d.back().z);
  d.push_back(fin);
  return d;
}

float modulo(float a, float l) {
  a = std::fmod(a, l);
  return a < 0 ? a + l : a;
}

}  // namespace

std::vector<tSection> echantillonne(const tPlan& plan, float pas, float* longueur) {
  std::vector<float> debuts;
  const std::vector<tDense> d = dense(plan, &debuts);
  const float L = d.back().s;
  *longueur = L;
  const int n = std::max(8, static_cast<int>(std::lround(L / pas)));
  const float vrai_pas = L / n;
  std::vector<tSection> sec(n);
  size_t j = 0;
  for (int i = 0; i < n; i++) {
    const float s = i * vrai_pas;
    while (j + 2 < d.size() && d[j + 1].s < s) j++;
    const tDense& a = d[j];
    const tDense& b = d[j + 1];
    const float f = b.s > a.s ? (s - a.s) / (b.s - a.s) : 0;
    tSection& e = sec[i];
    e.s = s;
    e.c = CVector3(a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f);
    e.largeur = a.largeur + (b.largeur - a.largeur) * f;
  }
  // A few smoothing passes take the kinks out of the spline near sharply placed control
  // points, where the inner edge of a tight turn would otherwise fold over itself.
  for (int passe = 0; passe < 40; passe++) {
    std::vector<CVector3> p(n);
    for (int i = 0; i < n; i++) p[i] = (sec[(i + n - 1) % n].c + sec[(i + 1) % n].c) / 2;
    for (int i = 0; i < n; i++) {
      sec[i].c.x = (sec[i].c.x + p[i].x) / 2;
      sec[i].c.z = (sec[i].c.z + p[i].z) / 2;
    }
  }
  // Directions from the neighbours, curvature from the turn between them.
  for (int i = 0; i < n; i++) {
    const CVector3 av = sec[(i + n - 1) % n].c, ap = sec[(i + 1) % n].c;
    CVector3 t(ap.x - av.x, 0, ap.z - av.z);
    sec[i].t = Normalize(t);
    sec[i].n = Cross(CVector3(0, 1, 0), sec[i].t);
  }
  std::vector<float> brute(n);
  for (int i = 0; i < n; i++) {
    const CVector3 t0 = sec[(i + n - 1) % n].t, t1 = sec[(i + 1) % n].t;
    const float sinus = Cross(t0, t1).y;  // positive when turning left (towards n)
    const float angle = std::atan2(sinus, Dot(t0, t1));
    brute[i] = angle / (2 * vrai_pas);
  }
  // Banking follows the curvature smoothed over about 60 units, outer side up.
  const int demi = std::max(1, static_cast<int>(30 / vrai_pas));
  const float max_rad = plan.devers_max * 3.14159265f / 180;
  for (int i = 0; i < n; i++) {
    float somme = 0;
    for (int k = -demi; k <= demi; k++) somme += brute[(i + k + n) % n];
    const float k = somme / (2 * demi + 1);
    sec[i].courbure = k;
    const float angle = std::clamp(k * 110.0f * max_rad, -max_rad, max_rad);  // full at radius 110
    sec[i].pente = -std::tan(angle);
  }
  // The grid stands on flat, level ground.
  for (tSection& e : sec) {
    if (std::fabs(e.c.z) < 3 && e.c.x > -30 && e.c.x < 200) {
      e.c.y = 0;
      e.pente = 0;
    }
  }
  // Stretch kinds; a ramp lifts the road towards its lip.
  for (const tZone& z : plan.zones) {
    const float s0 = modulo(debuts[z.point % debuts.size()] + z.decalage, L);
    for (int i = 0; i < n; i++) {
      const float ds = modulo(sec[i].s - s0, L);
      if (ds > z.longueur) continue;
      sec[i].zone |= z.genre;
      if (z.genre & (ZONE_RAMPE | ZONE_SAUT)) sec[i].pente = 0;
      if (z.genre & ZONE_RAMPE) sec[i].c.y += HAUSSE_RAMPE * ds / z.longueur;
    }
  }
  return sec;
}
