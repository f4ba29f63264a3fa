// Bonuses: missiles against walls and ships, pick-ups on steep ground, their placement; particles.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "common/hasard.h"
#include "objects/bonus.h"
#include "objects/bonus_placement.h"
#include "objects/circuit_essai.h"
#include "objects/cpu.h"
#include "objects/particules.h"

namespace {

class Bonus : public ::testing::Test {
 protected:
  void SetUp() override {
    g_HasardCourse.seme(11);
    circuit_essai::installe();
  }
  void TearDown() override {
    Effacement_liste_bonus();
    Effacement_liste_partic();
    for (CObjJoueur*& j : Joueurs) j = nullptr;
    circuit_essai::libere();
  }
  // The pilots live as long as the fixture: freeing the bonuses looks at Joueurs.
  CJoueurCPU pilotes[3];
  static int nb_explosions() {
    int n = 0;
    for (CParticules* p = prem_list_partic; p; p = p->suivant) n += dynamic_cast<CPartSphere*>(p) != nullptr;
    return n;
  }
  // Steps the bonuses, with their contacts, until none is left: the number of steps.
  static int jusqu_a_la_fin() {
    int pas = 0;
    for (; nb_bonus > 0 && pas < 300; pas++) {
      etape_bonus();
      contacts_pilotes_bonus();
    }
    return pas;
  }
};

TEST_F(Bonus, AMissileDiesOnAWallOrAShipWithAnExplosionOrExpiresAfter210Steps) {
  CJoueurCPU& a = pilotes[0];
  a.ResetPosition(0, 0, 0, 270);
  a.angle = a.angle_deplacement = 0;  // towards +z: the outer wall at z = 30
  a.SetBonus(BONUS_MISSILE_A_PRENDRE);
  ASSERT_TRUE(a.declenche_bonus(BONUS_MISSILE_A_PRENDRE));
  EXPECT_EQ(act_bonus->GetType(), BONUS_MISSILE);
  EXPECT_NEAR(act_bonus->position.z, 8, 1e-3);
  // 22 units at 3.5 a step, give or take its radius.
  const int fin = jusqu_a_la_fin();
  EXPECT_GT(fin, 3);
  EXPECT_LT(fin, 9);
  EXPECT_EQ(nb_explosions(), 1);
  EXPECT_GT(haut_list_partic->position.z, 20);
  EXPECT_GE(nb_partic, fin);  // it left smoke behind it every step
  // Along the back straight with nothing to hit.
  creation_bonus(BONUS_MISSILE, -400, 0, -330);
  act_bonus->SetDeplacement(90);
  EXPECT_EQ(jusqu_a_la_fin(), 211);
  // Into the ship it reaches.
  const int explosions = nb_explosions();
  Joueurs[2] = &pilotes[2];
  pilotes[2].ResetPosition(-100, 0, 0, 270);
  pilotes[2].position_collision = pilotes[2].position + CVector3(0, pilotes[2].hauteur_collision, 0);
  creation_bonus(BONUS_MISSILE, -40, 0, 0);
  act_bonus->SetDeplacement(270);
  EXPECT_LT(jusqu_a_la_fin(), 30);
  EXPECT_EQ(pilotes[2].GetEtat(), EtatPilote::Explode);
  EXPECT_EQ(nb_explosions(), explosions + 1);
}

TEST_F(Bonus, PickUpsArePlacedOnTheTrackLinkedAndSlideOffSteepGround) {
  for (unsigned graine : {1u, 2u, 3u, 4u}) {
    g_HasardCourse.seme(graine);
    circuit_essai::cree_ligne();
    charge_positions_bonus();
    EXPECT_EQ(nb_bonus, NB_BONUS_PLACES) << graine;
    int lies = 0;
    for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) {
      EXPECT_TRUE(b->GetContactSol());
      // None against a wall, where it would blow up at the start.
      g_Octree.CollisionsObjetmonde(b, &g_World);
      EXPECT_FALSE(b->GetDestruct());
      EXPECT_NEAR(b->position.y, 0, 0.5f);
      float y;
      EXPECT_TRUE(g_Minimap.PointSurPiste(b->position.x, b->position.z, &y));
      // 100 units from the grid's two marks and from each other.
      std::vector<CVector3> loin = {CVector3(10, 0, 0), CVector3(100, 0, 0)};
      for (CObjBonus* c = b->suivant; c; c = c->suivant) loin.push_back(c->position);
      for (const CVector3& q : loin) EXPECT_GE(std::hypot(b->position.x - q.x, b->position.z - q.z), 100.0f);
    }
    for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
      if (!p->bonus) continue;
      lies++;
      EXPECT_NEAR(p->dist_bonus, Distance(p->position, p->bonus->position), 1e-3);
      // A pick-up hangs on a point it lies near.
      EXPECT_LT(p->dist_bonus, 400);
    }
    EXPECT_GT(lies, 0);
    Effacement_liste_bonus();
  }
  // Pick-ups slide off steep ground.
  creation_bonus(BONUS_VITESSE, 0, 0, 0);
  CObjBonus* b = act_bonus;
  b->contact_sol = true;
  b->face_sol.normale = Normalize(CVector3(1, 0.8f, 0));  // 51 degrees
  b->action();
  EXPECT_NEAR(b->position.x, 1.5f, 1e-4);
  EXPECT_FALSE(b->GetContactSol());
  EXPECT_FALSE(b->GetDestruct());
  // A face that is almost a wall destroys it.
  b->contact_sol = true;
  b->face_sol.normale = Normalize(CVector3(1, 0.1f, 0));
  b->action();
  EXPECT_TRUE(b->GetDestruct());
}

// Each kind lives its frames and is freed in the last; an explosion or impact is heard once, at its creation.
TEST_F(Bonus, ParticlesLiveTheirFramesAndExplosionsAndImpactsAreHeardOnce) {
  g_HasardDecor.seme(3);
  const int sons = nb_sons_impact();
  int entendus = 0;
  for (auto [kind, frames] : {std::pair{PARTIC_ETINCELLE, 35}, {PARTIC_ETINCELLE_BOOST, 35},
                              {PARTIC_CHOC, 35}, {PARTIC_ETINCELLE_ROUGE, 35}, {PARTIC_SPHERE, 60},
                              {PARTIC_EXPLOSION, 60}, {PARTIC_FUMEE, 25}}) {
    creation_partic(kind, 0, 0, 0);
    ASSERT_EQ(nb_partic, 1);
    entendus += kind == PARTIC_EXPLOSION || kind == PARTIC_CHOC;
    EXPECT_EQ(nb_sons_impact(), sons + entendus) << "kind " << kind;
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
  // With no sound system the sound is skipped, not the particle.
  EXPECT_EQ(Son_Explosion(0, 0, 0), 1);
}

}  // namespace
