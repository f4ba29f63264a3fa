// Seeded pseudo-random numbers for the music generator: our own generator (xorshift64*) so the
// same seed gives the same notes and noise on every machine and library version.
#pragma once

#include <cstdint>

class CHasard {
 public:
  explicit CHasard(uint64_t graine) : m_etat(graine ? graine : 0x9E3779B97F4A7C15ull) {}
  uint32_t suivant() {
    m_etat ^= m_etat >> 12;
    m_etat ^= m_etat << 25;
    m_etat ^= m_etat >> 27;
    return static_cast<uint32_t>((m_etat * 0x2545F4914F6CDD1Dull) >> 32);
  }
  // 0 <= n < borne (borne > 0).
  int entier(int borne) { return static_cast<int>(suivant() % static_cast<uint32_t>(borne)); }
  // Uniform in [0, 1).
  double uniforme() { return suivant() * (1.0 / 4294967296.0); }
  // Uniform in [-1, 1).
  double bipolaire() { return 2.0 * uniforme() - 1.0; }
  bool chance(double p) { return uniforme() < p; }

 private:
  uint64_t m_etat;
};
