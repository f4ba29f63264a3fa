// Streams: a tracker module and a looping WAV keep playing from the layer's own thread while the
// caller does nothing; a stream that ends frees its channel.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "outils_son.h"

using namespace test_son;

TEST(Flux, AModulePlaysOnWhileTheCallerDoesNothingAndItsChannelEndsWithTheSong) {
  const std::string it = chemin("essai.it");
  ecrit_module_it(it, 16);  // 16 rows at speed 6, tempo 125: 1.92 s
  Session s;
  ASSERT_TRUE(s.ok);
  HSon musique;
  ASSERT_EQ(son_cree_flux(s.sys, it.c_str(), SON_MODE_DEFAUT, &musique), SON_OK);
  double duree = 0;
  ASSERT_EQ(son_son_duree(musique, &duree), SON_OK);
  EXPECT_NEAR(duree, 1.92, 0.05);
  HCanal c;
  ASSERT_EQ(son_joue(s.sys, musique, true, &c), SON_OK);
  ASSERT_EQ(son_canal_set_volume(c, 1.0f), SON_OK);
  ASSERT_EQ(son_canal_set_pause(c, false), SON_OK);
  s.marque();
  ASSERT_TRUE(s.attend(2.6));  // no call into the layer while the song plays
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  bool en_cours = true;
  while (son_canal_en_cours(c, &en_cours) == SON_OK && std::chrono::steady_clock::now() < limite)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(en_cours);  // the song ended and freed its channel
  EXPECT_EQ(son_canal_stop(c), SON_ERR_HANDLE_INVALIDE);
  Capture cap = s.ferme();
  const double sonore = duree_sonore(cap.somme(), cap.frequence);
  EXPECT_GT(sonore, 1.8);  // the whole song, far more than the queued buffers, and not much more
  EXPECT_LT(sonore, 2.2);
}

TEST(Flux, ALoopingStreamShorterThanTheBuffersPlaysWithoutEndAndReleasingItStopsItsChannel) {
  const std::string wav = chemin("boucle_courte.wav");
  ecrit_wav(wav, sinus(400, 0.25, 44100), 44100);
  Session s;
  ASSERT_TRUE(s.ok);
  HSon flux;
  ASSERT_EQ(son_cree_flux(s.sys, wav.c_str(), SON_MODE_BOUCLE, &flux), SON_OK);
  HCanal premier, c;
  ASSERT_EQ(son_joue(s.sys, flux, false, &premier), SON_OK);
  // One read position per stream: playing it again moves it to a new channel.
  ASSERT_EQ(son_joue(s.sys, flux, false, &c), SON_OK);
  EXPECT_EQ(son_canal_set_volume(premier, 1.0f), SON_ERR_HANDLE_INVALIDE);
  s.marque();
  ASSERT_TRUE(s.attend(1.5));
  bool en_cours = false;
  EXPECT_EQ(son_canal_en_cours(c, &en_cours), SON_OK);
  EXPECT_EQ(son_son_libere(flux), SON_OK);
  EXPECT_EQ(son_canal_set_pause(c, true), SON_ERR_HANDLE_INVALIDE);
  int nb = -1;
  EXPECT_EQ(son_systeme_canaux_joues(s.sys, &nb), SON_OK);
  EXPECT_EQ(nb, 0);
  Capture cap = s.ferme();
  EXPECT_GT(duree_sonore(cap.g, cap.frequence), 1.0);
}

TEST(Flux, ALoopingModulePlaysPastItsEnd) {
  const std::string it = chemin("boucle.it");
  ecrit_module_it(it, 8);  // 0.96 s per pass
  Session s;
  ASSERT_TRUE(s.ok);
  HSon musique;
  ASSERT_EQ(son_cree_flux(s.sys, it.c_str(), SON_MODE_BOUCLE, &musique), SON_OK);
  HCanal c;
  ASSERT_EQ(son_joue(s.sys, musique, false, &c), SON_OK);
  ASSERT_EQ(son_canal_set_volume(c, 1.0f), SON_OK);
  s.marque();
  ASSERT_TRUE(s.attend(2.5));  // more than two passes
  bool en_cours = false;
  EXPECT_EQ(son_canal_en_cours(c, &en_cours), SON_OK);
  EXPECT_TRUE(en_cours);
  EXPECT_EQ(son_canal_stop(c), SON_OK);
  Capture cap = s.ferme();
  EXPECT_GT(duree_sonore(cap.somme(), cap.frequence), 2.0);
}
