// Whole races on the five generated circuits, with no window and no sound device: every circuit
// must be drivable by the five computer pilots and by the self-driving player's ship.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/difficulte.h"
#include "common/fichier.h"
#include "common/hasard.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "sim/course_sim.h"
#include "sim/rapport.h"
#include "support/donnees_essai.h"
#include "support/outils_essai.h"

namespace {

constexpr int TOURS = 3;
constexpr unsigned GRAINES[] = {1, 2, 3, 4, 5};

// The shared game data, and the folder given back after the loads that change it.
class SurCircuits : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier = donnees_jeu(&erreur);
    ASSERT_FALSE(dossier.empty()) << erreur;
  }
  GardeDossier retour;
  std::string dossier, erreur;
  SessionSim session;
};

class Courses : public SurCircuits, public ::testing::WithParamInterface<int> {};

TEST_P(Courses, FiveRacesOfThreeLapsAllSixFinishWithoutNaNOrManyResets) {
  ASSERT_TRUE(session.charge(dossier, GetParam(), &erreur)) << erreur;
  std::vector<ResultatCourse> courses;
  for (unsigned g : GRAINES) courses.push_back(session.course(TOURS, g));
  session.libere();

  // Every pilot finishes all its laps with real lap times and no NaN, nobody falls out of the
  // world box, bonuses are taken in every race, the watchdog stays rare (at most one reset per
  // computer pilot and race on average) and the computer pilots' race times stay within 15 % of
  // each other in every race.
  int sauvetages = 0, pilotes_cpu = 0;
  for (const ResultatCourse& r : courses) {
    SCOPED_TRACE("seed " + std::to_string(r.graine));
    EXPECT_FALSE(r.nan);
    EXPECT_TRUE(r.tous_finis);
    int chutes = 0, pris = 0;
    for (const ResultatPilote& p : r.pilotes) {
      EXPECT_TRUE(p.fini) << p.nom;
      EXPECT_EQ(p.tours, TOURS) << p.nom;
      EXPECT_GT(p.meilleur_tour, 0) << p.nom;
      chutes += p.chutes;
      pris += p.bonus_pris;
      if (!p.humain) sauvetages += p.sauvetages, pilotes_cpu++;
    }
    EXPECT_EQ(chutes, 0);
    EXPECT_GT(pris, 0);
    const double ecart = ecart_temps_cpu(r);
    EXPECT_GT(ecart, 0);
    EXPECT_LE(ecart, 0.15);
    std::printf("circuit %i seed %u: computer pilots %.1f %% apart\n", r.circuit, r.graine, 100 * ecart);
  }
  EXPECT_LE(sauvetages, pilotes_cpu);
  // The simulator's own verdict, the one its exit code gives, agrees.
  std::string pourquoi;
  EXPECT_TRUE(verifie_barre(courses, &pourquoi)) << pourquoi;
}

TEST_P(Courses, TheSameSeedRunsTheSameRaceWhateverIsDrawn) {
  ASSERT_TRUE(session.charge(dossier, GetParam(), &erreur)) << erreur;
  const ResultatCourse a = session.course(1, 9);
  // The second time as a game drawing a varying number of frames per step would: sparks made
  // and aged, the cosmetic generator drawn from.
  const ResultatCourse b = session.course(1, 9, [](int pas) {
    for (int k = 0; k < pas % 4; k++) {
      creation_partic(PARTIC_ETINCELLE_ROUGE, 0, 0, 0);
      avance_particules();
      g_HasardDecor.suivant();
    }
  });
  session.libere();
  EXPECT_EQ(a.pas, b.pas);
  for (size_t i = 0; i < a.pilotes.size(); i++) {
    EXPECT_EQ(a.pilotes[i].temps, b.pilotes[i].temps);
    EXPECT_EQ(a.pilotes[i].chocs_mur, b.pilotes[i].chocs_mur);
    EXPECT_EQ(a.pilotes[i].bonus_tires, b.pilotes[i].bonus_tires);
  }
}

// A race driven by the bot, written as a replay file, read back and played again with no bot:
// the same pilots finish in the same order with the same times.
TEST_P(Courses, ARaceRecordedWithTheBotReplaysFromItsFileToTheSameTimes) {
  const float vitesse = DIFFICULTES[DIFFICULTE_DIFFICILE].vitesse_max;
  session.fixe_vitesse_cpu(vitesse);
  ASSERT_TRUE(session.charge(dossier, GetParam(), &erreur)) << erreur;
  tReplay replay;
  const ResultatCourse a = session.course(TOURS, 11, {}, &replay.etats);
  session.libere();
  replay.circuit = GetParam();
  replay.tours = TOURS;
  replay.vitesse_cpu = vitesse;
  replay.graine = 11;
  replay.nom = "Lou";
  DossierTemporaire ecriture;
  ASSERT_TRUE(ecriture.pret());
  const std::string chemin = ecriture.chemin() + "/replay.rpl";
  const std::vector<uint8_t> octets = ecrit_replay(replay);
  ASSERT_TRUE(ecrit_fichier_atomique(chemin, octets.data(), octets.size()));
  tReplay lu;
  ASSERT_TRUE(charge_replay(chemin, &lu, &erreur)) << erreur;
  ResultatCourse b;
  ASSERT_TRUE(session.rejoue(dossier, lu, &b, &erreur)) << erreur;
  session.libere();
  ASSERT_TRUE(a.tous_finis);
  EXPECT_EQ(b.pilotes[JOUEUR_HUMAIN].nom, "Lou");
  for (size_t i = 0; i < a.pilotes.size(); i++) {
    EXPECT_EQ(a.pilotes[i].place, b.pilotes[i].place) << a.pilotes[i].nom;
    EXPECT_EQ(a.pilotes[i].temps / 60.0 * 100, b.pilotes[i].temps / 60.0 * 100) << a.pilotes[i].nom;
    EXPECT_EQ(a.pilotes[i].bonus_tires, b.pilotes[i].bonus_tires) << a.pilotes[i].nom;
  }
  std::printf("circuit %i: %zu steps in %zu bytes\n", GetParam(), lu.etats.size(), octets.size());
}

INSTANTIATE_TEST_SUITE_P(Circuits, Courses, ::testing::Values(1, 2, 3, 4, 5));

// The levels as calibrated, with the self-driving ship against them on every circuit.
TEST_F(SurCircuits, EasyLetsTheBotWinMostRacesExpertNoneAndHardSitsBetween) {
  int places[NB_DIFFICULTES][7] = {};  // by place 1..6
  for (int n = 0; n < NB_DIFFICULTES; n++) {
    session.fixe_vitesse_cpu(DIFFICULTES[n].vitesse_max);
    for (int circuit = 1; circuit <= 5; circuit++) {
      ASSERT_TRUE(session.charge(dossier, circuit, &erreur)) << erreur;
      for (unsigned g : GRAINES) {
        const ResultatPilote& bot = session.course(TOURS, g).pilotes[JOUEUR_HUMAIN];
        ASSERT_TRUE(bot.fini) << DIFFICULTES[n].nom_en << " circuit " << circuit << " seed " << g;
        places[n][bot.place]++;
      }
      session.libere();
    }
  }
  double moyenne[NB_DIFFICULTES] = {};
  for (int n = 0; n < NB_DIFFICULTES; n++) {
    for (int p = 1; p <= 6; p++) moyenne[n] += p * places[n][p] / 25.0;
    std::printf("%-7s the bot won %2i of 25, mean place %.2f\n", DIFFICULTES[n].nom_en, places[n][1], moyenne[n]);
  }
  EXPECT_GE(places[DIFFICULTE_FACILE][1], 20);
  EXPECT_EQ(places[DIFFICULTE_EXPERT][1], 0);
  EXPECT_LT(moyenne[DIFFICULTE_FACILE], moyenne[DIFFICULTE_NORMALE]);
  EXPECT_LT(moyenne[DIFFICULTE_NORMALE], moyenne[DIFFICULTE_DIFFICILE]);
  EXPECT_LT(moyenne[DIFFICULTE_DIFFICILE], moyenne[DIFFICULTE_EXPERT]);
  EXPECT_LE(places[DIFFICULTE_DIFFICILE][1], places[DIFFICULTE_NORMALE][1]);
}

}  // namespace
