// Building blocks of the synthesised sound effects: seeded noise, loop-exact oscillators, filters,
// envelopes and levels. Everything is plain double arithmetic with our own generator, so a recipe
// gives the same samples on every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

constexpr int FREQ_ECH = 44100;
constexpr double PI = 3.14159265358979323846;

using Signal = std::vector<double>;

// splitmix64: small, fast, and the same sequence everywhere (unlike the standard distributions).
class CAlea {
 public:
  explicit CAlea(uint64_t graine) : etat_(graine) {}
  uint64_t suivant();
  double uniforme();                 // in [-1, 1)
  double entre(double a, double b);  // in [a, b)

 private:
  uint64_t etat_;
};

Signal bruit_blanc(size_t n, uint64_t graine);

size_t echantillons(double secondes);

// Zero-delay-feedback state-variable filter; its cutoff may change on every sample (sweeps).
enum class eFiltre { PasseBas, PasseHaut, PasseBande };

class CFiltreSV {
 public:
  CFiltreSV(eFiltre type, double q) : type_(type), k_(1.0 / q) {}
  void regle(double frequence);
  double traite(double x);

 private:
  eFiltre type_;
  double k_;
  double a1_ = 0, a2_ = 0, a3_ = 0;
  double ic1_ = 0, ic2_ = 0;
};

// Filters a buffer with a fixed cutoff. With `circulaire` the filter first runs once over the whole
// buffer, so the state it starts from is the one it ends with: a loop stays seamless at its wrap.
void filtre(Signal& s, eFiltre type, double frequence, double q, bool circulaire);

// Whole number of periods that a frequency makes over a loop of n samples (at least 1).
long periodes_sur_boucle(double frequence, size_t n);

// sin(2 pi (k i / n) + dephasage), computed from k i mod n so that it is exactly periodic over n.
double sinus_boucle(long k, size_t i, size_t n, double dephasage = 0.0);

// Mixes `source` times `gain` into `dest` from sample `debut` on (clipped to dest's length).
void mixe(Signal& dest, const Signal& source, double gain, size_t debut = 0);

// Linear fade-in and fade-out, so a one-shot sound starts and ends on silence.
void fondus(Signal& s, double entree_s, double sortie_s);

// Rounded soft saturation; keeps 0 at 0 and the sign of every sample.
void sature(Signal& s, double pousse);

double crete(const Signal& s);
void normalise(Signal& s, double crete_visee);

}  // namespace synth
