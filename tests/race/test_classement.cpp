// Ranking: tie-breaks and neighbours, the completion with arrival times.
#include <gtest/gtest.h>

#include <vector>

#include "common/globals.h"
#include "race/classement.h"
#include "world/trajectoire.h"

namespace {

class Classement : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < NB_JOUEURS; i++) {
      pilotes[i] = CObjJoueur();
      pilotes[i].point_valide = 0;
      pilotes[i].distance_cible = 1000;
      Joueurs[i] = &pilotes[i];
    }
    init_classement();
    nb_point_t = 10;
    NOMBRE_TOURS = 2;
    CHRONO_MINUTES = 1;
    CHRONO_SECONDES = 2;
    CHRONO_MILISECONDES = 3;
  }
  void TearDown() override {
    for (auto& j : Joueurs) j = nullptr;
    nb_point_t = 0;
  }
  // The place of each pilot, in the array's order.
  std::vector<int> places() const {
    std::vector<int> v;
    for (const auto& p : pilotes) v.push_back(p.GetClassement());
    return v;
  }
  // Minutes, seconds, sixtieths and total of arrival `k`.
  static std::vector<int> temps(int k) {
    return {tab_temps[k].minutes, tab_temps[k].secondes, tab_temps[k].soixantiemes, tab_temps[k].total};
  }
  CObjJoueur pilotes[NB_JOUEURS];
};

TEST_F(Classement, SameProgressNearerTargetIsAhead) {
  pilotes[0].point_valide = 4;
  pilotes[0].distance_cible = 50;
  pilotes[3].point_valide = 4;
  pilotes[3].distance_cible = 20;
  pilotes[5].point_valide = 7;
  classement_etape();
  // Pilots 1, 2 and 4 have equal score and distance: array order keeps the better place.
  EXPECT_EQ(places(), (std::vector<int>{3, 4, 5, 2, 6, 1}));
  for (auto& p : pilotes) EXPECT_EQ(p.classementH, 1);
  // Neighbours.
  EXPECT_EQ(pilotes[3].joueur_devant, &pilotes[5]);
  EXPECT_EQ(pilotes[3].classement_devant, 1);
  EXPECT_EQ(pilotes[3].joueur_derriere, &pilotes[0]);
  EXPECT_EQ(pilotes[5].joueur_devant, nullptr);
  EXPECT_EQ(pilotes[5].classement_devant, -1);
  EXPECT_EQ(pilotes[4].joueur_derriere, nullptr);
}

TEST_F(Classement, CompletionFillsAllSixInRunningOrder) {
  pilotes[JOUEUR_HUMAIN].tour = 2;
  classement_etape();  // the human arrives
  pilotes[1].point_valide = 8;
  pilotes[3].point_valide = 6;
  CHRONO_SECONDES = 55;
  classement_etape();
  EXPECT_EQ(complete_classement(), 0);
  EXPECT_EQ((std::vector<CObjJoueur*>(tab_arrive, tab_arrive + 3)),
            (std::vector<CObjJoueur*>{&pilotes[JOUEUR_HUMAIN], &pilotes[1], &pilotes[3]}));
  for (auto* a : tab_arrive) EXPECT_NE(a, nullptr);
  // 10 seconds apart, carried into minutes.
  EXPECT_EQ(temps(1), (std::vector<int>{2, 5, 3, 2 * 3600 + 5 * 60 + 3}));
  EXPECT_EQ(temps(2), (std::vector<int>{2, 15, 3, 2 * 3600 + 15 * 60 + 3}));
  for (int k = 1; k < NB_JOUEURS; k++) EXPECT_GT(tab_temps[k].total, tab_temps[k - 1].total);
  EXPECT_EQ(pilotes[3].GetClassement(), 3);
}

}  // namespace
