// Particles: life spans per kind, how they grow and move, and the explosion sound heard once.
#include <gtest/gtest.h>

#include <cmath>

#include "common/hasard.h"
#include "objects/particules.h"

namespace {

class Particules : public ::testing::Test {
 protected:
  void SetUp() override { g_HasardDecor.seme(3); }
  void TearDown() override { Effacement_liste_partic(); }
};

TEST_F(Particules, EachKindLivesItsFramesAndIsFreedInTheLast) {
  struct Vie {
    int kind, frames;
  };
  const Vie vies[] = {{PARTIC_ETINCELLE, 35}, {PARTIC_ETINCELLE_BOOST, 35}, {PARTIC_CHOC, 35},
                      {PARTIC_ETINCELLE_ROUGE, 35}, {PARTIC_SPHERE, 60}, {PARTIC_EXPLOSION, 60},
                      {PARTIC_FUMEE, 25}};
  for (Vie v : vies) {
    creation_partic(v.kind, 0, 0, 0);
    ASSERT_EQ(nb_partic, 1);
    for (int f = 1; f <= v.frames; f++) {
      ASSERT_EQ(avance_particules(), 0) << "kind " << v.kind << " frame " << f;
      ASSERT_EQ(nb_partic, 1);
    }
    EXPECT_EQ(avance_particules(), 1) << "kind " << v.kind;
    EXPECT_EQ(nb_partic, 0);
    EXPECT_EQ(prem_list_partic, nullptr);
    EXPECT_EQ(haut_list_partic, nullptr);
    EXPECT_EQ(act_partic, nullptr);
  }
}

TEST_F(Particules, SpheresGrowRedSparksFallNoFasterThanOneSmokeRisesAndSwells) {
  creation_partic(PARTIC_SPHERE, 0, 0, 0);
  auto* s = dynamic_cast<CPartSphere*>(haut_list_partic);
  ASSERT_NE(s, nullptr);
  creation_partic(PARTIC_ETINCELLE_ROUGE, 0, 0, 0);
  CParticules* r = haut_list_partic;
  EXPECT_FLOAT_EQ(r->deplacement.y, 0.8f);
  creation_partic(PARTIC_FUMEE, 0, 0, 0);
  CParticules* f = haut_list_partic;
  creation_partic(PARTIC_ETINCELLE, 5, 6, 7);
  float plus_haut = 0;
  const auto avance = [&](int frames) {
    for (int i = 0; i < frames; i++) {
      avance_particules();
      plus_haut = std::max(plus_haut, r->position.y);
      EXPECT_GE(r->deplacement.y, -1.0f);
    }
  };
  avance(25);
  // Smoke: each frame rises 0.5 to 2.5, drifts at most 0.45 sideways, and swells by a tenth.
  EXPECT_GE(f->position.y, 25 * 0.5f);
  EXPECT_LE(f->position.y, 25 * 2.5f);
  EXPECT_LE(std::fabs(f->position.x), 25 * 0.45f);
  EXPECT_NEAR(f->echelle, 1.2f * std::pow(1.1f, 25), 1e-3);
  avance(10);
  // The red spark went up and came down; a plain spark stays where it was made.
  EXPECT_GT(plus_haut, 0);
  EXPECT_LT(r->position.y, plus_haut);
  EXPECT_EQ(Distance(haut_list_partic->position, CVector3(5, 6, 7)), 0);
  for (int i = 35; i < 60; i++) avance_particules();
  EXPECT_NEAR(s->echelle, 13.2f, 1e-3);
  EXPECT_NEAR(s->GetRadius(), 13.2f, 1e-3);
}

TEST_F(Particules, ExplosionAndImpactSoundsPlayOnceAtCreation) {
  const int avant = nb_sons_impact();
  creation_partic(PARTIC_EXPLOSION, 0, 0, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 1);
  for (int f = 0; f < 61; f++) avance_particules();
  EXPECT_EQ(nb_partic, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 1);
  creation_partic(PARTIC_CHOC, 0, 0, 0);
  creation_partic(PARTIC_SPHERE, 0, 0, 0);
  creation_partic(PARTIC_FUMEE, 0, 0, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 2);
  // With no sound system the sound is skipped, not the particle.
  EXPECT_EQ(Son_Explosion(0, 0, 0), 1);
  EXPECT_EQ(nb_partic, 3);
}

}  // namespace
