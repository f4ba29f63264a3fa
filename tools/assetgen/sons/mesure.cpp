// Objective measures of a sound: duration, peak, RMS, spectral centroid, loop seam.
#include "assetgen/sons/mesure.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace {

constexpr double PI = 3.14159265358979323846;

double en_db(double x) { return x > 0 ? 20.0 * std::log10(x) : -200.0; }

// Mono mix in [-1, 1].
std::vector<double> mixage(const tSonPCM& son) {
  const size_t n = son.trames();
  std::vector<double> m(n, 0.0);
  for (size_t i = 0; i < n; i++) {
    for (int c = 0; c < son.canaux; c++) m[i] += son.echantillons[i * size_t(son.canaux) + size_t(c)];
    m[i] /= 32768.0 * son.canaux;
  }
  return m;
}

double centroide(const std::vector<double>& x, int frequence) {
  const size_t taille = 2048;
  std::vector<double> fenetre(taille);
  for (size_t i = 0; i < taille; i++) fenetre[i] = 0.5 - 0.5 * std::cos(2 * PI * double(i) / double(taille));
  double somme_fm = 0, somme_m = 0;
  std::vector<std::complex<double>> bloc(taille);
  for (size_t debut = 0; debut < x.size(); debut += taille / 2) {
    for (size_t i = 0; i < taille; i++) {
      const double v = debut + i < x.size() ? x[debut + i] : 0.0;
      bloc[i] = {v * fenetre[i], 0.0};
    }
    fft(bloc);
    for (size_t k = 1; k < taille / 2; k++) {
      const double p = std::norm(bloc[k]);
      somme_fm += p * double(k) * frequence / double(taille);
      somme_m += p;
    }
  }
  return somme_m > 0 ? somme_fm / somme_m : 0.0;
}

}  // namespace

tMesureSon mesure_son(const tSonPCM& son) {
  tMesureSon m;
  const size_t n = son.trames();
  if (n < 2 || son.frequence <= 0) return m;
  m.duree_s = double(n) / son.frequence;
  double crete = 0, energie = 0;
  for (int16_t e : son.echantillons) {
    crete = std::max(crete, std::fabs(double(e)));
    energie += double(e) * double(e);
  }
  m.crete_dbfs = en_db(crete / 32768.0);
  m.rms_dbfs = en_db(std::sqrt(energie / double(son.echantillons.size())) / 32768.0);
  m.centroide_hz = centroide(mixage(son), son.frequence);
  const size_t nc = size_t(son.canaux);
  for (size_t c = 0; c < nc; c++) {
    const double saut = std::fabs(double(son.echantillons[c]) - son.echantillons[(n - 1) * nc + c]);
    double pas = 0;
    size_t plus_petits = 0;
    for (size_t i = 1; i < n; i++) {
      const double d = std::fabs(double(son.echantillons[i * nc + c]) - son.echantillons[(i - 1) * nc + c]);
      pas += d;
      if (d < saut) plus_petits++;
    }
    pas /= double(n - 1);
    m.saut_boucle = std::max(m.saut_boucle, pas > 0 ? saut / pas : (saut > 0 ? 1e9 : 0.0));
    m.rang_saut = std::max(m.rang_saut, double(plus_petits) / double(n - 1));
  }
  return m;
}

void fft(std::vector<std::complex<double>>& a) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; i++) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> w(std::cos(-2 * PI / double(len)), std::sin(-2 * PI / double(len)));
    for (size_t i = 0; i < n; i += len) {
      std::complex<double> wk(1.0, 0.0);
      for (size_t k = 0; k < len / 2; k++) {
        const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * wk;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        wk *= w;
      }
    }
  }
}
