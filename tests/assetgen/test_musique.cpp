// Music and sound effects: the module writer read back by the player library, the tones, the five
// pieces, and the sound bank's files.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "assetgen/charge_modele.h"
#include "assetgen/musique/module_it.h"
#include "assetgen/musique/musique.h"
#include "assetgen/musique/synthese.h"
#include "assetgen/sons/mesure.h"
#include "assetgen/sons/sons.h"
#include "common/fichier.h"

namespace {

using Module = std::unique_ptr<openmpt_module, decltype(&openmpt_module_destroy)>;

Module charge(const std::vector<uint8_t>& octets) {
  return Module(openmpt_module_create_from_memory2(octets.data(), octets.size(), nullptr, nullptr, nullptr, nullptr,
                                                   nullptr, nullptr, nullptr),
                openmpt_module_destroy);
}

std::string texte(const char* s) {
  std::string r = s ? s : "";
  openmpt_free_string(s);
  return r;
}

std::string meta(openmpt_module* m, const char* cle) { return texte(openmpt_module_get_metadata(m, cle)); }

std::vector<float> rend(openmpt_module* m, int taux, double secondes_max) {
  std::vector<float> sortie, bloc(2 * 4096);
  while (sortie.size() / 2 < static_cast<size_t>(secondes_max * taux)) {
    const size_t n = openmpt_module_read_interleaved_float_stereo(m, taux, 4096, bloc.data());
    if (n == 0) break;
    sortie.insert(sortie.end(), bloc.begin(), bloc.begin() + static_cast<long>(2 * n));
  }
  return sortie;
}

// A one-instrument module: a looped single-cycle sine at C-5 and the given pattern.
tModuleIT module_sinus() {
  tModuleIT m;
  m.nom = "Essai";
  m.canaux = 2;
  tEchantillonIT e;
  e.nom = "Sinus";
  for (int i = 0; i < PERIODE_TON; i++) e.pcm.push_back(static_cast<int16_t>(20000 * std::sin(2 * M_PI * i / PERIODE_TON)));
  e.c5speed = 133952;  // C5 pitch for one cycle of PERIODE_TON samples
  e.boucle = true;
  e.fin_boucle = PERIODE_TON;
  m.echantillons.push_back(e);
  m.instruments.resize(1);
  m.instruments[0].zones = {{119, 1}};
  m.patterns.push_back(tPatternIT(64, 2));
  m.ordres = {0};
  return m;
}

}  // namespace

TEST(ModuleIT, ReadBackByThePlayerWithTheLoopAtItsPitchAndWhatTheFormatCannotHoldIsRefused) {
  tModuleIT m = module_sinus();
  m.patterns.push_back(tPatternIT(32, 2));
  m.ordres = {0, 1, 0};
  // {note, instrument, volume, effect, parameter}
  m.patterns[0].at(0, 0) = {60, 1, 40, 0, 0};
  m.patterns[0].at(5, 1) = {IT_NOTE_RELACHE, 0, -1, IT_EFFET_VIBRATO, 0x42};
  m.patterns[1].at(31, 0) = {IT_NOTE_VIDE, 0, -1, IT_EFFET_SAUT_ORDRE, 2};
  m.patterns[1].at(2, 1).note = 119;  // highest note, second pattern

  std::vector<uint8_t> octets;
  std::string erreur;
  ASSERT_TRUE(ecrit_module_it(m, octets, &erreur)) << erreur;
  Module mod = charge(octets);
  ASSERT_TRUE(mod);
  openmpt_module* o = mod.get();
  EXPECT_EQ(meta(o, "type") + "/" + meta(o, "title") + "/" + meta(o, "warnings"), "it/Essai/");
  EXPECT_EQ(std::vector<int>({openmpt_module_get_num_channels(o), openmpt_module_get_num_orders(o),
                              openmpt_module_get_num_patterns(o), openmpt_module_get_pattern_num_rows(o, 1),
                              openmpt_module_get_order_pattern(o, 1), openmpt_module_get_current_tempo(o)}),
            std::vector<int>({2, 3, 2, 32, 1, 125}));
  // {pattern, row, channel, column, as the player shows it}; untouched rows stay empty
  const std::tuple<int, int, int, int, std::string> cellules[] = {
      {0, 0, 0, OPENMPT_MODULE_COMMAND_NOTE, "C-5"},   {0, 0, 0, OPENMPT_MODULE_COMMAND_INSTRUMENT, "01"},
      {0, 0, 0, OPENMPT_MODULE_COMMAND_VOLUME, "28"},  {0, 5, 1, OPENMPT_MODULE_COMMAND_NOTE, "==="},
      {0, 5, 1, OPENMPT_MODULE_COMMAND_EFFECT, "H"},   {0, 5, 1, OPENMPT_MODULE_COMMAND_PARAMETER, "42"},
      {0, 1, 0, OPENMPT_MODULE_COMMAND_NOTE, "..."},   {1, 2, 1, OPENMPT_MODULE_COMMAND_NOTE, "B-9"},
      {1, 31, 0, OPENMPT_MODULE_COMMAND_EFFECT, "B"}};
  for (const auto& [p, l, c, colonne, attendu] : cellules) {
    EXPECT_EQ(texte(openmpt_module_format_pattern_row_channel_command(o, p, l, c, colonne)), attendu) << l;
  }

  // Half a second, well past the 256-sample loop: a steady C5 (523.25 Hz) tone.
  const int taux = 48000;
  std::vector<float> s = rend(o, taux, 0.6);
  ASSERT_GE(s.size(), static_cast<size_t>(2 * taux / 2));
  int passages = 0;
  for (size_t i = 2 * 4800; i + 2 < 2 * (4800 + taux / 2); i += 2)
    if (s[i] < 0 && s[i + 2] >= 0) passages++;
  EXPECT_NEAR(passages, 523.25 / 2, 2);

  // What the format cannot hold is refused, with nothing written.
  const std::pair<const char*, void (*)(tModuleIT&)> cas[] = {
      {"order names a missing pattern", [](tModuleIT& m) { m.ordres = {0, 3}; }},
      {"no orders", [](tModuleIT& m) { m.ordres.clear(); }},
      {"too many channels", [](tModuleIT& m) { m.canaux = 65; }},
      {"pattern narrower than the module", [](tModuleIT& m) { m.patterns[0] = tPatternIT(64, 1); }},
      {"pattern too short", [](tModuleIT& m) { m.patterns[0] = tPatternIT(16, 2); }},
      {"loop past the sample's end", [](tModuleIT& m) { m.echantillons[0].fin_boucle = PERIODE_TON + 1; }},
      {"empty loop", [](tModuleIT& m) { m.echantillons[0].debut_boucle = m.echantillons[0].fin_boucle; }},
      {"instrument without a sample", [](tModuleIT& m) { m.instruments[0].zones.clear(); }},
      {"instrument names a missing sample", [](tModuleIT& m) { m.instruments[0].zones[0].echantillon = 2; }},
      {"cell names a missing instrument", [](tModuleIT& m) { m.patterns[0].at(3, 1).instrument = 2; }},
      {"note out of range", [](tModuleIT& m) { m.patterns[0].at(3, 1).note = 120; }},
      {"volume over 64", [](tModuleIT& m) { m.patterns[0].at(3, 1).volume = 65; }},
      {"envelope going back in time",
       [](tModuleIT& m) { m.instruments[0].enveloppe_volume.points = {{10, 64}, {0, 0}}; }},
      {"envelope sustain past its points",
       [](tModuleIT& m) {
         m.instruments[0].enveloppe_volume = {true, false, true, 0, 0, 2, 2, {{0, 64}, {5, 0}}};
       }},
  };
  for (const auto& [nom, abime] : cas) {
    tModuleIT m = module_sinus();
    abime(m);
    std::vector<uint8_t> octets = {1, 2, 3};
    std::string erreur;
    EXPECT_TRUE(!ecrit_module_it(m, octets, &erreur) && !erreur.empty() && octets.empty()) << nom;
  }
}

TEST(Synthese, TonesLoopSeamlesslyAndDrumsStartAtOnceAndEndQuietly) {
  std::vector<tEchantillonIT> sons = {synthese_grosse_caisse("k", tGrosseCaisse()),
                                      synthese_caisse_claire("s", tCaisseClaire(), 3),
                                      synthese_cymbale("h", tCymbale())};
  for (eForme f : {eForme::SCIE, eForme::CARREE, eForme::IMPULSION, eForme::TRIANGLE, eForme::ORGUE,
                   eForme::FM, eForme::SINUS_OCTAVE}) {
    for (int voix : {1, 3}) {
      tTimbre t;
      t.forme = f;
      t.voix = voix;
      sons.push_back(synthese_tonale(std::to_string(int(f)) + "/" + std::to_string(voix), t, 72));
    }
  }
  for (size_t k = 0; k < sons.size(); k++) {
    const tEchantillonIT& e = sons[k];
    SCOPED_TRACE(e.nom);
    ASSERT_EQ(e.boucle, k >= 3);
    int pas_max = 0, crete = 0;
    size_t position_crete = 0;
    for (size_t i = 0; i < e.pcm.size(); i++) {
      if (i) pas_max = std::max(pas_max, std::abs(e.pcm[i] - e.pcm[i - 1]));
      if (std::abs(e.pcm[i]) > crete) crete = std::abs(e.pcm[i]), position_crete = i;
    }
    if (e.boucle) {
      ASSERT_EQ(e.fin_boucle, e.pcm.size());
      ASSERT_EQ(e.pcm.size() % PERIODE_TON, 0u);
      // The jump from the loop's end back to its start is no bigger than the largest step inside.
      EXPECT_LE(std::abs(e.pcm.front() - e.pcm.back()), pas_max);
      EXPECT_TRUE(entre(crete, 20001, 31999));
    } else {
      ASSERT_GT(e.pcm.size(), 1000u);
      EXPECT_TRUE(entre(crete, 25001, 31999));
      EXPECT_LT(position_crete, e.c5speed / 50);  // within 20 ms
      EXPECT_LT(std::abs(e.pcm.back()), 50);
    }
  }
}

// The written files are this process's compositions byte for byte: the same on every run.
TEST(Musiques, FivePiecesWrittenAsComposedLoadLoopAndStayBelowFullScale) {
  const DossierTemporaire d;
  std::string erreur;
  ASSERT_TRUE(genere_musiques(d.chemin(), &erreur)) << erreur;  // creates sons/
  std::set<int> tempos;
  for (int n = 1; n <= NB_MUSIQUES; n++) {
    SCOPED_TRACE("music" + std::to_string(n));
    std::vector<uint8_t> octets, lu;
    ASSERT_TRUE(compose_musique(n, octets, &erreur)) << erreur;
    ASSERT_TRUE(lit_fichier(d.chemin() + "/sons/music" + std::to_string(n) + ".it", lu));
    EXPECT_EQ(lu, octets);
    Module mod = charge(octets);
    ASSERT_TRUE(mod);
    EXPECT_EQ(meta(mod.get(), "type") + "/" + meta(mod.get(), "warnings"), "it/");
    tempos.insert(openmpt_module_get_current_tempo(mod.get()));
    const double duree = openmpt_module_get_duration_seconds(mod.get());
    EXPECT_TRUE(entre(duree, 120.0, 240.0));

    // One pass: loud enough everywhere, never near full scale.
    const int taux = 44100;
    const std::vector<float> s = rend(mod.get(), taux, duree + 10);
    EXPECT_NEAR(s.size() / 2.0 / taux, duree, 0.5);
    double crete = 0, somme = 0;
    for (float v : s) {
      crete = std::max(crete, static_cast<double>(std::fabs(v)));
      somme += static_cast<double>(v) * v;
    }
    EXPECT_LT(crete, 0.89);  // 1 dB of headroom at least
    EXPECT_GT(std::sqrt(somme / s.size()), 0.05);
    const size_t fenetre = 2 * static_cast<size_t>(taux) * 4;
    for (size_t d = 0; d + fenetre <= s.size(); d += fenetre) {
      double e = 0;
      for (size_t i = d; i < d + fenetre; i++) e += static_cast<double>(s[i]) * s[i];
      EXPECT_GT(std::sqrt(e / fenetre), 0.01) << "quiet stretch at " << d / 2 / taux << " s";
    }

    // The order list loops back to the theme, past the intro, and the player carries on.
    openmpt_module_set_repeat_count(mod.get(), 1);
    openmpt_module_set_position_seconds(mod.get(), duree - 1.0);
    EXPECT_GE(rend(mod.get(), taux, 3.0).size(), static_cast<size_t>(2 * taux * 3 - 2 * 4096));
    EXPECT_EQ(openmpt_module_get_current_order(mod.get()), 1);
  }
  EXPECT_EQ(tempos.size(), static_cast<size_t>(NB_MUSIQUES));  // five different pieces
  EXPECT_TRUE(entre(*tempos.begin(), 120, 150) && entre(*tempos.rbegin(), 120, 150));
  // A file where the folder should be: a clear failure, not a crash.
  erreur.clear();
  EXPECT_FALSE(genere_musiques(d.chemin() + "/sons/music1.it", &erreur));
  EXPECT_FALSE(erreur.empty());
  std::vector<uint8_t> rien;
  for (int n : {0, NB_MUSIQUES + 1}) EXPECT_FALSE(compose_musique(n, rien, nullptr)) << n;
}

TEST(SonsGeneres, TheTwelveFilesTheGameOpensDecodeWithTheirLayoutLevelsAndEndsAndFailuresAreReported) {
  const DossierTemporaire d, autre;
  std::string erreur;
  ASSERT_TRUE(genere_sons(d.chemin(), &erreur)) << erreur;
  ASSERT_TRUE(genere_sons(autre.chemin(), &erreur)) << erreur;
  // The game loads them in this order and stops at the first failure; nothing else is written.
  std::vector<std::string> ordre;
  for (const tSonBanque& b : sons_banque()) ordre.push_back(b.fichier);
  EXPECT_EQ(ordre, std::vector<std::string>({"bouton.wav", "CLICK.WAV", "vaisseau.wav", "missile.wav",
                                             "explode.wav", "choc.wav", "bonus.wav", "boost.wav", "slide.wav",
                                             "chrono.wav", "depart.wav", "pret.wav"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.chemin() + "/sons"), {}), 12);
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
      const std::vector<int16_t>& v = son.echantillons;
      for (size_t c = 0; c < size_t(son.canaux); c++)  // the first and last frames: no click at either end
        EXPECT_LE(std::max(std::abs(v[c]), std::abs(v[v.size() - size_t(son.canaux) + c])), 330);
    }
  }
  // Failures are reported, not hidden: an unknown name, a file where the folder goes.
  EXPECT_FALSE(genere_son(d.chemin(), "inconnu.wav", &erreur));
  EXPECT_NE(erreur.find("inconnu.wav"), std::string::npos);
  erreur.clear();
  EXPECT_FALSE(genere_sons(d.chemin() + "/sons/pret.wav", &erreur));
  EXPECT_FALSE(erreur.empty());
}

TEST(Sons, WavRoundTripsAndBrokenBuffersFailWithoutReadingPastThem) {
  tSonPCM s{1, 44100, {}};
  for (int i = 0; i < 4410; i++) s.echantillons.push_back(int16_t(20000 * std::sin(i * 0.0627)));
  std::vector<uint8_t> o;
  std::string erreur;
  ASSERT_TRUE(encode_wav(s, &o, &erreur)) << erreur;
  tSonPCM lu;
  ASSERT_TRUE(decode_wav(o.data(), o.size(), &lu));
  EXPECT_EQ(std::tie(lu.canaux, lu.echantillons), std::tie(s.canaux, s.echantillons));

  // Cut anywhere: never a crash, never more samples than the bytes hold.
  for (size_t n = 0; n < o.size(); n += 97) {
    tSonPCM t;
    EXPECT_TRUE(!decode_wav(o.data(), n, &t) || t.echantillons.size() * 2 <= n) << n;
  }
  std::vector<uint8_t> bruit(500, 0x5A);
  EXPECT_FALSE(decode_wav(bruit.data(), bruit.size(), &lu));
  EXPECT_FALSE(decode_wav(nullptr, 0, &lu));
  EXPECT_FALSE(encode_wav(tSonPCM(), &o, &erreur));
  EXPECT_FALSE(erreur.empty());
}
