// The generated sound bank: names, formats, levels, seamless loops, same bytes on every run.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "assetgen/sons/mesure.h"
#include "assetgen/sons/sons.h"
#include "common/fichier.h"

namespace fs = std::filesystem;

namespace {

std::string dossier_temp() {
  char modele[] = "/tmp/veltra-sons-XXXXXX";
  return mkdtemp(modele);
}

// The bank is written once for all the tests of this file.
class SonsGeneres : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dossier_ = new std::string(dossier_temp());
    std::string erreur;
    ok_ = genere_sons(*dossier_, &erreur);
    if (!ok_) std::fprintf(stderr, "genere_sons: %s\n", erreur.c_str());
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    fs::remove_all(*dossier_, ec);
    delete dossier_;
  }
  static std::vector<uint8_t> octets(const std::string& nom) {
    std::vector<uint8_t> o;
    EXPECT_TRUE(lit_fichier(*dossier_ + "/sons/" + nom, o)) << nom;
    return o;
  }
  static std::string* dossier_;
  static bool ok_;
};
std::string* SonsGeneres::dossier_ = nullptr;
bool SonsGeneres::ok_ = false;

tSonPCM sinus(double f, double secondes) {
  tSonPCM s;
  s.canaux = 1;
  s.frequence = 44100;
  const size_t n = size_t(secondes * 44100);
  for (size_t i = 0; i < n; i++) s.echantillons.push_back(int16_t(std::lround(20000 * std::sin(2 * M_PI * f * double(i) / 44100))));
  return s;
}

}  // namespace

TEST_F(SonsGeneres, WritesExactlyTheTwelveNamesTheGameOpens) {
  ASSERT_TRUE(ok_);
  std::set<std::string> trouves;
  for (const auto& e : fs::directory_iterator(*dossier_ + "/sons")) trouves.insert(e.path().filename().string());
  const std::set<std::string> attendus = {"bouton.wav", "CLICK.WAV", "vaisseau.wav", "missile.wav",
                                          "explode.wav", "choc.wav",  "bonus.wav",    "boost.wav",
                                          "slide.wav",  "chrono.wav", "depart.wav",  "pret.wav"};
  EXPECT_EQ(trouves, attendus);
  // The game loads them in this order and stops at the first failure.
  ASSERT_EQ(sons_banque().size(), 12u);
  EXPECT_STREQ(sons_banque().front().fichier, "bouton.wav");
  EXPECT_STREQ(sons_banque()[4].fichier, "explode.wav");
  EXPECT_STREQ(sons_banque().back().fichier, "pret.wav");
}

// Safe levels; loops wrap like any other step and one-shots start and end on silence.
TEST_F(SonsGeneres, EveryFileDecodesWithItsLayoutLevelAndEnds) {
  ASSERT_TRUE(ok_);
  for (const tSonBanque& b : sons_banque()) {
    SCOPED_TRACE(b.fichier);
    const std::vector<uint8_t> o = octets(b.fichier);
    tSonPCM son;
    ASSERT_TRUE(decode_wav(o.data(), o.size(), &son));
    EXPECT_EQ(son.canaux, b.en_3d ? 1 : 2);  // only mono sources are positioned in 3D
    EXPECT_EQ(son.frequence, 44100);
    const tMesureSon m = mesure_son(son);
    EXPECT_LT(m.crete_dbfs, -0.5);
    EXPECT_GT(m.crete_dbfs, -9.0);
    EXPECT_GT(m.rms_dbfs, -30.0);
    EXPECT_GT(m.duree_s, 0.04);
    EXPECT_LT(m.duree_s, 3.0);
    if (b.boucle) {
      EXPECT_LT(m.rang_saut, 0.995);
      EXPECT_LT(m.saut_boucle, 4.0);
      EXPECT_GE(m.duree_s, 0.5);  // a short loop would buzz at its own repeat rate
    } else {
      const size_t n = son.echantillons.size();
      for (int c = 0; c < son.canaux; c++) {
        EXPECT_LE(std::abs(son.echantillons[size_t(c)]), 330);
        EXPECT_LE(std::abs(son.echantillons[n - size_t(son.canaux) + size_t(c)]), 330);
      }
    }
  }
}

TEST_F(SonsGeneres, EngineHumIsLowAndRichInHarmonicsWhileTheHissIsBright) {
  ASSERT_TRUE(ok_);
  auto mesure = [](const std::vector<uint8_t>& o) {
    tSonPCM s;
    EXPECT_TRUE(decode_wav(o.data(), o.size(), &s));
    return mesure_son(s);
  };
  const tMesureSon moteur = mesure(octets("vaisseau.wav"));
  // Its pitch is raised with speed: a low base with harmonics well above the fundamental.
  EXPECT_GT(moteur.centroide_hz, 150.0);
  EXPECT_LT(moteur.centroide_hz, 800.0);
  EXPECT_GT(mesure(octets("slide.wav")).centroide_hz, 3000.0);
  EXPECT_LT(mesure(octets("explode.wav")).centroide_hz, moteur.centroide_hz * 2.0);
}

TEST_F(SonsGeneres, TwoRunsWriteTheSameBytes) {
  ASSERT_TRUE(ok_);
  const std::string autre = dossier_temp();
  std::string erreur;
  ASSERT_TRUE(genere_sons(autre, &erreur)) << erreur;
  for (const tSonBanque& b : sons_banque()) {
    std::vector<uint8_t> o;
    ASSERT_TRUE(lit_fichier(autre + "/sons/" + b.fichier, o));
    EXPECT_TRUE(o == octets(b.fichier)) << b.fichier;
  }
  std::error_code ec;
  fs::remove_all(autre, ec);
}

TEST(Sons, SeamMeasureTellsAWholeNumberOfPeriodsFromABrokenOne) {
  const tMesureSon entier = mesure_son(sinus(90.0, 1.0));
  EXPECT_LT(entier.rang_saut, 0.99);
  EXPECT_LT(entier.saut_boucle, 2.0);
  const tMesureSon casse = mesure_son(sinus(90.25, 1.0));  // ends on a crest: a click
  EXPECT_GT(casse.rang_saut, 0.999);
  EXPECT_GT(casse.saut_boucle, 20.0);
  EXPECT_NEAR(entier.centroide_hz, 90.0, 15.0);
  EXPECT_NEAR(entier.crete_dbfs, 20 * std::log10(20000.0 / 32768.0), 0.01);
  EXPECT_NEAR(entier.rms_dbfs, entier.crete_dbfs - 3.01, 0.05);
}

TEST(Sons, WavRoundTripsAndBrokenBuffersFailWithoutReadingPastThem) {
  tSonPCM s = sinus(440.0, 0.1);
  std::vector<uint8_t> o;
  std::string erreur;
  ASSERT_TRUE(encode_wav(s, &o, &erreur)) << erreur;
  tSonPCM lu;
  ASSERT_TRUE(decode_wav(o.data(), o.size(), &lu));
  EXPECT_EQ(lu.canaux, 1);
  EXPECT_EQ(lu.echantillons, s.echantillons);

  // Cut anywhere: never a crash, never more samples than the bytes hold.
  for (size_t n = 0; n < o.size(); n += 97) {
    std::vector<uint8_t> coupe(o.begin(), o.begin() + long(n));
    tSonPCM t;
    if (decode_wav(coupe.data(), coupe.size(), &t)) {
      EXPECT_LE(t.echantillons.size() * 2, n);
    }
  }
  std::vector<uint8_t> bruit(500, 0x5A);
  EXPECT_FALSE(decode_wav(bruit.data(), bruit.size(), &lu));
  EXPECT_FALSE(decode_wav(nullptr, 0, &lu));

  tSonPCM vide;
  EXPECT_FALSE(encode_wav(vide, &o, &erreur));
  EXPECT_FALSE(erreur.empty());
}

TEST(Sons, FailuresAreReportedNotHidden) {
  const std::string d = dossier_temp();
  std::string erreur;
  EXPECT_FALSE(genere_son(d, "inconnu.wav", &erreur));
  EXPECT_NE(erreur.find("inconnu.wav"), std::string::npos);

  // A plain file where the sons folder should be.
  ASSERT_TRUE(ecrit_fichier_atomique(d + "/sons", "x", 1));
  erreur.clear();
  EXPECT_FALSE(genere_sons(d, &erreur));
  EXPECT_FALSE(erreur.empty());
  std::error_code ec;
  fs::remove_all(d, ec);
}
