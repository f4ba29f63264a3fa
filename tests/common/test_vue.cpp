// The view's shape for a window size, the HUD's shift from 4:3, and the size table of Options.
#include <gtest/gtest.h>

#include <utility>

#include "common/globals.h"
#include "common/vue.h"

namespace {

struct Fenetre {
  Fenetre(int l, int h) : l0(SCREEN_WIDTH), h0(SCREEN_HEIGHT) { SCREEN_WIDTH = l, SCREEN_HEIGHT = h; }
  ~Fenetre() { SCREEN_WIDTH = l0, SCREEN_HEIGHT = h0; }
  int l0, h0;
};

// Every 4:3 window keeps its projection and layout to the bit; other shapes take their own width,
// the HUD moving by the extra width at its depth; what is too wide for the window is pushed back.
TEST(Vue, FourThirdsIsUnchangedAndOtherShapesFollowTheWindow) {
  for (auto [l, h] : {std::pair{640, 480}, {800, 600}, {1024, 768}, {3200, 2400}}) {
    EXPECT_EQ(demi_largeur_vue(l, h), 1.33) << l << "x" << h;
    Fenetre f(l, h);
    EXPECT_EQ(ecart_bord_droit(-7.0f), 0.0f);
    EXPECT_EQ(recul_pour_largeur(3.0f, -4.0f), 1.0f);
  }
  EXPECT_DOUBLE_EQ(demi_largeur_vue(1920, 1080), 16.0 / 9.0);
  EXPECT_DOUBLE_EQ(demi_largeur_vue(1280, 1024), 1.25);
  EXPECT_EQ(demi_largeur_vue(0, 0), 1.33);  // no window yet: no division by zero

  Fenetre large(2560, 1080);
  EXPECT_NEAR(ecart_bord_droit(-2.8f), (2560.0 / 1080 - 1.33) * 2.8, 1e-5);
  EXPECT_NEAR(ecart_bord_gauche(-2.8f), -(2560.0 / 1080 - 1.33) * 2.8, 1e-5);
  // A table too wide for a 5:4 window is pushed back just enough to fit in 95 % of its width.
  Fenetre etroite(1280, 1024);
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
