// The view volume as six planes, extracted once per frame after the camera's look-at, for
// conservative visibility tests of spheres and cubes.
#pragma once

// Plane order inside CFrustum::m_Frustum.
enum { FRUSTUM_RIGHT = 0, FRUSTUM_LEFT, FRUSTUM_BOTTOM, FRUSTUM_TOP, FRUSTUM_FAR, FRUSTUM_NEAR };

void NormalizePlane(float planes[6][4], int index);

class CFrustum {
 public:
  // Reads the current OpenGL projection and model-view matrices (frustum_rendu.cpp, drawing side).
  void CalculateFrustum();
  // The same from two column-major 4x4 matrices; no OpenGL needed.
  void CalculateFrustum(const float proj[16], const float modl[16]);

  bool SphereInFrustum(float x, float y, float z, float radius) const;
  bool CubeInFrustum(float x, float y, float z, float halfSize) const;

  float m_Frustum[6][4] = {};  // a, b, c, d; (a, b, c) a unit normal pointing inwards
};

extern CFrustum g_Frustum;
