// The render output: the mix produced on request, as long as asked and the same every time, with
// its channels in order; a system with a device or the null output refuses to render.
#include <gtest/gtest.h>

#include <vector>

#include "outils_son.h"

using namespace test_son;

namespace {

const SonVecteur k_origine{0, 0, 0};
const SonVecteur k_avant{0, 0, 1};  // left-handed: the game's -z
const SonVecteur k_haut{0, 1, 0};

const std::string& ton_court() {
  static const std::string f = [] {
    std::string c = chemin("rendu_ton440.wav");
    ecrit_wav(c, sinus(440, 0.25, 44100, 0.5f), 44100);
    return c;
  }();
  return f;
}

// A system on the render output with the listener at the origin; the 0.25 s tone played once at
// `pos` (layer vectors), rendered in blocks of `bloc` frames for `trames` frames.
std::vector<float> rend_ton(const SonVecteur& pos, int trames, int bloc) {
  HSysteme sys;
  EXPECT_EQ(son_systeme_cree(&sys), SON_OK);
  EXPECT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_RENDU), SON_OK);
  EXPECT_EQ(son_systeme_init(sys, 8, SON_INIT_OCCLUSION | SON_INIT_HRTF), SON_OK);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &k_origine, &k_origine, &k_avant, &k_haut), SON_OK);
  HSon son;
  EXPECT_EQ(son_cree_son(sys, ton_court().c_str(), SON_MODE_3D, &son), SON_OK);
  son_son_set_distances_3d(son, 5, 100);
  HCanal c;
  EXPECT_EQ(son_joue(sys, son, true, &c), SON_OK);
  son_canal_set_3d(c, &pos, nullptr);
  son_canal_set_pause(c, false);
  son_systeme_update(sys);
  std::vector<float> tout;
  for (int fait = 0; fait < trames; fait += bloc) {
    const int n = std::min(bloc, trames - fait);
    std::vector<float> b(static_cast<size_t>(n) * 2);
    EXPECT_EQ(son_systeme_rendu(sys, b.data(), n), SON_OK);
    tout.insert(tout.end(), b.begin(), b.end());
  }
  son_systeme_libere(sys);
  return tout;
}

std::vector<float> voie(const std::vector<float>& stereo, int k) {
  std::vector<float> v(stereo.size() / 2);
  for (size_t i = 0; i < v.size(); i++) v[i] = stereo[2 * i + static_cast<size_t>(k)];
  return v;
}

}  // namespace

TEST(Rendu, TheMixFollowsTheFramesAskedForAndIsTheSameEveryTime) {
  const int f = SON_FREQUENCE_RENDU;
  const std::vector<float> a = rend_ton(SonVecteur{0, 0, 5}, f / 2, 441);
  const std::vector<float> b = rend_ton(SonVecteur{0, 0, 5}, f / 2, 1000);
  ASSERT_EQ(a.size(), static_cast<size_t>(f));  // half a second of stereo frames
  // The block size does not matter: sound advances by frames, never by the clock.
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); i++) ASSERT_NEAR(a[i], b[i], 1e-6f) << "sample " << i;

  // The quarter-second tone ends a quarter-second in, at its own pitch.
  const std::vector<float> g = voie(a, 0);
  EXPECT_NEAR(static_cast<double>(fin_du_son(g, 0.001f)) / f, 0.25, 0.01);
  EXPECT_LT(premier_au_dessus(g, 0.001f), static_cast<size_t>(0.005 * f));
  EXPECT_NEAR(hauteur(g, 0, f / 5, f), 440.0, 2.0);
}

TEST(Rendu, LeftAndRightComeInThatOrder) {
  const std::vector<float> droite = rend_ton(SonVecteur{10, 0, 0}, SON_FREQUENCE_RENDU / 5, 512);
  const size_t n = droite.size() / 2;
  EXPECT_GT(db(rms(voie(droite, 1), 0, n) / rms(voie(droite, 0), 0, n)), 6.0);
  const std::vector<float> gauche = rend_ton(SonVecteur{-10, 0, 0}, SON_FREQUENCE_RENDU / 5, 512);
  EXPECT_GT(db(rms(voie(gauche, 0), 0, n) / rms(voie(gauche, 1), 0, n)), 6.0);
}

TEST(Rendu, OnlyASystemOnTheRenderOutputRendersAndOnlyWhatItIsGiven) {
  float tampon[64] = {};
  HSysteme sys;
  ASSERT_EQ(son_systeme_cree(&sys), SON_OK);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_ERR_NON_INITIALISE);
  ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_NULLE), SON_OK);
  ASSERT_EQ(son_systeme_init(sys, 4, SON_INIT_NORMAL), SON_OK);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_ERR_PERIPHERIQUE);  // it mixes by itself
  ASSERT_EQ(son_systeme_ferme(sys), SON_OK);
  EXPECT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_MUETTE + 1), SON_ERR_PARAMETRE);
  ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_RENDU), SON_OK);
  ASSERT_EQ(son_systeme_init(sys, 4, SON_INIT_NORMAL), SON_OK);
  bool nulle = true;
  EXPECT_EQ(son_systeme_sortie_nulle(sys, &nulle), SON_OK);
  EXPECT_FALSE(nulle);
  EXPECT_EQ(son_systeme_rendu(sys, nullptr, 16), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, -1), SON_ERR_PARAMETRE);
  // Silence with nothing playing; the frames past those asked for stay untouched.
  tampon[32] = 7.0f;
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_OK);
  for (int i = 0; i < 32; i++) EXPECT_EQ(tampon[i], 0.0f);
  EXPECT_EQ(tampon[32], 7.0f);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 0), SON_OK);
  ASSERT_EQ(son_systeme_libere(sys), SON_OK);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_ERR_HANDLE_INVALIDE);
}
