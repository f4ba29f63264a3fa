// Building blocks of the synthesised sound effects.
#include "assetgen/sons/synthese.h"

#include <algorithm>
#include <cmath>

namespace synth {

uint64_t CAlea::suivant() {
  uint64_t z = (etat_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double CAlea::uniforme() { return double(suivant() >> 11) * (2.0 / 9007199254740992.0) - 1.0; }

double CAlea::entre(double a, double b) { return a + (uniforme() + 1.0) * 0.5 * (b - a); }

Signal bruit_blanc(size_t n, uint64_t graine) {
  CAlea alea(graine);
  Signal s(n);
  for (double& x : s) x = alea.uniforme();
  return s;
}

size_t echantillons(double secondes) { return size_t(std::lround(secondes * FREQ_ECH)); }

void CFiltreSV::regle(double frequence) {
  const double f = std::clamp(frequence, 10.0, FREQ_ECH * 0.45);
  const double g = std::tan(PI * f / FREQ_ECH);
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

double CFiltreSV::traite(double x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  switch (type_) {
    case eFiltre::PasseBas: return v2;
    case eFiltre::PasseHaut: return x - k_ * v1 - v2;
    case eFiltre::PasseBande: return v1;
  }
  return v2;
}

void filtre(Signal& s, eFiltre type, double frequence, double q, bool circulaire) {
  CFiltreSV f(type, q);
  f.regle(frequence);
  if (circulaire) {
    for (double x : s) f.traite(x);
  }
  for (double& x : s) x = f.traite(x);
}

long periodes_sur_boucle(double frequence, size_t n) {
  return std::max(1L, std::lround(frequence * double(n) / FREQ_ECH));
}

double sinus_boucle(long k, size_t i, size_t n, double dephasage) {
  const unsigned long long r = (static_cast<unsigned long long>(k) * i) % n;
  return std::sin(2.0 * PI * double(r) / double(n) + dephasage);
}

void mixe(Signal& dest, const Signal& source, double gain, size_t debut) {
  for (size_t i = 0; i < source.size() && debut + i < dest.size(); i++) dest[debut + i] += gain * source[i];
}

void fondus(Signal& s, double entree_s, double sortie_s) {
  const size_t n = s.size();
  const size_t ne = std::min(n, echantillons(entree_s));
  const size_t ns = std::min(n, echantillons(sortie_s));
  for (size_t i = 0; i < ne; i++) s[i] *= double(i) / double(ne);
  for (size_t i = 0; i < ns; i++) s[n - 1 - i] *= double(i) / double(ns);
}

void sature(Signal& s, double pousse) {
  const double norme = std::tanh(pousse);
  for (double& x : s) x = std::tanh(pousse * x) / norme;
}

double crete(const Signal& s) {
  double c = 0;
  for (double x : s) c = std::max(c, std::fabs(x));
  return c;
}

void normalise(Signal& s, double crete_visee) {
  const double c = crete(s);
  if (c <= 0) return;
  const double g = crete_visee / c;
  for (double& x : s) x *= g;
}

}  // namespace synth
