// 3D placement, distance falloff and frequency, measured on the captured output.
#include <gtest/gtest.h>

#include <functional>

#include "outils_son.h"

using namespace test_son;

namespace {

const SonVecteur k_origine{0, 0, 0};
const SonVecteur k_avant{0, 0, 1};  // left-handed: the game's -z
const SonVecteur k_haut{0, 1, 0};

// Plays a looping tone at `pos` for the listener at the origin looking along `avant`; returns
// the last 0.3 s of what was heard.
Capture ton_3d(const SonVecteur& pos, float min, float max, const SonVecteur& avant = k_avant) {
  static const std::string wav = [] {
    std::string f = chemin("ton440.wav");
    ecrit_wav(f, sinus(440, 1.0, 44100), 44100);
    return f;
  }();
  Session s;
  EXPECT_TRUE(s.ok);
  HSon son;
  EXPECT_EQ(son_cree_son(s.sys, wav.c_str(), SON_MODE_3D | SON_MODE_BOUCLE, &son), SON_OK);
  EXPECT_EQ(son_son_set_distances_3d(son, min, max), SON_OK);
  EXPECT_EQ(son_systeme_set_auditeur(s.sys, 0, &k_origine, &k_origine, &avant, &k_haut), SON_OK);
  HCanal c;
  EXPECT_EQ(son_joue(s.sys, son, true, &c), SON_OK);
  EXPECT_EQ(son_canal_set_3d(c, &pos, &k_origine), SON_OK);
  EXPECT_EQ(son_canal_set_pause(c, false), SON_OK);
  EXPECT_EQ(son_systeme_update(s.sys), SON_OK);
  s.marque();
  EXPECT_TRUE(s.attend(0.6));
  return s.ferme();
}

// The window ends 10 ms before the tone stops, wherever the capture itself ends.
size_t fin_fenetre(const Capture& c) {
  return std::max(fin_du_son(c.g), fin_du_son(c.d)) - static_cast<size_t>(0.01 * c.frequence);
}
size_t debut_fenetre(const Capture& c) { return fin_fenetre(c) - static_cast<size_t>(0.3 * c.frequence); }
const size_t k_fenetre = static_cast<size_t>(0.3 * 44100);

}  // namespace

TEST(Placement3D, ASourceOnTheRightIsLouderInTheRightChannelAndTurningTheListenerSwapsIt) {
  Capture droite = ton_3d(SonVecteur{10, 0, 0}, 5, 100);
  ASSERT_GT(droite.g.size(), k_fenetre * 2);
  const double g = rms(droite.g, debut_fenetre(droite), k_fenetre);
  const double d = rms(droite.d, debut_fenetre(droite), k_fenetre);
  EXPECT_GT(d, 0.01);
  EXPECT_GT(db(d / g), 3.0) << "right " << d << " left " << g;

  Capture gauche = ton_3d(SonVecteur{-10, 0, 0}, 5, 100);
  EXPECT_GT(db(rms(gauche.g, debut_fenetre(gauche), k_fenetre) / rms(gauche.d, debut_fenetre(gauche), k_fenetre)), 3.0);

  // Facing the other way (the forward vector goes through the same z flip), +x is on the left.
  Capture retourne = ton_3d(SonVecteur{10, 0, 0}, 5, 100, SonVecteur{0, 0, -1});
  EXPECT_GT(
      db(rms(retourne.g, debut_fenetre(retourne), k_fenetre) / rms(retourne.d, debut_fenetre(retourne), k_fenetre)),
      3.0);
}

TEST(Placement3D, LevelFallsAsInverseDistanceClampedBetweenMinAndMax) {
  const float min = 5, max = 40;
  auto niveau = [&](float dist) {
    Capture c = ton_3d(SonVecteur{0, 0, dist}, min, max);
    std::vector<float> m = c.somme();
    return rms(m, debut_fenetre(c), k_fenetre);
  };
  const double a_min = niveau(5);
  ASSERT_GT(a_min, 0.01);
  EXPECT_NEAR(db(niveau(2.5f) / a_min), 0.0, 1.0);    // closer than min: full level
  EXPECT_NEAR(db(niveau(10) / a_min), db(0.5), 1.0);  // twice min: half
  EXPECT_NEAR(db(niveau(20) / a_min), db(0.25), 1.0);
  EXPECT_NEAR(db(niveau(80) / a_min), db(min / max), 1.0);  // beyond max: held at the max level
}

TEST(Frequence, DoublingTheFrequencyDoublesThePitchAndGetFrequencyStartsAtTheSoundsRate) {
  const std::string wav = chemin("ton440_22k.wav");
  ecrit_wav(wav, sinus(440, 1.0, 22050), 22050);
  auto mesure = [&](bool double_freq) {
    Session s;
    EXPECT_TRUE(s.ok);
    HSon son;
    EXPECT_EQ(son_cree_son(s.sys, wav.c_str(), SON_MODE_BOUCLE, &son), SON_OK);
    HCanal c;
    EXPECT_EQ(son_joue(s.sys, son, true, &c), SON_OK);
    float f = 0;
    EXPECT_EQ(son_canal_get_frequence(c, &f), SON_OK);
    EXPECT_FLOAT_EQ(f, 22050.0f);
    if (double_freq) {
      EXPECT_EQ(son_canal_set_frequence(c, 2 * f), SON_OK);
      EXPECT_EQ(son_canal_get_frequence(c, &f), SON_OK);
      EXPECT_NEAR(f, 44100.0f, 0.5f);
    }
    EXPECT_EQ(son_canal_set_frequence(c, -5.0f), SON_ERR_PARAMETRE);
    EXPECT_EQ(son_canal_set_pause(c, false), SON_OK);
    s.marque();
    EXPECT_TRUE(s.attend(0.5));
    Capture cap = s.ferme();
    return hauteur(cap.g, debut_fenetre(cap), k_fenetre, cap.frequence);
  };
  const double base = mesure(false);
  const double doublee = mesure(true);
  EXPECT_NEAR(base, 440.0, 5.0);
  EXPECT_NEAR(doublee / base, 2.0, 0.02);
}
