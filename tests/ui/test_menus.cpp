// What leaving the option menus writes to config.cfg.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>

#include "common/difficulte.h"
#include "common/globals.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"
#include "ui/menus.h"

namespace {

class Menus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { install_allegro(SYSTEM_NONE, &errno, atexit); }
  void SetUp() override {
    ASSERT_TRUE(dossier.pret());
    set_config_file("config.cfg");
  }
  void TearDown() override { set_config_file("/dev/null"); }
  static std::string fichier() {
    flush_config_file();
    return texte_de("config.cfg");
  }
  DossierTemporaire dossier;
};

// A listed resolution writes its size; User and Desktop keep the window's, Desktop as a key of its own.
TEST_F(Menus, ScreenSizesComeFromTheResolutionAndUserKeepsTheCurrentOne) {
  const int cas[][4] = {{2, 1024, 768, 0}, {4, 1000, 700, 0}, {8, 1920, 1080, 0},
                        {RESOL_BUREAU, 1000, 700, 1}};
  SCREEN_WIDTH = 1000;
  SCREEN_HEIGHT = 700;
  FULL_SCREEN = 1;
  for (const auto& c : cas) {
    RESOL = c[0];
    ecrit_config_ecran();
    EXPECT_EQ(get_config_int("Graphics", "screen_width", 0), c[1]) << c[0];
    EXPECT_EQ(get_config_int("Graphics", "screen_height", 0), c[2]) << c[0];
    EXPECT_EQ(get_config_int("Graphics", "desktop", -1), c[3]) << c[0];
  }
  EXPECT_EQ(get_config_int("Graphics", "full_screen", 0), 1);
  EXPECT_NE(fichier().find("screen_width = 1000"), std::string::npos);
  RESOL = 1;
  SCREEN_WIDTH = 800;
  SCREEN_HEIGHT = 600;
  FULL_SCREEN = 0;
}

TEST_F(Menus, LanguageLapsVolumesKeysAndDifficulty) {
  NOMBRE_TOURS = 7;
  for (auto [langue, code] : {std::pair{0, "fr"}, {1, "en"}}) {
    ecrit_config_jeu(langue);
    EXPECT_EQ(LANGUAGE, langue);
    EXPECT_STREQ(get_config_string("system", "lang", ""), code);
  }
  EXPECT_EQ(get_config_int("Game", "Nb_tours", 0), 7);
  ecrit_config_sons(1, 55);
  EXPECT_FLOAT_EQ(VOLUME_MUSIQUE, 0.01f);
  EXPECT_FLOAT_EQ(VOLUME_SONS, 0.55f);
  EXPECT_FLOAT_EQ(get_config_float("Sons", "Volume_sons", 0), 0.55f);
  NOMBRE_TOURS = 2;
  BOUTON_SPE = KEY_A;
  ecrit_config_clavier();
  EXPECT_EQ(get_config_int("Control_kb", "Spe", 0), KEY_A);
  EXPECT_EQ(get_config_int("Control_kb", "Spe_1", 0), BOUTON_SPE_1);
  BOUTON_SPE = KEY_PGUP;
  // The difficulty is kept as the top speed. The first start's 2.5 is Normal; speeds from older
  // or hand-edited files show the nearest level.
  for (auto [vitesse, niveau] : {std::pair{2.5f, DIFFICULTE_NORMALE}, {2.4f, DIFFICULTE_NORMALE},
                                 {0.5f, DIFFICULTE_FACILE}, {9.0f, DIFFICULTE_EXPERT},
                                 {std::nanf(""), DIFFICULTE_NORMALE}})
    EXPECT_EQ(difficulte_de_vitesse(vitesse), niveau) << vitesse;
  for (int n = 0; n < NB_DIFFICULTES; n++) {
    VITESSE_MAX_CPU = 2.5f;
    set_config_float("physics", "Vitesse_max_cpu", 2.5f);
    ecrit_config_difficulte(n);
    EXPECT_EQ(difficulte_de_vitesse(get_config_float("physics", "Vitesse_max_cpu", 0)), n);
    EXPECT_EQ(difficulte_de_vitesse(VITESSE_MAX_CPU), n);
  }
  // Leaving the page on the level a hand-written speed already shows keeps that speed.
  set_config_float("physics", "Vitesse_max_cpu", 2.45f);
  VITESSE_MAX_CPU = 2.45f;
  ecrit_config_difficulte(DIFFICULTE_NORMALE);
  EXPECT_FLOAT_EQ(VITESSE_MAX_CPU, 2.45f);
  EXPECT_FLOAT_EQ(get_config_float("physics", "Vitesse_max_cpu", 0), 2.45f);
  VITESSE_MAX_CPU = 2.5f;
}

}  // namespace
