// View frustum: plane order and the strictness of both tests.
#include <gtest/gtest.h>

#include "math/frustum.h"

namespace {

// glFrustum(-1, 1, -1, 1, 1, 100) with the eye at the origin looking down -z.
void frustum_simple(CFrustum& f) {
  const float n = 1, fa = 100;
  const float proj[16] = {n, 0, 0, 0, 0, n, 0, 0, 0, 0, -(fa + n) / (fa - n), -1, 0, 0, -2 * fa * n / (fa - n), 0};
  const float ident[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  f.CalculateFrustum(proj, ident);
}

// `p` is the simple perspective; `f`, from identity matrices, the cube [-1, 1] with exact planes.
class Frustum : public ::testing::Test {
 protected:
  void SetUp() override {
    frustum_simple(p);
    const float ident[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    f.CalculateFrustum(ident, ident);
  }
  CFrustum f, p;
};

TEST_F(Frustum, PlanesComeInTheirOrderAndPointInwards) {
  const float s = 0.70710678f;
  const struct {
    int plan, coef;
    float valeur, tolerance;
  } cas[] = {{FRUSTUM_RIGHT, 0, -s, 1e-5f}, {FRUSTUM_RIGHT, 2, -s, 1e-5f}, {FRUSTUM_LEFT, 0, s, 1e-5f},
             {FRUSTUM_BOTTOM, 1, s, 1e-5f}, {FRUSTUM_TOP, 1, -s, 1e-5f},   {FRUSTUM_FAR, 2, 1, 1e-5f},
             {FRUSTUM_FAR, 3, 100, 1e-3f},  {FRUSTUM_NEAR, 2, -1, 1e-5f},  {FRUSTUM_NEAR, 3, -1, 1e-4f}};
  for (const auto& c : cas) {
    EXPECT_NEAR(p.m_Frustum[c.plan][c.coef], c.valeur, c.tolerance) << c.plan << " " << c.coef;
  }
}

TEST_F(Frustum, SphereExactlyItsRadiusOutsideIsRejected) {
  EXPECT_TRUE(f.SphereInFrustum(0, 0, 0, 0.5f));
  EXPECT_FALSE(f.SphereInFrustum(3, 0, 0, 2));  // 2 beyond the right plane x = 1
  EXPECT_TRUE(f.SphereInFrustum(3, 0, 0, 2.01f));
  EXPECT_FALSE(f.SphereInFrustum(0, -1.5f, 0, 0.5f));
  EXPECT_TRUE(p.SphereInFrustum(0, 0, -50, 1));
  EXPECT_FALSE(p.SphereInFrustum(0, 0, -150, 10));
}

TEST_F(Frustum, CubeNeedsACornerStrictlyInside) {
  EXPECT_TRUE(f.CubeInFrustum(0, 0, 0, 0.5f));
  // Cube spanning x in [1, 3]: its nearest corners lie on the right plane, the rest outside.
  EXPECT_FALSE(f.CubeInFrustum(2, 0, 0, 1));
  EXPECT_TRUE(f.CubeInFrustum(1.75f, 0, 0, 1));
  // A cube containing the whole view volume passes.
  EXPECT_TRUE(f.CubeInFrustum(0, 0, 0, 1000));
  EXPECT_TRUE(p.CubeInFrustum(0, 0, 0, 1000));
  EXPECT_FALSE(p.CubeInFrustum(500, 0, -50, 10));
}

}  // namespace
