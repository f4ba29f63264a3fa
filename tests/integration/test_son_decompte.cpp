// The start countdown as heard, the race's chronometer and the game's sounds rendered tick by tick:
// five beeps 30 race steps apart, then the start signal; a second apart on a machine that keeps
// up, stretched with the race on one too slow to draw every step in time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "audio/son.h"
#include "capture_jeu.h"
#include "support/son_essai.h"
#include "common/globals.h"
#include "race/boucle.h"
#include "race/course.h"
#include "support/outils_essai.h"

namespace {

using namespace son_essai;

constexpr int FREQUENCE = SON_FREQUENCE_RENDU;
constexpr int TRAMES_PAR_TICK = FREQUENCE / 60;

struct Ecoute {
  std::vector<float> son;
  int joues = 0;
  double depart_course = 0;  // when the race phase began, seconds
};

// The countdown phase of the race loop with the 60 Hz timer played by the test: every tick adds
// one to the step counter the timer callback feeds and mixes a sixtieth of a second; each step
// adds its two ticks to the race's clock. A countdown step plays its sound and then takes
// `ticks_par_pas` ticks to draw (0: a fast machine).
Ecoute ecoute_decompte(int ticks_par_pas) {
  Ecoute e;
  capture_jeu::SonRendu son;
  EXPECT_TRUE(son.ok());
  if (!son.ok()) return e;
  auto tick = [&] {
    game_time++;
    son.rend_trames(TRAMES_PAR_TICK);
  };
  game_time = 0;
  game_CHRONO = 0;
  CHRONO_MILISECONDES = 59;
  CHRONO_SECONDES = 5;
  int compteur_secondes = 5, compteur_sons = 5;
  bool depart = false;
  while (!depart) {
    if (game_time < 2) {
      tick();
      continue;
    }
    game_time = 0;
    game_CHRONO += 2;
    depart = chrono_compte_a_rebours(&compteur_secondes);
    if (depart) break;
    const int avant = compteur_sons;
    EXPECT_TRUE(joue_son_decompte(compteur_secondes, &compteur_sons));
    e.joues += avant - compteur_sons;
    for (int k = 0; k < ticks_par_pas; k++) tick();
  }
  EXPECT_TRUE(joue_depart_manque(compteur_sons));
  if (compteur_sons >= 0) e.joues++;
  e.depart_course = son.secondes();
  son.rend(1.5);
  e.son = son.mono();
  return e;
}

class SonDecompte : public ::testing::TestWithParam<int> {};

TEST_P(SonDecompte, FiveBeeps30StepsApartThenAnOctaveHigherStartSignal) {
  GardeDossier retour;
  const std::string dossier = capture_jeu::dossier_jeu();
  ASSERT_TRUE(!dossier.empty() && chdir(dossier.c_str()) == 0) << dossier;
  const int ticks_par_pas = GetParam();
  const Ecoute e = ecoute_decompte(ticks_par_pas);
  ASSERT_FALSE(e.son.empty());
  EXPECT_EQ(e.joues, 6);
  const std::vector<double> t = debuts(e.son, FREQUENCE);
  ASSERT_EQ(t.size(), 6u) << "sounds heard";
  // A step comes every 2 ticks, or every `ticks_par_pas` when drawing takes longer; the first
  // step after 2 ticks. Each second's sound comes at its second-to-last step (29 of 30).
  const double periode = std::max(2, ticks_par_pas) / 60.0;
  EXPECT_NEAR(t[0], 2 / 60.0 + 28 * periode, 0.01);
  for (size_t i = 1; i < t.size(); i++) EXPECT_NEAR(t[i] - t[i - 1], 30 * periode, 0.005) << "sound " << i;
  EXPECT_NEAR(e.depart_course, 2 / 60.0 + 179 * periode, 0.01);
  // The start signal comes with the start, not after it.
  EXPECT_LE(t[5], e.depart_course + 0.001);
  EXPECT_GT(t[5], e.depart_course - 0.2);

  // The beeps are one tone; the start signal an octave above it.
  const size_t fenetre = static_cast<size_t>(0.1 * FREQUENCE);
  std::vector<double> hz;
  for (double d : t) {
    hz.push_back(frequence_dominante(e.son, static_cast<size_t>(d * FREQUENCE) + fenetre / 4, fenetre,
                                          FREQUENCE, 200, 4000));
  }
  for (size_t i = 0; i < 5; i++) EXPECT_NEAR(hz[i], hz[0], 5.0) << "beep " << i;
  EXPECT_NEAR(hz[5] / hz[0], 2.0, 0.05) << hz[0] << " Hz then " << hz[5] << " Hz";
}

// 0: every step in time; 1 and 3: steps drawn in one or three ticks; 7: a very slow machine.
INSTANTIATE_TEST_SUITE_P(Machines, SonDecompte, ::testing::Values(0, 1, 3, 7));

}  // namespace
