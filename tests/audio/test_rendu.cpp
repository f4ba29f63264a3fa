// What the render output plays (mix, placement, falloff, a wall); occlusion rays; reverb.
#include <random>

#include "audio/effets_son.h"
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
  int bloc = 1024;
  std::vector<double> tons{440};  // a quarter-second each, played once; or, `boucle`, a second looped
  bool boucle = false;
  bool mur = false;  // a 10x10 wall with direct and reverb occlusion 0.9 across z = 5
};

// The tones of `e` played from `e.pos`, the listener at the origin, rendered `e.bloc` frames at a time.
Capture rend_tons(const Ecoute& e, double secondes = 0.3) {
  const HSysteme sys = systeme(SON_SORTIE_RENDU, e.avant);
  if (e.mur) {
    HGeometrie g;
    EXPECT_EQ(son_systeme_set_taille_monde(sys, 500.0f), SON_OK);
    EXPECT_EQ(son_geometrie_cree(sys, 1, 4, &g), SON_OK);
    const SonVecteur carre[4] = {{-5, -5, 5}, {5, -5, 5}, {5, 5, 5}, {-5, 5, 5}};
    EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 4, carre, nullptr), SON_OK);
  }
  const unsigned mode = SON_MODE_3D | (e.boucle ? SON_MODE_BOUCLE : 0u);
  for (double hz : e.tons) {
    const HSon son = charge_ton(sys, hz, e.boucle ? 1.0 : 0.25, mode);
    EXPECT_EQ(son_son_set_distances_3d(son, e.min, e.max), SON_OK);
    HCanal c;
    EXPECT_EQ(son_joue(sys, son, true, &c), SON_OK);
    EXPECT_EQ(lu(son_canal_get_frequence, c), 44100.0f);  // a channel starts at its sound's rate
    EXPECT_EQ(son_canal_set_frequence(c, -5.0f), SON_ERR_PARAMETRE);
    EXPECT_EQ(son_canal_set_3d(c, &e.pos, &k_origine), SON_OK);
    EXPECT_EQ(son_canal_set_pause(c, false), SON_OK);
  }
  EXPECT_EQ(son_systeme_update(sys), SON_OK);
  Capture cap = rend(sys, secondes, e.bloc);
  son_systeme_libere(sys);
  return cap;
}

// Level of the steady part of the tone.
double niveau(const std::vector<float>& x) { return rms(x, 2205, 6615); }

// Levels of a 200 Hz and a 6 kHz tone looped together from `pos`, over the last 0.3 s.
std::pair<double, double> deux_tons(const SonVecteur& pos, bool mur) {
  const Ecoute e{pos, 5, 1000, k_avant, 1024, {200, 6000}, true, mur};
  const std::vector<float> m = rend_tons(e, 0.5).somme();
  const int f = SON_FREQUENCE_RENDU;
  const size_t n = static_cast<size_t>(0.3 * f), debut = m.size() - n;
  return {goertzel(m, debut, n, 200, f), goertzel(m, debut, n, 6000, f)};
}

}  // namespace

TEST(Rendu, TheMixFollowsTheFramesAskedForAndIsTheSameEveryTime) {
  // Silence with nothing playing, and nothing written past the frames asked for.
  const HSysteme sys = systeme();
  float tampon[64] = {};
  EXPECT_EQ(son_systeme_rendu(sys, nullptr, 16), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_systeme_rendu(sys, tampon, -1), SON_ERR_PARAMETRE);
  tampon[32] = 7.0f;
  EXPECT_EQ(son_systeme_rendu(sys, tampon, 16), SON_OK);
  for (int i = 0; i < 32; i++) EXPECT_EQ(tampon[i], 0.0f);
  EXPECT_EQ(tampon[32], 7.0f);
  EXPECT_EQ(son_systeme_libere(sys), SON_OK);
  const int f = SON_FREQUENCE_RENDU;
  Ecoute e;
  e.bloc = 441;
  const Capture a = rend_tons(e, 0.5);
  e.bloc = 1000;
  const Capture b = rend_tons(e, 0.5);
  ASSERT_EQ(a.g.size(), static_cast<size_t>(f / 2));
  // The block size does not matter: sound advances by frames, never by the clock.
  for (size_t i = 0; i < a.g.size(); i++) ASSERT_NEAR(a.g[i], b.g[i], 1e-6f) << "frame " << i;
  for (size_t i = 0; i < a.d.size(); i++) ASSERT_NEAR(a.d[i], b.d[i], 1e-6f) << "frame " << i;
  // The tone ends a quarter-second in; at 440 Hz, as strong a bin below as above (1 Hz off: 5 dB).
  EXPECT_NEAR(static_cast<double>(fin_du_son(a.g, 0.001f)) / f, 0.25, 0.01);
  const auto debut = std::find_if(a.g.begin(), a.g.end(), [](float x) { return std::fabs(x) > 0.001f; });
  EXPECT_LT(debut - a.g.begin(), f / 200);
  EXPECT_GT(goertzel(a.g, 0, f / 5, 440, f), 0.05);
  EXPECT_NEAR(db(goertzel(a.g, 0, f / 5, 435, f) / goertzel(a.g, 0, f / 5, 445, f)), 0.0, 2.5);
}

TEST(Rendu, ASourceIsHeardOnItsSideAndFallsAsInverseDistanceClampedBetweenMinAndMax) {
  Ecoute e;
  e.pos = {10, 0, 0};
  for (const bool demi_tour : {false, true}) {
    SCOPED_TRACE(demi_tour);
    e.avant = demi_tour ? SonVecteur{0, 0, -1} : k_avant;  // the forward vector goes through the z flip too
    const Capture c = rend_tons(e);
    const double g = niveau(c.g), d = niveau(c.d);
    EXPECT_GT(demi_tour ? db(g / d) : db(d / g), 6.0) << "right " << d << " left " << g;
  }
  e.avant = k_avant;
  e.max = 40;
  auto a_distance = [&](float dist) {
    e.pos = SonVecteur{0, 0, dist};
    return niveau(rend_tons(e).somme());
  };
  const double a_min = a_distance(5);
  // Closer than min: full level; then halving with each doubling; beyond max: held at max.
  const std::pair<float, double> cas[] = {{2.5f, 1.0}, {20, 0.25}, {80, 5.0 / 40}};
  for (const auto& [dist, rapport] : cas) EXPECT_NEAR(db(a_distance(dist) / a_min), db(rapport), 1.0) << dist;
}

TEST(Occlusion, AWallWithDirectOcclusionPointNineCutsAbout20DbAndHighsMoreThenBesideItTheLevelReturns) {
  const auto libre = deux_tons({0, 0, 10}, false), derriere = deux_tons({0, 0, 10}, true);
  const double perte_bas = db(derriere.first / libre.first), perte_haut = db(derriere.second / libre.second);
  EXPECT_NEAR(perte_bas, -20.0, 2.5);
  EXPECT_LT(perte_haut, perte_bas - 4.0);

  const SonVecteur a_cote{20, 0, 10};  // the path passes beside the wall
  const auto a_cote_libre = deux_tons(a_cote, false), a_cote_mur = deux_tons(a_cote, true);
  EXPECT_NEAR(db(a_cote_mur.first / a_cote_libre.first), 0.0, 0.5);
  EXPECT_NEAR(db(a_cote_mur.second / a_cote_libre.second), 0.0, 0.5);
}

TEST(Reverb, TheAmbientRecordConvertsToTheStandardHallwayAndEveryFilePresetIsKnown) {
  using namespace son_detail;
  using E = ProprietesEfx;
  const E e = efx_depuis_classique(SON_REVERB_CARPETEDHALLWAY), ref = EFX_REVERB_PRESET_CARPETEDHALLWAY;
  float E::* const champs[] = {&E::flDensity,         &E::flDiffusion,         &E::flGain,
                               &E::flGainHF,          &E::flDecayTime,         &E::flDecayHFRatio,
                               &E::flReflectionsGain, &E::flReflectionsDelay,  &E::flLateReverbGain,
                               &E::flLateReverbDelay, &E::flAirAbsorptionGainHF};
  for (const auto& c : champs) EXPECT_NEAR(e.*c, ref.*c, 1e-5 + 3e-4 * std::fabs(ref.*c)) << &c - champs;
  EXPECT_EQ(e.iDecayHFLimit, ref.iDecayHFLimit);
  EXPECT_EQ(efx_depuis_classique(SON_REVERB_AUCUNE).flGain, 0.0f);

  ProprietesEfx p;
  for (int n = 0; n <= 7; ++n) EXPECT_TRUE(preset_reverb(nom_preset_reverb(n), p)) << n;
  EXPECT_FALSE(preset_reverb("cave", p));
  EXPECT_FALSE(preset_reverb(nullptr, p));
}

class SortieNulle : public ::testing::Test {
 protected:
  void TearDown() override { son_systeme_libere(sys); }
  // Direct occlusion between two points given in the layer's (left-handed) frame.
  float entre(SonVecteur a, SonVecteur b) {
    using namespace son_detail;
    float d = 0, reverb = 0;
    occlusion(*systeme_actif(), depuis_api(a), depuis_api(b), &d, &reverb);
    return d;
  }
  HSysteme sys = systeme(SON_SORTIE_NULLE);
};

// Room is counted in polygons and vertices; a released geometry stops nothing.
TEST_F(SortieNulle, PolygonsNeedRoomAndAShapeAndAOneSidedWallStopsOnlySoundFromItsFront) {
  HGeometrie vide, g;
  ASSERT_EQ(son_geometrie_cree(sys, 0, 0, &vide), SON_OK);
  const SonVecteur mur[4] = {{-5, -5, 5}, {5, -5, 5}, {5, 5, 5}, {-5, 5, 5}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(vide, 0.9f, 0.9f, true, 4, mur, nullptr), SON_ERR_PLUS_DE_PLACE);
  ASSERT_EQ(son_geometrie_cree(sys, 3, 8, &g), SON_OK);
  const SonVecteur ligne[3] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 3, ligne, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 2, mur, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, std::nanf(""), 0.9f, true, 4, mur, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 0.9f, 0.9f, true, 4, nullptr, nullptr), SON_ERR_PARAMETRE);
  EXPECT_EQ(son_geometrie_cree(sys, -1, 4, &vide), SON_ERR_PARAMETRE);
  int index = -1;
  ASSERT_EQ(son_geometrie_ajoute_polygone(g, 0.8f, 0.8f, false, 4, mur, &index), SON_OK);
  EXPECT_EQ(index, 0);
  const float aller = entre({0, 0, 0}, {0, 0, 10}), retour = entre({0, 0, 10}, {0, 0, 0});
  EXPECT_NEAR(std::min(aller, retour), 0.2f, 1e-6);
  EXPECT_EQ(std::max(aller, retour), 1.0f);
  // Three polygons but eight vertices: a second quad fits, a third polygon not.
  const SonVecteur loin[4] = {{50, 0, 0}, {60, 0, 0}, {60, 10, 0}, {50, 10, 0}};
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 1.0f, 1.0f, true, 4, loin, nullptr), SON_OK);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 1.0f, 1.0f, true, 3, loin, nullptr), SON_ERR_PLUS_DE_PLACE);
  ASSERT_EQ(son_geometrie_libere(g), SON_OK);
  EXPECT_EQ(std::min(entre({0, 0, 0}, {0, 0, 10}), entre({0, 0, 10}, {0, 0, 0})), 1.0f);
  EXPECT_EQ(son_geometrie_ajoute_polygone(g, 1.0f, 1.0f, true, 4, mur, nullptr), SON_ERR_HANDLE_INVALIDE);
}

// A random ray's occlusion is the product over the random walls it crosses, both turned by the z flip.
TEST_F(SortieNulle, TheTreeFindsExactlyThePolygonsABruteForceTestFinds) {
  std::mt19937 alea(1234);
  std::uniform_real_distribution<float> u(-200.0f, 200.0f), taille(2.0f, 30.0f), occ(0.05f, 0.6f);
  struct Mur { float x, y, z, l, h, d; };
  std::vector<Mur> murs(300);
  HGeometrie g;
  ASSERT_EQ(son_geometrie_cree(sys, 300, 1200, &g), SON_OK);
  for (Mur& m : murs) {
    m = {u(alea), u(alea) / 4, u(alea), taille(alea), taille(alea), occ(alea)};
    const SonVecteur v[4] = {
        {m.x, m.y, m.z}, {m.x + m.l, m.y, m.z}, {m.x + m.l, m.y + m.h, m.z}, {m.x, m.y + m.h, m.z}};
    ASSERT_EQ(son_geometrie_ajoute_polygone(g, m.d, 0.0f, true, 4, v, nullptr), SON_OK);
  }
  int coupes = 0;
  for (int essai = 0; essai < 300; ++essai) {
    const SonVecteur a{u(alea), u(alea) / 4, u(alea)}, b{u(alea), u(alea) / 4, u(alea)};
    float attendu = 1.0f;
    for (const Mur& m : murs) {
      if ((a.z - m.z) * (b.z - m.z) >= 0) continue;
      const float t = (m.z - a.z) / (b.z - a.z);
      const float x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
      if (x >= m.x && x <= m.x + m.l && y >= m.y && y <= m.y + m.h) attendu *= 1.0f - m.d;
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
  EXPECT_EQ(son_reverb_libere(zone), SON_ERR_HANDLE_INVALIDE);
}
