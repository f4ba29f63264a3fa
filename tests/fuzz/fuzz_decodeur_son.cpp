// Sound files and tracker modules from memory: any bytes decode to sizes the mixer takes, or are refused.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "audio/son_decodeur.h"

namespace {

// A little over one block of the whole decode, so its loop turns twice: all a seed needs.
constexpr long TRAMES_TOUT = 8192 + 2048;
constexpr long TRAMES_FLUX = 1024;
constexpr int CANAUX_MAX = 8;

void exige(bool condition) {
  if (!condition) std::abort();
}

bool format_sain(int frequence, int canaux) { return frequence > 0 && canaux >= 1 && canaux <= CANAUX_MAX; }

}  // namespace

// The system's Vorbis reader leaks its codec set-up on broken Ogg headers, none of our code involved.
extern "C" const char* __lsan_default_suppressions() { return "leak:vorbis_info_init\n"; }

// The codecs print a line per bad block on standard output; the fuzzer reports on standard error.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (!std::freopen("/dev/null", "w", stdout)) std::abort();
  return 0;
}

// Opening a module is by far the dearest step: one way per input, picked by the length's parity.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> octets(data, data + size);
  if (size % 2 == 0) {
    // Whole, as a sound effect is loaded.
    std::vector<int16_t> pcm;
    int frequence = 0, canaux = 0;
    if (!decode_tout(std::move(octets), TRAMES_TOUT, pcm, frequence, canaux)) return 0;
    exige(format_sain(frequence, canaux) && !pcm.empty() && pcm.size() % static_cast<size_t>(canaux) == 0 &&
          pcm.size() <= static_cast<size_t>(TRAMES_TOUT * canaux));
    return 0;
  }
  // Streamed as a looping music: a few reads (past a short song's end), back to the start, once more.
  auto d = ouvre_decodeur(std::move(octets), true);
  if (!d) return 0;
  exige(format_sain(d->frequence(), d->canaux()) && std::isfinite(d->duree()) && d->duree() >= 0.0);
  int16_t tampon[CANAUX_MAX * TRAMES_FLUX];
  for (int i = 0; i < 4; ++i) {
    const long n = d->lit(tampon, TRAMES_FLUX);
    exige(n >= 0 && n <= TRAMES_FLUX);
    if (n == 0) break;
  }
  if (d->rembobine()) exige(d->lit(tampon, 256) <= 256);
  return 0;
}
