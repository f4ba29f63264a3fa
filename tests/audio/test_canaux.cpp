// Channels: pause keeps the place, stop and the end of a sound free the channel, stale and null
// handles fail cleanly; loading errors; the null output; init flags; streams that play on from the
// layer's own thread while the caller does nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "outils_son.h"

using namespace test_son;

TEST(Canaux, PauseKeepsThePlaceAndResumesThenTheEndedChannelGoesStale) {
  Session s;
  ASSERT_TRUE(s.ok);
  const HSon son = charge_ton(s.sys, 300, 1.0, SON_MODE_DEFAUT);
  HCanal c;
  ASSERT_EQ(son_joue(s.sys, son, false, &c), SON_OK);
  s.marque();
  ASSERT_TRUE(s.attend(0.15));
  ASSERT_EQ(son_canal_set_pause(c, true), SON_OK);
  bool pause = false;
  ASSERT_EQ(son_canal_get_pause(c, &pause), SON_OK);
  EXPECT_TRUE(pause);
  ASSERT_TRUE(s.attend(0.4));  // a paused channel stays valid however long it waits
  bool en_cours = false;
  EXPECT_EQ(son_canal_en_cours(c, &en_cours), SON_OK);
  ASSERT_EQ(son_canal_set_pause(c, false), SON_OK);
  ASSERT_TRUE(attend_fin(c));
  EXPECT_EQ(son_canal_set_volume(c, 0.5f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_canal_stop(c), SON_ERR_HANDLE_INVALIDE);
  s.marque();
  ASSERT_TRUE(s.attend(0.05));
  Capture cap = s.ferme();
  // Nothing skipped, nothing played twice: the whole second, cut by the pause.
  const auto debut = std::find_if(cap.g.begin(), cap.g.end(), [](float x) { return std::fabs(x) > 0.02f; });
  const double sonore = duree_sonore(cap.g, cap.frequence, 0.02);
  EXPECT_NEAR(sonore, 1.0, 0.03);
  const size_t etendue = fin_du_son(cap.g, 0.02f) - static_cast<size_t>(debut - cap.g.begin());
  EXPECT_GT(static_cast<double>(etendue) / cap.frequence, sonore + 0.3);
}

TEST(Canaux, StopFreesTheChannelAndOldHandlesStayStaleWhenItIsReused) {
  Session s;
  ASSERT_TRUE(s.ok);
  const HSon son = charge_ton(s.sys, 300, 0.2, SON_MODE_BOUCLE);
  HCanal a;
  ASSERT_EQ(son_joue(s.sys, son, false, &a), SON_OK);
  int nb = 0;
  ASSERT_EQ(son_systeme_canaux_joues(s.sys, &nb), SON_OK);
  EXPECT_EQ(nb, 1);
  EXPECT_EQ(son_canal_stop(a), SON_OK);
  ASSERT_EQ(son_systeme_canaux_joues(s.sys, &nb), SON_OK);
  EXPECT_EQ(nb, 0);
  HCanal b;
  ASSERT_EQ(son_joue(s.sys, son, true, &b), SON_OK);
  EXPECT_EQ(b.index, a.index);  // the freed channel is the free one
  EXPECT_EQ(son_canal_set_pause(a, false), SON_ERR_HANDLE_INVALIDE);
  float f = 0;
  EXPECT_EQ(son_canal_get_frequence(a, &f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_canal_get_frequence(b, &f), SON_OK);
  EXPECT_EQ(son_canal_set_volume(HCanal{}, 1.0f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_canal_set_volume(HCanal{12345, 999999}, 1.0f), SON_ERR_HANDLE_INVALIDE);
  // A 2D channel cannot be placed.
  SonVecteur p{1, 2, 3};
  EXPECT_EQ(son_canal_set_3d(b, &p, nullptr), SON_ERR_BESOIN_3D);
  // Releasing the sound stops its channels and makes both handles stale.
  EXPECT_EQ(son_son_libere(son), SON_OK);
  EXPECT_EQ(son_canal_set_pause(b, false), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_son_libere(son), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_joue(s.sys, son, false, &b), SON_ERR_HANDLE_INVALIDE);
  EXPECT_TRUE(son_handle_vide(b));
}

TEST(Canaux, AllChannelsBusyTakesTheOldestPlayingOneAndSparesPausedOnes) {
  Session s;
  ASSERT_TRUE(s.ok);
  const HSon boucle = charge_ton(s.sys, 300, 0.2, SON_MODE_BOUCLE);
  const HSon autre_son = charge_ton(s.sys, 300, 0.2, SON_MODE_BOUCLE);
  HCanal moteur;
  ASSERT_EQ(son_joue(s.sys, boucle, true, &moteur), SON_OK);
  std::vector<HCanal> autres(99);
  for (HCanal& c : autres) ASSERT_EQ(son_joue(s.sys, autre_son, false, &c), SON_OK);
  HCanal de_plus;
  ASSERT_EQ(son_joue(s.sys, autre_son, false, &de_plus), SON_OK);
  bool en_cours = false;
  EXPECT_EQ(son_canal_en_cours(moteur, &en_cours), SON_OK);
  EXPECT_EQ(son_canal_en_cours(autres[0], &en_cours), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_canal_en_cours(autres[1], &en_cours), SON_OK);
  int nb = 0;
  ASSERT_EQ(son_systeme_canaux_joues(s.sys, &nb), SON_OK);
  EXPECT_EQ(nb, 100);
}

TEST(Chargement, MissingAndUnreadableFilesGiveErrorsAndEmptyHandles) {
  Session s;
  ASSERT_TRUE(s.ok);
  HSon son{3, 3};
  EXPECT_EQ(son_cree_son(s.sys, chemin("absent.wav").c_str(), SON_MODE_3D, &son), SON_ERR_FICHIER_INTROUVABLE);
  EXPECT_TRUE(son_handle_vide(son));
  EXPECT_EQ(son_cree_flux(s.sys, chemin("absent.it").c_str(), SON_MODE_DEFAUT, &son), SON_ERR_FICHIER_INTROUVABLE);
  EXPECT_TRUE(son_handle_vide(son));
  const std::string texte = chemin("pas_un_son.wav");
  ecrit_texte(texte, "RIFF\x10\0\0\0WAVEfmt this is not a sound file at all");
  EXPECT_EQ(son_cree_son(s.sys, texte.c_str(), SON_MODE_DEFAUT, &son), SON_ERR_FORMAT);
  EXPECT_EQ(son_cree_flux(s.sys, texte.c_str(), SON_MODE_DEFAUT, &son), SON_ERR_FORMAT);
  EXPECT_EQ(son_cree_son(s.sys, nullptr, SON_MODE_DEFAUT, &son), SON_ERR_PARAMETRE);
  HCanal c;
  EXPECT_EQ(son_joue(s.sys, son, false, &c), SON_ERR_HANDLE_INVALIDE);
}

TEST(Systeme, NullOutputRunsSilentlyWithTimePassingAndEveryCallSucceeds) {
  HSysteme sys;
  ASSERT_EQ(son_systeme_cree(&sys), SON_OK);
  ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_NULLE), SON_OK);
  unsigned caps = 0;
  int mode = -1;
  ASSERT_EQ(son_systeme_caps_pilote(sys, 0, &caps, &mode), SON_OK);
  EXPECT_TRUE(caps & SON_CAPS_EMULATION);
  EXPECT_EQ(mode, SON_HP_STEREO);
  ASSERT_EQ(son_systeme_set_tampon(sys, 1024, 10), SON_OK);
  ASSERT_EQ(son_systeme_init(sys, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF), SON_OK);
  bool nulle = false;
  ASSERT_EQ(son_systeme_sortie_nulle(sys, &nulle), SON_OK);
  EXPECT_TRUE(nulle);
  EXPECT_EQ(son_systeme_set_reverb_ambiante(sys, &SON_REVERB_CARPETEDHALLWAY), SON_OK);
  const HSon son = charge_ton(sys, 500, 0.2, SON_MODE_3D);
  HCanal c;
  ASSERT_EQ(son_joue(sys, son, false, &c), SON_OK);
  SonVecteur p{1, 0, 5}, v{0, 0, 0}, avant{0, 0, 1}, haut{0, 1, 0};
  EXPECT_EQ(son_canal_set_3d(c, &p, &v), SON_OK);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &v, &v, &avant, &haut), SON_OK);
  EXPECT_EQ(son_systeme_update(sys), SON_OK);
  EXPECT_TRUE(attend_fin(c));  // the null output mixes in time, so sounds end
  EXPECT_EQ(son_systeme_ferme(sys), SON_OK);
  EXPECT_EQ(son_canal_set_volume(c, 1.0f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_son_libere(son), SON_ERR_HANDLE_INVALIDE);  // close released it
  // A closed system can start again.
  ASSERT_EQ(son_systeme_init(sys, 100, SON_INIT_NORMAL), SON_OK);
  EXPECT_EQ(son_systeme_libere(sys), SON_OK);
  EXPECT_EQ(son_systeme_libere(sys), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_systeme_update(sys), SON_ERR_HANDLE_INVALIDE);
}

// What the game gets when neither a device nor the null output opens.
TEST(Systeme, SilentModeAnswersEveryCallKeepsChannelStateAndEndsSoundsOnTime) {
  const std::string it = chemin("muet.it");
  ecrit_module_it(it, 64);
  HSysteme sys;
  ASSERT_EQ(son_systeme_cree(&sys), SON_OK);
  ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_MUETTE), SON_OK);
  ASSERT_EQ(son_systeme_init(sys, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF), SON_OK);
  EXPECT_EQ(son_systeme_set_reverb_ambiante(sys, &SON_REVERB_CARPETEDHALLWAY), SON_OK);
  const HSon court = charge_ton(sys, 500, 0.4, SON_MODE_3D | SON_MODE_LOGICIEL, 22050);
  const HSon boucle = charge_ton(sys, 500, 0.4, SON_MODE_3D, 22050);
  HSon musique;
  EXPECT_EQ(son_son_set_mode(boucle, SON_MODE_BOUCLE), SON_OK);
  EXPECT_EQ(son_son_set_distances_3d(court, 20, 50), SON_OK);
  ASSERT_EQ(son_cree_flux(sys, it.c_str(), SON_MODE_BOUCLE, &musique), SON_OK);
  double duree = 0;
  ASSERT_EQ(son_son_duree(court, &duree), SON_OK);
  EXPECT_NEAR(duree, 0.4, 0.01);
  HReverb zone;
  ASSERT_EQ(son_reverb_cree(sys, &zone), SON_OK);
  const SonVecteur o{0, 0, 0}, p{1, 0, 5}, avant{0, 0, 1}, haut{0, 1, 0};
  EXPECT_EQ(son_reverb_set_3d(zone, &o, 10, 40), SON_OK);
  EXPECT_EQ(son_reverb_set_preset(zone, "CAVE"), SON_OK);
  HGeometrie geo;
  ASSERT_EQ(son_geometrie_cree(sys, 4, 16, &geo), SON_OK);
  const SonVecteur mur[4] = {{-5, -5, 2}, {5, -5, 2}, {5, 5, 2}, {-5, 5, 2}};
  int index = -1;
  EXPECT_EQ(son_geometrie_ajoute_polygone(geo, 0.8f, 0.5f, true, 4, mur, &index), SON_OK);

  const auto debut = std::chrono::steady_clock::now();
  HCanal c, b, m, en_pause;
  ASSERT_EQ(son_joue(sys, court, false, &c), SON_OK);
  ASSERT_EQ(son_joue(sys, boucle, false, &b), SON_OK);
  ASSERT_EQ(son_joue(sys, musique, true, &m), SON_OK);
  ASSERT_EQ(son_joue(sys, court, true, &en_pause), SON_OK);
  EXPECT_EQ(son_canal_set_volume(m, 0.5f), SON_OK);
  EXPECT_EQ(son_canal_set_pause(m, false), SON_OK);
  EXPECT_EQ(son_canal_set_3d(c, &p, &o), SON_OK);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &o, &o, &avant, &haut), SON_OK);
  EXPECT_EQ(son_systeme_update(sys), SON_OK);
  // The frequency read back is the one set, as the ships' engines expect.
  float f = 0;
  ASSERT_EQ(son_canal_get_frequence(b, &f), SON_OK);
  EXPECT_EQ(f, 22050.0f);
  EXPECT_EQ(son_canal_set_frequence(b, 33075.0f), SON_OK);
  ASSERT_EQ(son_canal_get_frequence(b, &f), SON_OK);
  EXPECT_EQ(f, 33075.0f);

  // The sound that does not loop ends, and not before its length.
  EXPECT_TRUE(attend_fin(c));
  EXPECT_GE(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count(), duree);
  // The paused one, the loop and the music go on.
  bool etat = false;
  EXPECT_EQ(son_canal_get_pause(en_pause, &etat), SON_OK);
  EXPECT_TRUE(etat);
  EXPECT_EQ(son_canal_en_cours(b, &etat), SON_OK);
  EXPECT_EQ(son_canal_en_cours(m, &etat), SON_OK);
  int joues = 0;
  EXPECT_EQ(son_systeme_canaux_joues(sys, &joues), SON_OK);
  EXPECT_EQ(joues, 3);
  // Resumed, the paused one runs its length; a stopped channel's handle goes stale.
  EXPECT_EQ(son_canal_set_pause(en_pause, false), SON_OK);
  EXPECT_TRUE(attend_fin(en_pause));
  EXPECT_EQ(son_canal_stop(b), SON_OK);
  EXPECT_EQ(son_canal_set_volume(b, 1.0f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_geometrie_libere(geo), SON_OK);
  EXPECT_EQ(son_reverb_libere(zone), SON_OK);
  EXPECT_EQ(son_son_libere(musique), SON_OK);
  EXPECT_EQ(son_systeme_ferme(sys), SON_OK);
  EXPECT_EQ(son_systeme_libere(sys), SON_OK);
}

TEST(Systeme, CallsOutOfOrderOrWithBadArgumentsFailWithoutHarm) {
  HSysteme sys;
  EXPECT_EQ(son_systeme_version(sys, nullptr), SON_ERR_HANDLE_INVALIDE);
  ASSERT_EQ(son_systeme_cree(&sys), SON_OK);
  unsigned v = 0;
  EXPECT_EQ(son_systeme_version(sys, &v), SON_OK);
  EXPECT_EQ(v, SON_VERSION);
  const std::string wav = chemin("court2.wav");
  ecrit_wav(wav, sinus(500, 0.2, 44100), 44100);
  HSon son;
  EXPECT_EQ(son_cree_son(sys, wav.c_str(), SON_MODE_DEFAUT, &son), SON_ERR_NON_INITIALISE);
  EXPECT_EQ(son_systeme_update(sys), SON_ERR_NON_INITIALISE);
  EXPECT_EQ(son_systeme_init(sys, 0, 0), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_mode_hp(sys, 42), SON_ERR_PARAMETRE);
  ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_NULLE), SON_OK);
  ASSERT_EQ(son_systeme_init(sys, 100, 0), SON_OK);
  EXPECT_EQ(son_systeme_init(sys, 100, 0), SON_ERR_DEJA_INITIALISE);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  SonVecteur mauvais{nan, 0, 0};
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &mauvais, nullptr, nullptr, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 1, nullptr, nullptr, nullptr, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_taille_monde(sys, -1.0f), SON_ERR_PARAMETRE);
  // A second system cannot start while this one runs (one OpenAL context at a time).
  HSysteme autre;
  ASSERT_EQ(son_systeme_cree(&autre), SON_OK);
  EXPECT_EQ(son_systeme_init(autre, 100, 0), SON_ERR_PERIPHERIQUE);
  EXPECT_EQ(son_systeme_libere(autre), SON_OK);
  EXPECT_EQ(son_systeme_libere(sys), SON_OK);
}

TEST(Systeme, HeadRelatedFilteringFollowsTheInitFlag) {
  bool hrtf = false;
  {
    Session s(SON_INIT_HRTF);
    ASSERT_TRUE(s.ok);
    ASSERT_EQ(son_systeme_hrtf_active(s.sys, &hrtf), SON_OK);
    EXPECT_TRUE(hrtf);  // OpenAL Soft ships a built-in data set
  }
  Session s(SON_INIT_NORMAL);
  ASSERT_TRUE(s.ok);
  ASSERT_EQ(son_systeme_hrtf_active(s.sys, &hrtf), SON_OK);
  EXPECT_FALSE(hrtf);
}

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
  EXPECT_TRUE(attend_fin(c));
  EXPECT_EQ(son_canal_stop(c), SON_ERR_HANDLE_INVALIDE);  // the song ended and freed its channel
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
