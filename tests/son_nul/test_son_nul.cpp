// The silent sound API: the game's sound bank starts and stops on it without a file or a device,
// and channels end, loop, pause and stop as a silent game expects.
#include <cstdio>
#include <utility>

#include "audio/son.h"
#include "support/son_essai.h"

namespace {

using son_essai::lu;

TEST(SonNul, TheBankStartsWithoutFilesAndItsChannelsEndLoopPauseAndStopAsASilentGameExpects) {
  ASSERT_EQ(Init_son(), SON_OK);
  EXPECT_TRUE(lu(son_systeme_sortie_nulle, g_SystemeSon));
  std::FILE* erreurs = std::tmpfile();
  ASSERT_NE(erreurs, nullptr);
  Charge_sons(erreurs);  // no ./sons folder here
  EXPECT_EQ(result, SON_OK);
  EXPECT_EQ(std::ftell(erreurs), 0L) << "no effect may be reported missing";
  std::fclose(erreurs);
  const unsigned boucle_3d = SON_MODE_3D | SON_MODE_BOUCLE;
  EXPECT_EQ(lu(son_son_get_mode, SON_MOTEUR) & boucle_3d, boucle_3d);
  float mini = 0, maxi = 0;
  ASSERT_EQ(son_son_get_distances_3d(SON_MOTEUR, &mini, &maxi), SON_OK);
  EXPECT_EQ(std::pair(mini, maxi), std::pair(30.0f, 100.0f));
  EXPECT_EQ(lu(son_son_duree, SON_CHOC), 0.0);

  HCanal c;
  ASSERT_EQ(son_joue(g_SystemeSon, SON_CHOC, false, &c), SON_OK);
  EXPECT_FALSE(son_handle_vide(c));
  EXPECT_FALSE(lu(son_canal_en_cours, c));
  EXPECT_EQ(son_canal_set_volume(c, 0.5f), SON_OK);  // an ended channel is still a quiet success
  // Paused, a one-shot waits; resumed, it ends.
  ASSERT_EQ(son_joue(g_SystemeSon, SON_CHOC, true, &c), SON_OK);
  EXPECT_TRUE(lu(son_canal_en_cours, c));
  EXPECT_EQ(son_canal_set_pause(c, false), SON_OK);
  EXPECT_FALSE(lu(son_canal_en_cours, c));

  HCanal m;
  ASSERT_EQ(son_joue(g_SystemeSon, SON_MOTEUR, true, &m), SON_OK);
  EXPECT_EQ(son_canal_set_frequence(m, 22050.0f), SON_OK);
  EXPECT_EQ(son_canal_set_pause(m, false), SON_OK);
  EXPECT_TRUE(lu(son_canal_en_cours, m));
  EXPECT_FLOAT_EQ(lu(son_canal_get_frequence, m), 22050.0f);
  EXPECT_EQ(lu(son_systeme_canaux_joues, g_SystemeSon), 1);
  EXPECT_EQ(son_canal_stop(m), SON_OK);
  EXPECT_FALSE(lu(son_canal_en_cours, m));
  EXPECT_EQ(son_canal_set_frequence(m, -1.0f), SON_ERR_PARAMETRE);
  float trames[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(son_systeme_rendu(g_SystemeSon, trames, 4), SON_OK);
  for (float v : trames) EXPECT_EQ(v, 0.0f);

  Delete_sons();
  EXPECT_EQ(result, SON_OK);
  EXPECT_TRUE(son_handle_vide(SON_MOTEUR));
  EXPECT_EQ(Ferme_son(), SON_OK);
  EXPECT_EQ(Libere_son(), SON_OK);
}

}  // namespace
