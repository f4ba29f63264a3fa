// The computer pilot: slide recovery, bonus detours and firing, whole laps, a fresh race.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "common/hasard.h"
#include "objects/bonus.h"
#include "objects/cpu.h"
#include "objects/circuit_essai.h"
#include "world/monde.h"

namespace {

class PiloteCPU : public CJoueurCPU {
 public:
  using CJoueurCPU::Roule;
};

class CPU : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    g_HasardCourse.seme(7);
    glissement = 0.5f;
    p.vitesse_max = 2.5f;
    p.face_sol.normale = CVector3(0, 1, 0);
  }
  void TearDown() override {
    Effacement_liste_bonus();
    for (CObjJoueur*& j : Joueurs) j = nullptr;
    circuit_essai::libere();
  }
  void sur_la_grille(float x = 20, float z = 7) {
    p.ResetPosition(x, 3, z, 270);
    p.SetMondeLimits(wminx, wmaxx, wminy, wmaxy, wminz, wmaxz);
    p.set_ptr_destination(prem_list_ptraj);
    p.SetMove();
    p.Set_Roule();
  }
  void sur_le_circuit(float x = 20, float z = 7) {
    circuit_essai::installe();
    Joueurs[0] = &p;
    sur_la_grille(x, z);
  }
  // One race step of the pilot alone: ground, its step, walls.
  void pas(PiloteCPU& c) {
    c.ResetContacts();
    g_Octree.ChercheSolObjet(&c, &g_World);
    c.action();
    g_Octree.CollisionsObjetmonde(&c, &g_World);
  }
  PiloteCPU p;
};

TEST_F(CPU, SlideRecoveryFollowsTheTable) {
  // Worked out by hand from speed 2 and G 0.5: e.g. above 45 on the throttle the speed drops by
  // sin 60°/10·G to 1.95670 and the slide by (1.95670 - 6)²/4·G to 57.9565 (/3 while boosting).
  // Slide, throttle, brake, multiplier; the speed and size of the slide after one recovery.
  const float lignes[][6] = {
      {60, 1, 0, 1, 1.95670f, 57.9565f}, {60, 1, 0, 1.2f, 1.95670f, 57.2753f},
      {-60, 0, 0, 1, 1.95189f, 58.3613f}, {60, 0, 1, 1, 2, 60}, {30, 1, 0, 1, 1.97917f, 27.3055f},
      {-30, 0, 0, 1, 1.97500f, 27.9749f}, {30, 0, 1, 1, 2, 30}, {10, 1, 0, 1, 1.99276f, 6.7884f},
      {-10, 0, 1, 1, 1.99276f, 6.7884f},
  };
  for (const auto& l : lignes) {
    SCOPED_TRACE(l[0]);
    p.glisse = l[0];
    p.vitesse = 2.0f;
    p.accelere = l[1] != 0;
    p.freine_cpu = l[2] != 0;
    p.multiplicateur = l[3];
    p.recupere_glisse();
    EXPECT_NEAR(p.vitesse, l[4], 1e-4);
    EXPECT_NEAR(std::fabs(p.glisse), l[5], 1e-3);
    EXPECT_GE(p.glisse * l[0], 0);  // recovery never swings the slide to the other side
  }
}

// Stopped (blown up, pinned to a wall) while sliding hard, the nose 65 degrees off the target and
// the travel direction still far behind it, the pilot drops the slide and drives off.
TEST_F(CPU, AStoppedPilotLosesItsSlideAndDrivesTowardsItsTarget) {
  p.SetMove();
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
  // At speed the slide only shrinks by the recovery table; it is not dropped.
  p.vitesse = 2.0f;
  p.glisse = 30;
  p.Delta = 10;
  p.Roule();
  EXPECT_GT(p.glisse, 20);
}

TEST_F(CPU, DetoursForABonusAndGivesUpWhenItIsTakenThenFiresItsOwnByTheRules) {
  sur_le_circuit(-40, 0);
  // A pick-up 20 units to the side of the second stretch, hanging on the first point.
  creation_bonus(BONUS_VITESSE, -140, 0, 20);
  CObjBonus* b = act_bonus;
  prem_list_ptraj->bonus = b;
  prem_list_ptraj->dist_bonus = Distance(prem_list_ptraj->position, b->position);
  prem_list_ptraj->dist_bonus_suivant = Distance(b->position, prem_list_ptraj->suivant->position);
  int detour = -1;
  for (int i = 0; i < 40 && detour < 0; i++) {
    pas(p);
    if (p.detour_bonus) detour = i;
  }
  ASSERT_GE(detour, 0);
  EXPECT_EQ(p.bonus_vise, b);
  EXPECT_LT(Distance(p.pos_destination, b->position), 6.0f);  // the bonus, jittered
  // Another ship takes it first: the pilot goes back to the line.
  b->DeActive();
  pas(p);
  EXPECT_FALSE(p.detour_bonus);
  EXPECT_EQ(p.bonus_vise, nullptr);
  EXPECT_LT(Distance(p.pos_destination, p.GetPtrTraj()->position), 1e-3);
  // A bonus that is freed while a pilot heads for it leaves no dangling pointer.
  b->etat = true;
  p.detour_bonus = true;
  p.bonus_vise = b;
  p.pos_destination = b->position;
  Destruct_bonus(b);
  EXPECT_FALSE(p.detour_bonus);
  EXPECT_EQ(p.bonus_vise, nullptr);
  EXPECT_EQ(prem_list_ptraj->bonus, nullptr);
  pas(p);
  sur_la_grille(-100, 0);
  p.face_sol.type_sol = SURFACE_RAPIDE;
  // Speed bonus on a long stretch: boost at once.
  p.SetBonus(BONUS_VITESSE);
  p.action();
  EXPECT_EQ(p.boost, 1);
  EXPECT_EQ(p.GetBonusType(), 0);
  // Missile, not first, ship straight ahead 30 units away: fired ahead along the heading.
  PiloteCPU devant;
  p.SetClassement(3);
  p.angle = 270;
  p.SetBonus(BONUS_MISSILE_A_PRENDRE);
  p.SetJoueurDevant(&devant, 2, p.position + CVector3(-30, 0, 0));
  p.action();
  EXPECT_EQ(p.GetBonusType(), 0);
  ASSERT_EQ(nb_bonus, 1);
  EXPECT_EQ(act_bonus->GetType(), BONUS_MISSILE);
  EXPECT_NEAR(act_bonus->deplacement.x, -1, 0.05);
  // Mine: kept while the ship ahead is out of range, dropped once it is within 300 units.
  p.SetBonus(BONUS_MINE_A_PRENDRE);
  p.SetJoueurDevant(&devant, 2, p.position + CVector3(-400, 0, 0));
  p.action();
  EXPECT_EQ(p.GetBonusType(), BONUS_MINE_A_PRENDRE);
  p.SetJoueurDevant(&devant, 2, p.position + CVector3(-100, 0, 0));
  p.glisse = 0;
  p.action();
  EXPECT_EQ(p.GetBonusType(), 0);
  EXPECT_EQ(nb_bonus, 2);
  EXPECT_EQ(act_bonus->GetType(), BONUS_MINE);
}

TEST_F(CPU, DrivesWholeLapsOfTheRingAndKeepsNoTargetOnceTheLineIsGone) {
  sur_le_circuit();
  int points = 0, dernier = p.point_courant;
  float plus_vite = 0;
  for (int i = 0; i < 3000; i++) {
    pas(p);
    points += p.point_courant != dernier;
    dernier = p.point_courant;
    plus_vite = std::max(plus_vite, p.vitesse);
  }
  // Two laps of 16 points in 100 seconds of race, on the road, never put back.
  EXPECT_GE(points, 32);
  EXPECT_EQ(p.stats.sauvetages, 0);
  EXPECT_GT(plus_vite, 2.2f);
  EXPECT_LE(plus_vite, p.vitesse_max + 0.2f);
  EXPECT_GT(p.position.y, -1.0f);
  // The next circuit comes without a racing line: the old points are gone.
  Effacement_liste_point_t();
  sur_la_grille();
  EXPECT_EQ(p.GetPtrTraj(), nullptr);
  for (int i = 0; i < 30; i++) pas(p);  // would read the freed points (seen by ASan)
  EXPECT_EQ(p.GetPtrTraj(), nullptr);
}

// The six pilots are kept from race to race: what one race left in them must not change the next.
TEST(PiloteNeuf, ANewRaceLeavesNothingOfTheLastButThePilotsIdentity) {
  t3DModel modele;
  CJoueurCPU p;
  p.SetNom("Peluk");
  p.Set3Dobj(&modele);
  p.multiplicateur = 1.6f;
  p.glisse = 12;
  p.compteur_explosion = 9;
  p.attente = 250;
  p.ancien_deplacement = CVector3(0, -3, 1);
  p.compteur_double_droite = 4;
  p.stats.bonus_pris = 3;
  p.Set_Explode();
  p.remet_a_neuf();
  const CJoueurCPU neuf;
  EXPECT_STREQ(p.GetNom(), "Peluk");
  EXPECT_EQ(p.obj3D, &modele);
  const auto course = [](const CJoueurCPU& j) {
    return std::make_tuple(j.multiplicateur, j.glisse, j.compteur_explosion, j.attente,
                           j.ancien_deplacement.y, j.compteur_double_droite, j.stats.bonus_pris,
                           static_cast<int>(j.GetEtat()));
  };
  EXPECT_EQ(course(p), course(neuf));
}

}  // namespace
