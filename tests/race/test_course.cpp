// Race pacing: the countdown and its sounds, the race chronometer, the start, the podium result.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "objects/joueur.h"
#include "race/classement.h"
#include "race/course.h"

namespace {

// A countdown with a step every `pas` ticks: the seconds shown, the sounds, the ticks to the start.
struct Decompte {
  std::vector<int> affiches, sons;
  int ticks = 0;
};
Decompte decompte(int pas) {
  game_CHRONO = 0;
  CHRONO_SECONDES = 5;
  int secondes = 5, sons = 5;
  Decompte d;
  for (bool depart = false; !depart && d.ticks < 1000; d.ticks++) {
    depart = chrono_compte_a_rebours(&secondes);
    if (d.affiches.empty() || d.affiches.back() != CHRONO_SECONDES) d.affiches.push_back(CHRONO_SECONDES);
    EXPECT_GE(CHRONO_MILISECONDES, 1);
    EXPECT_LE(CHRONO_MILISECONDES, 60);
    if (d.ticks % pas == 0) {
      if (const int s = son_decompte(secondes, &sons)) d.sons.push_back(s);
    }
    game_CHRONO++;
  }
  return d;
}

TEST(Chrono, CountdownShowsFiveToZeroAndEverySecondGetsItsSoundEvenWithSlowFrames) {
  const Decompte d = decompte(2);
  EXPECT_EQ(d.affiches, (std::vector<int>{5, 4, 3, 2, 1, 0, -1}));
  EXPECT_EQ(d.ticks, 6 * 60 + 1);
  const std::vector<int> attendu{1, 1, 1, 1, 1, 2};
  EXPECT_EQ(d.sons, attendu);
  // Steps every 5 or 7 ticks skip some 3-tick windows; the sound then comes a step late.
  EXPECT_EQ(decompte(5).sons, attendu);
  EXPECT_EQ(decompte(7).sons, attendu);
  // Very slow frames: the beeps all come, and at most the start signal is left for after the loop.
  const auto lent = decompte(40).sons;
  ASSERT_GE(lent.size(), 5u);
  for (int i = 0; i < 5; i++) EXPECT_EQ(lent[i], 1);
}

TEST(Chrono, RaceChronometerCarriesAtMostOneSecondPerPass) {
  CHRONO_MINUTES = 0;
  CHRONO_SECONDES = 59;
  // Ticks counted since the last pass; then minutes, seconds, sixtieths and the ticks left. A large
  // count folds only one second per pass; the sixtieths show the rest.
  const std::vector<int> passes[] = {{75, 1, 0, 15, 0}, {500, 1, 1, 440}, {30, 1, 1, 30}};
  for (const std::vector<int>& c : passes) {
    game_CHRONO = c[0];
    chrono_course();
    std::vector<int> vu{c[0], CHRONO_MINUTES, CHRONO_SECONDES, CHRONO_MILISECONDES, game_CHRONO};
    vu.resize(c.size());
    EXPECT_EQ(vu, c);
  }
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
