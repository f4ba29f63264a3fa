// The start countdown as heard: five beeps 30 race steps apart, then the start signal; a second
// apart on a machine that keeps up, stretched with the race on one too slow to draw every step.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "capture_jeu.h"
#include "common/globals.h"
#include "race/boucle.h"
#include "race/course.h"
#include "support/son_essai.h"

namespace {

using namespace son_essai;

constexpr int FREQUENCE = SON_FREQUENCE_RENDU;

class SonDecompte : public capture_jeu::SurCircuits, public ::testing::WithParamInterface<int> {};

TEST_P(SonDecompte, FiveBeeps30StepsApartThenAnOctaveHigherStartSignal) {
  ASSERT_EQ(chdir(dossier.c_str()), 0) << dossier;
  capture_jeu::SonRendu son;
  ASSERT_TRUE(son.ok);
  // The race loop's countdown with the test as the 60 Hz timer: a tick feeds the step counter and
  // mixes a sixtieth of a second; a step plays its sound, then takes GetParam() ticks to draw.
  const int ticks_par_pas = GetParam();
  auto tick = [&] {
    game_time++;
    son.rend_trames(FREQUENCE / 60);
  };
  game_time = 0;
  game_CHRONO = 0;
  CHRONO_MILISECONDES = 59;
  CHRONO_SECONDES = 5;
  int compteur_secondes = 5, compteur_sons = 5, joues = 0;
  for (;;) {
    while (game_time < 2) tick();
    game_time = 0;
    game_CHRONO += 2;
    if (chrono_compte_a_rebours(&compteur_secondes)) break;
    const int avant = compteur_sons;
    EXPECT_TRUE(joue_son_decompte(compteur_secondes, &compteur_sons));
    joues += avant - compteur_sons;
    for (int k = 0; k < ticks_par_pas; k++) tick();
  }
  EXPECT_TRUE(joue_depart_manque(compteur_sons));
  if (compteur_sons >= 0) joues++;
  const double depart_course = son.secondes();  // when the race phase began
  son.rend_trames(FREQUENCE * 3 / 2);
  EXPECT_EQ(joues, 6);
  const std::vector<double> t = debuts(son.mono, FREQUENCE);
  ASSERT_EQ(t.size(), 6u) << "sounds heard";
  // A step comes every 2 ticks, or every `ticks_par_pas` when drawing takes longer; the first
  // step after 2 ticks. Each second's sound comes at its second-to-last step (29 of 30).
  const double periode = std::max(2, ticks_par_pas) / 60.0;
  EXPECT_NEAR(t[0], 2 / 60.0 + 28 * periode, 0.01);
  for (size_t i = 1; i < t.size(); i++) EXPECT_NEAR(t[i] - t[i - 1], 30 * periode, 0.005) << "sound " << i;
  EXPECT_NEAR(depart_course, 2 / 60.0 + 179 * periode, 0.01);
  // The start signal comes with the start, not after it.
  EXPECT_LE(t[5], depart_course + 0.001);
  EXPECT_GT(t[5], depart_course - 0.2);

  // The beeps are one tone; the start signal an octave above it.
  const size_t fenetre = static_cast<size_t>(0.1 * FREQUENCE);
  std::vector<double> hz;
  for (double d : t) {
    const size_t debut = static_cast<size_t>(d * FREQUENCE) + fenetre / 4;
    hz.push_back(frequence_dominante(son.mono, debut, fenetre, FREQUENCE, 200, 4000));
  }
  for (size_t i = 0; i < 5; i++) EXPECT_NEAR(hz[i], hz[0], 5.0) << "beep " << i;
  EXPECT_NEAR(hz[5] / hz[0], 2.0, 0.05) << hz[0] << " Hz then " << hz[5] << " Hz";
}

// 0: every step in time; 1 and 3: steps drawn in one or three ticks; 7: a very slow machine.
INSTANTIATE_TEST_SUITE_P(Machines, SonDecompte, ::testing::Values(0, 1, 3, 7));

}  // namespace
