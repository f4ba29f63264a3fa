// Measures on captured sound: levels, onsets, spectra, tails.
#include "analyse_son.h"

#include "assetgen/sons/mesure.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace analyse_son {

namespace {

constexpr double PI = 3.14159265358979323846;

double hz_par_case(const std::vector<double>& s, int frequence) {
  return static_cast<double>(frequence) / (2.0 * static_cast<double>(s.size() - 1));
}

std::vector<double> niveaux_blocs(const std::vector<float>& x, size_t bloc) {
  std::vector<double> v;
  for (size_t i = 0; i + bloc <= x.size(); i += bloc) v.push_back(rms(x, i, bloc));
  return v;
}

}  // namespace

double db(double rapport) { return 20.0 * std::log10(std::max(rapport, 1e-12)); }

double rms(const std::vector<float>& x, size_t debut, size_t n) {
  if (debut >= x.size()) return 0.0;
  n = std::min(n, x.size() - debut);
  double s = 0;
  for (size_t i = debut; i < debut + n; ++i) s += static_cast<double>(x[i]) * x[i];
  return n ? std::sqrt(s / static_cast<double>(n)) : 0.0;
}

std::vector<double> debuts(const std::vector<float>& x, int frequence, double seuil_db, double silence_s) {
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
      // Refine to the first sample of the block above the threshold's amplitude.
      size_t k = i * bloc;
      while (k < (i + 1) * bloc && std::fabs(x[k]) < seuil) k++;
      t.push_back(static_cast<double>(k) / frequence);
    }
    sous = 0;
  }
  return t;
}

std::vector<double> spectre(const std::vector<float>& x, size_t debut, size_t n) {
  if (debut >= x.size()) return {};
  n = std::min(n, x.size() - debut);
  size_t taille = 1;
  while (taille < 4 * n) taille <<= 1;
  std::vector<std::complex<double>> a(taille);
  for (size_t i = 0; i < n; i++) {
    const double w = n > 1 ? 0.5 - 0.5 * std::cos(2 * PI * static_cast<double>(i) / static_cast<double>(n - 1)) : 1.0;
    a[i] = w * x[debut + i];
  }
  fft(a);
  std::vector<double> m(taille / 2 + 1);
  for (size_t k = 0; k < m.size(); k++) m[k] = std::abs(a[k]);
  return m;
}

double frequence_dominante(const std::vector<float>& x, size_t debut, size_t n, int frequence, double fmin,
                           double fmax) {
  const std::vector<double> s = spectre(x, debut, n);
  if (s.size() < 3) return 0.0;
  const double pas = hz_par_case(s, frequence);
  const size_t k1 = std::max<size_t>(1, static_cast<size_t>(fmin / pas));
  const size_t k2 = std::min(s.size() - 2, static_cast<size_t>(fmax / pas) + 1);
  size_t pic = k1;
  for (size_t k = k1; k <= k2; k++)
    if (s[k] > s[pic]) pic = k;
  // Parabola through the log magnitudes of the peak and its neighbours.
  const double a = std::log(std::max(s[pic - 1], 1e-30)), b = std::log(std::max(s[pic], 1e-30)),
               c = std::log(std::max(s[pic + 1], 1e-30));
  const double d = a - 2 * b + c;
  const double decalage = d < 0 ? 0.5 * (a - c) / d : 0.0;
  return (static_cast<double>(pic) + decalage) * pas;
}

double energie_bande(const std::vector<float>& x, size_t debut, size_t n, int frequence, double f1, double f2) {
  const std::vector<double> s = spectre(x, debut, n);
  if (s.empty()) return 0.0;
  const double pas = hz_par_case(s, frequence);
  double e = 0;
  for (size_t k = 0; k < s.size(); k++) {
    const double f = static_cast<double>(k) * pas;
    if (f >= f1 && f <= f2) e += s[k] * s[k];
  }
  return e;
}

double traine(const std::vector<float>& x, int frequence, double chute_db) {
  const size_t bloc = static_cast<size_t>(frequence / 100);
  const std::vector<double> v = niveaux_blocs(x, bloc);
  if (v.empty()) return 0.0;
  const size_t pic = static_cast<size_t>(std::max_element(v.begin(), v.end()) - v.begin());
  const double seuil = v[pic] * std::pow(10.0, -chute_db / 20.0);
  size_t dernier = pic;
  for (size_t i = pic; i < v.size(); i++)
    if (v[i] > seuil) dernier = i;
  return static_cast<double>(dernier - pic + 1) * static_cast<double>(bloc) / frequence;
}

}  // namespace analyse_son
