// Channels, handles and loading errors; the null, silent and captured outputs; streams.
#include "outils_son.h"

using namespace test_son;

TEST(Canaux, PauseKeepsThePlaceAndResumesThenTheEndedChannelGoesStale) {
  Session s;
  ASSERT_TRUE(s.ok);
  EXPECT_TRUE(lu(son_systeme_hrtf_active, s.sys));  // asked for, and OpenAL Soft ships a built-in data set
  const HSon son = charge_ton(s.sys, 300, 1.0, SON_MODE_DEFAUT);
  HCanal c;
  ASSERT_EQ(son_joue(s.sys, son, false, &c), SON_OK);
  ASSERT_TRUE(s.attend(0.15));
  ASSERT_EQ(son_canal_set_pause(c, true), SON_OK);
  EXPECT_TRUE(lu(son_canal_get_pause, c));
  ASSERT_TRUE(s.attend(0.4));
  lu(son_canal_en_cours, c);  // a paused channel stays valid however long it waits
  ASSERT_EQ(son_canal_set_pause(c, false), SON_OK);
  ASSERT_TRUE(attend_fin(c));
  EXPECT_EQ(son_canal_set_volume(c, 0.5f), SON_ERR_HANDLE_INVALIDE);
  ASSERT_TRUE(s.attend(0.05));
  Capture cap = s.ferme();
  // Nothing skipped, nothing played twice: the whole second, cut by the pause.
  const auto debut = std::find_if(cap.g.begin(), cap.g.end(), [](float x) { return std::fabs(x) > 0.02f; });
  const double sonore = duree_sonore(cap.g, cap.frequence, 0.02);
  EXPECT_NEAR(sonore, 1.0, 0.03);
  const size_t etendue = fin_du_son(cap.g, 0.02f) - static_cast<size_t>(debut - cap.g.begin());
  EXPECT_GT(static_cast<double>(etendue) / cap.frequence, sonore + 0.3);
}

// What the game gets when neither a device nor the null output opens.
TEST(Systeme, SilentModeAnswersEveryCallKeepsChannelStateAndEndsSoundsOnTime) {
  const HSysteme sys = systeme(SON_SORTIE_MUETTE);
  EXPECT_EQ(son_systeme_set_reverb_ambiante(sys, &SON_REVERB_CARPETEDHALLWAY), SON_OK);
  const HSon court = charge_ton(sys, 500, 0.4, SON_MODE_3D | SON_MODE_LOGICIEL, 22050);
  HSon musique;
  ASSERT_EQ(son_cree_flux(sys, ecrit_module_it(64).c_str(), SON_MODE_BOUCLE, &musique), SON_OK);
  const double duree = lu(son_son_duree, court);
  EXPECT_NEAR(duree, 0.4, 0.01);

  const auto debut = std::chrono::steady_clock::now();
  HCanal c, m, en_pause;
  ASSERT_EQ(son_joue(sys, court, false, &c), SON_OK);
  ASSERT_EQ(son_joue(sys, musique, false, &m), SON_OK);
  ASSERT_EQ(son_joue(sys, court, true, &en_pause), SON_OK);
  // The frequency read back is the one set, as the ships' engines expect.
  EXPECT_EQ(son_canal_set_frequence(m, 33075.0f), SON_OK);
  EXPECT_EQ(lu(son_canal_get_frequence, m), 33075.0f);
  // The sound that does not loop ends, and not before its length; the paused one and the music go on.
  EXPECT_TRUE(attend_fin(c));
  EXPECT_GE(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count(), duree);
  EXPECT_TRUE(lu(son_canal_get_pause, en_pause));
  EXPECT_TRUE(lu(son_canal_en_cours, m));
  EXPECT_EQ(lu(son_systeme_canaux_joues, sys), 2);
  // Resumed, the paused one runs its length; a stopped channel's handle goes stale.
  EXPECT_EQ(son_canal_set_pause(en_pause, false), SON_OK);
  EXPECT_TRUE(attend_fin(en_pause));
  EXPECT_EQ(son_canal_stop(m), SON_OK);
  EXPECT_EQ(son_canal_set_volume(m, 1.0f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_systeme_libere(sys), SON_OK);
}

// Out of order, with bad arguments or unreadable files, calls give an error code and nothing else.
TEST(Systeme, NullOutputRunsInTimeStealsTheOldestChannelAndCallsOutOfOrderOrWithBadArgumentsFailWithoutHarm) {
  HSysteme sys;
  float tampon[64] = {};
  EXPECT_EQ(son_systeme_update(sys), SON_ERR_HANDLE_INVALIDE);
  ASSERT_EQ(son_systeme_cree(&sys), SON_OK);
  const std::string wav = ecrit_ton(500, 0.2);
  HSon son{3, 3};
  EXPECT_EQ(son_cree_son(sys, wav.c_str(), SON_MODE_DEFAUT, &son), SON_ERR_NON_INITIALISE);
  EXPECT_EQ(son_systeme_update(sys), SON_ERR_NON_INITIALISE);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_ERR_NON_INITIALISE);
  EXPECT_EQ(son_systeme_init(sys, 0, 0), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_mode_hp(sys, 42), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_MUETTE + 1), SON_ERR_PARAMETRE);
  ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_NULLE), SON_OK);
  ASSERT_EQ(son_systeme_set_tampon(sys, 1024, 10), SON_OK);
  ASSERT_EQ(son_systeme_init(sys, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF), SON_OK);
  EXPECT_EQ(son_systeme_init(sys, 100, 0), SON_ERR_DEJA_INITIALISE);
  EXPECT_TRUE(lu(son_systeme_sortie_nulle, sys));
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_ERR_PERIPHERIQUE);  // it mixes by itself
  const SonVecteur mauvais{std::nanf(""), 0, 0};
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &mauvais, nullptr, nullptr, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 1, nullptr, nullptr, nullptr, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_set_taille_monde(sys, -1.0f), SON_ERR_PARAMETRE);
  // Missing and unreadable files leave empty handles.
  std::ofstream(chemin("pas_un_son.wav")) << "RIFF\x10\0\0\0WAVEfmt this is not a sound file at all";
  const std::pair<const char*, int> fautifs[] = {{"absent.wav", SON_ERR_FICHIER_INTROUVABLE},
                                                 {"pas_un_son.wav", SON_ERR_FORMAT}};
  for (const auto& [nom, attendu] : fautifs)
    for (auto* cree : {son_cree_son, son_cree_flux}) {
      EXPECT_EQ(cree(sys, chemin(nom).c_str(), SON_MODE_DEFAUT, &son), attendu) << nom;
      EXPECT_TRUE(son_handle_vide(son)) << nom;
    }
  EXPECT_EQ(son_cree_son(sys, nullptr, SON_MODE_DEFAUT, &son), SON_ERR_PARAMETRE);
  HCanal c;
  EXPECT_EQ(son_joue(sys, son, false, &c), SON_ERR_HANDLE_INVALIDE);
  ASSERT_EQ(son_cree_son(sys, wav.c_str(), SON_MODE_3D, &son), SON_OK);
  ASSERT_EQ(son_joue(sys, son, false, &c), SON_OK);
  EXPECT_TRUE(attend_fin(c));  // the null output mixes in time, so sounds end
  // All channels busy: the oldest playing one is taken, its old handle stays stale.
  const HSon boucle = charge_ton(sys, 300, 0.2, SON_MODE_BOUCLE);
  const HSon autre_son = charge_ton(sys, 300, 0.2, SON_MODE_BOUCLE);
  HCanal moteur;
  ASSERT_EQ(son_joue(sys, boucle, true, &moteur), SON_OK);
  std::vector<HCanal> autres(99);
  for (HCanal& h : autres) ASSERT_EQ(son_joue(sys, autre_son, false, &h), SON_OK);
  HCanal de_plus;
  ASSERT_EQ(son_joue(sys, autre_son, false, &de_plus), SON_OK);
  EXPECT_EQ(de_plus.index, autres[0].index);
  lu(son_canal_en_cours, moteur);
  EXPECT_EQ(son_canal_set_volume(autres[0], 1.0f), SON_ERR_HANDLE_INVALIDE);
  lu(son_canal_en_cours, autres[1]);
  EXPECT_EQ(lu(son_systeme_canaux_joues, sys), 100);
  EXPECT_EQ(son_canal_stop(autres[1]), SON_OK);
  EXPECT_EQ(lu(son_systeme_canaux_joues, sys), 99);
  EXPECT_EQ(son_canal_stop(autres[1]), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_canal_set_volume(HCanal{}, 1.0f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_canal_set_volume(HCanal{12345, 999999}, 1.0f), SON_ERR_HANDLE_INVALIDE);
  const SonVecteur p{1, 2, 3};
  EXPECT_EQ(son_canal_set_3d(moteur, &p, nullptr), SON_ERR_BESOIN_3D);  // a 2D channel cannot be placed
  // Releasing a sound stops its channels and makes their handles stale.
  EXPECT_EQ(son_son_libere(autre_son), SON_OK);
  EXPECT_EQ(son_canal_set_pause(de_plus, false), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_son_libere(autre_son), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_joue(sys, autre_son, false, &de_plus), SON_ERR_HANDLE_INVALIDE);
  EXPECT_TRUE(son_handle_vide(de_plus));
  EXPECT_EQ(lu(son_systeme_canaux_joues, sys), 1);
  // A second system cannot start while this one runs (one OpenAL context at a time).
  HSysteme autre;
  ASSERT_EQ(son_systeme_cree(&autre), SON_OK);
  EXPECT_EQ(son_systeme_init(autre, 100, 0), SON_ERR_PERIPHERIQUE);
  EXPECT_EQ(son_systeme_libere(autre), SON_OK);
  EXPECT_EQ(son_systeme_ferme(sys), SON_OK);
  EXPECT_EQ(son_canal_set_volume(c, 1.0f), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_son_libere(son), SON_ERR_HANDLE_INVALIDE);  // close released it
  ASSERT_EQ(son_systeme_init(sys, 100, SON_INIT_NORMAL), SON_OK);  // a closed system starts again
  EXPECT_EQ(son_systeme_libere(sys), SON_OK);
  EXPECT_EQ(son_systeme_libere(sys), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_ERR_HANDLE_INVALIDE);
}

// Streams read from the layer's own thread, the loop muted so that the song is heard; no HRTF.
TEST(Flux, AModulePlaysToTheEndOfItsSongAndALoopShorterThanTheBuffersPlaysWithoutEnd) {
  Session s(SON_INIT_NORMAL);
  ASSERT_TRUE(s.ok);
  EXPECT_FALSE(lu(son_systeme_hrtf_active, s.sys));
  HSon musique, boucle;
  ASSERT_EQ(son_cree_flux(s.sys, ecrit_module_it(16).c_str(), SON_MODE_DEFAUT, &musique), SON_OK);
  ASSERT_EQ(son_cree_flux(s.sys, ecrit_ton(400, 0.25).c_str(), SON_MODE_BOUCLE, &boucle), SON_OK);
  EXPECT_NEAR(lu(son_son_duree, musique), 1.92, 0.05);  // 16 rows at speed 6, tempo 125
  HCanal c, premier, muette;
  ASSERT_EQ(son_joue(s.sys, boucle, true, &premier), SON_OK);
  // One read position per stream: playing it again moves it to a new channel.
  ASSERT_EQ(son_joue(s.sys, boucle, true, &muette), SON_OK);
  EXPECT_EQ(son_canal_set_volume(premier, 1.0f), SON_ERR_HANDLE_INVALIDE);
  ASSERT_EQ(son_canal_set_volume(muette, 0.0f), SON_OK);
  ASSERT_EQ(son_canal_set_pause(muette, false), SON_OK);
  ASSERT_EQ(son_joue(s.sys, musique, true, &c), SON_OK);
  ASSERT_EQ(son_canal_set_volume(c, 1.0f), SON_OK);
  ASSERT_EQ(son_canal_set_pause(c, false), SON_OK);
  ASSERT_TRUE(s.attend(2.6));
  EXPECT_TRUE(attend_fin(c));
  EXPECT_EQ(son_canal_stop(c), SON_ERR_HANDLE_INVALIDE);  // the song ended and freed its channel
  EXPECT_TRUE(lu(son_canal_en_cours, muette));
  EXPECT_EQ(son_son_libere(boucle), SON_OK);
  EXPECT_EQ(son_canal_set_pause(muette, true), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(lu(son_systeme_canaux_joues, s.sys), 0);
  Capture cap = s.ferme();
  // The whole song, far more than the queued buffers, and not much more.
  EXPECT_NEAR(duree_sonore(cap.somme(), cap.frequence), 2.0, 0.2);
}
