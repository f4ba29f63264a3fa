// The engine as heard from the chase camera: the player's ship waits on the grid of a real circuit,
// then its self-driving controller accelerates it away, every race step followed by one step of
// sound. The engine loop's dominant frequency climbs with the ship's speed, in proportion to it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "audio/son.h"
#include "capture_jeu.h"
#include "support/son_essai.h"
#include "common/globals.h"
#include "common/hasard.h"
#include "objects/bonus.h"
#include "objects/cpu.h"
#include "objects/cpu_bot.h"
#include "objects/humain.h"
#include "objects/particules.h"
#include "race/course.h"
#include "race/evenement.h"
#include "sim/course_sim.h"
#include "common/controle.h"
#include "world/camera.h"
#include "world/trajectoire.h"
#include "support/outils_essai.h"

namespace {

constexpr int TRAMES_PAR_PAS = SON_FREQUENCE_RENDU / 30;
constexpr int PAS_PAR_FENETRE = 15;  // half a second

struct Fenetre {
  double vitesse = 0;                            // mean speed of the ship
  double demandee_min = 1e9, demandee_max = 0;  // engine channel frequency the ship asked for
  double mesuree = 0;                            // dominant frequency of the capture, Hz
};

class SonMoteur : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string erreur;
    ASSERT_TRUE(sim_.charge(capture_jeu::dossier_jeu(), 1, &erreur)) << erreur;
  }
  void TearDown() override {
    for (CObjJoueur*& j : Joueurs) j = nullptr;
    Effacement_liste_partic();
    sim_.libere();
  }
  GardeDossier retour_;
  SessionSim sim_;
};

TEST_F(SonMoteur, TheDominantFrequencyFollowsTheSpeedFromTheGridToFullSpeed) {
  capture_jeu::SonRendu son;
  ASSERT_TRUE(son.ok());
  g_HasardCourse.seme(7);  // the pilots' choices: the same race every run
  std::unique_ptr<CObjJoueur> pilotes[NB_JOUEURS];
  for (int i = 0; i < NB_PILOTES_CPU; i++) pilotes[i] = std::make_unique<CJoueurCPU>();
  pilotes[JOUEUR_HUMAIN] = std::make_unique<CJoueurHumain>();
  for (int i = 0; i < NB_JOUEURS; i++) {
    Joueurs[i] = pilotes[i].get();
    Joueurs[i]->set_ptr_destination(prem_list_ptraj);
    if (i < NB_PILOTES_CPU) Joueurs[i]->set_vitesse_max(VITESSE_MAX_CPU);
  }
  CcontrolBot bot(Joueurs[JOUEUR_HUMAIN]);
  Ccontrol* ancien = controle;
  controle = &bot;
  NOMBRE_TOURS = 1;
  Effacement_liste_bonus();
  place_grille(Joueurs);
  // Only the player's engine is started: the capture holds that one engine.
  ASSERT_EQ(Joueurs[JOUEUR_HUMAIN]->SetSonMoteur(SON_MOTEUR), 0);
  g_Camera.InitSurJoueur(Joueurs[JOUEUR_HUMAIN]->GetVectorPosition(), Joueurs[JOUEUR_HUMAIN]->GetAngleDeplacement());
  prepare_pilotes();
  Joueurs[JOUEUR_HUMAIN]->BeginMoteur();

  std::vector<double> vitesses, demandees;
  auto ecoute_pas = [&] {
    vitesses.push_back(Joueurs[JOUEUR_HUMAIN]->GetVitesse());
    demandees.push_back(Joueurs[JOUEUR_HUMAIN]->frequence_moteur_voulue());
    son.rend_trames(TRAMES_PAR_PAS);
  };
  // One second waiting on the grid, then eight seconds of race.
  for (int i = 0; i < 30; i++) {
    etape_pilotes();
    place_auditeur();
    ecoute_pas();
  }
  demarre_course();
  EtatCourse etat;
  game_CHRONO = 0;
  for (int i = 0; i < 240; i++) {
    game_CHRONO += 2;
    chrono_course();
    etape_course(etat);
    avance_particules();
    ecoute_pas();
  }
  controle = ancien;

  // Each window is measured once the engine has played its step's pitch for a moment.
  const std::vector<float> m = son.mono();
  std::vector<Fenetre> f;
  for (size_t debut = 0; debut + PAS_PAR_FENETRE <= vitesses.size(); debut += PAS_PAR_FENETRE) {
    Fenetre w;
    for (size_t k = debut; k < debut + PAS_PAR_FENETRE; k++) {
      w.vitesse += vitesses[k] / PAS_PAR_FENETRE;
      w.demandee_min = std::min(w.demandee_min, demandees[k]);
      w.demandee_max = std::max(w.demandee_max, demandees[k]);
    }
    w.mesuree = son_essai::frequence_dominante(m, debut * TRAMES_PAR_PAS, PAS_PAR_FENETRE * TRAMES_PAR_PAS,
                                                 son.frequence, 4, 400);
    f.push_back(w);
  }
  ASSERT_GE(f.size(), 10u);

  // On the grid the engine idles at its floor; the ship reaches most of its top speed.
  const Fenetre& grille = f.front();
  const Fenetre& vite = *std::max_element(f.begin(), f.end(), [](const Fenetre& a, const Fenetre& b) {
    return a.vitesse < b.vitesse;
  });
  EXPECT_LT(grille.vitesse, 0.01);
  ASSERT_GT(vite.vitesse, 0.8 * pilotes[JOUEUR_HUMAIN]->vitesse_max);
  EXPECT_GT(vite.mesuree, 4.0 * grille.mesuree) << "idle " << grille.mesuree << " Hz, fast " << vite.mesuree << " Hz";

  // The loop's own pitch at idle sets the scale: every window is then heard within the range of
  // frequencies the ship asked for during it, so the pitch follows the speed up and down.
  const double echelle = grille.mesuree / grille.demandee_min;
  for (size_t i = 0; i < f.size(); i++) {
    SCOPED_TRACE(testing::Message() << "window " << i << " at speed " << f[i].vitesse);
    EXPECT_GE(f[i].mesuree, 0.97 * echelle * f[i].demandee_min);
    EXPECT_LE(f[i].mesuree, 1.03 * echelle * f[i].demandee_max);
  }
}

}  // namespace
