// Start-up: every option of the command line, and config.cfg (read by Allegro with no system driver
// in a private folder) as start-up reads it and leaving the option menus writes it.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/config.h"
#include "app/demarrage.h"
#include "app/ligne_commande.h"
#include "common/difficulte.h"
#include "common/globals.h"
#include "support/ecriture_limitee.h"
#include "support/outils_essai.h"
#include "ui/menus.h"

namespace {

tLigneCommande analyse(std::vector<const char*> args) {
  args.insert(args.begin(), "veltra");
  return analyse_ligne_commande(static_cast<int>(args.size()), args.data());
}

TEST(LigneCommande, GoodLines) {
  struct Cas {
    std::vector<const char*> args;
    tLigneCommande::tAction action;
    int largeur, hauteur, plein_ecran;
    const char *langue, *donnees;
    const char* replay = "";
  };
  using L = tLigneCommande;
  const Cas cas[] = {
      // One or three numbers are ignored, as they always were.
      {{}, L::JOUER, 0, 0, -1, "", ""},                  {{"1000", "700"}, L::JOUER, 1000, 700, -1, "", ""},
      {{"1000"}, L::JOUER, 0, 0, -1, "", ""},            {{"1", "2", "3"}, L::JOUER, 0, 0, -1, "", ""},
      {{"--size", "1280x720"}, L::JOUER, 1280, 720, -1, "", ""},
      {{"--size=1920X1080", "--fullscreen"}, L::JOUER, 1920, 1080, 1, "", ""},
      {{"--fullscreen", "--windowed"}, L::JOUER, 0, 0, 0, "", ""},
      {{"--lang", "fr", "--lang=en"}, L::JOUER, 0, 0, -1, "en", ""},
      {{"--data", "/srv/veltra", "640", "480"}, L::JOUER, 640, 480, -1, "", "/srv/veltra"},
      {{"--data=rel/dossier"}, L::JOUER, 0, 0, -1, "", "rel/dossier"},
      {{"--replay", "last.rpl", "800", "600"}, L::JOUER, 800, 600, -1, "", "", "last.rpl"},
      {{"--replay=/tmp/a b.rpl"}, L::JOUER, 0, 0, -1, "", "", "/tmp/a b.rpl"},
      {{"--version"}, L::VERSION, 0, 0, -1, "", ""},    {{"--version", "-h"}, L::AIDE, 0, 0, -1, "", ""},
      {{"--help", "--version"}, L::AIDE, 0, 0, -1, "", ""},
  };
  for (const Cas& c : cas) {
    const tLigneCommande l = analyse(c.args);
    SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.args.begin(), c.args.end())));
    EXPECT_EQ(std::tie(l.action, l.taille_imposee, l.largeur, l.hauteur, l.plein_ecran),
              std::make_tuple(c.action, c.largeur != 0, c.largeur, c.hauteur, c.plein_ecran)) << l.erreur;
    EXPECT_EQ(std::tie(l.langue, l.donnees, l.replay), std::make_tuple(c.langue, c.donnees, c.replay));
  }
}

TEST(LigneCommande, BadLinesAreRefusedWithTheirReason) {
  struct Cas {
    std::vector<const char*> args;
    const char* raison;
  };
  const Cas cas[] = {
      {{"--vitesse"}, "unknown option --vitesse"},    {{"-x"}, "unknown option -x"},
      {{"--windowed=1"}, "takes no value"},           {{"--size"}, "needs a value"},
      {{"--size", "1280"}, "bad size '1280'"},        {{"--size", "x720"}, "bad size"},
      {{"--size", "1280x"}, "bad size"},              {{"--size", "0x600"}, "bad size"},
      {{"--size", "-800x600"}, "bad size"},           {{"--size", "99999x600"}, "bad size"},
      {{"--size", "12a0x720"}, "bad size"},           {{"--lang", "de"}, "bad language 'de'"},
      {{"--lang", "FR"}, "bad language"},             {{"--lang"}, "needs a value"},
      {{"--data="}, "needs a folder"},                {{"--replay"}, "needs a value"},
      {{"--replay="}, "needs a file"},                {{"800", "0"}, "bad window size"},
      {{"large", "700"}, "bad window size 'large 700'"},  // once a window 0 pixels wide
      {{"--help", "--vitesse"}, "unknown option"},
  };
  for (const Cas& c : cas) {
    const tLigneCommande l = analyse(c.args);
    SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.args.begin(), c.args.end())));
    EXPECT_EQ(l.action, tLigneCommande::ERREUR);
    EXPECT_NE(l.erreur.find(c.raison), std::string::npos) << l.erreur;
  }
}

TEST(LigneCommande, UsageSaysWhereEachFileIs) {
  auto u =
      texte_usage({"/usr/share/veltra", "/home/ana/.config/veltra", "/home/ana/.local/share/veltra", false});
  for (const char* mot : {"--size WxH", "--lang fr|en", "--data DIR", "--replay FILE", "/usr/share/veltra/",
                          "/home/ana/.config/veltra/config.cfg", "/home/ana/.local/share/veltra/hiscores/",
                          "/home/ana/.local/share/veltra/objets/", "/home/ana/.local/share/veltra/replays/"})
    EXPECT_NE(u.find(mot), std::string::npos) << mot;
  u = texte_usage({"/jeux/veltra", "", ""});
  for (const char* attendu : {"/jeux/veltra/config.cfg", "/jeux/veltra/hiscores/"})
    EXPECT_NE(u.find(attendu), std::string::npos) << u;
}

class Config : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { install_allegro(SYSTEM_NONE, &errno, atexit); }

  void SetUp() override {
    ASSERT_TRUE(dossier_.pret());
    FORCE_SCREEN = 0;
  }
  void TearDown() override { set_config_file("/dev/null"); }  // releases config.cfg before it goes

  static void ecrit(const std::string& texte) { std::ofstream(fichier_config()) << texte; }
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

// A game type out of range is the single race; names are cut to 31 characters and terminated.
TEST_F(Config, ValuesPastTheirBoundsAreBroughtBackAndShutdownStoresTheGameType) {
  ecrit("[Game]\nNb_tours = 3\ntype_jeu = 3\nNom_CPU_1 = abcdefghijklmnopqrstuvwxyz01234\n"
        "Nom_CPU_2 = abcdefghijklmnopqrstuvwxyz0123456789\n");
  demarre();
  EXPECT_EQ(TYPE_JEU, 0);
  const char* coupe = "abcdefghijklmnopqrstuvwxyz01234";
  for (auto [n, attendu] : {std::pair{1, coupe}, {2, coupe}, {3, "Mufrat"}}) {
    char nom[TAILLE_NOM];
    lit_nom_cpu(n, nom);
    EXPECT_STREQ(nom, attendu) << n;
  }
  TYPE_JEU = 1;
  ecrit_type_jeu();
  set_config_file("/dev/null");  // replacing the configuration writes it back
  const std::string texte = texte_de(fichier_config());
  EXPECT_NE(texte.find("type_jeu = 1"), std::string::npos) << texte;
  EXPECT_NE(texte.find("Nb_tours = 3"), std::string::npos) << texte;
}

// A forced size wins over the file, windowed; Desktop with no display opens the written size windowed.
TEST_F(Config, ScreenFromTheFileOrTheCommandLine) {
  const std::string plein_640 = "[Graphics]\nfull_screen = 1\nscreen_width = 640\nscreen_height = 480\n";
  const std::string bureau = "[Graphics]\nscreen_width = 1366\nscreen_height = 768\ndesktop = 1\n";
  const struct {
    std::string fichier;
    bool force;
    int plein_ecran, largeur, hauteur, resol;
  } cas[] = {
      {plein_640, true, 0, 1000, 700, RESOL_USER},
      {plein_640, false, 1, 640, 480, 0},
      {"[Graphics]\nscreen_width = 1920\nscreen_height = 1080\n", false, 1, 1920, 1080, 8},
      {bureau, false, -1, 1366, 768, 6},
      {bureau, true, 0, 1000, 700, RESOL_USER},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.fichier + (c.force ? "forced 1000 700" : ""));
    ecrit(c.fichier);
    char prog[] = "veltra", w[] = "1000", h[] = "700";
    char* argv[] = {prog, w, h, nullptr};
    FORCE_SCREEN = 0;
    if (c.force) lit_ligne_commande(3, argv);
    demarre();
    EXPECT_TRUE(c.plein_ecran < 0 || FULL_SCREEN == c.plein_ecran) << FULL_SCREEN;
    EXPECT_EQ(std::tie(SCREEN_WIDTH, SCREEN_HEIGHT, RESOL), std::tie(c.largeur, c.hauteur, c.resol));
  }
}

// The first start speaks the system's language: LC_ALL, then LC_MESSAGES, then LANG.
TEST_F(Config, FirstLanguageFromTheSystem) {
  const char* cas[][4] = {
      {"", "", "fr_FR.UTF-8", "fr"}, {"", "", "en_GB.UTF-8", "en"},  {"C", "", "fr_FR.UTF-8", "en"},
      {"", "", "", "en"},            {"", "fr_CA", "en_US", "fr"},     {"fr_BE", "en_US", "", "fr"},
  };
  for (const auto& c : cas) {
    std::map<std::string, std::string> env = {{"LC_ALL", c[0]}, {"LC_MESSAGES", c[1]}, {"LANG", c[2]}};
    EXPECT_STREQ(langue_du_systeme([&](const char* n) { return env[n]; }), c[3])
        << c[0] << " / " << c[1] << " / " << c[2];
  }
  for (auto [nom, valeur] : {std::pair{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "en_GB.UTF-8"}})
    setenv(nom, valeur, 1);
  demarre();
  EXPECT_EQ(LANGUAGE, 1);
  EXPECT_NE(texte_de(fichier_config()).find("lang = en"), std::string::npos);
}

// A file the fuzzer found, whose bytes are not UTF-8, used to keep Allegro's parser spinning: the
// start-up reads, in a child the alarm stops if they never end, now finish with the default name.
TEST_F(Config, BytesThatAreNotUtf8DoNotHangTheStart) {
  const auto graine = texte_de(std::string(VELTRA_SOURCE_DIR) + "/tests/fuzz/corpus/config/multioctet.cfg");
  ASSERT_FALSE(graine.empty());
  std::ofstream(fichier_config(), std::ios::binary) << graine;
  const pid_t p = fork();
  if (p == 0) {
    alarm(60);  // the reads take milliseconds, the fault was an endless loop
    demarre();
    _exit(std::string(NOM_JOUEUR) == "Human" ? 0 : 3);
  }
  int statut = 0;
  ASSERT_GT(p, 0);
  ASSERT_EQ(waitpid(p, &statut, 0), p);
  EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << "the start-up reads ended with " << statut;
}

// A listed resolution writes its size; User and Desktop keep the window's, Desktop as a key of its own.
TEST_F(Config, MenusWriteTheResolutionsSizeAndUserKeepsTheCurrentOne) {
  set_config_file(fichier_config());
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
  flush_config_file();
  EXPECT_NE(texte_de(fichier_config()).find("screen_width = 1000"), std::string::npos);
}

TEST_F(Config, MenusWriteLanguageLapsVolumesKeysAndDifficulty) {
  set_config_file(fichier_config());
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
  // The difficulty is kept as the top speed: older or hand-edited speeds show the nearest level.
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
