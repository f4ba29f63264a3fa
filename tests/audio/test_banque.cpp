// The sound bank: start-up, loading that silences a missing file's effect alone, and shutdown.
#include <cstdio>

#include "audio/son.h"
#include "outils_son.h"

using namespace test_son;

namespace {

// Every effect of the bank, with the mode and distances the game loads it with.
const struct Effet {
  const char* fichier;
  HSon* son;
  bool en_3d, boucle;
  float min, max;
} k_effets[] = {
    {"bouton.wav", &SON_BOUTON, false, false, 0, 0},       {"CLICK.WAV", &SON_CLICK, false, false, 0, 0},
    {"vaisseau.wav", &SON_MOTEUR, true, true, 30, 100},    {"missile.wav", &SON_MISSILE, true, true, 30, 100},
    {"explode.wav", &SON_EXPLOSION, true, false, 60, 180}, {"choc.wav", &SON_CHOC, true, false, 20, 50},
    {"bonus.wav", &SON_BONUS, true, false, 30, 60},        {"boost.wav", &SON_BOOST, true, true, 15, 40},
    {"slide.wav", &SON_SLIDE, true, true, 5, 20},          {"chrono.wav", &SON_CHRONO, false, false, 0, 0},
    {"depart.wav", &SON_DEPART, false, false, 0, 0},       {"pret.wav", &SON_PRET, false, false, 0, 0},
};

// Starts the game's sound in a folder holding ./sons with every effect but `absent`.
class BanqueTest : public ::testing::Test {
 protected:
  void prepare(const char* absent) {
    const std::string rep = chemin(std::string("jeu_") + (absent ? absent : "complet"));
    std::filesystem::create_directories(rep + "/sons");
    for (const Effet& e : k_effets)
      if (!absent || std::strcmp(e.fichier, absent) != 0)
        std::filesystem::copy_file(ecrit_ton(300, 0.1, 22050), rep + "/sons/" + e.fichier,
                                   std::filesystem::copy_options::overwrite_existing);
    std::filesystem::current_path(rep);
    Init_son();
    ASSERT_EQ(result, SON_OK);  // the last step, the ambient reverb, succeeded
  }
  void TearDown() override { std::filesystem::current_path(m_ancien); }
  const std::filesystem::path m_ancien = std::filesystem::current_path();
};

}  // namespace

TEST_F(BanqueTest, TheFullBankLoadsWithItsModesAndTheAmbientReverbIsSet) {
  ASSERT_NO_FATAL_FAILURE(prepare(nullptr));
  Charge_sons();
  EXPECT_EQ(result, SON_OK);
  for (const Effet& e : k_effets) {
    SCOPED_TRACE(e.fichier);
    const unsigned mode = lu(son_son_get_mode, *e.son);
    EXPECT_EQ((mode & SON_MODE_3D) != 0, e.en_3d);
    EXPECT_EQ((mode & SON_MODE_BOUCLE) != 0, e.boucle);
    float min = 0, max = 0;
    const bool ok = son_son_get_distances_3d(*e.son, &min, &max) == SON_OK && min == e.min && max == e.max;
    EXPECT_TRUE(!e.en_3d || ok) << "distances " << min << " to " << max;
  }
  Delete_sons();
  EXPECT_EQ(result, SON_OK);
  for (const Effet& e : k_effets) EXPECT_TRUE(son_handle_vide(*e.son));
  EXPECT_EQ(Ferme_son(), SON_OK);
  EXPECT_EQ(Libere_son(), SON_OK);
  EXPECT_NE(Libere_son(), SON_OK);  // a second release has nothing to release: exit code 1
}

TEST_F(BanqueTest, AMissingEffectLeavesOnlyItselfSilentAndNamesItsFile) {
  ASSERT_NO_FATAL_FAILURE(prepare("choc.wav"));
  std::FILE* erreurs = std::tmpfile();
  ASSERT_NE(erreurs, nullptr);
  Charge_sons(erreurs);
  EXPECT_EQ(result, SON_ERR_FICHIER_INTROUVABLE);
  for (const Effet& e : k_effets) {
    unsigned mode = 0;
    const int attendu = e.son == &SON_CHOC ? SON_ERR_HANDLE_INVALIDE : SON_OK;
    EXPECT_EQ(son_son_get_mode(*e.son, &mode), attendu) << e.fichier;
  }
  std::rewind(erreurs);
  char ligne[256] = {};
  ASSERT_NE(std::fgets(ligne, sizeof ligne, erreurs), nullptr);
  EXPECT_NE(std::strstr(ligne, "./sons/choc.wav"), nullptr) << ligne;
  EXPECT_EQ(std::fgets(ligne, sizeof ligne, erreurs), nullptr);  // one line, for the one missing file
  std::fclose(erreurs);
  HCanal c;
  EXPECT_EQ(son_joue(g_SystemeSon, SON_CHRONO, false, &c), SON_OK);  // the countdown after it still beeps
  // The missing one fails where it is played; its callers skip the rest of their sound work.
  EXPECT_EQ(son_joue(g_SystemeSon, SON_CHOC, false, &c), SON_ERR_HANDLE_INVALIDE);
  Delete_sons();
  EXPECT_EQ(result, SON_OK);
  Charge_sons(nullptr);  // no error stream: the same, without a word
  EXPECT_TRUE(son_handle_vide(SON_CHOC));
  Delete_sons();
  EXPECT_EQ(Ferme_son(), SON_OK);
  EXPECT_EQ(Libere_son(), SON_OK);
}

TEST(VersionSon, AnOldLayerPrintsBothVersionsAndStopsTheStartUp) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(verifie_version_son(0x40803, f));
  EXPECT_TRUE(verifie_version_son(0x40804, f));
  EXPECT_TRUE(verifie_version_son(SON_VERSION, f));
  std::rewind(f);
  char ligne[256] = {};
  ASSERT_NE(std::fgets(ligne, sizeof ligne, f), nullptr);
  EXPECT_STREQ(ligne,
               "Error!  You are using an old version of the sound layer 00040803.  This program requires 00040804\n");
  EXPECT_EQ(std::fgets(ligne, sizeof ligne, f), nullptr);  // the good versions print nothing
  std::fclose(f);
}

// A fatal error elsewhere (a missing model) exits with the sound running, here on the null output
// for want of a device. In a fresh process: OpenAL Soft reads its driver list once per process.
TEST(DemarrageSansCarte, NoOutputDeviceStartsOnTheNullOutputAndExitingWithoutShutdownEndsCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        unsetenv("ALSOFT_CONF");
        setenv("ALSOFT_DRIVERS", "aucun_pilote", 1);  // no backend at all: no device can open
        Init_son();
        bool nulle = false;
        const bool ok = result == SON_OK && son_systeme_sortie_nulle(g_SystemeSon, &nulle) == SON_OK && nulle;
        son_cree_flux(g_SystemeSon, ecrit_module_it(64).c_str(), SON_MODE_DEFAUT, &SON_MUSIQUE);
        const bool joue = son_joue(g_SystemeSon, SON_MUSIQUE, false, &channel_SON_MUSIQUE) == SON_OK;
        std::exit(ok && joue ? 3 : 4);
      },
      ::testing::ExitedWithCode(3), "");
}
