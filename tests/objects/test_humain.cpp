// The player's ship: the wrong-way warning and the racing-line targets it passes.
#include <gtest/gtest.h>

#include "math/degres.h"
#include "objects/humain.h"
#include "world/trajectoire.h"
#include "support/outils_essai.h"

namespace {

class Humain : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    p.angle = p.angle_deplacement = 0;
    p.face_sol.normale = CVector3(0, 1, 0);
  }
  void TearDown() override { Effacement_liste_point_t(); }
  ControleEssai clavier;
  CJoueurHumain p;
};

TEST_F(Humain, WrongWayBlinksAfter30Steps) {
  p.dir_traj = CVector3(0, 0, 1);
  p.deplacement = CVector3(0, 0, -1);
  p.Set_Attend();
  for (int i = 1; i <= 80; i++) {
    p.action();
    EXPECT_EQ(p.sens_interdit, (i >= 31 && i <= 55) || i >= 67) << "step " << i;
  }
  p.deplacement = CVector3(0, 0, 1);
  p.action();
  EXPECT_FALSE(p.sens_interdit);
}

TEST_F(Humain, APointPassedBesideIsStillReached) {
  creation_point_t(0, 0, 0, 0);
  creation_point_t(0, 0, 100, 1);
  creation_point_t(100, 0, 100, 2);
  calcule_trajectoire();
  p.position = CVector3(25, 0, 80);
  p.set_ptr_destination(prem_list_ptraj->suivant);
  EXPECT_EQ(p.point_valide, 1);
  EXPECT_EQ(p.point_courant, 2);
  p.Set_Attend();
  // Abreast of the point, 25 units to the side (625 > 225), then moving away.
  p.position = CVector3(25, 0, 100);
  p.action();
  EXPECT_EQ(p.point_courant, 2);
  p.position = CVector3(25, 0, 110);
  p.action();
  EXPECT_EQ(p.point_courant, 3);
  EXPECT_EQ(p.point_valide, 2);
  EXPECT_FLOAT_EQ(p.dir_traj.z, prem_list_ptraj->suivant->normale.z);
  // The first point of the line takes the last point's direction and reports -1.
  p.set_ptr_destination(prem_list_ptraj);
  EXPECT_EQ(p.point_valide, -1);
}

}  // namespace
