// The sound environment as heard: a wall of the circuit's file muffles a source behind it, and a
// reverb zone of the file makes a click ring on. Everything goes through the game's frame (the
// list, CreationOcclusion) and OpenAL Soft's wave capture.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "audio/effets_son.h"
#include "audio/son.h"
#include "outils_son.h"

using namespace test_son;

namespace {

// The listener at the game's origin looking along the game's -z (+z for the layer).
void auditeur(HSysteme sys) {
  const SonVecteur zero{0, 0, 0}, avant{0, 0, 1}, haut{0, 1, 0};
  son_systeme_set_auditeur(sys, 0, &zero, &zero, &avant, &haut);
}

// Builds the list's objects in the session's system, then forgets the list as a race does.
void environnement(HSysteme sys) {
  g_SystemeSon = sys;
  file_nb_effetSon = nb_effetSon;
  CreationOcclusion(-500, 500, -50, 50, -500, 500);
  Effacement_liste_effetSon();
}

void libere_environnement() {
  destroy_reverberations();
  libere_occlusion();
  g_SystemeSon = HSysteme{};
}

struct Niveaux {
  double bas, haut;
};

// A 200 Hz and a 6 kHz tone from game (0, 0, -10); with `mur`, a 10 x 10 wall of the file
// stands across game z = -5 between them and the listener.
Niveaux moteur(bool mur) {
  static const std::string bas = [] {
    auto f = chemin("env_ton200.wav");
    ecrit_wav(f, sinus(200, 1.0, 44100), 44100);
    return f;
  }();
  static const std::string haut = [] {
    auto f = chemin("env_ton6k.wav");
    ecrit_wav(f, sinus(6000, 1.0, 44100), 44100);
    return f;
  }();
  Session s;
  EXPECT_TRUE(s.ok);
  auditeur(s.sys);
  if (mur) {
    creation_effetSon(-5, -5, -5, 0);
    set_verts_effetSon(1, 10, 0, 0);
    set_verts_effetSon(2, 10, 10, 0);
    set_verts_effetSon(3, 0, 10, 0);
  }
  environnement(s.sys);
  const SonVecteur pos{0, 0, 10};  // game z = -10
  for (const std::string* f : {&bas, &haut}) {
    HSon son;
    EXPECT_EQ(son_cree_son(s.sys, f->c_str(), SON_MODE_3D | SON_MODE_BOUCLE, &son), SON_OK);
    son_son_set_distances_3d(son, 5, 1000);
    HCanal c;
    EXPECT_EQ(son_joue(s.sys, son, true, &c), SON_OK);
    son_canal_set_3d(c, &pos, nullptr);
    son_canal_set_pause(c, false);
  }
  son_systeme_update(s.sys);
  s.marque();
  EXPECT_TRUE(s.attend(0.6));
  libere_environnement();
  Capture cap = s.ferme();
  std::vector<float> m = cap.somme();
  const size_t n = static_cast<size_t>(0.3 * cap.frequence);
  const size_t debut = fin_du_son(m, 0.0005f) - n - static_cast<size_t>(0.01 * cap.frequence);
  return Niveaux{goertzel(m, debut, n, 200, cap.frequence), goertzel(m, debut, n, 6000, cap.frequence)};
}

// Seconds from the loudest sample until the signal stays 50 dB below it.
double traine(const std::vector<float>& x, int frequence) {
  size_t pic = 0;
  for (size_t i = 0; i < x.size(); ++i)
    if (std::fabs(x[i]) > std::fabs(x[pic])) pic = i;
  const float seuil = std::fabs(x[pic]) * 0.00316f;
  size_t dernier = pic;
  const size_t bloc = static_cast<size_t>(frequence / 100);
  for (size_t i = pic; i + bloc <= x.size(); i += bloc)
    if (rms(x, i, bloc) > seuil) dernier = i + bloc;
  return static_cast<double>(dernier - pic) / frequence;
}

// A click 2 units ahead, with one CAVE zone of the file (radius 10 to 20) centred at game z.
double clic_dans_zone(float z_jeu) {
  static const std::string clic = [] {
    std::vector<float> v(441, 0.0f);
    std::minstd_rand alea(11);
    for (float& x : v) x = static_cast<float>(alea() % 2001) / 1000.0f - 1.0f;
    auto f = chemin("env_clic.wav");
    ecrit_wav(f, v, 44100);
    return f;
  }();
  Session s;
  EXPECT_TRUE(s.ok);
  auditeur(s.sys);
  creation_effetSon(0, 0, z_jeu, 0);
  set_type_effetSon(EFSON_REVERB);
  set_reverb(10, 20, 3);
  environnement(s.sys);
  EXPECT_EQ(nb_reverberations(), 1);
  son_systeme_update(s.sys);
  s.marque();
  EXPECT_TRUE(s.attend(0.1));
  HSon son;
  EXPECT_EQ(son_cree_son(s.sys, clic.c_str(), SON_MODE_3D, &son), SON_OK);
  son_son_set_distances_3d(son, 2, 100);
  HCanal c;
  EXPECT_EQ(son_joue(s.sys, son, true, &c), SON_OK);
  const SonVecteur devant{0, 0, 2};
  son_canal_set_3d(c, &devant, nullptr);
  son_canal_set_pause(c, false);
  s.marque();
  EXPECT_TRUE(s.attend(3.0));
  libere_environnement();
  Capture cap = s.ferme();
  return traine(cap.somme(), cap.frequence);
}

}  // namespace

TEST(EnvironnementSon, AWallOfTheFileBetweenListenerAndEngineMakesItQuieterAndDuller) {
  const Niveaux libre = moteur(false);
  const Niveaux derriere = moteur(true);
  ASSERT_GT(libre.bas, 0.01);
  ASSERT_GT(libre.haut, 0.001);
  const double perte_bas = db(derriere.bas / libre.bas);
  const double perte_haut = db(derriere.haut / libre.haut);
  EXPECT_LT(perte_bas, -10.0);
  EXPECT_LT(perte_haut, perte_bas - 4.0) << "low " << perte_bas << " dB, high " << perte_haut << " dB";
}

TEST(EnvironnementSon, AClickInsideAZoneOfTheFileRingsLongerThanBeyondIt) {
  const double dedans = clic_dans_zone(-3);
  const double dehors = clic_dans_zone(-300);
  EXPECT_GT(dedans, 2.5 * dehors) << "inside " << dedans << " s, beyond " << dehors << " s";
}
