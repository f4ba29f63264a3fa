// The render output and what is heard in it: the mix produced on request, as long as asked and the
// same every time; 3D placement, distance falloff, pitch and occlusion; only that output renders.
// Occlusion polygons (the ray test itself) and reverb (zones, ambient record).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "audio/son_efx.h"
#include "audio/son_interne.h"
#include "outils_son.h"

using namespace test_son;

namespace {

const SonVecteur k_origine{0, 0, 0};
const SonVecteur k_avant{0, 0, 1};  // left-handed: the game's -z

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
  const HSysteme sys = systeme_rendu(e.avant);
  const HSon son = charge_ton(sys, 440, 0.25, SON_MODE_3D, e.frequence_son);
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

// Levels of a 200 Hz and a 6 kHz tone heard together from `pos`; with `mur`, a 10x10 wall with
// direct and reverb occlusion 0.9 stands across z = 5 between the listener (origin) and the source.
std::pair<double, double> deux_tons(const SonVecteur& pos, bool mur) {
  const HSysteme sys = systeme_rendu();
  if (mur) {
    HGeometrie g;
    EXPECT_EQ(son_systeme_set_taille_monde(sys, 500.0f), SON_OK);
    EXPECT_EQ(son_geometrie_cree(sys, 1, 4, &g), SON_OK);
    const SonVecteur carre[4] = {{-5, -5, 5}, {5, -5, 5}, {5, 5, 5}, {-5, 5, 5}};
    EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 4, carre, nullptr), SON_OK);
  }
  for (double hz : {200.0, 6000.0}) {
    const HSon son = charge_ton(sys, hz, 1.0, SON_MODE_3D | SON_MODE_BOUCLE);
    EXPECT_EQ(son_son_set_distances_3d(son, 5, 1000), SON_OK);
    HCanal c;
    EXPECT_EQ(son_joue(sys, son, true, &c), SON_OK);
    EXPECT_EQ(son_canal_set_3d(c, &pos, nullptr), SON_OK);
    EXPECT_EQ(son_canal_set_pause(c, false), SON_OK);
  }
  EXPECT_EQ(son_systeme_update(sys), SON_OK);
  const Capture cap = rend(sys, 0.5);
  son_systeme_libere(sys);
  const std::vector<float> m = cap.somme();
  const size_t n = static_cast<size_t>(0.3 * cap.frequence), debut = m.size() - n;
  return {goertzel(m, debut, n, 200, cap.frequence), goertzel(m, debut, n, 6000, cap.frequence)};
}

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

TEST(Occlusion, AWallWithDirectOcclusionPointNineCutsAbout20DbAndHighsMoreThenBesideItTheLevelReturns) {
  const SonVecteur devant{0, 0, 10};
  const auto libre = deux_tons(devant, false);
  const auto derriere = deux_tons(devant, true);
  ASSERT_GT(libre.first, 0.01);
  ASSERT_GT(libre.second, 0.001);
  const double perte_bas = db(derriere.first / libre.first);
  const double perte_haut = db(derriere.second / libre.second);
  EXPECT_NEAR(perte_bas, -20.0, 2.5);
  EXPECT_LT(perte_haut, perte_bas - 4.0);

  const SonVecteur a_cote{20, 0, 10};  // the path passes beside the wall
  const auto a_cote_libre = deux_tons(a_cote, false);
  const auto a_cote_mur = deux_tons(a_cote, true);
  EXPECT_NEAR(db(a_cote_mur.first / a_cote_libre.first), 0.0, 0.5);
  EXPECT_NEAR(db(a_cote_mur.second / a_cote_libre.second), 0.0, 0.5);
}

TEST(Reverb, TheAmbientRecordConvertsToTheStandardHallwayAndPresetsAreLookedUpByName) {
  using namespace son_detail;
  const ProprietesEfx e = efx_depuis_classique(SON_REVERB_CARPETEDHALLWAY);
  const ProprietesEfx ref = EFX_REVERB_PRESET_CARPETEDHALLWAY;
  const struct {
    float ProprietesEfx::*champ;
    double tolerance;
  } champs[] = {{&ProprietesEfx::flDensity, 1e-3},          {&ProprietesEfx::flDiffusion, 1e-4},
                {&ProprietesEfx::flGain, 1e-4},             {&ProprietesEfx::flGainHF, 1e-4},
                {&ProprietesEfx::flDecayTime, 1e-4},        {&ProprietesEfx::flDecayHFRatio, 1e-4},
                {&ProprietesEfx::flReflectionsGain, 1e-4},  {&ProprietesEfx::flReflectionsDelay, 1e-5},
                {&ProprietesEfx::flLateReverbGain, 1e-4},   {&ProprietesEfx::flLateReverbDelay, 1e-5},
                {&ProprietesEfx::flAirAbsorptionGainHF, 1e-4}};
  for (const auto& c : champs) EXPECT_NEAR(e.*c.champ, ref.*c.champ, c.tolerance) << &c - champs;
  EXPECT_EQ(e.iDecayHFLimit, ref.iDecayHFLimit);
  EXPECT_EQ(efx_depuis_classique(SON_REVERB_AUCUNE).flGain, 0.0f);

  ProprietesEfx p;
  for (const char* nom : {"BATHROOM", "STONEROOM", "CAVE", "HANGAR", "SEWERPIPE", "STONECORRIDOR"})
    EXPECT_TRUE(preset_reverb(nom, p)) << nom;
  EXPECT_FALSE(preset_reverb("cave", p));
  EXPECT_FALSE(preset_reverb(nullptr, p));
}

class SortieNulle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(son_systeme_cree(&sys), SON_OK);
    ASSERT_EQ(son_systeme_set_sortie(sys, SON_SORTIE_NULLE), SON_OK);
    ASSERT_EQ(son_systeme_init(sys, 100, SON_INIT_OCCLUSION), SON_OK);
  }
  void TearDown() override { son_systeme_libere(sys); }
  // Direct occlusion (reverb's in `r`) between two points given in the layer's (left-handed) frame.
  float entre(SonVecteur a, SonVecteur b, float* r = nullptr) {
    using namespace son_detail;
    float d = 0, reverb = 0;
    occlusion(*systeme_actif(), depuis_api(a), depuis_api(b), &d, r ? r : &reverb);
    return d;
  }
  HSysteme sys;
};

TEST_F(SortieNulle, CrossedWallsMultiplyTheirOpenings) {
  HGeometrie g;
  ASSERT_EQ(son_geometrie_cree(sys, 3, 12, &g), SON_OK);
  const SonVecteur mur1[4] = {{-5, -5, 5}, {5, -5, 5}, {5, 5, 5}, {-5, 5, 5}};
  const SonVecteur mur2[4] = {{-5, -5, 8}, {-5, 5, 8}, {5, 5, 8}, {5, -5, 8}};
  int index = -1;
  ASSERT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.5f, true, 4, mur1, &index), SON_OK);
  EXPECT_EQ(index, 0);
  ASSERT_EQ(son_geometrie_ajoute_polygone(g, 0.5f, 0.0f, true, 4, mur2, &index), SON_OK);
  EXPECT_EQ(index, 1);
  float r = 0;
  EXPECT_NEAR(entre({0, 0, 0}, {1, 1, 10}, &r), 0.1f * 0.5f, 1e-6);
  EXPECT_NEAR(r, 0.5f, 1e-6);
  EXPECT_NEAR(entre({1, 1, 10}, {0, 0, 0}), 0.05f, 1e-6);  // either way round
  EXPECT_NEAR(entre({0, 0, 0}, {0, 0, 6}), 0.1f, 1e-6);    // between the walls: only the first
  EXPECT_EQ(entre({0, 0, 0}, {20, 0, 10}), 1.0f);          // beside both
  EXPECT_EQ(entre({0, 0, 0}, {0, 0, 4}), 1.0f);            // short of the first
  // Room for three polygons but only twelve vertices: the third quad fits, a fourth polygon not.
  const SonVecteur mur3[4] = {{50, 0, 0}, {60, 0, 0}, {60, 10, 0}, {50, 10, 0}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 1.0f, 1.0f, true, 4, mur3, nullptr), SON_OK);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 1.0f, 1.0f, true, 3, mur3, nullptr), SON_ERR_PLUS_DE_PLACE);
  ASSERT_EQ(son_geometrie_libere(g), SON_OK);
  EXPECT_EQ(entre({0, 0, 0}, {1, 1, 10}), 1.0f);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 1.0f, 1.0f, true, 4, mur1, nullptr), SON_ERR_HANDLE_INVALIDE);
}

TEST_F(SortieNulle, NoRoomReservedRefusesEveryPolygonAndBadPolygonsAreRefused) {
  HGeometrie vide, g;
  ASSERT_EQ(son_geometrie_cree(sys, 0, 0, &vide), SON_OK);
  const SonVecteur carre[4] = {{0, 0, 0}, {5, 0, 0}, {5, 100, 0}, {0, 100, 0}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(vide, 0.9f, 0.9f, true, 4, carre, nullptr), SON_ERR_PLUS_DE_PLACE);
  ASSERT_EQ(son_geometrie_cree(sys, 4, 16, &g), SON_OK);
  const SonVecteur ligne[3] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 3, ligne, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 2, carre, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, std::nanf(""), 0.9f, true, 4, carre, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 4, nullptr, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_cree(sys, -1, 4, &g), SON_ERR_PARAMETRE);
}

TEST_F(SortieNulle, AOneSidedWallStopsOnlySoundComingFromItsFront) {
  HGeometrie g;
  ASSERT_EQ(son_geometrie_cree(sys, 1, 4, &g), SON_OK);
  const SonVecteur mur[4] = {{-5, -5, 5}, {5, -5, 5}, {5, 5, 5}, {-5, 5, 5}};
  ASSERT_EQ(son_geometrie_ajoute_polygone(g, 0.8f, 0.8f, false, 4, mur, nullptr), SON_OK);
  const float aller = entre({0, 0, 0}, {0, 0, 10}), retour = entre({0, 0, 10}, {0, 0, 0});
  EXPECT_NEAR(std::min(aller, retour), 0.2f, 1e-6);
  EXPECT_EQ(std::max(aller, retour), 1.0f);
}

TEST_F(SortieNulle, TheTreeFindsExactlyThePolygonsABruteForceTestFinds) {
  std::mt19937 alea(1234);
  std::uniform_real_distribution<float> u(-200.0f, 200.0f), taille(2.0f, 30.0f), occ(0.05f, 0.6f);
  struct Quad {
    SonVecteur v[4];
    float d;
  };
  std::vector<Quad> quads(300);
  HGeometrie g;
  ASSERT_EQ(son_geometrie_cree(sys, 300, 1200, &g), SON_OK);
  for (Quad& q : quads) {
    const float x = u(alea), y = u(alea) / 4, z = u(alea), l = taille(alea), h = taille(alea);
    const bool le_long_de_x = alea() % 2;
    for (int k = 0; k < 4; ++k) {
      const float a = (k == 1 || k == 2) ? l : 0.0f, b = (k >= 2) ? h : 0.0f;
      q.v[k] = le_long_de_x ? SonVecteur{x + a, y + b, z} : SonVecteur{x, y + b, z + a};
    }
    q.d = occ(alea);
    ASSERT_EQ(son_geometrie_ajoute_polygone(g, q.d, 0.0f, true, 4, q.v, nullptr), SON_OK);
  }
  int coupes = 0;
  for (int essai = 0; essai < 300; ++essai) {
    const SonVecteur a{u(alea), u(alea) / 4, u(alea)}, b{u(alea), u(alea) / 4, u(alea)};
    float attendu = 1.0f;
    for (const Quad& q : quads) {
      // Reference test in the layer's own frame: axis-aligned rectangles make it simple.
      const bool le_long_de_x = q.v[1].x != q.v[0].x;
      const float plan = le_long_de_x ? q.v[0].z : q.v[0].x;
      const float pa = le_long_de_x ? a.z : a.x, pb = le_long_de_x ? b.z : b.x;
      if ((pa - plan) * (pb - plan) >= 0) continue;
      const float t = (plan - pa) / (pb - pa);
      const float cx = le_long_de_x ? a.x + (b.x - a.x) * t : a.z + (b.z - a.z) * t;
      const float cy = a.y + (b.y - a.y) * t;
      const float lo = le_long_de_x ? q.v[0].x : q.v[0].z, hi = le_long_de_x ? q.v[1].x : q.v[1].z;
      if (cx >= lo && cx <= hi && cy >= q.v[0].y && cy <= q.v[2].y) attendu *= 1.0f - q.d;
    }
    EXPECT_NEAR(entre(a, b), attendu, 1e-4f) << "ray " << essai;
    if (attendu < 1.0f) ++coupes;
  }
  EXPECT_GT(coupes, 30);  // the rays really meet walls
}

TEST_F(SortieNulle, AZoneIsFullInsideItsMinFadesToTheAmbientAtItsMaxAndCountsOnlyWhenActive) {
  using namespace son_detail;
  ASSERT_EQ(son_systeme_set_reverb_ambiante(sys, &SON_REVERB_CARPETEDHALLWAY), SON_OK);
  HReverb zone;
  ASSERT_EQ(son_reverb_cree(sys, &zone), SON_OK);
  const SonVecteur centre{100, 0, 50};
  ASSERT_EQ(son_reverb_set_3d(zone, &centre, 10, 30), SON_OK);
  ASSERT_EQ(son_reverb_set_preset(zone, "CAVE"), SON_OK);
  const ProprietesEfx cave = EFX_REVERB_PRESET_CAVE;
  const ProprietesEfx couloir = efx_depuis_classique(SON_REVERB_CARPETEDHALLWAY);
  auto decroissance = [&](SonVecteur ecoute) {
    EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &ecoute, nullptr, nullptr, nullptr), SON_OK);
    EXPECT_EQ(son_systeme_update(sys), SON_OK);
    return systeme_actif()->appliquee.flDecayTime;
  };
  EXPECT_FLOAT_EQ(decroissance({105, 0, 50}), cave.flDecayTime);                              // inside min
  EXPECT_FLOAT_EQ(decroissance({100, 0, 70}), (cave.flDecayTime + couloir.flDecayTime) / 2);  // halfway
  EXPECT_FLOAT_EQ(decroissance({100, 0, 80}), couloir.flDecayTime);                           // at max
  EXPECT_FLOAT_EQ(decroissance({100, 0, -50}), couloir.flDecayTime);                          // the z flip: far away
  ASSERT_EQ(son_reverb_set_active(zone, false), SON_OK);
  EXPECT_FLOAT_EQ(decroissance({105, 0, 50}), couloir.flDecayTime);
  EXPECT_EQ(son_reverb_set_preset(zone, "NOWHERE"), SON_ERR_PRESET_INCONNU);
  EXPECT_EQ(son_reverb_set_3d(zone, &k_origine, 6, 5), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_reverb_libere(zone), SON_OK);
  EXPECT_EQ(son_reverb_set_active(zone, true), SON_ERR_HANDLE_INVALIDE);
  EXPECT_EQ(son_reverb_libere(zone), SON_ERR_HANDLE_INVALIDE);
}
