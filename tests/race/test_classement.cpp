// Ranking: tie-breaks, arrivals holding their places and times, the lap step, the completion.
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

TEST_F(Classement, LapCountsOnceAndTheStepDoublesTheScore) {
  pilotes[2].point_valide = 10;  // just passed the last point of the line
  pilotes[1].tour = 1;
  pilotes[1].point_valide = 5;
  classement_etape();
  EXPECT_EQ(pilotes[2].GetTour(), 1);
  EXPECT_EQ(pilotes[2].GetPointValide(), 0);
  // Score 10 + 10 for that one step: ahead of pilot 1 (5 + 10).
  EXPECT_EQ(places(), (std::vector<int>{3, 2, 1, 4, 5, 6}));
  classement_etape();  // corrected the next step
  EXPECT_EQ(places(), (std::vector<int>{3, 1, 2, 4, 5, 6}));
  EXPECT_EQ(pilotes[2].GetTour(), 1);
}

TEST_F(Classement, ArrivalOnTheStepOfTheLastLapKeepsPlaceAndTime) {
  pilotes[4].tour = 1;
  pilotes[4].point_valide = 10;
  pilotes[0].tour = 1;
  pilotes[0].point_valide = 9;  // ahead on score until pilot 4 completes its lap
  classement_etape();
  ASSERT_EQ(tab_arrive[0], &pilotes[4]);
  EXPECT_TRUE(pilotes[4].GetFinish());
  EXPECT_EQ(pilotes[4].GetClassement(), 1);
  EXPECT_EQ(temps(0), (std::vector<int>{1, 2, 3, 3600 + 120 + 3}));
  // Later steps: the others overtake on score, the arrival keeps place 1 and its time.
  CHRONO_SECONDES = 30;
  pilotes[0].point_valide = 10;
  classement_etape();
  EXPECT_EQ(tab_arrive[1], &pilotes[0]);
  EXPECT_EQ(tab_temps[1].secondes, 30);
  classement_etape();
  EXPECT_EQ(places()[4], 1);
  EXPECT_EQ(places()[0], 2);
  EXPECT_EQ(tab_temps[0].secondes, 2);
  EXPECT_EQ(tab_arrive[2], nullptr);
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
