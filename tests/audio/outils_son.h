// Test support for the sound layer: fixture sounds written by the tests themselves, a small
// tracker module, and sessions whose output is captured by OpenAL Soft's wave-file writer.
#pragma once

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "audio/son_api.h"
#include "support/son_essai.h"

namespace test_son {

using namespace son_essai;  // the shared measures

constexpr int FREQUENCE_CAPTURE = 44100;

// This run's folder, made once with the alsoft.conf that routes output to a WAV file.
inline const std::string& dossier() {
  static std::string d = [] {
    char modele[] = "/tmp/veltra_son_XXXXXX";
    const std::string rep = mkdtemp(modele) ? modele : "/tmp";
    const std::string conf = rep + "/alsoft.conf";
    std::ofstream(conf) << "[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\nfrequency = "
                        << FREQUENCE_CAPTURE << "\nperiod_size = 1024\n[wave]\nfile = " << rep
                        << "/capture.wav\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    setenv("ALSOFT_LOGLEVEL", "0", 1);
    return rep;
  }();
  return d;
}

inline std::string chemin(const std::string& nom) { return dossier() + "/" + nom; }

// The capture output is chosen before the first OpenAL call of the process, and the folder goes
// when the process ends, a child that exits by itself included.
struct Nettoyage {
  Nettoyage() { dossier(); }
  ~Nettoyage() {
    std::error_code erreur;
    std::filesystem::remove_all(dossier(), erreur);
  }
};
inline Nettoyage g_nettoyage;

// Polls `fini` every 5 ms; false when it is still not true after `secondes`.
template <class F>
bool attend_que(F fini, int secondes) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(secondes);
  while (!fini()) {
    if (std::chrono::steady_clock::now() > limite) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Writes a half-scale `hz` tone of `secondes` as a mono 16-bit WAV; gives its path.
inline std::string ecrit_ton(double hz, double secondes, int frequence = 44100) {
  const std::string wav = chemin("ton" + std::to_string(hz) + "_" + std::to_string(secondes) + "_" +
                                 std::to_string(frequence) + ".wav");
  std::vector<float> v(static_cast<size_t>(secondes * frequence));
  for (size_t i = 0; i < v.size(); ++i)
    v[i] = 0.5f * static_cast<float>(std::sin(2 * PI * hz * static_cast<double>(i) / frequence));
  const sf_count_t n = static_cast<sf_count_t>(v.size());
  SF_INFO info{0, frequence, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
  SNDFILE* f = sf_open(wav.c_str(), SFM_WRITE, &info);
  EXPECT_EQ(sf_writef_float(f, v.data(), n), n) << wav;
  sf_close(f);
  return wav;
}

// Numbers go in as the (little-endian) hosts these tests run on store them, as the module wants.
inline void octets(std::vector<uint8_t>& v, size_t pos, const void* src, size_t n) {
  if (pos + n > v.size()) throw std::out_of_range("module field past the end");
  std::memcpy(v.data() + pos, src, n);
}

// Writes a one-sample Impulse Tracker module, one looping note lasting `lignes` rows; gives its path.
inline std::string ecrit_module_it(int lignes) {
  // A 16-bit signed sample of ten whole sine cycles, looped.
  const int longueur = 1000;
  std::vector<int16_t> ech(longueur);
  for (int i = 0; i < longueur; ++i)
    ech[static_cast<size_t>(i)] = static_cast<int16_t>(12000 * std::sin(2 * PI * 10 * i / longueur));
  const size_t ordres = 2, entete = 0xC0, off_offsets = entete + ordres;
  const size_t off_sample = off_offsets + 8, off_motif = off_sample + 80;
  std::vector<uint8_t> motif{0x81, 0x03, 60, 1, 0};
  for (int r = 1; r < lignes; ++r) motif.push_back(0);
  const size_t off_donnees = off_motif + 8 + motif.size();
  std::vector<uint8_t> v(off_donnees + ech.size() * 2, 0);
  octets(v, 0, "IMPM", 4);
  octets(v, 4, "veltra test", 11);
  // Orders, instruments, samples, patterns, two versions, flags (stereo, linear slides, samples).
  const uint16_t champs[] = {ordres, 0, 1, 1, 0x0214, 0x0214, 0x0009};
  octets(v, 0x20, champs, sizeof champs);
  const uint8_t reglages[] = {128, 48, 6, 125, 128};  // global and mixing volume, speed, tempo, separation
  octets(v, 0x30, reglages, sizeof reglages);
  std::fill_n(v.begin() + 0x40, 64, 32 + 128);  // every channel's pan, all off
  v[0x40] = 32;                                 // but channel 1
  std::fill_n(v.begin() + 0x80, 64, 64);        // and their volumes
  v[entete + 1] = 255;  // pattern 0, then the end of the song
  const uint32_t offsets[] = {static_cast<uint32_t>(off_sample), static_cast<uint32_t>(off_motif)};
  octets(v, off_offsets, offsets, sizeof offsets);
  octets(v, off_sample, "IMPS", 4);
  const uint8_t volumes[] = {64, 0x13, 64};  // global volume, flags (has data, 16-bit, loop), volume
  octets(v, off_sample + 17, volumes, sizeof volumes);
  v[off_sample + 46] = 0x01;  // signed
  // Length, loop start and end, middle-C rate, no sustain loop, then where the data starts.
  const uint32_t longueurs[] = {longueur, 0, longueur, 8363 * 4, 0, 0, static_cast<uint32_t>(off_donnees)};
  octets(v, off_sample + 48, longueurs, sizeof longueurs);
  const uint16_t tete_motif[] = {static_cast<uint16_t>(motif.size()), static_cast<uint16_t>(lignes)};
  octets(v, off_motif, tete_motif, sizeof tete_motif);
  octets(v, off_motif + 8, motif.data(), motif.size());
  octets(v, off_donnees, ech.data(), ech.size() * 2);
  const std::string fichier = chemin("module" + std::to_string(lignes) + ".it");
  std::ofstream(fichier, std::ios::binary) << std::string(v.begin(), v.end());
  return fichier;
}

inline HSon charge_ton(HSysteme sys, double hz, double secondes, unsigned mode, int frequence = 44100) {
  HSon son;
  EXPECT_EQ(son_cree_son(sys, ecrit_ton(hz, secondes, frequence).c_str(), mode, &son), SON_OK);
  return son;
}

// A system on `sortie` (100 channels, occlusion, head-related filtering), the listener at the
// origin facing `avant`, head up.
inline HSysteme systeme(int sortie = SON_SORTIE_RENDU, const SonVecteur& avant = {0, 0, 1}) {
  const SonVecteur zero{0, 0, 0}, haut{0, 1, 0};
  HSysteme sys;
  EXPECT_EQ(son_systeme_cree(&sys), SON_OK);
  EXPECT_EQ(son_systeme_set_sortie(sys, sortie), SON_OK);
  EXPECT_EQ(son_systeme_init(sys, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF), SON_OK);
  EXPECT_EQ(son_systeme_set_auditeur(sys, 0, &zero, &zero, &avant, &haut), SON_OK);
  return sys;
}

// Polls until the channel has ended; false when it never does.
inline bool attend_fin(HCanal c) {
  bool en_cours = true;
  return attend_que([&] { return son_canal_en_cours(c, &en_cours) != SON_OK || !en_cours; }, 30);
}

struct Capture {
  std::vector<float> g, d;  // left and right: the first and the last of `k` interleaved channels
  int frequence = 0;
  Capture(const std::vector<float>& entrelace = {}, size_t k = 2, int f = 0) : frequence(f) {
    for (size_t i = 0; i + k <= entrelace.size(); i += k) {
      g.push_back(entrelace[i]);
      d.push_back(entrelace[i + k - 1]);
    }
  }
  std::vector<float> somme() const {
    std::vector<float> s(g.size());
    for (size_t i = 0; i < s.size(); ++i) s[i] = g[i] + d[i];
    return s;
  }
};

// One system on the capture output; ferme() stops it and reads what it played.
class Session {
 public:
  explicit Session(unsigned drapeaux = SON_INIT_OCCLUSION | SON_INIT_HRTF) {
    if (son_systeme_cree(&sys) == SON_OK) ok = son_systeme_init(sys, 100, drapeaux) == SON_OK;
  }
  ~Session() {
    if (!m_ferme) son_systeme_libere(sys);
  }
  HSysteme sys;
  bool ok = false;

  // Waits until at least `secondes` more of output have been written from now: for the output
  // itself, not for a clock, so a slow machine only takes longer.
  bool attend(double secondes) {
    const auto taille = [] {
      std::error_code e;
      return static_cast<long long>(std::filesystem::file_size(chemin("capture.wav"), e));
    };
    const long long cible = taille() + static_cast<long long>(secondes * FREQUENCE_CAPTURE) * 4;
    return attend_que([&] { return taille() >= cible; }, 60);
  }

  Capture ferme() {
    m_ferme = true;
    son_systeme_libere(sys);
    SF_INFO info{};
    SNDFILE* f = sf_open(chemin("capture.wav").c_str(), SFM_READ, &info);
    if (!f) return {};
    std::vector<float> tout(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(f, tout.data(), info.frames);
    sf_close(f);
    return Capture(tout, static_cast<size_t>(info.channels), info.samplerate);
  }

 private:
  bool m_ferme = false;
};

// Mixes `secondes` of a system on the render output, `bloc` frames at a time.
inline Capture rend(HSysteme sys, double secondes, int bloc = 1024) {
  const int trames = static_cast<int>(std::lround(secondes * SON_FREQUENCE_RENDU));
  std::vector<float> tout(static_cast<size_t>(trames) * 2);
  for (int fait = 0; fait < trames; fait += bloc) {
    const int n = std::min(bloc, trames - fait);
    EXPECT_EQ(son_systeme_rendu(sys, &tout[static_cast<size_t>(fait) * 2], n), SON_OK);
  }
  return Capture(tout, 2, SON_FREQUENCE_RENDU);
}

}  // namespace test_son
