// The player's driving: pedals, friction, boost timing, wrong way, racing-line targets, air steering.
#include <gtest/gtest.h>

#include <cmath>

#include "math/degres.h"
#include "objects/humain.h"
#include "world/trajectoire.h"
#include "support/outils_essai.h"

namespace {

class PiloteHumain : public CJoueurHumain {
 public:
  using CJoueurHumain::Roule;
  using CJoueurHumain::Saute;
  using CObjJoueur::etat;
};

class Humain : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    p.angle = p.angle_deplacement = 0;
    p.face_sol.normale = CVector3(0, 1, 0);
  }
  void TearDown() override { Effacement_liste_point_t(); }
  // One ground step with the controller polled first, as action does.
  void roule() {
    controle->Pool();
    p.Roule();
  }
  // Presses and lets go of fire: the next poll sees the release, the one after fires.
  void tire() {
    clavier.bt[BT_VALIDE] = 1;
    p.action();
    clavier.bt[BT_VALIDE] = 0;
    p.action();
    p.action();
  }
  ControleEssai clavier;
  PiloteHumain p;
};

TEST_F(Humain, BrakingSlowsThenReversesAndLevelFrictionStops) {
  p.vitesse = 0.3f;
  clavier.bt[BT_BAS] = 1;
  roule();
  EXPECT_NEAR(p.vitesse, 0.3f - 0.05f - 0.035f, 1e-6);
  EXPECT_TRUE(p.freinage);
  for (int i = 0; i < 5; i++) roule();
  EXPECT_LT(p.vitesse, 0);
  EXPECT_FALSE(p.marche_avant);
  float plus_bas = 0;
  for (int i = 0; i < 200; i++) {
    roule();
    plus_bas = std::min(plus_bas, p.vitesse);
  }
  // The reverse gain stops at -0.8 on level ground.
  EXPECT_LT(plus_bas, -0.7f);
  EXPECT_GT(plus_bas, -0.8f - 0.1f - 1e-4f);
  clavier.bt[BT_BAS] = 0;
  // Let go: friction brings it back by 0.035 a step, then snaps to 0.
  float avant = p.vitesse;
  roule();
  EXPECT_NEAR(p.vitesse, avant + 0.035f, 1e-5);
  for (int i = 0; i < 40; i++) roule();
  EXPECT_EQ(p.vitesse, 0);
  // Throttle after reversing: plain acceleration until forward mode is back.
  clavier.bt[BT_HAUT] = 1;
  roule();
  EXPECT_TRUE(p.marche_avant);
  EXPECT_TRUE(p.accelere);
}

TEST_F(Humain, ThrottleNeverPassesTheLimitAndSteepReverseIsCapped) {
  clavier.bt[BT_HAUT] = 1;
  for (int i = 0; i < 300; i++) roule();
  EXPECT_LE(p.vitesse, p.vitesse_max);
  EXPECT_GT(p.vitesse, p.vitesse_max - 0.2f);
  // Backwards down a steep slope: never faster than -2.0.
  clavier.bt[BT_HAUT] = 0;
  p.vitesse = -1.9f;
  p.marche_avant = false;
  p.face_sol.normale = Normalize(CVector3(0, 1, 1.5f));
  for (int i = 0; i < 50; i++) roule();
  EXPECT_GE(p.vitesse, -2.0f - 0.2f);
}

TEST_F(Humain, BoostEndsInThe451stStepAtExactlyOneAndASecondOneWaits) {
  p.bonus = 1;
  tire();
  ASSERT_EQ(p.boost, 1);
  EXPECT_EQ(p.bonus, 0);
  EXPECT_FLOAT_EQ(p.multiplicateur, 1.2f);
  // A second speed bonus during the boost stays held.
  p.bonus = 1;
  tire();
  EXPECT_EQ(p.bonus, 1);
  int pas = 4;
  while (p.boost == 1 && pas < 1000) {
    p.action();
    pas++;
  }
  EXPECT_EQ(pas, 451);
  EXPECT_EQ(p.multiplicateur, 1.0f);
  EXPECT_EQ(p.temps_boost, 0);
}

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

TEST_F(Humain, AirSteeringIsSymmetric) {
  PiloteHumain g, d;
  for (PiloteHumain* q : {&g, &d}) {
    q->angle = q->angle_deplacement = 180;
    q->vitesse = 1.5f;
    q->face_sol.normale = CVector3(0, 1, 0);
  }
  clavier.bt[BT_GAUCHE] = 1;
  controle->Pool();
  for (int i = 0; i < 10; i++) g.Saute();
  clavier.bt[BT_GAUCHE] = 0;
  clavier.bt[BT_DROITE] = 1;
  controle->Pool();
  for (int i = 0; i < 10; i++) d.Saute();
  EXPECT_EQ(g.compteur_gauche, 10);
  EXPECT_EQ(d.compteur_droite, 10);
  EXPECT_NEAR(g.angle - 180, 180 - d.angle, 1e-3);
  EXPECT_NEAR(g.glisse, -d.glisse, 1e-3);
  EXPECT_NEAR(g.vitesse, d.vitesse, 1e-6);
  // Gravity: falls faster each step, capped at 2.5 a step.
  EXPECT_LT(g.deplacement.y, 0);
  for (int i = 0; i < 100; i++) g.Saute();
  EXPECT_FLOAT_EQ(g.deplacement.y, -2.5f);
}

}  // namespace
