// Frustum plane extraction and the sphere and cube tests.
#include "math/frustum.h"

#include <cmath>

CFrustum g_Frustum;

void NormalizePlane(float planes[6][4], int index) {
  float* p = planes[index];
  const float longueur = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
  p[0] /= longueur;
  p[1] /= longueur;
  p[2] /= longueur;
  p[3] /= longueur;
}

void CFrustum::CalculateFrustum(const float proj[16], const float modl[16]) {
  float clip[16];
  for (int i = 0; i < 4; i++) {
    for (int j = 0; j < 4; j++) {
      clip[4 * i + j] = modl[4 * i] * proj[j] + modl[4 * i + 1] * proj[4 + j] + modl[4 * i + 2] * proj[8 + j] +
                        modl[4 * i + 3] * proj[12 + j];
    }
  }
  // Each plane is a row combination of the clip matrix: w - x, w + x, w + y, w - y, w - z, w + z.
  static const struct {
    int plan, ligne;
    float signe;
  } combinaisons[6] = {
      {FRUSTUM_RIGHT, 0, -1}, {FRUSTUM_LEFT, 0, 1}, {FRUSTUM_BOTTOM, 1, 1},
      {FRUSTUM_TOP, 1, -1},   {FRUSTUM_FAR, 2, -1}, {FRUSTUM_NEAR, 2, 1},
  };
  for (const auto& c : combinaisons) {
    for (int k = 0; k < 4; k++) m_Frustum[c.plan][k] = clip[4 * k + 3] + c.signe * clip[4 * k + c.ligne];
    NormalizePlane(m_Frustum, c.plan);
  }
}

bool CFrustum::SphereInFrustum(float x, float y, float z, float radius) const {
  for (const auto& p : m_Frustum) {
    if (p[0] * x + p[1] * y + p[2] * z + p[3] <= -radius) return false;
  }
  return true;
}

bool CFrustum::CubeInFrustum(float x, float y, float z, float s) const {
  for (const auto& p : m_Frustum) {
    bool dedans = false;
    for (int coin = 0; coin < 8 && !dedans; coin++) {
      const float cx = x + ((coin & 1) ? s : -s);
      const float cy = y + ((coin & 2) ? s : -s);
      const float cz = z + ((coin & 4) ? s : -s);
      dedans = p[0] * cx + p[1] * cy + p[2] * cz + p[3] > 0;
    }
    if (!dedans) return false;
  }
  return true;
}
