// The sound tests' getter reader, and measures on captured sound: levels, onsets, tones and spectra.
// Header only: a test program that never asks for a spectrum needs no FFT linked in.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <vector>

#include "assetgen/sons/mesure.h"
#include "audio/son_api.h"

namespace son_essai {

constexpr double PI = 3.14159265358979323846;

// A value read through one of the layer's getters, which must succeed. It starts at -1 (true for a
// flag), so a getter that writes nothing cannot pass for a zero.
template <class H, class T>
T lu(int (*lecture)(H, T*), H h) {
  T v = static_cast<T>(-1);
  EXPECT_EQ(lecture(h, &v), SON_OK);
  return v;
}

// Level in decibels of a linear ratio (floor at -240 dB).
inline double db(double rapport) { return 20.0 * std::log10(std::max(rapport, 1e-12)); }

// Root mean square of x[debut, debut + n), clipped to the signal.
inline double rms(const std::vector<float>& x, size_t debut, size_t n) {
  n = std::min(n, x.size() - std::min(debut, x.size()));
  double s = 0;
  for (size_t i = debut; i < debut + n; ++i) s += static_cast<double>(x[i]) * x[i];
  return n ? std::sqrt(s / static_cast<double>(n)) : 0.0;
}

inline std::vector<double> niveaux_blocs(const std::vector<float>& x, size_t bloc) {
  std::vector<double> v;
  for (size_t i = 0; i + bloc <= x.size(); i += bloc) v.push_back(rms(x, i, bloc));
  return v;
}

// Seconds of the signal whose level over 5 ms blocks is above `seuil`. A total rather than the
// longest run: the capture writer catches up in bursts after a stall of the machine.
inline double duree_sonore(const std::vector<float>& x, int frequence, double seuil = 0.01) {
  const std::vector<double> v = niveaux_blocs(x, static_cast<size_t>(frequence / 200));
  return static_cast<double>(std::count_if(v.begin(), v.end(), [&](double n) { return n > seuil; })) / 200;
}

// One past the last sample whose magnitude exceeds `seuil` (0 when none does).
inline size_t fin_du_son(const std::vector<float>& x, float seuil = 0.003f) {
  size_t i = x.size();
  while (i > 0 && std::fabs(x[i - 1]) <= seuil) --i;
  return i;
}

// Amplitude of the `hz` component over a Hann window.
inline double goertzel(const std::vector<float>& x, size_t debut, size_t n, double hz, int frequence) {
  n = std::min(n, x.size() - std::min(debut, x.size()));
  double re = 0, im = 0, somme_fenetre = 0;
  for (size_t i = 0; i < n; ++i) {
    const double w = 0.5 - 0.5 * std::cos(2 * PI * static_cast<double>(i) / static_cast<double>(n - 1));
    const double a = 2 * PI * hz * static_cast<double>(i) / frequence;
    re += w * x[debut + i] * std::cos(a);
    im -= w * x[debut + i] * std::sin(a);
    somme_fenetre += w;
  }
  return somme_fenetre > 0 ? 2 * std::sqrt(re * re + im * im) / somme_fenetre : 0.0;
}

// Times (seconds) where the signal starts sounding: the level over 5 ms blocks rises above
// `seuil_db` below the loudest block after staying under it for at least `silence_s`.
inline std::vector<double> debuts(const std::vector<float>& x, int frequence, double seuil_db = -30.0,
                                  double silence_s = 0.05) {
  const size_t bloc = static_cast<size_t>(frequence / 200);
  const std::vector<double> v = niveaux_blocs(x, bloc);
  std::vector<double> t;
  if (v.empty()) return t;
  const double seuil = *std::max_element(v.begin(), v.end()) * std::pow(10.0, seuil_db / 20.0);
  const size_t calme = static_cast<size_t>(std::ceil(silence_s * 200));
  size_t sous = calme;  // the capture starts in silence
  for (size_t i = 0; i < v.size(); i++) {
    if (v[i] <= seuil) {
      sous++;
      continue;
    }
    if (sous >= calme) {
      // Refined to the first sample of the block above the threshold's amplitude.
      size_t k = i * bloc;
      while (k < (i + 1) * bloc && std::fabs(x[k]) < seuil) k++;
      t.push_back(static_cast<double>(k) / frequence);
    }
    sous = 0;
  }
  return t;
}

// Magnitude spectrum of x[debut, debut + n) under a Hann window, zero-padded to a power of two of
// at least 4n points; bin k stands for k * frequence / (2 * (spectre.size() - 1)) Hz.
inline std::vector<double> spectre(const std::vector<float>& x, size_t debut, size_t n) {
  n = std::min(n, x.size() - std::min(debut, x.size()));
  size_t taille = 1;
  while (taille < 4 * n) taille <<= 1;
  std::vector<std::complex<double>> a(taille);
  for (size_t i = 0; i < n; i++) {
    const double phase = 2 * PI * static_cast<double>(i) / static_cast<double>(n > 1 ? n - 1 : 1);
    a[i] = (n > 1 ? 0.5 - 0.5 * std::cos(phase) : 1.0) * x[debut + i];
  }
  fft(a);
  std::vector<double> m(taille / 2 + 1);
  for (size_t k = 0; k < m.size(); k++) m[k] = std::abs(a[k]);
  return m;
}

// Frequency of the strongest spectral peak between fmin and fmax, refined between bins.
inline double frequence_dominante(const std::vector<float>& x, size_t debut, size_t n, int frequence,
                                  double fmin, double fmax) {
  const std::vector<double> s = spectre(x, debut, n);
  if (s.size() < 3) return 0.0;
  const double pas = frequence / (2.0 * static_cast<double>(s.size() - 1));
  const size_t k1 = std::max<size_t>(1, static_cast<size_t>(fmin / pas));
  const size_t k2 = std::min(s.size() - 2, static_cast<size_t>(fmax / pas) + 1);
  size_t pic = k1;
  for (size_t k = k1; k <= k2; k++)
    if (s[k] > s[pic]) pic = k;
  // Parabola through the log magnitudes of the peak and its neighbours.
  const double a = std::log(std::max(s[pic - 1], 1e-30)), b = std::log(std::max(s[pic], 1e-30)),
               c = std::log(std::max(s[pic + 1], 1e-30));
  const double d = a - 2 * b + c;
  return (static_cast<double>(pic) + (d < 0 ? 0.5 * (a - c) / d : 0.0)) * pas;
}

}  // namespace son_essai
