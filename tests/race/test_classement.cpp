// Ranking: equal progress goes to the pilot nearer its target, then to the pilots' order; the start
// releases every pilot and the podium needs a finish.
#include <gtest/gtest.h>

#include <vector>

#include "common/globals.h"
#include "race/classement.h"
#include "race/course.h"
#include "world/trajectoire.h"

namespace {

class Course : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i] = &pilotes[i];
  }
  void TearDown() override {
    for (auto& j : Joueurs) j = nullptr;
    nb_point_t = 0;
  }
  CObjJoueur pilotes[NB_JOUEURS];
};

TEST_F(Course, SameProgressNearerTargetIsAhead) {
  for (auto& p : pilotes) {
    p.point_valide = 0;
    p.distance_cible = 1000;
  }
  init_classement();
  nb_point_t = 10;
  NOMBRE_TOURS = 2;
  pilotes[0].point_valide = 4;
  pilotes[0].distance_cible = 50;
  pilotes[3].point_valide = 4;
  pilotes[3].distance_cible = 20;
  pilotes[5].point_valide = 7;
  classement_etape();
  // Pilots 1, 2 and 4 have equal score and distance: array order keeps the better place.
  std::vector<int> places;
  for (const auto& p : pilotes) places.push_back(p.GetClassement());
  EXPECT_EQ(places, (std::vector<int>{3, 4, 5, 2, 6, 1}));
  for (auto& p : pilotes) EXPECT_EQ(p.classementH, 1);
  EXPECT_EQ(pilotes[3].joueur_devant, &pilotes[5]);
  EXPECT_EQ(pilotes[3].classement_devant, 1);
  EXPECT_EQ(pilotes[3].joueur_derriere, &pilotes[0]);
  EXPECT_EQ(pilotes[5].joueur_devant, nullptr);
  EXPECT_EQ(pilotes[5].classement_devant, -1);
  EXPECT_EQ(pilotes[4].joueur_derriere, nullptr);
}

TEST_F(Course, StartReleasesEveryPilotAndPodiumNeedsAFinish) {
  prepare_pilotes();
  for (auto& p : pilotes) {
    EXPECT_EQ(p.GetEtat(), EtatPilote::Attend);
    EXPECT_EQ(p.GetPointValide(), 0);
  }
  demarre_course();
  for (auto& p : pilotes) {
    EXPECT_TRUE(p.peut_bouger);
    EXPECT_EQ(p.GetEtat(), EtatPilote::Roule);
  }
  pilotes[JOUEUR_HUMAIN].SetClassement(2);
  EXPECT_FALSE(humain_sur_podium());
  pilotes[JOUEUR_HUMAIN].Set_Finish();
  EXPECT_TRUE(humain_sur_podium());
  pilotes[JOUEUR_HUMAIN].SetClassement(4);
  EXPECT_FALSE(humain_sur_podium());
}

}  // namespace
