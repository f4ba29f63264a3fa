// Camera: race start, collision hooks, mouse look.
#include <gtest/gtest.h>

#include <cmath>

#include "common/globals.h"
#include "math/degres.h"
#include "support/outils_essai.h"
#include "world/camera.h"

namespace {

class Camera : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    currentRotX = 0;
  }
  void TearDown() override { currentRotX = 0; }
  FenetreEssai ecran{640, 480};
  CCamera cam;
};

void proche(CVector3 a, CVector3 b) { EXPECT_NEAR(Distance(a, b), 0, 1e-4f); }

}  // namespace

TEST_F(Camera, RaceStartPlacesEyeBehindAndViewAhead) {
  cam.InitSurJoueur(CVector3(100, 3, 7), 270.9f);  // heading 270: facing -x
  proche(cam.Position(), CVector3(115, 18, 7));
  proche(cam.View(), CVector3(80, 13, 7));
  proche(cam.Direction(), Normalize(CVector3(-35, -5, 0)));
  cam.SuitPoints(cam.Position() + CVector3(20, 0, 0), cam.View());  // 20 away: the eye steps by 4
  proche(cam.Position(), CVector3(119, 18, 7));
}

TEST_F(Camera, CollisionHooks) {
  cam.PositionCamera(0, 0, 0, 0, 5, 10, 0, 1, 0);
  cam.SetContactDecor(CVector3(0, 3, 4));
  proche(cam.Position(), CVector3(0, 3, 4));
  proche(cam.View(), CVector3(0, 2.5f, 10));

  cam.PositionCamera(0, 0, 0, 0, 0, 1, 0, 1, 0);
  EXPECT_TRUE(cam.OverlappsCube(6, 0, 0, 1));    // exactly the radius away
  EXPECT_FALSE(cam.OverlappsCube(6.01f, 0, 0, 1));
  EXPECT_FALSE(cam.OverlappsCube(4, 4, 4, 1));   // corner 3*3*3 = 27 > 25
  EXPECT_EQ(cam.GetPositionCollision().x, cam.GetPositionX());
}

TEST_F(Camera, MouseLookTurnsAndClampsTheVerticalRotation) {
  cam.PositionCamera(0, 0, 0, 0, 0, 1, 0, 1, 0);
  EXPECT_FALSE(cam.TourneVueSouris(320, 240));
  proche(cam.View(), CVector3(0, 0, 1));

  // 100 pixels left: a turn of 0.2 radians to the left (from +z towards +x).
  EXPECT_TRUE(cam.TourneVueSouris(220, 240));
  proche(cam.View(), CVector3(std::sin(0.2f), 0, std::cos(0.2f)));
  EXPECT_EQ(currentRotX, 0.0f);

  // 50 pixels up tilts the view up by 0.1.
  cam.PositionCamera(0, 0, 0, 0, 0, 1, 0, 1, 0);
  cam.TourneVueSouris(320, 190);
  EXPECT_NEAR(currentRotX, -0.1f, 1e-6f);
  EXPECT_NEAR(cam.View().y, std::sin(0.1f), 1e-4f);

  // A move that would pass the limit is dropped whole, its horizontal part included.
  currentRotX = 0.9f;
  cam.PositionCamera(0, 0, 0, 0, 0, 1, 0, 1, 0);
  EXPECT_TRUE(cam.TourneVueSouris(100, 340));
  EXPECT_EQ(currentRotX, 1.0f);
  proche(cam.View(), CVector3(0, 0, 1));
  currentRotX = -0.95f;
  cam.TourneVueSouris(300, 200);
  EXPECT_EQ(currentRotX, -1.0f);
  proche(cam.View(), CVector3(0, 0, 1));
}
