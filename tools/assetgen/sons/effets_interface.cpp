// Interface and race signals, heard without a place in the world: countdown, start, ready, menu
// tick and click. They are stereo files; the fanfare spreads its two voices slightly apart.
#include <algorithm>
#include <cmath>

#include "assetgen/sons/effets.h"

using namespace synth;

namespace effets {
namespace {

// Soft square (odd harmonics falling fast) held for `tenue_s`, with short attack and release.
void bip(Signal& s, size_t debut, double f, double tenue_s, double niveau) {
  const double attaque = 0.004, relache = 0.03;
  const size_t n = std::min(s.size() - std::min(s.size(), debut), echantillons(tenue_s + relache));
  for (size_t i = 0; i < n; i++) {
    const double t = double(i) / FREQ_ECH;
    double env = std::min(1.0, t / attaque);
    if (t > tenue_s) env *= std::max(0.0, 1.0 - (t - tenue_s) / relache);
    const double w = 2.0 * PI * f * t;
    s[debut + i] += niveau * env * (std::sin(w) + 0.25 * std::sin(3 * w) + 0.08 * std::sin(5 * w));
  }
}

// Brassy note: a sawtooth-like sum whose upper partials open up after the attack, then fade.
void cuivre(Signal& s, size_t debut, double f, double tenue_s, double niveau) {
  const double relache = 0.12;
  const size_t n = std::min(s.size() - std::min(s.size(), debut), echantillons(tenue_s + relache));
  for (size_t i = 0; i < n; i++) {
    const double t = double(i) / FREQ_ECH;
    double env = std::min(1.0, t / 0.015);
    if (t > tenue_s) env *= std::max(0.0, 1.0 - (t - tenue_s) / relache);
    const double eclat = 1.0 - 0.6 * std::exp(-t / 0.05);
    double v = 0;
    for (int h = 1; h <= 8; h++) v += std::pow(eclat, h - 1) * std::sin(2.0 * PI * f * h * t) / h;
    s[debut + i] += niveau * env * v;
  }
}

Canaux deux_fois(const Signal& s) { return {s, s}; }

}  // namespace

Canaux chrono() {
  Signal s(echantillons(0.3), 0.0);
  bip(s, 0, 880.0, 0.17, 1.0);
  normalise(s, 0.71);
  return deux_fois(s);
}

// The go signal: an octave higher than the countdown and held longer, with a fifth on top.
Canaux depart() {
  Signal s(echantillons(0.85), 0.0);
  bip(s, 0, 1760.0, 0.6, 1.0);
  bip(s, 0, 2637.0, 0.6, 0.35);
  fondus(s, 0.0, 0.02);
  normalise(s, 0.79);
  return deux_fois(s);
}

// A three-note rising call, each voice a few cents off the other for width.
Canaux pret() {
  const size_t n = echantillons(1.25);
  Signal g(n, 0.0), d(n, 0.0);
  const double notes[] = {783.99, 1046.50, 1318.51};
  const double tenues[] = {0.16, 0.16, 0.55};
  for (int j = 0; j < 3; j++) {
    const size_t debut = echantillons(0.2 * j);
    cuivre(g, debut, notes[j] * 0.9983, tenues[j], 1.0);
    cuivre(d, debut, notes[j] * 1.0017, tenues[j], 1.0);
  }
  fondus(g, 0.0, 0.02);
  fondus(d, 0.0, 0.02);
  const double c = std::max(crete(g), crete(d));
  for (size_t i = 0; i < n; i++) {
    g[i] *= 0.79 / c;
    d[i] *= 0.79 / c;
  }
  return {g, d};
}

// Menu cursor: a very short, light tick.
Canaux bouton() {
  const size_t n = echantillons(0.06);
  Signal s = bruit_blanc(n, 0x5EED0901);
  filtre(s, eFiltre::PasseHaut, 3000.0, 0.7, false);
  for (size_t i = 0; i < n; i++) {
    const double t = double(i) / FREQ_ECH;
    s[i] = 0.3 * s[i] * std::exp(-t / 0.002) + std::sin(2.0 * PI * 1500.0 * t) * std::exp(-t / 0.012);
  }
  fondus(s, 0.0005, 0.01);
  normalise(s, 0.56);
  return deux_fois(s);
}

// Validation: two quick rising blips, firmer than the tick.
Canaux clic() {
  const size_t n = echantillons(0.12);
  Signal s(n, 0.0);
  const double f[] = {1000.0, 1500.0};
  for (int j = 0; j < 2; j++) {
    const size_t debut = echantillons(0.045 * j);
    for (size_t i = debut; i < n; i++) {
      const double t = double(i - debut) / FREQ_ECH;
      s[i] += std::min(1.0, t / 0.001) * std::exp(-t / 0.018) * std::sin(2.0 * PI * f[j] * t);
    }
  }
  fondus(s, 0.0, 0.015);
  normalise(s, 0.71);
  return deux_fois(s);
}

}  // namespace effets
