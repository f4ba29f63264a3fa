// Looped tone samples: one period of a waveform is analysed into harmonics, which are then
// summed back only up to what the highest played note can carry, so nothing aliases.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assetgen/musique/synthese.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double DO5_HZ = 523.2511306;
constexpr int POINTS_ANALYSE = 4096;
constexpr int MAX_HARMONIQUES = 120;
constexpr double LIMITE_HZ = 15000.0;  // highest partial kept at the top note
constexpr int CYCLES_CHORUS = 128;     // a detuned voice runs 1 cycle more or less per loop

// One period of the raw waveform at phase x in [0, 1).
double forme_brute(const tTimbre& t, double x) {
  switch (t.forme) {
    case eForme::SCIE:
      return 1.0 - 2.0 * x;
    case eForme::CARREE:
      return x < 0.5 ? 1.0 : -1.0;
    case eForme::IMPULSION:
      return x < std::clamp<double>(t.parametre, 0.05, 0.5) ? 1.0 : -1.0;
    case eForme::TRIANGLE:
      return x < 0.5 ? 4.0 * x - 1.0 : 3.0 - 4.0 * x;
    case eForme::ORGUE: {
      static const double tirettes[][2] = {{1, 1.0}, {2, 0.7}, {3, 0.45}, {4, 0.35}, {6, 0.2}, {8, 0.15}};
      double v = 0;
      for (const auto& d : tirettes) v += d[1] * std::sin(2 * PI * d[0] * x);
      return v;
    }
    case eForme::FM:
      return std::sin(2 * PI * x + t.parametre * std::sin(2 * PI * 2 * x));
    case eForme::SINUS_OCTAVE:
      return std::sin(2 * PI * x) + 0.25 * std::sin(4 * PI * x) + 0.08 * std::sin(6 * PI * x);
  }
  return 0;
}

struct tHarmonique {
  double amplitude, phase;
};

// Plain DFT of one period: only a hundred-odd bins are needed.
std::vector<tHarmonique> analyse(const tTimbre& t, int nb) {
  std::vector<double> periode(POINTS_ANALYSE);
  for (int i = 0; i < POINTS_ANALYSE; i++) periode[i] = forme_brute(t, (i + 0.5) / POINTS_ANALYSE);
  std::vector<tHarmonique> h(static_cast<size_t>(nb));
  const double kc = std::max(1.0, 10.0 * t.brillance);
  for (int k = 1; k <= nb; k++) {
    double re = 0, im = 0;
    for (int i = 0; i < POINTS_ANALYSE; i++) {
      const double a = 2 * PI * k * (i + 0.5) / POINTS_ANALYSE;
      re += periode[i] * std::cos(a);
      im += periode[i] * std::sin(a);
    }
    const double roll_off = 1.0 / std::sqrt(1.0 + (k / kc) * (k / kc));
    h[k - 1].amplitude = 2.0 * std::sqrt(re * re + im * im) / POINTS_ANALYSE * roll_off;
    h[k - 1].phase = std::atan2(im, re);
  }
  return h;
}

}  // namespace

tEchantillonIT synthese_tonale(const std::string& nom, const tTimbre& t, int note_max) {
  const double f_haut = DO5_HZ * std::pow(2.0, (note_max - 60) / 12.0);
  const int nb = std::clamp(static_cast<int>(LIMITE_HZ / f_haut), 1, MAX_HARMONIQUES);
  const std::vector<tHarmonique> h = analyse(t, nb);

  // A loop of whole cycles for every voice: the chorus needs CYCLES_CHORUS periods.
  const bool chorus = t.voix > 1;
  const int cycles = chorus ? CYCLES_CHORUS : 1;
  const int longueur = PERIODE_TON * cycles;
  std::vector<double> table(static_cast<size_t>(longueur));
  for (int i = 0; i < longueur; i++) table[i] = std::sin(2 * PI * i / longueur);
  struct tVoix {
    int cycles;
    double gain;
    int decalage;
  };
  std::vector<tVoix> voix = {{cycles, 1.0, 0}};
  if (chorus) {
    voix.push_back({cycles - 1, 0.8, longueur / 3});
    voix.push_back({cycles + 1, 0.8, (2 * longueur) / 7});
  }

  std::vector<double> somme(static_cast<size_t>(longueur), 0.0);
  for (const tVoix& v : voix) {
    for (int k = 1; k <= nb; k++) {
      const double a = h[k - 1].amplitude * v.gain;
      if (a < 1e-5) continue;
      const long pas = static_cast<long>(k) * v.cycles;
      const long depart = std::lround(h[k - 1].phase / (2 * PI) * longueur) + static_cast<long>(k) * v.decalage;
      for (int i = 0; i < longueur; i++) {
        long idx = (depart + pas * i) % longueur;
        if (idx < 0) idx += longueur;
        somme[i] += a * table[idx];
      }
    }
  }
  double crete = 1e-9;
  for (double v : somme) crete = std::max(crete, std::fabs(v));

  tEchantillonIT e;
  e.nom = nom;
  e.pcm.resize(static_cast<size_t>(longueur));
  for (int i = 0; i < longueur; i++) e.pcm[i] = static_cast<int16_t>(std::lround(somme[i] / crete * 29000.0));
  e.c5speed = static_cast<uint32_t>(std::lround(DO5_HZ * PERIODE_TON));
  e.boucle = true;
  e.debut_boucle = 0;
  e.fin_boucle = static_cast<uint32_t>(longueur);
  return e;
}
