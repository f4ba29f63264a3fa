// One-shot drum samples: a swept sine kick, a tone-plus-noise snare or clap, and filtered-noise
// cymbals, all at 44.1 kHz.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assetgen/musique/hasard.h"
#include "assetgen/musique/synthese.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int TAUX = 44100;

// Second-order filter (band-pass or high-pass), direct form I.
class CFiltre {
 public:
  static CFiltre passe_bande(double f, double q) {
    const double w = 2 * PI * f / TAUX, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    return CFiltre(alpha / a0, 0, -alpha / a0, -2 * std::cos(w) / a0, (1 - alpha) / a0);
  }
  static CFiltre passe_haut(double f, double q) {
    const double w = 2 * PI * f / TAUX, alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha;
    return CFiltre((1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0);
  }
  double operator()(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }

 private:
  CFiltre(double b0_, double b1_, double b2_, double a1_, double a2_) : b0(b0_), b1(b1_), b2(b2_), a1(a1_), a2(a2_) {}
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Normalises to a fixed peak, with a short fade at the end so the tail stops without a click.
tEchantillonIT termine(const std::string& nom, std::vector<double>& s) {
  const size_t fondu = std::min<size_t>(s.size() / 4, TAUX / 200);
  for (size_t i = 0; i < fondu; i++) s[s.size() - 1 - i] *= static_cast<double>(i) / fondu;
  double crete = 1e-9;
  for (double v : s) crete = std::max(crete, std::fabs(v));
  tEchantillonIT e;
  e.nom = nom;
  e.c5speed = TAUX;
  e.pcm.resize(s.size());
  for (size_t i = 0; i < s.size(); i++) e.pcm[i] = static_cast<int16_t>(std::lround(s[i] / crete * 30000.0));
  return e;
}

size_t echantillons(float secondes) { return static_cast<size_t>(std::max(0.01f, secondes) * TAUX); }

}  // namespace

tEchantillonIT synthese_grosse_caisse(const std::string& nom, const tGrosseCaisse& p) {
  std::vector<double> s(echantillons(p.duree));
  CHasard hasard(0x6B1C);
  CFiltre clic = CFiltre::passe_bande(3000, 0.8);
  double phase = 0;
  for (size_t i = 0; i < s.size(); i++) {
    const double t = static_cast<double>(i) / TAUX;
    const double f = p.freq_fin + (p.freq_debut - p.freq_fin) * std::exp(-t / p.chute);
    phase += 2 * PI * f / TAUX;
    const double corps = std::sin(phase) * std::exp(-t / (p.duree * 0.35));
    const double attaque = clic(hasard.bipolaire()) * p.clic * std::exp(-t / 0.004);
    s[i] = std::tanh(p.saturation * (corps + attaque));
  }
  return termine(nom, s);
}

tEchantillonIT synthese_caisse_claire(const std::string& nom, const tCaisseClaire& p, uint64_t graine) {
  std::vector<double> s(echantillons(p.duree));
  CHasard hasard(graine);
  CFiltre bande = CFiltre::passe_bande(p.couleur, 0.7);
  double phase = 0;
  for (size_t i = 0; i < s.size(); i++) {
    const double t = static_cast<double>(i) / TAUX;
    phase += 2 * PI * p.ton * (1.0 + 0.5 * std::exp(-t / 0.01)) / TAUX;
    const double corps = std::sin(phase) * std::exp(-t / 0.05) * (1.0 - p.bruit);
    double enveloppe = std::exp(-t / (p.duree * 0.3));
    if (p.claquement) {
      // Three quick slaps, then the room tail.
      const double t_slap = std::fmod(t, 0.011);
      enveloppe = t < 0.033 ? std::exp(-t_slap / 0.003) : 0.8 * std::exp(-(t - 0.033) / (p.duree * 0.25));
    }
    s[i] = corps + bande(hasard.bipolaire()) * p.bruit * enveloppe * 2.0;
  }
  return termine(nom, s);
}

tEchantillonIT synthese_cymbale(const std::string& nom, const tCymbale& p) {
  std::vector<double> s(echantillons(p.duree));
  CHasard hasard(p.graine);
  CFiltre haut1 = CFiltre::passe_haut(p.couleur, 0.7), haut2 = CFiltre::passe_haut(p.couleur, 0.7);
  // Square partials at unrelated ratios give the metallic ring under the hiss.
  static const double partiels[] = {1.0, 1.342, 1.2312, 1.6532, 1.9523, 2.1523};
  double phases[6] = {0, 0, 0, 0, 0, 0};
  const double base = 410.0;
  for (size_t i = 0; i < s.size(); i++) {
    const double t = static_cast<double>(i) / TAUX;
    double metal = 0;
    for (int k = 0; k < 6; k++) {
      phases[k] += base * partiels[k] / TAUX;
      metal += std::fmod(phases[k], 1.0) < 0.5 ? 1.0 : -1.0;
    }
    const double brut = 0.6 * hasard.bipolaire() + 0.12 * metal;
    s[i] = haut2(haut1(brut)) * std::exp(-t / (p.duree * 0.3));
  }
  return termine(nom, s);
}
