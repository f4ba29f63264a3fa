// The generated sound bank: names, formats, levels, seamless loops, same bytes on every run.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "assetgen/charge_modele.h"
#include "assetgen/sons/mesure.h"
#include "assetgen/sons/sons.h"
#include "common/fichier.h"

namespace fs = std::filesystem;

namespace {

tSonPCM sinus(double f, double secondes) {
  tSonPCM s;
  s.canaux = 1;
  s.frequence = 44100;
  const size_t n = size_t(secondes * 44100);
  for (size_t i = 0; i < n; i++) s.echantillons.push_back(int16_t(std::lround(20000 * std::sin(2 * M_PI * f * double(i) / 44100))));
  return s;
}

}  // namespace

TEST(SonsGeneres, TheTwelveFilesTheGameOpensDecodeWithTheirLayoutLevelsAndEndsAndFailuresAreReported) {
  const DossierTemporaire d, autre;
  std::string erreur;
  ASSERT_TRUE(genere_sons(d.chemin(), &erreur)) << erreur;
  ASSERT_TRUE(genere_sons(autre.chemin(), &erreur)) << erreur;
  std::set<std::string> trouves;
  for (const auto& e : fs::directory_iterator(d.chemin() + "/sons")) trouves.insert(e.path().filename());
  const std::vector<std::string> ordre = {"bouton.wav", "CLICK.WAV", "vaisseau.wav", "missile.wav",
                                          "explode.wav", "choc.wav",  "bonus.wav",    "boost.wav",
                                          "slide.wav",  "chrono.wav", "depart.wav",  "pret.wav"};
  EXPECT_EQ(trouves, std::set<std::string>(ordre.begin(), ordre.end()));
  // The game loads them in this order and stops at the first failure.
  std::vector<std::string> banque_ordre;
  for (const tSonBanque& b : sons_banque()) banque_ordre.push_back(b.fichier);
  EXPECT_EQ(banque_ordre, ordre);
  for (const tSonBanque& b : sons_banque()) {
    SCOPED_TRACE(b.fichier);
    std::vector<uint8_t> o, deuxieme;
    ASSERT_TRUE(lit_fichier(d.chemin() + "/sons/" + b.fichier, o));
    ASSERT_TRUE(lit_fichier(autre.chemin() + "/sons/" + b.fichier, deuxieme));
    EXPECT_TRUE(o == deuxieme);
    tSonPCM son;
    ASSERT_TRUE(decode_wav(o.data(), o.size(), &son));
    const tMesureSon m = mesure_son(son);
    EXPECT_EQ(son.canaux, b.en_3d ? 1 : 2);  // only mono sources are positioned in 3D
    EXPECT_EQ(son.frequence, 44100);
    EXPECT_TRUE(entre(m.crete_dbfs, -9.0, -0.5));
    EXPECT_GT(m.rms_dbfs, -30.0);
    EXPECT_TRUE(entre(m.duree_s, 0.04, 3.0));
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
  // Failures are reported, not hidden: an unknown name, a file where the folder goes.
  EXPECT_FALSE(genere_son(d.chemin(), "inconnu.wav", &erreur));
  EXPECT_NE(erreur.find("inconnu.wav"), std::string::npos);
  erreur.clear();
  EXPECT_FALSE(genere_sons(d.chemin() + "/sons/pret.wav", &erreur));
  EXPECT_FALSE(erreur.empty());
}

TEST(Sons, SeamMeasureTellsAWholeNumberOfPeriodsFromABrokenOne) {
  const tMesureSon entier = mesure_son(sinus(90.0, 1.0));
  EXPECT_LT(entier.rang_saut, 0.99);
  EXPECT_LT(entier.saut_boucle, 2.0);
  const tMesureSon casse = mesure_son(sinus(90.25, 1.0));  // ends on a crest: a click
  EXPECT_GT(casse.rang_saut, 0.999);
  EXPECT_GT(casse.saut_boucle, 20.0);
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
    tSonPCM t;
    if (decode_wav(o.data(), n, &t)) {
      EXPECT_LE(t.echantillons.size() * 2, n);
    }
  }
  std::vector<uint8_t> bruit(500, 0x5A);
  EXPECT_FALSE(decode_wav(bruit.data(), bruit.size(), &lu));
  EXPECT_FALSE(decode_wav(nullptr, 0, &lu));
  EXPECT_FALSE(encode_wav(tSonPCM(), &o, &erreur));
  EXPECT_FALSE(erreur.empty());
}
