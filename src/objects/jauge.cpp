// Geometry of the speed gauge.
#include "objects/jauge.h"

#include <cmath>

namespace {

constexpr float DEGRE = static_cast<float>(M_PI / 180.0);
constexpr float RAYON_GRADUATIONS = 0.4f;
// Gap between the dial and the edges of the view.
constexpr float MARGE = 0.01f;

// Degrees of needle turn per unit of speed.
constexpr float DEGRES_PAR_VITESSE = -66.0f;

// A direction turned counter-clockwise by `a` degrees from pointing left.
PointJauge depuis_la_gauche(float a, float rayon) {
  return {-rayon * std::cos(a * DEGRE), -rayon * std::sin(a * DEGRE)};
}

float angle_graduation(int k, float vitesse_max) {
  return vitesse_max * DEGRES_PAR_VITESSE * static_cast<float>(k) / static_cast<float>(NB_GRADUATIONS - 1);
}

}  // namespace

float angle_aiguille(float vitesse, float vitesse_max) {
  if (vitesse > vitesse_max + 1) return (vitesse_max + 0.8f) * DEGRES_PAR_VITESSE;
  const float a = vitesse * DEGRES_PAR_VITESSE;
  return a > 0 ? 0 : a;
}

void aiguille_jauge(float aiguille, PointJauge coins[3]) {
  // At rest: (-0.5, 0.09), (-0.5, -0.09), (-0.15, 0).
  const float c = std::cos(aiguille * DEGRE), s = std::sin(aiguille * DEGRE);
  const PointJauge repos[3] = {{-0.5f, 0.09f}, {-0.5f, -0.09f}, {-0.15f, 0}};
  for (int i = 0; i < 3; i++) coins[i] = {repos[i].x * c - repos[i].y * s, repos[i].x * s + repos[i].y * c};
}

PointJauge graduation(int k, float vitesse_max) {
  return depuis_la_gauche(angle_graduation(k, vitesse_max), RAYON_GRADUATIONS);
}

bool graduation_allumee(int k, float vitesse_max, float aiguille) {
  return angle_graduation(k, vitesse_max) >= aiguille;
}

PointJauge centre_jauge(const float p[16]) {
  // The view's right and bottom edges at the dial's depth, where a point meets the clip planes
  // x = w and y = -w (a frustum or an orthographic box, columns first).
  const float z = -PROFONDEUR_JAUGE;
  const float w = p[11] * z + p[15];
  if (p[0] == 0 || p[5] == 0) return {2.1f, -1.44f};
  const float droite = (w - p[8] * z - p[12]) / p[0];
  const float bas = (-w - p[9] * z - p[13]) / p[5];
  return {droite - RAYON_JAUGE - MARGE, bas + RAYON_JAUGE + MARGE};
}
