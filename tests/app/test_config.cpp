// config.cfg: first start, readers' defaults, the values that are clamped or matched exactly,
// what shutdown stores, and a damaged file. Runs Allegro with no system driver, in a private folder.
#include <allegro.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/demarrage.h"
#include "app/ligne_commande.h"
#include "common/globals.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"

namespace {

class Config : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { install_allegro(SYSTEM_NONE, &errno, atexit); }

  void SetUp() override {
    ASSERT_TRUE(dossier_.pret());
    FORCE_SCREEN = 0;
    FORCE_PLEIN_ECRAN = -1;
    LANGUE_IMPOSEE[0] = '\0';
    // A French system: the first start's language.
    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "", 1);
    setenv("LANG", "fr_FR.UTF-8", 1);
  }
  void TearDown() override {
    set_config_file("/dev/null");  // release config.cfg before it is removed
  }

  static void ecrit(const std::string& texte) { std::ofstream(fichier_config()) << texte; }
  static std::string lit() { return texte_de(fichier_config()); }
  static std::vector<int> touches() {
    return {BOUTON_HAUT, BOUTON_BAS, BOUTON_DROITE, BOUTON_GAUCHE, BOUTON_VALIDE, BOUTON_SPE, BOUTON_SPE_1};
  }
  // Screen, size, circuits, laps, language and the mappings flag, as start-up left them.
  static std::vector<int> reglages() {
    return {FULL_SCREEN, SCREEN_WIDTH, SCREEN_HEIGHT, NB_LEVELS, NOMBRE_TOURS, LANGUAGE,
            get_config_int("Graphics", "mappings", 0)};
  }
  // What start-up reads, in its order.
  static void demarre() {
    check_config();
    set_config_file(fichier_config());
    lit_config_ecran();
    lit_config_volumes();
    lit_config_touches();
    init_globales();
    lit_nom_joueur();
  }

  DossierTemporaire dossier_;
};

TEST_F(Config, FirstStartWritesAWindowedFiveCircuitSetup) {
  demarre();
  EXPECT_EQ(reglages(), (std::vector<int>{0, 800, 600, 5, 5, 0, 1}));
  EXPECT_EQ(RESOL, 1);
  EXPECT_EQ(touches(), (std::vector<int>{5, 4, 12, 11, 75, 5, 4}));
  EXPECT_FLOAT_EQ(VITESSE_MAX_CPU, 2.5f);
  EXPECT_STREQ(NOM_JOUEUR, "Human");
  const std::string texte = lit();
  EXPECT_NE(texte.find("keyboard = FR"), std::string::npos);
  EXPECT_NE(texte.find("Nom_CPU_5 = Ravin"), std::string::npos);
}

TEST_F(Config, AnExistingFileIsLeftAloneAndMissingKeysTakeTheReadersDefaults) {
  ecrit("[Graphics]\nfull_screen = 0\n");
  BOUTON_SPE = 80;
  BOUTON_SPE_1 = 81;
  demarre();
  EXPECT_EQ(lit().find("Nb_levels"), std::string::npos);
  EXPECT_EQ(reglages(), (std::vector<int>{0, 800, 600, 0, 5, 1, 0}));
  EXPECT_FLOAT_EQ(PROFONDEUR_CHAMP_CAM, 400.0f);
  EXPECT_EQ(touches(), (std::vector<int>{84, 85, 83, 82, 67, 80, 81}));
  EXPECT_FLOAT_EQ(VOLUME_MUSIQUE, 0.5f);
  // With no file at all the screen default is full screen.
  ecrit("");
  set_config_file(fichier_config());
  lit_config_ecran();
  EXPECT_EQ(FULL_SCREEN, 1);
}

TEST_F(Config, ShutdownStoresTheGameType) {
  ecrit("[Game]\nNb_tours = 3\n");
  demarre();
  TYPE_JEU = 1;
  ecrit_type_jeu();
  set_config_file("/dev/null");  // replacing the configuration writes it back
  const std::string texte = lit();
  EXPECT_NE(texte.find("type_jeu = 1"), std::string::npos) << texte;
  EXPECT_NE(texte.find("Nb_tours = 3"), std::string::npos) << texte;
}

// A size forced on the command line wins over the file and opens a window. The wide sizes have
// their own entries; "Desktop" where the desktop's size cannot be known (no display) opens the
// written size as a window.
TEST_F(Config, ScreenFromTheFileOrTheCommandLine) {
  const std::string plein_640 = "[Graphics]\nfull_screen = 1\nscreen_width = 640\nscreen_height = 480\n";
  const std::string bureau = "[Graphics]\nscreen_width = 1366\nscreen_height = 768\ndesktop = 1\n";
  struct Cas {
    std::string fichier;
    bool force;
    int plein_ecran, largeur, hauteur, resol;
  };
  const Cas cas[] = {
      {plein_640, true, 0, 1000, 700, RESOL_USER},
      {plein_640, false, 1, 640, 480, 0},
      {"[Graphics]\nscreen_width = 1920\nscreen_height = 1080\n", false, 1, 1920, 1080, 8},
      {bureau, false, -1, 1366, 768, 6},
      {bureau, true, 0, 1000, 700, RESOL_USER},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.fichier + (c.force ? "forced 1000 700" : ""));
    ecrit(c.fichier);
    char prog[] = "veltra", w[] = "1000", h[] = "700";
    char* argv[] = {prog, w, h, nullptr};
    FORCE_SCREEN = 0;
    if (c.force) lit_ligne_commande(3, argv);
    demarre();
    if (c.plein_ecran >= 0) {
      EXPECT_EQ(FULL_SCREEN, c.plein_ecran);
    }
    EXPECT_EQ(SCREEN_WIDTH, c.largeur);
    EXPECT_EQ(SCREEN_HEIGHT, c.hauteur);
    EXPECT_EQ(RESOL, c.resol);
  }
  FORCE_SCREEN = 0;
}

TEST_F(Config, NamesAreCutTo31CharactersAndTerminated) {
  ecrit("[Game]\nNom_CPU_1 = abcdefghijklmnopqrstuvwxyz01234\nNom_CPU_2 = abcdefghijklmnopqrstuvwxyz0123456789\n");
  set_config_file(fichier_config());
  char nom[TAILLE_NOM];
  lit_nom_cpu(1, nom);
  EXPECT_STREQ(nom, "abcdefghijklmnopqrstuvwxyz01234");
  lit_nom_cpu(2, nom);
  EXPECT_STREQ(nom, "abcdefghijklmnopqrstuvwxyz01234");
  lit_nom_cpu(3, nom);
  EXPECT_STREQ(nom, "Mufrat");
}

TEST_F(Config, CommandLineChoicesHoldForTheRunAndLeaveTheFileAlone) {
  ecrit("[system]\nlang = fr\n[Graphics]\nfull_screen = 0\nscreen_width = 640\nscreen_height = 480\n");
  const char* argv[] = {"veltra", "--fullscreen", "--lang", "en", "--size", "1280x720"};
  applique_ligne_commande(analyse_ligne_commande(6, argv));
  demarre();
  EXPECT_EQ((std::vector<int>{FULL_SCREEN, SCREEN_WIDTH, SCREEN_HEIGHT, LANGUAGE}),
            (std::vector<int>{1, 1280, 720, 1}));
  set_config_file("/dev/null");
  EXPECT_EQ(lit(), "[system]\nlang = fr\n[Graphics]\nfull_screen = 0\nscreen_width = 640\nscreen_height = 480\n");
  const char* rien[] = {"veltra"};
  applique_ligne_commande(analyse_ligne_commande(1, rien));
  demarre();
  EXPECT_EQ(FULL_SCREEN, 0);
  EXPECT_EQ(LANGUAGE, 0);
}

// The first start speaks the system's language; a file already there keeps its own.
TEST_F(Config, FirstLanguageFromTheSystemThenTheFiles) {
  struct Cas {
    const char *lc_all, *lc_messages, *lang, *attendue;
  };
  const Cas cas[] = {
      {"", "", "fr_FR.UTF-8", "fr"}, {"", "", "en_GB.UTF-8", "en"},  {"C", "", "fr_FR.UTF-8", "en"},
      {"", "", "", "en"},            {"", "fr_CA", "en_US", "fr"},     {"fr_BE", "en_US", "", "fr"},
  };
  for (const Cas& c : cas) {
    std::map<std::string, std::string> env = {{"LC_ALL", c.lc_all}, {"LC_MESSAGES", c.lc_messages}, {"LANG", c.lang}};
    EXPECT_STREQ(langue_du_systeme([&](const char* n) { return env[n]; }), c.attendue)
        << c.lc_all << " / " << c.lc_messages << " / " << c.lang;
  }
  setenv("LANG", "en_GB.UTF-8", 1);
  demarre();
  EXPECT_EQ(LANGUAGE, 1);
  EXPECT_NE(lit().find("lang = en"), std::string::npos);
  // A file keeps its own language; an upper-case one is not French, and a game type out of
  // range is the single race.
  ecrit("[system]\nlang = FR\n[Game]\ntype_jeu = 3\n");
  demarre();
  EXPECT_EQ(TYPE_JEU, 0);
  EXPECT_EQ(LANGUAGE, 1);
  EXPECT_EQ(NUM_LANGUE, 1);
  ecrit("[system]\nlang = fr\n[Game]\ntype_jeu = 2\n");
  demarre();
  EXPECT_EQ(TYPE_JEU, 2);
  EXPECT_EQ(LANGUAGE, 0);  // the system says English
}

// Bytes that are not UTF-8 (a file the fuzzer found, which used to keep Allegro's parser spinning
// at start-up) are read as they stand: the start-up reads, in a child stopped if they never end,
// finish with the default name.
TEST_F(Config, BytesThatAreNotUtf8DoNotHangTheStart) {
  {
    std::ifstream graine(std::string(VELTRA_SOURCE_DIR) + "/tests/fuzz/corpus/config/multioctet.cfg",
                         std::ios::binary);
    ASSERT_TRUE(graine.good());
    std::ofstream(fichier_config(), std::ios::binary) << graine.rdbuf();
  }
  const pid_t p = fork();
  if (p == 0) {
    demarre();
    _exit(std::string(NOM_JOUEUR) == "Human" ? 0 : 3);
  }
  ASSERT_GT(p, 0);
  // A generous bound of a minute: the reads take milliseconds, the fault was an endless loop.
  int statut = 0, dixiemes = 0;
  while (waitpid(p, &statut, WNOHANG) != p && ++dixiemes < 600) usleep(100000);
  if (dixiemes == 600) {
    kill(p, SIGKILL);
    waitpid(p, nullptr, 0);
  }
  EXPECT_LT(dixiemes, 600) << "the start-up reads never ended";
  EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
}

}  // namespace
