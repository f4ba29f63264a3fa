// Geometry where the exact rules matter: wrapped angles, contact bounds, the frustum's strictness,
// the view's shape for a window size and the size table of Options.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "common/globals.h"
#include "common/vue.h"
#include "math/degres.h"
#include "math/frustum.h"
#include "math/vector.h"
#include "support/outils_essai.h"

namespace {

TEST(Geometrie, DegreeTablesWrapByWholeTurnsAndKeep360) {
  init_cosin();
  const struct {
    int table, degres, indice;  // table 0 is the cosine, 1 the sine
  } cas[] = {{0, 720, 360}, {0, 360, 360}, {0, 1080, 360}, {1, -30, 330},
             {1, 361, 1},    {1, -360, 0},   {1, -361, 359}};
  for (const auto& c : cas)
    EXPECT_EQ((c.table ? sinus : cosinus)(c.degres), cosin[c.table][c.indice]) << c.degres;
  // Extreme arguments must land inside the table rather than overflow.
  EXPECT_TRUE(std::isfinite(sinus(2147483647)));
  EXPECT_TRUE(std::isfinite(sinus(-2147483647 - 1)));
  EXPECT_NEAR(cosin[0][90], 0.0f, 1e-7f);
  EXPECT_NEAR(cosin[1][90], 1.0f, 1e-7f);
}

TEST(Geometrie, SphereContactBehindAFaceStopsAtThreeUnits) {
  // Large face in the plane y = 0, counter-clockwise seen from above: normal +y.
  CVector3 face[3] = {CVector3(-100, 0, 100), CVector3(100, 0, 100), CVector3(0, 0, -100)};
  EXPECT_GT(Normal(face).y, 0.99f);
  // Contact down to 3 units behind the face (3.5 with its normal given) and within its outline.
  // A miss leaves the point alone, and the distance too unless the normal was given.
  const struct {
    bool avec_normale;
    CVector3 centre;
    bool contact;
  } cas[] = {{false, {0, -2.9f, 0}, true},   {false, {0, -3, 0}, false}, {false, {0, 0.5f, 0}, true},
             {false, {500, 0.5f, 0}, false}, {true, {0, 5, 0}, false},   {true, {0, -3.4f, 0}, true},
             {true, {0, -3.5f, 0}, false}};
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.centre.x << ", " << c.centre.y << (c.avec_normale ? " normal" : ""));
    CVector3 point(7, 7, 7), normal(7, 7, 7), centre = c.centre;
    float dist = 7;
    const CVector3 haut(0, 1, 0);
    const bool touche =
        c.avec_normale ? SpherePolygonCollisionCoordNorm(face, centre, 3, 1.0f, &point, &normal, &dist, haut)
                       : SpherePolygonCollisionCoord(face, centre, 3, 1.0f, &point, &normal, &dist);
    EXPECT_EQ(touche, c.contact);
    EXPECT_NEAR(dist, c.contact || c.avec_normale ? c.centre.y : 7, 1e-5f);
    EXPECT_LE(Distance(point, c.contact ? CVector3(0, 0, 0) : CVector3(7, 7, 7)), c.contact ? 1e-5f : 0);
    EXPECT_LT(c.contact ? Distance(normal, CVector3(0, 1, 0)) : 0, 1e-5f);
  }
}

// `f`, from identity matrices, is the cube [-1, 1] with exact planes; `p` is
// glFrustum(-1, 1, -1, 1, 1, 100) with the eye at the origin looking down -z.
TEST(Frustum, SphereExactlyItsRadiusOutsideAndCubeWithoutACornerInsideAreRejected) {
  const float ident[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  const float proj[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0f / 99, -1, 0, 0, -200.0f / 99, 0};
  CFrustum f, p;
  f.CalculateFrustum(ident, ident);
  p.CalculateFrustum(proj, ident);
  EXPECT_FALSE(f.SphereInFrustum(3, 0, 0, 2));  // 2 beyond the right plane x = 1
  EXPECT_TRUE(f.SphereInFrustum(3, 0, 0, 2.01f));
  EXPECT_FALSE(f.SphereInFrustum(0, -1.5f, 0, 0.5f));
  EXPECT_TRUE(p.SphereInFrustum(0, 0, -50, 1));
  EXPECT_FALSE(p.SphereInFrustum(0, 0, -150, 10));

  // Cube spanning x in [1, 3]: its nearest corners lie on the right plane, the rest outside.
  EXPECT_FALSE(f.CubeInFrustum(2, 0, 0, 1));
  EXPECT_TRUE(f.CubeInFrustum(1.75f, 0, 0, 1));
  // A cube containing the whole view volume passes.
  EXPECT_TRUE(f.CubeInFrustum(0, 0, 0, 1000));
  EXPECT_TRUE(p.CubeInFrustum(0, 0, 0, 1000));
  EXPECT_FALSE(p.CubeInFrustum(500, 0, -50, 10));
}

// 4:3 windows keep their projection and layout to the bit; other shapes move the HUD by the extra width.
TEST(Vue, FourThirdsIsUnchangedAndOtherShapesFollowTheWindow) {
  for (auto [l, h] : {std::pair{640, 480}, {800, 600}, {1024, 768}, {3200, 2400}}) {
    EXPECT_EQ(demi_largeur_vue(l, h), 1.33) << l << "x" << h;
    FenetreEssai f(l, h);
    EXPECT_EQ(ecart_bord_droit(-7.0f), 0.0f);
    EXPECT_EQ(recul_pour_largeur(3.0f, -4.0f), 1.0f);
  }
  EXPECT_DOUBLE_EQ(demi_largeur_vue(1920, 1080), 16.0 / 9.0);
  EXPECT_DOUBLE_EQ(demi_largeur_vue(1280, 1024), 1.25);
  EXPECT_EQ(demi_largeur_vue(0, 0), 1.33);  // no window yet: no division by zero

  FenetreEssai large(2560, 1080);
  EXPECT_NEAR(ecart_bord_droit(-2.8f), (2560.0 / 1080 - 1.33) * 2.8, 1e-5);
  EXPECT_NEAR(ecart_bord_gauche(-2.8f), -(2560.0 / 1080 - 1.33) * 2.8, 1e-5);
  // A table too wide for a 5:4 window is pushed back just enough to fit in 95 % of its width.
  FenetreEssai etroite(1280, 1024);
  const float f = recul_pour_largeur(5.0f, -4.0f);
  EXPECT_GT(f, 1.0f);
  EXPECT_NEAR(5.0f / (f * 4.0f), 0.95f * 1.25f, 1e-5);
  EXPECT_EQ(recul_pour_largeur(4.0f, -4.0f), 1.0f);
}

// Old config.cfg files keep their meaning: indices 0 to 3 and 4 ("User") are where they were.
TEST(Vue, ScreenSizesKeepTheirIndices) {
  const int attendu[][3] = {{0, 640, 480},  {1, 800, 600},  {2, 1024, 768}, {3, 1280, 1024}, {5, 1280, 720},
                            {6, 1366, 768}, {7, 1600, 900}, {8, 1920, 1080}, {9, 2560, 1440}};
  int l = 0, h = 0;
  for (const auto& a : attendu) {
    ASSERT_TRUE(taille_de_resol(a[0], &l, &h)) << a[0];
    EXPECT_EQ(std::pair(l, h), std::pair(a[1], a[2]));
  }
  for (int r : {-1, RESOL_USER, RESOL_BUREAU, RESOL_BUREAU + 1})
    EXPECT_FALSE(taille_de_resol(r, &l, &h)) << r;
}

}  // namespace
