// The engine as heard from the chase camera while the self-driving ship leaves the grid: the
// loop's dominant frequency climbs with the ship's speed, in proportion to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "capture_jeu.h"
#include "objects/joueur.h"
#include "support/son_essai.h"

namespace {

constexpr int TRAMES_PAR_PAS = SON_FREQUENCE_RENDU / 30;
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
  for (size_t i = 0; i < f.size(); i++) {
    const size_t n = PAS_PAR_FENETRE * TRAMES_PAR_PAS;
    f[i].mesuree = son_essai::frequence_dominante(son.mono, i * n, n, SON_FREQUENCE_RENDU, 4, 400);
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
