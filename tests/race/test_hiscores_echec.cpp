// Hiscore files that cannot be written or are damaged: a save cut short keeps the old file and is
// reported while the table on screen holds the new results; a file of the wrong size, however
// large, is kept aside as <file>.bad and gives way to the default table.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/fichier.h"
#include "race/classement.h"
#include "race/hiscores.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

class HiscoresEchec : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier_.pret());
    for (int i = 0; i < 6; i++) {
      pilotes_[i] = CObjJoueur();
      char nom[8];
      std::snprintf(nom, sizeof nom, "P%d", i);
      pilotes_[i].SetNom(nom);
      Joueurs[i] = &pilotes_[i];
      LISTE_CHAMP[i] = tCompteChamp();
    }
    init_classement();
    LEVEL_ACTIF = 3;
    NOMBRE_TOURS = 2;
    CHAMPIONNAT_ACTIF = 1;
  }
  void TearDown() override {
    for (auto& j : Joueurs) j = nullptr;
  }
  void arrivee(int place, int pilote, int total) {
    tab_arrive[place] = &pilotes_[pilote];
    tab_temps[place].minutes = total / 3600;
    tab_temps[place].secondes = total % 3600 / 60;
    tab_temps[place].soixantiemes = total % 60;
    tab_temps[place].total = total;
  }
  DossierTemporaire dossier_;
  CObjJoueur pilotes_[6];
};

TEST_F(HiscoresEchec, ASingleRaceSaveCutShortKeepsTheFileAndTheScreenShowsTheNewRows) {
  arrivee(0, 1, 100);
  arrivee(1, 2, 200);
  arrivee(2, 3, 300);
  ASSERT_TRUE(maj_hiscores_simple(4000));
  const std::vector<uint8_t> avant = octets_de("hiscores/s_3_2.dat");
  ASSERT_EQ(avant.size(), 480u);

  arrivee(0, 5, 50);
  testing::internal::CaptureStderr();
  {
    EcritureLimitee limite(200);
    ASSERT_TRUE(limite.pret());
    EXPECT_FALSE(maj_hiscores_simple(4000));
  }
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("hiscores/s_3_2.dat could not be written"), std::string::npos) << message;
  EXPECT_EQ(octets_de("hiscores/s_3_2.dat"), avant);
  EXPECT_EQ(noms_dans("hiscores"), std::vector<std::string>{"s_3_2.dat"});
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P5");
  EXPECT_EQ(CLASSEMENT_LITE[0], 1);

  // The next race with room saves both results: the failed one was never in the file.
  arrivee(0, 4, 60);
  ASSERT_TRUE(maj_hiscores_simple(4000));
  std::vector<uint8_t> octets = octets_de("hiscores/s_3_2.dat");
  lit_hiscores_simple(octets.data(), octets.size());
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P4");
  EXPECT_STREQ(CLASSEMENT_NOM[1], "P1");
}

TEST_F(HiscoresEchec, AChampionshipSaveCutShortKeepsTheFile) {
  for (int i = 0; i < 6; i++) LISTE_CHAMP[i].points = i, LISTE_CHAMP[i].total = 9000 + i;
  classement_championnat();
  ASSERT_TRUE(maj_hiscores_championnat(20000));
  const std::vector<uint8_t> avant = octets_de("hiscores/c_1_2.dat");
  ASSERT_EQ(avant.size(), 520u);

  LISTE_CHAMP[0].points = 20;
  classement_championnat();
  {
    EcritureLimitee limite(100);
    ASSERT_TRUE(limite.pret());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(maj_hiscores_championnat(20000));
    testing::internal::GetCapturedStderr();
  }
  EXPECT_EQ(octets_de("hiscores/c_1_2.dat"), avant);
  EXPECT_EQ(noms_dans("hiscores"), std::vector<std::string>{"c_1_2.dat"});
  EXPECT_STREQ(CLASSEMENT_NOM_CHAMP[0], "P0");
  EXPECT_EQ(CLASSEMENTS_POINTS_CHAMP[0][3], 20);
}

TEST_F(HiscoresEchec, AWrongSizedFileIsKeptAsideAndGivesWayToTheDefaultTable) {
  // A file that merely grew still holds its records: it goes to <file>.bad, replacing an older
  // one. Rows of the screen from an earlier event must not be taken for the file's.
  ASSERT_EQ(mkdir("hiscores", 0755), 0);
  std::string gros(480 * 20, '\x7f');
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/s_3_2.dat", gros.data(), gros.size()));
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/s_3_2.dat.bad", "older", 5));
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/c_1_2.dat", gros.data(), 519));
  copie_nom(CLASSEMENT_NOM[5], "Ancien");
  CLASSEMENTS_POINTS[5][3] = 1;
  copie_nom(CLASSEMENT_NOM_CHAMP[5], "Ancien");
  init_classement();
  testing::internal::CaptureStderr();
  ASSERT_TRUE(maj_hiscores_simple(4000));
  std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("s_3_2.dat has the wrong size; kept as ./hiscores/s_3_2.dat.bad"), std::string::npos)
      << message;
  for (int i = 0; i < NB_RANGS; i++) EXPECT_STREQ(CLASSEMENT_NOM[i], "Tazul") << i;
  EXPECT_EQ(octets_de("hiscores/s_3_2.dat").size(), 480u);
  EXPECT_EQ(octets_de("hiscores/s_3_2.dat.bad"), std::vector<uint8_t>(gros.begin(), gros.end()));

  classement_championnat();  // six empty accounts: no row beats the default ones
  testing::internal::CaptureStderr();
  ASSERT_TRUE(maj_hiscores_championnat(20000));
  message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("kept as ./hiscores/c_1_2.dat.bad"), std::string::npos) << message;
  for (int i = 0; i < NB_RANGS; i++) EXPECT_STREQ(CLASSEMENT_NOM_CHAMP[i], "Tazul") << i;
  EXPECT_EQ(octets_de("hiscores/c_1_2.dat").size(), 520u);
  EXPECT_EQ(octets_de("hiscores/c_1_2.dat.bad"), std::vector<uint8_t>(gros.begin(), gros.begin() + 519));

  // Where it cannot be kept aside, the damaged file is not written over.
  ASSERT_TRUE(ecrit_fichier_atomique("hiscores/s_3_2.dat", gros.data(), 481));
  ASSERT_EQ(std::remove("hiscores/s_3_2.dat.bad"), 0);
  ASSERT_EQ(mkdir("hiscores/s_3_2.dat.bad", 0755), 0);
  arrivee(0, 5, 50);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(maj_hiscores_simple(4000));
  message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("could not be kept as"), std::string::npos) << message;
  EXPECT_EQ(octets_de("hiscores/s_3_2.dat").size(), 481u);
  EXPECT_STREQ(CLASSEMENT_NOM[0], "P5");  // the screen still shows the race
}

}  // namespace
