// Particles: life spans per drawn frame, growth, motion, culling that never stops ageing, the
// list they live in, and the explosion sound heard once.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "common/hasard.h"
#include "math/frustum.h"
#include "objects/particules.h"

namespace {

class Particules : public ::testing::Test {
 protected:
  void SetUp() override {
    g_HasardDecor.seme(3);
    // A view volume that is the cube -1..1: everything the tests make lies outside it, so
    // nothing is drawn (there is no screen) but every particle lives its life.
    const float unite[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    g_Frustum.CalculateFrustum(unite, unite);
  }
  void TearDown() override { Effacement_liste_partic(); }
  static constexpr float LOIN = 1000;
};

TEST_F(Particules, EachKindLivesItsFramesAndIsFreedInTheLast) {
  struct Vie {
    int kind, frames;
  };
  const Vie vies[] = {{PARTIC_ETINCELLE, 35},       {PARTIC_ETINCELLE_BOOST, 35}, {PARTIC_CHOC, 35},
                      {PARTIC_ETINCELLE_ROUGE, 35}, {PARTIC_SPHERE, 60},          {PARTIC_EXPLOSION, 60},
                      {PARTIC_FUMEE, 25}};
  for (Vie v : vies) {
    creation_partic(v.kind, LOIN, 0, 0);
    ASSERT_EQ(nb_partic, 1);
    for (int f = 1; f <= v.frames; f++) {
      ASSERT_EQ(avance_particules(true), 0) << "kind " << v.kind << " frame " << f;
      ASSERT_EQ(nb_partic, 1);
    }
    EXPECT_EQ(avance_particules(true), 1) << "kind " << v.kind;
    EXPECT_EQ(nb_partic, 0);
    EXPECT_EQ(prem_list_partic, nullptr);
    EXPECT_EQ(haut_list_partic, nullptr);
    EXPECT_EQ(act_partic, nullptr);
  }
}

TEST_F(Particules, SphereGrowsTo13Point2AndTurns) {
  creation_partic(PARTIC_SPHERE, LOIN, 0, 0);
  auto* s = dynamic_cast<CPartSphere*>(haut_list_partic);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->obj3D != nullptr, true);
  EXPECT_FLOAT_EQ(s->echelle, 1.2f);
  for (int f = 0; f < 60; f++) ASSERT_TRUE(s->action());
  EXPECT_NEAR(s->echelle, 13.2f, 1e-3);
  EXPECT_NEAR(s->GetRadius(), 13.2f, 1e-3);
  EXPECT_FLOAT_EQ(s->angle_rotation, 600 % 360);
  EXPECT_FALSE(s->action());
}

TEST_F(Particules, RedSparksFlyUpThenFallNoFasterThanOne) {
  creation_partic(PARTIC_ETINCELLE_ROUGE, 0, 0, 0);
  CParticules* p = haut_list_partic;
  EXPECT_TRUE(p->mobile && p->gravite);
  EXPECT_FLOAT_EQ(p->deplacement.y, 0.8f);
  EXPECT_GE(p->vitesse, 0.5f);
  EXPECT_LT(p->vitesse, 1.5f);
  EXPECT_GE(p->deplacement.x, -0.25f);
  EXPECT_LT(p->deplacement.x, 0.25f);
  EXPECT_EQ(p->couleur[0], 250);
  EXPECT_FLOAT_EQ(p->epaisseur, 7);
  float plus_haut = 0;
  for (int f = 0; f < 35; f++) {
    p->action();
    plus_haut = std::max(plus_haut, p->position.y);
    EXPECT_GE(p->deplacement.y, -1.0f);
  }
  EXPECT_GT(plus_haut, 0);
  EXPECT_LT(p->position.y, plus_haut);
  // A plain spark stays where it was made.
  creation_partic(PARTIC_ETINCELLE, 5, 6, 7);
  CParticules* s = haut_list_partic;
  for (int f = 0; f < 10; f++) s->action();
  EXPECT_EQ(Distance(s->position, CVector3(5, 6, 7)), 0);
}

TEST_F(Particules, SmokeRisesAndSwells) {
  creation_partic(PARTIC_FUMEE, 0, 0, 0);
  CParticules* p = haut_list_partic;
  for (int f = 0; f < 25; f++) ASSERT_TRUE(p->action());
  // Each frame rises 0.5 to 2.5 and drifts at most 0.45 sideways.
  EXPECT_GE(p->position.y, 25 * 0.5f);
  EXPECT_LE(p->position.y, 25 * 2.5f);
  EXPECT_LE(std::fabs(p->position.x), 25 * 0.45f);
  EXPECT_NEAR(p->echelle, 1.2f * std::pow(1.1f, 25), 1e-3);
}

TEST_F(Particules, ExplosionAndImpactSoundsPlayOnceAtCreation) {
  const int avant = nb_sons_impact();
  creation_partic(PARTIC_EXPLOSION, LOIN, 0, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 1);
  for (int f = 0; f < 61; f++) avance_particules(true);
  EXPECT_EQ(nb_partic, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 1);
  creation_partic(PARTIC_CHOC, LOIN, 0, 0);
  creation_partic(PARTIC_SPHERE, LOIN, 0, 0);
  creation_partic(PARTIC_FUMEE, LOIN, 0, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 2);
  // With no sound system the sound is skipped, not the particle.
  EXPECT_EQ(Son_Explosion(0, 0, 0), 1);
  EXPECT_EQ(nb_partic, 3);
}

TEST_F(Particules, TheListKeepsOrderAndMovesTheCurrentToThePredecessor) {
  for (int i = 0; i < 3; i++) creation_partic(PARTIC_ETINCELLE, LOIN + i, 0, 0);
  CParticules* a = prem_list_partic;
  CParticules* b = a->suivant;
  CParticules* c = b->suivant;
  EXPECT_EQ(haut_list_partic, c);
  EXPECT_EQ(act_partic, c);
  Destruct_partic(b);
  EXPECT_EQ(act_partic, a);
  EXPECT_EQ(a->suivant, c);
  EXPECT_EQ(c->precedent, a);
  Destruct_partic(a);
  EXPECT_EQ(act_partic, c);
  EXPECT_EQ(prem_list_partic, c);
  EXPECT_EQ(nb_partic, 1);
  // Particles of different ages die in different frames, the others untouched.
  for (int f = 0; f < 20; f++) avance_particules(true);
  creation_partic(PARTIC_ETINCELLE, LOIN, 0, 0);
  for (int f = 0; f < 15; f++) avance_particules(true);
  EXPECT_EQ(nb_partic, 2);
  EXPECT_EQ(avance_particules(true), 1);
  EXPECT_EQ(nb_partic, 1);
  EXPECT_EQ(haut_list_partic->age, 16);
}

}  // namespace
