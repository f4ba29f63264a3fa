// A computer pilot brought to a stop (blown up, or pinned against a wall) while sliding hard:
// the slide goes with the speed, so the pilot drives off instead of braking on for good.
#include <gtest/gtest.h>

#include "math/degres.h"
#include "objects/cpu.h"
#include "world/monde.h"

namespace {

class PiloteArrete : public CJoueurCPU {
 public:
  using CJoueurCPU::Roule;
};

class CPUArrete : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    glissement = 0.5f;
    p.vitesse_max = 2.5f;
    p.face_sol.normale = CVector3(0, 1, 0);
    p.SetMove();
  }
  PiloteArrete p;
};

TEST_F(CPUArrete, AStoppedPilotLosesItsSlideAndDrivesTowardsItsTarget) {
  // Stopped, nose 65 degrees off the target, the travel direction still far behind the nose.
  p.vitesse = 0;
  p.glisse = 65;
  p.Delta = 65;
  p.Roule();
  EXPECT_EQ(p.glisse, 0);
  // From then on the table sees no slide: throttle, not brake, and the ship gets going.
  for (int i = 0; i < 30; i++) {
    p.Delta = 65;
    p.Roule();
    EXPECT_FALSE(p.freine_cpu) << "step " << i;
  }
  EXPECT_GT(p.vitesse, 0.5f);
}

TEST_F(CPUArrete, AMovingPilotKeepsItsSlide) {
  // At speed the slide only shrinks by the recovery table; it is not dropped.
  p.vitesse = 2.0f;
  p.glisse = 30;
  p.Delta = 10;
  p.Roule();
  EXPECT_GT(p.glisse, 20);
}

}  // namespace
