// The render output and what is heard in it: the mix produced on request, as long as asked and the
// same every time; 3D placement, distance falloff and pitch; only that output renders.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "outils_son.h"

using namespace test_son;

namespace {

const SonVecteur k_origine{0, 0, 0};
const SonVecteur k_avant{0, 0, 1};  // left-handed: the game's -z
const SonVecteur k_haut{0, 1, 0};

struct Ecoute {
  SonVecteur pos{0, 0, 5};
  float min = 5, max = 100;
  SonVecteur avant = k_avant;
  int frequence_son = 44100;
  float facteur = 1;  // on the channel's frequency
  int bloc = 1024;
};

// A quarter-second 440 Hz tone played once as `e` says, the listener at the origin, rendered in
// blocks of `e.bloc` frames.
Capture rend_ton(const Ecoute& e, double secondes = 0.3) {
  const std::string wav = chemin("ton440_" + std::to_string(e.frequence_son) + ".wav");
  ecrit_wav(wav, sinus(440, 0.25, e.frequence_son), e.frequence_son);
  HSysteme sys;
  EXPECT_EQ(son_systeme_cree(&sys), SON_OK);
  EXPECT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_RENDU), SON_OK);
  EXPECT_EQ(son_systeme_init(sys, 8, SON_INIT_OCCLUSION | SON_INIT_HRTF), SON_OK);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &k_origine, &k_origine, &e.avant, &k_haut), SON_OK);
  HSon son;
  EXPECT_EQ(son_cree_son(sys, wav.c_str(), SON_MODE_3D, &son), SON_OK);
  EXPECT_EQ(son_son_set_distances_3d(son, e.min, e.max), SON_OK);
  HCanal c;
  EXPECT_EQ(son_joue(sys, son, true, &c), SON_OK);
  float f = 0;
  EXPECT_EQ(son_canal_get_frequence(c, &f), SON_OK);
  EXPECT_EQ(f, static_cast<float>(e.frequence_son));  // a channel starts at its sound's rate
  EXPECT_EQ(son_canal_set_frequence(c, -5.0f), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_canal_set_frequence(c, f * e.facteur), SON_OK);
  EXPECT_EQ(son_canal_set_3d(c, &e.pos, &k_origine), SON_OK);
  EXPECT_EQ(son_canal_set_pause(c, false), SON_OK);
  EXPECT_EQ(son_systeme_update(sys), SON_OK);
  Capture cap = rend(sys, secondes, e.bloc);
  son_systeme_libere(sys);
  return cap;
}

// Level of the steady part of the tone.
double niveau(const std::vector<float>& x) { return rms(x, 2205, 6615); }

}  // namespace

TEST(Rendu, TheMixFollowsTheFramesAskedForAndIsTheSameEveryTime) {
  const int f = SON_FREQUENCE_RENDU;
  Ecoute e;
  e.bloc = 441;
  const Capture a = rend_ton(e, 0.5);
  e.bloc = 1000;
  const Capture b = rend_ton(e, 0.5);
  ASSERT_EQ(a.g.size(), static_cast<size_t>(f / 2));
  // The block size does not matter: sound advances by frames, never by the clock.
  for (size_t i = 0; i < a.g.size(); i++) ASSERT_NEAR(a.g[i], b.g[i], 1e-6f) << "frame " << i;
  for (size_t i = 0; i < a.d.size(); i++) ASSERT_NEAR(a.d[i], b.d[i], 1e-6f) << "frame " << i;
  // The quarter-second tone ends a quarter-second in, at its own pitch.
  EXPECT_NEAR(static_cast<double>(fin_du_son(a.g, 0.001f)) / f, 0.25, 0.01);
  const auto debut = std::find_if(a.g.begin(), a.g.end(), [](float x) { return std::fabs(x) > 0.001f; });
  EXPECT_LT(debut - a.g.begin(), f / 200);
  EXPECT_NEAR(hauteur(a.g, 0, f / 5, f), 440.0, 2.0);
}

TEST(Rendu, ASourceOnTheRightIsHeardOnTheRightAndTurningTheListenerSwapsIt) {
  const struct {
    SonVecteur pos, avant;
    bool a_droite;
  } cas[] = {{{10, 0, 0}, k_avant, true},
             {{-10, 0, 0}, k_avant, false},
             // Facing the other way (the forward vector goes through the same z flip).
             {{10, 0, 0}, {0, 0, -1}, false}};
  for (const auto& k : cas) {
    SCOPED_TRACE(k.pos.x + 10 * k.avant.z);
    Ecoute e;
    e.pos = k.pos;
    e.avant = k.avant;
    const Capture c = rend_ton(e);
    const double g = niveau(c.g), d = niveau(c.d);
    EXPECT_GT(std::max(g, d), 0.01);
    EXPECT_GT(k.a_droite ? db(d / g) : db(g / d), 6.0) << "right " << d << " left " << g;
  }
}

TEST(Rendu, LevelFallsAsInverseDistanceClampedBetweenMinAndMax) {
  Ecoute e;
  e.min = 5;
  e.max = 40;
  auto a_distance = [&](float dist) {
    e.pos = SonVecteur{0, 0, dist};
    const Capture c = rend_ton(e);
    return niveau(c.somme());
  };
  const double a_min = a_distance(5);
  ASSERT_GT(a_min, 0.01);
  // Closer than min: full level; then halving with each doubling; beyond max: held at max.
  const struct {
    float dist;
    double rapport;
  } cas[] = {{2.5f, 1.0}, {10, 0.5}, {20, 0.25}, {80, 5.0 / 40}};
  for (const auto& k : cas) EXPECT_NEAR(db(a_distance(k.dist) / a_min), db(k.rapport), 1.0) << k.dist;
}

TEST(Rendu, DoublingTheChannelFrequencyDoublesThePitch) {
  Ecoute e;
  e.frequence_son = 22050;
  const Capture base = rend_ton(e);
  e.facteur = 2;
  const Capture doublee = rend_ton(e);
  const double h = hauteur(base.g, 0, 8820, base.frequence);
  EXPECT_NEAR(h, 440.0, 5.0);
  EXPECT_NEAR(hauteur(doublee.g, 0, 4410, doublee.frequence) / h, 2.0, 0.02);
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
