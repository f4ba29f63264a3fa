// The race as heard: the countdown's beeps and start signal on fast and slow machines; the engine
// from the chase camera, its loop's dominant frequency climbing with the ship's speed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "capture_jeu.h"
#include "common/globals.h"
#include "objects/joueur.h"
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
  game_time = game_CHRONO = 0;
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
  const double depart_course = static_cast<double>(son.mono.size()) / FREQUENCE;  // when the race began
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
    hz.push_back(frequence_dominante(son.mono, static_cast<size_t>(d * FREQUENCE) + fenetre / 4, fenetre,
                                     FREQUENCE, 200, 4000));
  }
  for (size_t i = 0; i < 5; i++) EXPECT_NEAR(hz[i], hz[0], 5.0) << "beep " << i;
  EXPECT_NEAR(hz[5] / hz[0], 2.0, 0.05) << hz[0] << " Hz then " << hz[5] << " Hz";
}

// 0: every step in time; 1 and 3: steps drawn in one or three ticks; 7: a very slow machine.
INSTANTIATE_TEST_SUITE_P(Machines, SonDecompte, ::testing::Values(0, 1, 3, 7));

constexpr int TRAMES_PAR_PAS = FREQUENCE / 30;
constexpr int PAS_PAR_FENETRE = 15;  // half a second

struct Fenetre {
  double vitesse = 0;                            // mean speed of the ship
  double demandee_min = 1e9, demandee_max = 0;  // engine channel frequency the ship asked for
  double mesuree = 0;                            // dominant frequency of the capture, Hz
};

using SonMoteur = capture_jeu::SurCircuits;

TEST_F(SonMoteur, TheDominantFrequencyFollowsTheSpeedFromTheStartToFullSpeed) {
  ASSERT_TRUE(session.charge(dossier, 1, &erreur)) << erreur;
  capture_jeu::SonRendu son;
  ASSERT_TRUE(son.ok);
  // Eight seconds of race; only the player's engine is started, so the capture holds that one.
  std::vector<Fenetre> f;
  float vitesse_max = 0;
  session.course(1, 7, [&](int pas) {
    CObjJoueur* j = Joueurs[JOUEUR_HUMAIN];
    if (pas == 0) {
      EXPECT_EQ(j->SetSonMoteur(SON_MOTEUR), 0);
      j->BeginMoteur();
      return;
    }
    if (pas > 16 * PAS_PAR_FENETRE) return;
    if (pas % PAS_PAR_FENETRE == 1) f.emplace_back();
    vitesse_max = j->vitesse_max;
    f.back().vitesse += j->GetVitesse() / PAS_PAR_FENETRE;
    f.back().demandee_min = std::min<double>(f.back().demandee_min, j->frequence_moteur_voulue());
    f.back().demandee_max = std::max<double>(f.back().demandee_max, j->frequence_moteur_voulue());
    son.rend_trames(TRAMES_PAR_PAS);
  });
  const size_t n = PAS_PAR_FENETRE * TRAMES_PAR_PAS;
  for (size_t i = 0; i < f.size(); i++) {
    f[i].mesuree = frequence_dominante(son.mono, i * n, n, FREQUENCE, 4, 400);
  }
  ASSERT_GE(f.size(), 10u);

  // The ship reaches most of its top speed, and is heard far higher than as it leaves the grid.
  const Fenetre& vite = *std::max_element(f.begin(), f.end(), [](const Fenetre& a, const Fenetre& b) {
    return a.vitesse < b.vitesse;
  });
  ASSERT_GT(vite.vitesse, 0.8 * vitesse_max);
  EXPECT_GT(vite.mesuree, 2.0 * f.front().mesuree) << f.front().mesuree << " Hz, then " << vite.mesuree;
  // The loop's own pitch at full speed sets the scale: every window is then heard within the range
  // of frequencies the ship asked for during it, so the pitch follows the speed up and down.
  const double echelle = vite.mesuree / vite.demandee_max;
  for (size_t i = 0; i < f.size(); i++) {
    SCOPED_TRACE(testing::Message() << "window " << i << " at speed " << f[i].vitesse);
    EXPECT_GE(f[i].mesuree, 0.97 * echelle * f[i].demandee_min);
    EXPECT_LE(f[i].mesuree, 1.03 * echelle * f[i].demandee_max);
  }
}

}  // namespace
