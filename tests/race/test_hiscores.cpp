// Hiscores: merges and ties, the championship's last standings, saves cut short, wrong-sized files;
// the time trial's lap differences and its ghost, kept only for a faster run of its own circuit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/binio.h"
#include "common/fichier.h"
#include "race/championnat.h"
#include "race/classement.h"
#include "race/contre_la_montre.h"
#include "race/hiscores.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"
#include "world/trajectoire.h"

namespace {

using Noms = std::vector<std::string>;

class Hiscores : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier.pret());
    for (int i = 0; i < 6; i++) {
      pilotes[i].SetNom(("P" + std::to_string(i)).c_str());
      Joueurs[i] = &pilotes[i];
      LISTE_CHAMP[i] = tCompteChamp();
    }
    init_classement();
    LEVEL_ACTIF = 2;
    NOMBRE_TOURS = 3;
    CHAMPIONNAT_ACTIF = 1;
  }
  void TearDown() override { for (auto& j : Joueurs) j = nullptr; }
  // Pilot `pilote` arrives in place `place` (from 0) after `total` sixtieths.
  void arrivee(int place, int pilote, int total) {
    tab_arrive[place] = &pilotes[pilote];
    tab_temps[place] = {total / 3600, total % 3600 / 60, total % 60, total};
    pilotes[pilote].SetClassement(place + 1);
  }
  // What `maj` says on stderr; it must return `reussit`.
  static std::string sortie(const std::function<bool()>& maj, bool reussit) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(maj(), reussit);
    return testing::internal::GetCapturedStderr();
  }
  // Runs `maj` with room for `octets` bytes only: it must fail; what it said on stderr.
  static std::string sauve_a_l_etroit(size_t octets, const std::function<bool()>& maj) {
    EcritureLimitee limite(octets);
    EXPECT_TRUE(limite.pret());
    return sortie(maj, false);
  }
  DossierTemporaire dossier;
  CObjJoueur pilotes[6];
};

TEST_F(Hiscores, DamagedFilesKeepCompleteRecordsAndTerminatedNames) {
  Ecrivain e;
  char nom[32];
  std::memset(nom, 'X', sizeof nom);  // no terminator
  e.octets(nom, 32);
  for (int k = 0; k < 4; k++) e.i32(k == 3 ? 123 : 1);
  e.octets("half a record", 13);
  hiscores_simple_defaut(1000);
  lit_hiscores_simple(e.donnees().data(), e.taille());
  EXPECT_EQ(std::strlen(CLASSEMENT_NOM[0]), 31u);
  EXPECT_EQ(CLASSEMENTS_POINTS[0][3], 123);
  EXPECT_STREQ(CLASSEMENT_NOM[1], "Tazul");  // the incomplete record is ignored
  // Round trip.
  const auto octets = encode_hiscores_simple();
  hiscores_simple_defaut(5000);
  lit_hiscores_simple(octets.data(), octets.size());
  EXPECT_EQ(encode_hiscores_simple(), octets);
}

TEST_F(Hiscores, ARaceIsScoredOnlyWithItsArrivalsAndTheLastStandingsHighlightTheHuman) {
  // A race stopped before its end (no arrivals) is no podium, whatever the race loop said.
  for (int niveau : {1, 5}) {
    LEVEL_ACTIF = niveau;
    EXPECT_EQ(fin_course_championnat(true), 0);
  }
  for (const tCompteChamp& c : LISTE_CHAMP) EXPECT_EQ(c.points, 0);
  EXPECT_TRUE(noms_dans("hiscores").empty());
  // Two earlier champions above anything scored now: the human's row 0 enters the hiscores at 2.
  hiscores_champ_defaut(10000);
  CLASSEMENTS_POINTS_CHAMP[0][3] = CLASSEMENTS_POINTS_CHAMP[1][3] = 50;
  assure_dossier_hiscores();
  const auto fichier = encode_hiscores_champ();
  ASSERT_TRUE(ecrit_fichier_atomique(chemin_hiscores_champ(), fichier.data(), fichier.size()));
  for (int k = 0; k < 6; k++) arrivee(k, (k + 5) % 6, 7000 + k);  // the human wins
  LISTE_CHAMP[5].points = 12;
  LEVEL_ACTIF = 5;
  LONGUEUR_CHAMPIONNAT = 10000;
  ASSERT_EQ(fin_course_championnat(true), CHAMP_CLASSEMENT_COURSE | CHAMP_HISCORES);
  // The race-5 standings, drawn after the merge, and the final table: only the human's row lit.
  for (int j = 0; j < NB_RANGS; j++) {
    EXPECT_EQ(CLASSEMENT_LITE[j], j < 6 && std::strcmp(CLASSEMENT_NOM[j], "P5") == 0) << j;
    EXPECT_EQ(CLASSEMENT_LITE_CHAMP[j], std::strcmp(CLASSEMENT_NOM_CHAMP[j], "P5") == 0) << j;
  }
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P5");
  EXPECT_STREQ(CLASSEMENT_NOM_CHAMP[2], "P5");
}

// A first win tops the default table, a tie goes below. A save cut short keeps the old file, leaves
// no temporary and is reported; the screen shows the race.
TEST_F(Hiscores, TiesGoBelowAndASaveCutShortKeepsTheOldFile) {
  hiscores_simple_defaut(4000);
  const int huitieme = CLASSEMENTS_POINTS[7][3];
  const int premier = CLASSEMENTS_POINTS[0][3];
  arrivee(0, 5, premier - 10);  // the human, faster than the best default row
  arrivee(1, 2, premier);       // exactly the old first row's time: goes below it
  arrivee(2, 0, 999999);        // slower than every row
  ASSERT_TRUE(maj_hiscores_simple(4000));
  EXPECT_EQ(Noms(CLASSEMENT_NOM, CLASSEMENT_NOM + 3), (Noms{"P5", "Tazul", "P2"}));
  EXPECT_EQ(CLASSEMENT_LITE[0], 1);
  EXPECT_EQ(CLASSEMENT_LITE[2], 0);
  EXPECT_EQ(CLASSEMENTS_POINTS[9][3], huitieme);  // two rows in: the old ninth and tenth dropped
  const std::vector<uint8_t> avant = octets_de("hiscores/s_2_3.dat");
  arrivee(0, 5, 50);
  const std::string message = sauve_a_l_etroit(200, [] { return maj_hiscores_simple(4000); });
  EXPECT_NE(message.find("hiscores/s_2_3.dat could not be written"), std::string::npos) << message;
  EXPECT_EQ(octets_de("hiscores/s_2_3.dat"), avant);
  EXPECT_EQ(noms_dans("hiscores"), std::vector<std::string>{"s_2_3.dat"});
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P5");
  EXPECT_EQ(CLASSEMENT_LITE[0], 1);
  // The next race with room saves its result: the failed one was never in the file.
  arrivee(0, 4, 60);
  ASSERT_TRUE(maj_hiscores_simple(4000));
  EXPECT_EQ(CLASSEMENT_LITE[1], 0);  // flags belong to this event only
  std::vector<uint8_t> octets = octets_de("hiscores/s_2_3.dat");
  lit_hiscores_simple(octets.data(), octets.size());
  EXPECT_EQ(Noms(CLASSEMENT_NOM, CLASSEMENT_NOM + 2), (Noms{"P4", "P5"}));
  // The championship's table the same way.
  for (int i = 0; i < 6; i++) LISTE_CHAMP[i].points = i, LISTE_CHAMP[i].total = 9000 + i;
  classement_championnat();
  ASSERT_TRUE(maj_hiscores_championnat(20000));
  const std::vector<uint8_t> champ = octets_de("hiscores/c_1_3.dat");
  LISTE_CHAMP[0].points = 20;
  classement_championnat();
  sauve_a_l_etroit(100, [] { return maj_hiscores_championnat(20000); });
  EXPECT_EQ(octets_de("hiscores/c_1_3.dat"), champ);
  EXPECT_EQ(noms_dans("hiscores").size(), 2u);
  EXPECT_STREQ(CLASSEMENT_NOM_CHAMP[0], "P0");
  EXPECT_EQ(CLASSEMENTS_POINTS_CHAMP[0][3], 20);
}

TEST_F(Hiscores, AWrongSizedFileIsKeptAsideAndGivesWayToTheDefaultTable) {
  // A grown file still holds records: kept as <file>.bad over an older one; old screen rows ignored.
  ASSERT_EQ(mkdir("hiscores", 0755), 0);
  std::string gros(480 * 20, '\x7f');
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/s_2_3.dat", gros.data(), gros.size()));
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/s_2_3.dat.bad", "older", 5));
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/c_1_3.dat", gros.data(), 519));
  copie_nom(CLASSEMENT_NOM[5], "Ancien");
  CLASSEMENTS_POINTS[5][3] = 1;
  copie_nom(CLASSEMENT_NOM_CHAMP[5], "Ancien");
  init_classement();
  std::string message = sortie([] { return maj_hiscores_simple(4000); }, true);
  EXPECT_NE(message.find("s_2_3.dat has the wrong size; kept as ./hiscores/s_2_3.dat.bad"), std::string::npos)
      << message;
  for (int i = 0; i < NB_RANGS; i++) EXPECT_STREQ(CLASSEMENT_NOM[i], "Tazul") << i;
  EXPECT_EQ(octets_de("hiscores/s_2_3.dat").size(), 480u);
  EXPECT_EQ(octets_de("hiscores/s_2_3.dat.bad"), std::vector<uint8_t>(gros.begin(), gros.end()));

  classement_championnat();  // six empty accounts: no row beats the default ones
  message = sortie([] { return maj_hiscores_championnat(20000); }, true);
  EXPECT_NE(message.find("kept as ./hiscores/c_1_3.dat.bad"), std::string::npos) << message;
  for (int i = 0; i < NB_RANGS; i++) EXPECT_STREQ(CLASSEMENT_NOM_CHAMP[i], "Tazul") << i;
  EXPECT_EQ(octets_de("hiscores/c_1_3.dat").size(), 520u);
  EXPECT_EQ(octets_de("hiscores/c_1_3.dat.bad"), std::vector<uint8_t>(gros.begin(), gros.begin() + 519));

  // Where it cannot be kept aside, the damaged file is not written over.
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/s_2_3.dat", gros.data(), 481));
  ASSERT_EQ(std::remove("hiscores/s_2_3.dat.bad"), 0);
  ASSERT_EQ(mkdir("hiscores/s_2_3.dat.bad", 0755), 0);
  arrivee(0, 5, 50);
  message = sortie([] { return maj_hiscores_simple(4000); }, false);
  EXPECT_NE(message.find("could not be kept as"), std::string::npos) << message;
  EXPECT_EQ(octets_de("hiscores/s_2_3.dat").size(), 481u);
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P5");  // the screen still shows the race
}

// The time trial's records: the single race's layout in a file of their own, the CPUs out of the race.
TEST_F(Hiscores, ATimeTrialOfOnePilotEndsWithItsRecordInItsOwnFile) {
  {
    PiloteSeul seul;
    EXPECT_TRUE(CONTRE_LA_MONTRE);
    for (int i = 0; i < NB_PILOTES_CPU; i++) EXPECT_EQ(Joueurs[i], nullptr);
    tab_classement_joueurs[0] = &pilotes[JOUEUR_HUMAIN];
    for (int k = 1; k < NB_JOUEURS; k++) tab_classement_joueurs[k] = nullptr;
    CHRONO_MINUTES = 0, CHRONO_SECONDES = 40, CHRONO_MILISECONDES = 0;
    // The player alone: the end confirmed leaves no place of a present pilot empty.
    EXPECT_EQ(complete_classement(), 0);
    EXPECT_EQ(tab_arrive[0], &pilotes[JOUEUR_HUMAIN]);
    ASSERT_TRUE(maj_hiscores_contre_la_montre(5000));
  }
  for (int i = 0; i < NB_JOUEURS; i++) EXPECT_EQ(Joueurs[i], &pilotes[i]);
  EXPECT_FALSE(CONTRE_LA_MONTRE);
  // The single race's records are untouched.
  EXPECT_EQ(noms_dans("hiscores"), std::vector<std::string>{"t_2_3.dat"});
  EXPECT_EQ(octets_de("./hiscores/t_2_3.dat").size(), 480u);
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P5");
  EXPECT_EQ(CLASSEMENTS_POINTS[0][3], 50 * 60);  // still racing at the end: 10 s after the clock
  EXPECT_TRUE(CLASSEMENT_LITE[0]);
}

TEST(ChronoTours, EachLapAgainstTheBestBeforeIt) {
  // Ghost laps 700 and 650: the first lap of the run is measured against 650.
  CChronoTours c({700, 650});
  EXPECT_FALSE(c.note(0, 400));
  EXPECT_TRUE(c.note(1, 640));   // 640 - 650
  EXPECT_FALSE(c.note(1, 642));  // the same lap is noted once
  EXPECT_TRUE(c.note(2, 1300));  // 660 against the run's own 640
  EXPECT_TRUE(c.note(3, 1930));  // 630 against 640
  std::vector<std::vector<int>> tours;
  for (const tTourChrono& t : c.tours()) tours.push_back({t.temps, t.ecart, t.avec_ecart});
  EXPECT_EQ(tours, (std::vector<std::vector<int>>{{640, -10, 1}, {660, 20, 1}, {630, -10, 1}}));
  // No ghost: the first lap has nothing to compare with.
  CChronoTours seul;
  seul.note(1, 500);
  seul.note(2, 990);
  EXPECT_FALSE(seul.tours()[0].avec_ecart);
  EXPECT_TRUE(seul.tours()[1].avec_ecart);
  EXPECT_EQ(seul.tours()[1].ecart, -10);
}

// As a time trial's recording has it: the places of absent pilots unchanged.
tReplay course(int circuit, int tours, uint32_t temps, uint8_t octet) {
  const std::vector<uint8_t> etats(300, octet);
  return {circuit, tours, 2.5f, temps * 7, temps, {5, 1, 2, 3, 4, 5}, "Moi", etats};
}

TEST_F(Hiscores, TheGhostIsKeptOnlyWhenFasterAndReadOnlyForItsCircuitAndLaps) {
  tReplay lu;
  EXPECT_FALSE(charge_fantome(2, 3, &lu, nullptr));  // the first run has none
  EXPECT_FALSE(sauve_fantome(course(2, 3, 0, 1)));   // an unfinished run is no ghost
  ASSERT_TRUE(sauve_fantome(course(2, 3, 5000, 1)));
  EXPECT_EQ(chemin_fantome(2, 3), "./hiscores/t_2_3.rpl");
  ASSERT_TRUE(charge_fantome(2, 3, &lu, nullptr));
  EXPECT_EQ(lu.temps, 5000u);
  EXPECT_EQ(lu.graine, 35000u);
  EXPECT_EQ(lu.etats, std::vector<uint8_t>(300, 1));
  EXPECT_FALSE(sauve_fantome(course(2, 3, 5000, 2)));  // a tie keeps the older run
  EXPECT_FALSE(sauve_fantome(course(2, 3, 6000, 2)));
  EXPECT_TRUE(sauve_fantome(course(2, 3, 4000, 3)));
  ASSERT_TRUE(charge_fantome(2, 3, &lu, nullptr));
  EXPECT_EQ(lu.temps, 4000u);
  EXPECT_FALSE(charge_fantome(2, 1, &lu, nullptr));  // other lap counts have their own

  // A file that is not this circuit's run, or is cut short, is no ghost, and the next finished
  // run takes its place.
  tReplay autre = course(4, 3, 3000, 1);
  autre.grille[0] = 0;  // a grid the reader takes
  std::vector<uint8_t> octets = ecrit_replay(autre);
  ASSERT_TRUE(ecrit_fichier_atomique(chemin_fantome(2, 3), octets.data(), octets.size()));
  std::string erreur;
  EXPECT_FALSE(charge_fantome(2, 3, &lu, &erreur));
  EXPECT_NE(erreur.find("another circuit"), std::string::npos) << erreur;
  autre.circuit = 2;
  octets = ecrit_replay(autre);
  ASSERT_TRUE(ecrit_fichier_atomique(chemin_fantome(2, 3), octets.data(), octets.size() - 2));
  EXPECT_FALSE(charge_fantome(2, 3, &lu, &erreur));
  EXPECT_TRUE(sauve_fantome(course(2, 3, 9000, 1)));
  ASSERT_TRUE(charge_fantome(2, 3, &lu, nullptr));
  EXPECT_EQ(lu.temps, 9000u);
}

}  // namespace
