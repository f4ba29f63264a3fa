// Whole races on the five generated circuits, with no window and no sound device: every circuit
// must be drivable by the computer pilots and by the self-driving ship; replays, ghost and memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "capture_jeu.h"
#include "common/controle_replay.h"
#include "common/difficulte.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "common/hasard.h"
#include "objects/bonus.h"
#include "objects/cpu_bot.h"
#include "objects/humain.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "race/classement.h"
#include "race/contre_la_montre.h"
#include "race/course.h"
#include "race/fantome.h"
#include "sim/rapport.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/trajectoire.h"

namespace {

using capture_jeu::SurCircuits;
constexpr int TOURS = 3;

// Five races of three laps per circuit and level, each within the simulator's driving bar; the
// levels as calibrated let the self-driving ship win most races at Easy, none at Expert.
TEST_F(SurCircuits, EveryCircuitRacesAtEveryLevelAndTheLevelsRankTheBot) {
  int victoires[NB_DIFFICULTES] = {};
  double moyenne[NB_DIFFICULTES] = {};  // the bot's mean place
  for (int n = 0; n < NB_DIFFICULTES; n++) {
    // Normal is the configuration's own speed.
    session.fixe_vitesse_cpu(n == DIFFICULTE_NORMALE ? 0 : DIFFICULTES[n].vitesse_max);
    std::vector<ResultatCourse> courses;
    for (int circuit = 1; circuit <= 5; circuit++) {
      ASSERT_TRUE(session.charge(dossier, circuit, &erreur)) << erreur;
      for (unsigned g : {1u, 2u, 3u, 4u, 5u}) courses.push_back(session.course(TOURS, g));
    }
    for (const ResultatCourse& r : courses) {
      SCOPED_TRACE(std::string(DIFFICULTES[n].nom_en) + " circuit " + std::to_string(r.circuit) + " seed " +
                   std::to_string(r.graine));
      int pris = 0;
      for (const ResultatPilote& p : r.pilotes) {
        EXPECT_EQ(p.tours, TOURS) << p.nom;
        EXPECT_GT(p.meilleur_tour, 0) << p.nom;
        pris += p.bonus_pris;
      }
      EXPECT_GT(pris, 0);
      EXPECT_GT(ecart_temps_cpu(r), 0);
      victoires[n] += r.pilotes[JOUEUR_HUMAIN].place == 1;
      moyenne[n] += r.pilotes[JOUEUR_HUMAIN].place / 25.0;
    }
    std::string pourquoi;
    EXPECT_TRUE(verifie_barre(courses, &pourquoi, n == DIFFICULTE_NORMALE)) << pourquoi;
    std::printf("%-7s the bot won %2i of 25, mean place %.2f\n", DIFFICULTES[n].nom_en, victoires[n],
                moyenne[n]);
  }
  EXPECT_GE(victoires[DIFFICULTE_FACILE], 20);
  EXPECT_EQ(victoires[DIFFICULTE_EXPERT], 0);
  for (int n = 1; n < NB_DIFFICULTES; n++) EXPECT_LT(moyenne[n - 1], moyenne[n]) << DIFFICULTES[n].nom_en;
  EXPECT_LE(victoires[DIFFICULTE_DIFFICILE], victoires[DIFFICULTE_NORMALE]);
}

class Courses : public SurCircuits, public ::testing::WithParamInterface<int> {};

// A race of the bot while a game draws a varying number of frames per step, saved as a replay
// file and played back with nothing drawn: the same race, step for step.
TEST_P(Courses, ARaceRecordedWithTheBotReplaysFromItsFileToTheSameRace) {
  const float vitesse = DIFFICULTES[DIFFICULTE_DIFFICILE].vitesse_max;
  session.fixe_vitesse_cpu(vitesse);
  ASSERT_TRUE(session.charge(dossier, GetParam(), &erreur)) << erreur;
  // Circuit, laps, computer pilots' speed, seed, time, grid, name; the steps recorded below.
  tReplay replay{GetParam(), TOURS, vitesse, 11, 0, {0, 1, 2, 3, 4, 5}, "Lou", {}};
  const auto dessine = [](int pas) {
    for (int k = 0; k < pas % 4; k++) {
      creation_partic(PARTIC_ETINCELLE_ROUGE, 0, 0, 0);
      avance_particules();
      g_HasardDecor.suivant();
    }
  };
  const ResultatCourse a = session.course(TOURS, replay.graine, dessine, &replay.etats);
  DossierTemporaire ecriture;
  ASSERT_TRUE(ecriture.pret());
  const std::string chemin = ecriture.chemin() + "/replay.rpl";
  const std::vector<uint8_t> octets = ecrit_replay(replay);
  ASSERT_TRUE(ecrit_fichier_atomique(chemin, octets.data(), octets.size()));
  tReplay lu;
  ASSERT_TRUE(charge_replay(chemin, &lu, &erreur)) << erreur;
  ResultatCourse b;
  ASSERT_TRUE(session.rejoue(dossier, lu, &b, &erreur)) << erreur;
  ASSERT_TRUE(a.tous_finis);
  EXPECT_EQ(b.pilotes[JOUEUR_HUMAIN].nom, "Lou");
  EXPECT_EQ(a.pas, b.pas);
  for (size_t i = 0; i < a.pilotes.size(); i++) {
    const ResultatPilote &p = a.pilotes[i], &q = b.pilotes[i];
    EXPECT_EQ(std::tie(p.place, p.temps, p.chocs_mur, p.bonus_tires),
              std::tie(q.place, q.temps, q.chocs_mur, q.bonus_tires)) << p.nom;
  }
}

INSTANTIATE_TEST_SUITE_P(Circuits, Courses, ::testing::Values(1, 2, 3, 4, 5));

// A one-lap race, short enough for the sanitizer run; a second load starts from the same table.
using Memoire = SurCircuits;

TEST_F(Memoire, OneLapRaceThenTheCircuitIsGivenBackWhole) {
  const int materiaux = g_Materiaux.materialCount;
  for (int charge = 0; charge < 2; charge++) {
    ASSERT_TRUE(session.charge(dossier, 1, &erreur)) << erreur;
    EXPECT_GT(g_Materiaux.materialCount, materiaux);
    if (charge == 0) {
      const ResultatCourse r = session.course(1, 3);
      EXPECT_TRUE(r.tous_finis && !r.nan);
    }
    session.libere();
    EXPECT_EQ(g_Materiaux.materialCount, materiaux) << "load " << charge;
    EXPECT_EQ(std::make_tuple(nb_point_t, nb_deco, nb_bonus, nb_partic), std::make_tuple(0, 0, 0, 0));
    EXPECT_TRUE(!prem_list_ptraj && !prem_list_deco && !prem_list_bonus && !prem_list_partic);
  }
}

// The time trial's ghost: a one-lap run of the self-driving ship alone on a circuit, its controls
// recorded as the race loop records them; the ghost computed from them follows it exactly.
using Fantome = SurCircuits;

struct Parcours {
  std::vector<uint8_t> etats;
  std::vector<tPoseFantome> poses;
  int temps = 0;
};

// The time trial as MainLoop runs it, with `pilote` as the player's controller: the countdown's
// steps, then race steps until 30 after the finish.
Parcours roule(Ccontrol* pilote, uint32_t graine) {
  Parcours p;
  controle = pilote;
  prepare_contre_la_montre(graine);
  prepare_pilotes();
  for (int i = 0; i < PAS_DECOMPTE; i++) {
    etape_pilotes();
    p.etats.push_back(octet_controle(*controle));
  }
  demarre_course();
  game_CHRONO = 0;
  CHRONO_MINUTES = CHRONO_SECONDES = CHRONO_MILISECONDES = 0;
  EtatCourse etat;
  int apres = 0;
  for (int pas = 0; pas < 30 * 60 * 5 && apres < 30; pas++) {
    game_CHRONO += 2;
    chrono_course();
    etape_course(etat);
    avance_particules();
    p.etats.push_back(octet_controle(*controle));
    p.poses.push_back(pose_joueur());
    if (Joueurs[JOUEUR_HUMAIN]->GetFinish()) apres++;
  }
  p.temps = tab_arrive[0] ? tab_temps[0].total : 0;
  controle = nullptr;
  return p;
}

TEST_F(Fantome, FollowsTheRecordedRunStepByStep) {
  ASSERT_TRUE(session.charge(dossier, 2, &erreur)) << erreur;
  CJoueurHumain humain;
  for (auto& j : Joueurs) j = nullptr;
  Joueurs[JOUEUR_HUMAIN] = &humain;
  CONTRE_LA_MONTRE = true;
  NOMBRE_TOURS = 1;
  CcontrolBot bot(&humain);
  const Parcours fait = roule(&bot, 1234);
  ASSERT_GT(fait.temps, 0) << "the self-driving ship did not finish its lap";

  // Circuit, laps, computer pilots' speed, seed, time, grid, name, steps.
  const tReplay r{2, 1, 2.5f, 1234, static_cast<uint32_t>(fait.temps), {0, 1, 2, 3, 4, 5}, "", fait.etats};
  // Its run reports no arrival: the game logs those as the player's.
  static int arrivees = 0;
  g_RapportArrivee = [](int, const CObjJoueur*, const tTemps&) { arrivees++; };
  const tFantome f = calcule_fantome(r);
  EXPECT_EQ(arrivees, 0);
  EXPECT_NE(g_RapportArrivee, nullptr);
  g_RapportArrivee = nullptr;
  EXPECT_TRUE(f.poses == fait.poses);
  EXPECT_EQ(f.tours, std::vector<int>{fait.temps});

  // The ghost computed before a run leaves nothing that changes it.
  CcontrolReplay rejeu(fait.etats);
  const Parcours encore = roule(&rejeu, 1234);
  EXPECT_TRUE(encore.poses == fait.poses);
  EXPECT_EQ(encore.temps, fait.temps);
  // Another seed is another race: the same controls do not give the same track.
  CcontrolReplay autre(fait.etats);
  EXPECT_FALSE(roule(&autre, 99).poses == fait.poses);

  CONTRE_LA_MONTRE = false;
  Joueurs[JOUEUR_HUMAIN] = nullptr;
}

}  // namespace
