// The one-shot effects heard in the world: explosion, impact, bonus chime. Each starts and ends on
// silence so that it never clicks when it starts or stops.
#include <algorithm>
#include <cmath>

#include "assetgen/sons/effets.h"

using namespace synth;

namespace effets {
namespace {

// A decaying sine whose frequency glides exponentially from f0 to f1 over `glisse_s` seconds.
Signal sinus_glissant(size_t n, double f0, double f1, double glisse_s, double decroissance_s) {
  Signal s(n);
  double phase = 0;
  for (size_t i = 0; i < n; i++) {
    const double t = double(i) / FREQ_ECH;
    const double f = f1 + (f0 - f1) * std::exp(-t / glisse_s);
    phase += 2.0 * PI * f / FREQ_ECH;
    s[i] = std::sin(phase) * std::exp(-t / decroissance_s);
  }
  return s;
}

// Struck bell: a few partials with their own ratios, levels and decays.
void cloche(Signal& s, size_t debut, double f, double niveau, double decroissance_s) {
  const double rapports[] = {1.0, 2.0, 3.01, 4.2, 5.43};
  const double niveaux[] = {1.0, 0.45, 0.22, 0.12, 0.06};
  for (int p = 0; p < 5; p++) {
    const double fp = f * rapports[p];
    const double tau = decroissance_s / (1.0 + 0.6 * p);
    for (size_t i = debut; i < s.size(); i++) {
      const double t = double(i - debut) / FREQ_ECH;
      const double attaque = std::min(1.0, t / 0.003);
      s[i] += niveau * niveaux[p] * attaque * std::exp(-t / tau) * std::sin(2.0 * PI * fp * t);
    }
  }
}

}  // namespace

Canaux explosion() {
  const size_t n = echantillons(2.2);
  CAlea alea(0x5EED0401);

  // Body: noise whose brightness falls as the fireball expands.
  Signal corps = bruit_blanc(n, 0x5EED0402);
  CFiltreSV bas(eFiltre::PasseBas, 0.9);
  for (size_t i = 0; i < n; i++) {
    const double t = double(i) / FREQ_ECH;
    bas.regle(220.0 + 5200.0 * std::exp(-t / 0.25));
    const double env = std::min(1.0, t / 0.004) * (0.75 * std::exp(-t / 0.35) + 0.25 * std::exp(-t / 0.9));
    corps[i] = bas.traite(corps[i]) * env;
  }
  normalise(corps, 1.0);

  // The blast itself: a deep thump.
  Signal coup = sinus_glissant(n, 75.0, 28.0, 0.25, 0.32);

  // Debris crackling, sparser as time goes on.
  Signal debris(n, 0.0);
  CFiltreSV bande(eFiltre::PasseBande, 4.0);
  bande.regle(1800.0);
  for (size_t i = 0; i < n; i++) {
    const double t = double(i) / FREQ_ECH;
    const double densite = 0.004 * std::exp(-t / 0.3);
    const double x = (alea.entre(0.0, 1.0) < densite) ? alea.uniforme() * 8.0 * std::exp(-t / 0.35) : 0.0;
    debris[i] = bande.traite(x);
  }

  Signal s(n, 0.0);
  mixe(s, corps, 1.0);
  mixe(s, coup, 0.9);
  mixe(s, debris, 0.25);
  sature(s, 1.8);
  fondus(s, 0.001, 0.25);
  normalise(s, 0.89);
  return {s};
}

// Metal against metal: a short noisy strike, a thud and a few inharmonic ringing partials.
Canaux choc() {
  const size_t n = echantillons(0.5);
  Signal s(n, 0.0);

  Signal frappe = bruit_blanc(n, 0x5EED0501);
  filtre(frappe, eFiltre::PasseBande, 2500.0, 0.8, false);
  for (size_t i = 0; i < n; i++) frappe[i] *= std::exp(-double(i) / FREQ_ECH / 0.012);
  normalise(frappe, 1.0);
  mixe(s, frappe, 0.8);

  mixe(s, sinus_glissant(n, 130.0, 60.0, 0.03, 0.06), 0.8);

  const double f[] = {310.0, 742.0, 1193.0, 1785.0, 2610.0};
  const double a[] = {0.5, 0.4, 0.3, 0.2, 0.15};
  const double tau[] = {0.20, 0.13, 0.09, 0.06, 0.045};
  for (int p = 0; p < 5; p++) {
    for (size_t i = 0; i < n; i++) {
      const double t = double(i) / FREQ_ECH;
      s[i] += a[p] * std::exp(-t / tau[p]) * std::sin(2.0 * PI * f[p] * t + p);
    }
  }
  fondus(s, 0.0005, 0.05);
  normalise(s, 0.85);
  return {s};
}

// A bright rising arpeggio of bells: C, E, G, C.
Canaux bonus() {
  const size_t n = echantillons(0.95);
  Signal s(n, 0.0);
  const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00};
  for (int j = 0; j < 4; j++) cloche(s, echantillons(0.065 * j), notes[j], j == 3 ? 1.0 : 0.8, 0.35);
  fondus(s, 0.0, 0.08);
  normalise(s, 0.8);
  return {s};
}

}  // namespace effets
