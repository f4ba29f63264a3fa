// The editors' free flight: arrow keys with Shift and Ctrl steps, and the strafe of a view that
// looks up, read from the keyboard and the mouse by the camera's platform side.
#include <allegro.h>
#include <gtest/gtest.h>

#include <utility>

#include "common/globals.h"
#include "math/degres.h"
#include "support/clavier_essai.h"
#include "world/camera.h"

namespace {

// The mouse's centre is that of a 640 x 480 window; no key is held at the start or the end.
class VolLibre : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    std::swap(largeur, SCREEN_WIDTH), std::swap(hauteur, SCREEN_HEIGHT);
    relache_touches();
  }
  void TearDown() override {
    relache_touches();
    std::swap(largeur, SCREEN_WIDTH), std::swap(hauteur, SCREEN_HEIGHT);
  }
  CCamera cam;
  int largeur = 640, hauteur = 480;
};

void proche(CVector3 a, CVector3 b) {
  EXPECT_NEAR(a.x, b.x, 1e-4f);
  EXPECT_NEAR(a.y, b.y, 1e-4f);
  EXPECT_NEAR(a.z, b.z, 1e-4f);
}

}  // namespace

TEST_F(VolLibre, ArrowKeysFlyWithShiftAndCtrlSteps) {
  cam.PositionCamera(0, 0, 0, 0, 0, 1, 0, 1, 0);
  key[KEY_UP] = 1;
  cam.CheckForMovement();
  proche(cam.Position(), CVector3(0, 0, 1));
  key[KEY_LCONTROL] = 1;
  cam.CheckForMovement();
  proche(cam.Position(), CVector3(0, 0, 5));
  key[KEY_RSHIFT] = 1;  // Shift wins over Ctrl
  cam.CheckForMovement();
  proche(cam.Position(), CVector3(0, 0, 5.5f));
  proche(cam.View(), CVector3(0, 0, 6.5f));
  key[KEY_UP] = 0, key[KEY_LCONTROL] = 0, key[KEY_RSHIFT] = 0;

  key[KEY_PGDN] = 1;
  cam.CheckForMovement();
  EXPECT_NEAR(cam.Position().y, -1, 1e-6f);
  EXPECT_NEAR(cam.View().y, -1, 1e-6f);
}

TEST_F(VolLibre, StrafeStaysHorizontal) {
  cam.PositionCamera(0, 0, 0, 0, 10, 10, 0, 1, 0);  // looking up at 45 degrees
  mouse_x = 320, mouse_y = 240;  // the mouse sits at the centre: nothing turns
  cam.Update();
  // Right of a camera looking along +z (y up) is -x.
  proche(cam.Strafe(), CVector3(-1, 0, 0));
  cam.StrafeCamera(2);
  proche(cam.Position(), CVector3(-2, 0, 0));
  proche(cam.View(), CVector3(-2, 10, 10));
}
