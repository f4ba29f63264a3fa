// A permuted congruential generator: 64 bits of state, 32-bit outputs.
#include "common/hasard.h"

namespace {

constexpr uint64_t MULTIPLICATEUR = 6364136223846793005ull;
constexpr uint64_t INCREMENT = 1442695040888963407ull;

}  // namespace

CHasard g_HasardCourse;
CHasard g_HasardDecor(0x5eed);

void CHasard::seme(uint32_t graine) {
  etat_ = 0;
  suivant();
  etat_ += graine;
  suivant();
}

uint32_t CHasard::suivant() {
  const uint64_t x = etat_;
  etat_ = x * MULTIPLICATEUR + INCREMENT;
  const uint32_t melange = static_cast<uint32_t>(((x >> 18) ^ x) >> 27);
  const uint32_t rotation = static_cast<uint32_t>(x >> 59);
  return (melange >> rotation) | (melange << ((32 - rotation) & 31));
}

int CHasard::entier(int n) {
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<uint64_t>(suivant()) * static_cast<uint64_t>(n)) >> 32);
}
