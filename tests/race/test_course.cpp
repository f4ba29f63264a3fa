// Race pacing: the countdown and race chronometers, the start, the podium result.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "objects/joueur.h"
#include "race/boucle.h"
#include "race/classement.h"
#include "race/course.h"

namespace {

TEST(Chrono, CountdownShowsFiveToZeroThenStarts) {
  game_CHRONO = 0;
  CHRONO_SECONDES = 5;
  int secondes = 5;
  std::vector<int> affiches;
  bool depart = false;
  int ticks = 0;
  while (!depart && ticks < 1000) {
    depart = chrono_compte_a_rebours(&secondes);
    if (affiches.empty() || affiches.back() != CHRONO_SECONDES) affiches.push_back(CHRONO_SECONDES);
    EXPECT_GE(CHRONO_MILISECONDES, 1);
    EXPECT_LE(CHRONO_MILISECONDES, 60);
    game_CHRONO++;
    ticks++;
  }
  EXPECT_TRUE(depart);
  EXPECT_EQ(affiches, (std::vector<int>{5, 4, 3, 2, 1, 0, -1}));
  EXPECT_EQ(ticks, 6 * 60 + 1);
}

TEST(Chrono, RaceChronometerCarriesAtMostOneSecondPerPass) {
  game_CHRONO = 0;
  CHRONO_MINUTES = 0;
  CHRONO_SECONDES = 59;
  game_CHRONO = 75;
  chrono_course();
  EXPECT_EQ(CHRONO_MINUTES, 1);
  EXPECT_EQ(CHRONO_SECONDES, 0);
  EXPECT_EQ(CHRONO_MILISECONDES, 15);
  EXPECT_EQ(game_CHRONO, 0);
  // A large count folds only one second per pass; the sixtieths show the rest.
  game_CHRONO = 500;
  chrono_course();
  EXPECT_EQ(CHRONO_SECONDES, 1);
  EXPECT_EQ(CHRONO_MILISECONDES, 440);
  game_CHRONO = 30;
  chrono_course();
  EXPECT_EQ(CHRONO_MILISECONDES, 30);
  EXPECT_EQ(CHRONO_SECONDES, 1);
}

// Runs a countdown in which a step comes every `pas` ticks; returns the sounds in order.
std::vector<int> sons_decompte(int pas) {
  game_CHRONO = 0;
  CHRONO_SECONDES = 5;
  int secondes = 5, sons = 5;
  std::vector<int> joues;
  bool depart = false;
  for (int tick = 0; !depart && tick < 1000; tick++) {
    depart = chrono_compte_a_rebours(&secondes);
    if (tick % pas == 0) {
      if (const int s = son_decompte(secondes, &sons)) joues.push_back(s);
    }
    game_CHRONO++;
  }
  return joues;
}

TEST(Chrono, EverySecondGetsItsSoundEvenWithSlowFrames) {
  const std::vector<int> attendu{1, 1, 1, 1, 1, 2};
  EXPECT_EQ(sons_decompte(2), attendu);
  // Steps every 5 ticks skip some 3-tick windows; the sound then comes a step late.
  EXPECT_EQ(sons_decompte(5), attendu);
  EXPECT_EQ(sons_decompte(7), attendu);
  // Very slow frames: the beeps all come, and at most the start signal is left for after the loop.
  const auto lent = sons_decompte(40);
  ASSERT_GE(lent.size(), 5u);
  for (int i = 0; i < 5; i++) EXPECT_EQ(lent[i], 1);
}

TEST(Course, StartReleasesEveryPilotAndPodiumNeedsAFinish) {
  CObjJoueur pilotes[NB_JOUEURS];
  for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i] = &pilotes[i];
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
  for (auto& j : Joueurs) j = nullptr;
}

}  // namespace
