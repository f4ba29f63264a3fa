// Particles: life spans per kind, the explosion's sphere, and the explosion sound heard once.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "common/hasard.h"
#include "objects/particules.h"

namespace {

class Particules : public ::testing::Test {
 protected:
  void SetUp() override { g_HasardDecor.seme(3); }
  void TearDown() override { Effacement_liste_partic(); }
};

TEST_F(Particules, EachKindLivesItsFramesAndIsFreedInTheLast) {
  for (auto [kind, frames] : {std::pair{PARTIC_ETINCELLE, 35}, {PARTIC_ETINCELLE_BOOST, 35},
                              {PARTIC_CHOC, 35}, {PARTIC_ETINCELLE_ROUGE, 35}, {PARTIC_SPHERE, 60},
                              {PARTIC_EXPLOSION, 60}, {PARTIC_FUMEE, 25}}) {
    creation_partic(kind, 0, 0, 0);
    ASSERT_EQ(nb_partic, 1);
    for (int f = 1; f <= frames; f++) {
      ASSERT_EQ(avance_particules(), 0) << "kind " << kind << " frame " << f;
      ASSERT_EQ(nb_partic, 1);
    }
    // The explosion's sphere ends at its full size.
    if (kind == PARTIC_SPHERE) {
      EXPECT_NEAR(haut_list_partic->GetRadius(), 13.2f, 1e-3);
    }
    EXPECT_EQ(avance_particules(), 1) << "kind " << kind;
    EXPECT_EQ(nb_partic, 0);
    EXPECT_EQ((std::vector<CParticules*>{prem_list_partic, haut_list_partic, act_partic}),
              std::vector<CParticules*>(3, nullptr));
  }
}

TEST_F(Particules, ExplosionAndImpactSoundsPlayOnceAtCreation) {
  const int avant = nb_sons_impact();
  creation_partic(PARTIC_EXPLOSION, 0, 0, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 1);
  for (int f = 0; f < 61; f++) avance_particules();
  EXPECT_EQ(nb_sons_impact(), avant + 1);
  for (int kind : {PARTIC_CHOC, PARTIC_SPHERE, PARTIC_FUMEE}) creation_partic(kind, 0, 0, 0);
  EXPECT_EQ(nb_sons_impact(), avant + 2);
  // With no sound system the sound is skipped, not the particle.
  EXPECT_EQ(Son_Explosion(0, 0, 0), 1);
  EXPECT_EQ(nb_partic, 3);
}

}  // namespace
