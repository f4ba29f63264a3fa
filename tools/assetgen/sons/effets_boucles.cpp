// The looping effects: engine hum, missile whoosh, boost roar, slide hiss. Every periodic part makes
// a whole number of periods over the loop and every noise is filtered circularly, so the last
// sample runs into the first as smoothly as any two neighbours.
#include <cmath>

#include "assetgen/sons/effets.h"

using namespace synth;

namespace effets {
namespace {

// Sum of sines whose frequencies are whole multiples of a slow rate: an exactly periodic flutter.
double flutter(size_t i, size_t n, const long* periodes, const double* poids, int compte) {
  double v = 0;
  for (int j = 0; j < compte; j++) v += poids[j] * sinus_boucle(periodes[j], i, n, 0.7 * j);
  return v;
}

}  // namespace

// The pitch follows the ship's speed through the playback rate, so the base note sits low and
// the spectrum is dense enough to still sound like a machine when raised an octave.
Canaux moteur() {
  const size_t n = echantillons(1.0);
  CAlea alea(0x5EED0001);
  const long k0 = periodes_sur_boucle(90.0, n);
  Signal s(n, 0.0);
  double phases[25];
  for (double& p : phases) p = alea.entre(0.0, 2.0 * PI);
  for (size_t i = 0; i < n; i++) {
    double v = 0;
    for (int h = 1; h <= 24; h++) {
      const double a = (h % 2 ? 1.3 : 1.0) / std::pow(double(h), 0.9);
      v += a * sinus_boucle(k0 * h, i, n, phases[h]);
    }
    // A second rotor one period per second faster: a slow beat.
    for (int h = 1; h <= 8; h++) v += 0.45 / h * sinus_boucle((k0 + 1) * h, i, n, phases[h] * 0.5);
    const double houle = 1.0 + 0.08 * sinus_boucle(6, i, n);
    s[i] = v * houle;
  }
  normalise(s, 1.0);

  // Combustion noise, pulsed at the firing rate.
  Signal souffle = bruit_blanc(n, 0x5EED0002);
  filtre(souffle, eFiltre::PasseBande, 420.0, 0.8, true);
  normalise(souffle, 1.0);
  for (size_t i = 0; i < n; i++) souffle[i] *= 0.6 + 0.4 * sinus_boucle(k0, i, n);
  mixe(s, souffle, 0.35);

  // Turbine whine with a slight vibrato.
  const long kw = periodes_sur_boucle(1350.0, n);
  for (size_t i = 0; i < n; i++) {
    const double vib = 4.0 * sinus_boucle(3, i, n);
    s[i] += 0.05 * std::sin(2.0 * PI * double((kw * i) % n) / double(n) + vib);
  }

  filtre(s, eFiltre::PasseBas, 4200.0, 0.7, true);
  normalise(s, 1.0);
  sature(s, 1.4);
  normalise(s, 0.79);
  return {s};
}

// Rocket exhaust: a bright band of noise over a low rumble, with a whistle that wavers.
Canaux missile() {
  const size_t n = echantillons(1.0);
  Signal s = bruit_blanc(n, 0x5EED0101);
  filtre(s, eFiltre::PasseBande, 1800.0, 1.1, true);
  normalise(s, 1.0);

  Signal grave = bruit_blanc(n, 0x5EED0102);
  filtre(grave, eFiltre::PasseBas, 260.0, 0.8, true);
  normalise(grave, 1.0);

  const long periodes[] = {4, 7, 11};
  const double poids[] = {0.25, 0.12, 0.08};
  const long ks = periodes_sur_boucle(2400.0, n);
  for (size_t i = 0; i < n; i++) {
    const double vague = 1.0 + flutter(i, n, periodes, poids, 3);
    const double vib = 14.0 * sinus_boucle(5, i, n);
    const double sifflet = std::sin(2.0 * PI * double((ks * i) % n) / double(n) + vib);
    s[i] = s[i] * vague + 0.7 * grave[i] + 0.12 * sifflet;
  }
  normalise(s, 1.0);
  sature(s, 1.2);
  normalise(s, 0.79);
  return {s};
}

// Afterburner: broadband roar with a harmonic rumble underneath, rougher than the engine.
Canaux boost() {
  const size_t n = echantillons(1.0);
  Signal s = bruit_blanc(n, 0x5EED0201);
  filtre(s, eFiltre::PasseBas, 1300.0, 0.7, true);
  normalise(s, 1.0);

  Signal aigu = bruit_blanc(n, 0x5EED0202);
  filtre(aigu, eFiltre::PasseBande, 3200.0, 0.9, true);
  normalise(aigu, 1.0);

  const long k0 = periodes_sur_boucle(55.0, n);
  const long periodes[] = {7, 13, 17, 29};
  const double poids[] = {0.18, 0.12, 0.10, 0.07};
  for (size_t i = 0; i < n; i++) {
    double grondement = 0;
    for (int h = 1; h <= 10; h++) grondement += sinus_boucle(k0 * h, i, n, 0.9 * h) / h;
    const double flamme = 1.0 + flutter(i, n, periodes, poids, 4);
    s[i] = s[i] * flamme + 0.35 * aigu[i] + 0.25 * grondement;
  }
  normalise(s, 1.0);
  sature(s, 2.0);
  normalise(s, 0.84);
  return {s};
}

// Hull scraping the ground: high hiss with an uneven grinding rhythm.
Canaux glisse() {
  const size_t n = echantillons(1.0);
  Signal s = bruit_blanc(n, 0x5EED0301);
  filtre(s, eFiltre::PasseHaut, 2500.0, 0.7, true);
  normalise(s, 1.0);

  Signal crissement = bruit_blanc(n, 0x5EED0302);
  filtre(crissement, eFiltre::PasseBande, 5800.0, 3.0, true);
  normalise(crissement, 1.0);

  const long periodes[] = {9, 23, 37};
  const double poids[] = {0.30, 0.15, 0.10};
  for (size_t i = 0; i < n; i++) {
    const double frottement = 1.0 + flutter(i, n, periodes, poids, 3);
    s[i] = (s[i] + 0.6 * crissement[i]) * frottement;
  }
  filtre(s, eFiltre::PasseBas, 9000.0, 0.7, true);
  normalise(s, 0.71);
  return {s};
}

}  // namespace effets
