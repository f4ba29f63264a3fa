// Fuzzes the sound decoders (sound files and tracker modules read from memory): any bytes must
// decode or be refused without reading past the buffer, and what decodes must keep to the sizes
// the mixer relies on.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "audio/son_decodeur.h"

namespace {

// A little over one block of the whole decode, so its loop turns twice: a fraction of a second,
// which is all a seed needs to reach every path (the seeds' songs end well within it).
constexpr long TRAMES_TOUT = 8192 + 2048;
constexpr long TRAMES_FLUX = 1024;
constexpr int CANAUX_MAX = 8;

void exige(bool condition) {
  if (!condition) std::abort();
}

void verifie_format(int frequence, int canaux) { exige(frequence > 0 && canaux >= 1 && canaux <= CANAUX_MAX); }

// Decodes the whole buffer at once, as a sound effect is loaded.
void decode_en_entier(std::vector<uint8_t> octets) {
  std::vector<int16_t> pcm;
  int frequence = 0, canaux = 0;
  if (!decode_tout(std::move(octets), TRAMES_TOUT, pcm, frequence, canaux)) return;
  verifie_format(frequence, canaux);
  exige(!pcm.empty() && pcm.size() % static_cast<size_t>(canaux) == 0 &&
        pcm.size() <= static_cast<size_t>(TRAMES_TOUT * canaux));
}

// Streams it as a looping music: a few reads (past a short song's end), back to the start, once more.
void diffuse(std::vector<uint8_t> octets) {
  auto d = ouvre_decodeur(std::move(octets), true);
  if (!d) return;
  verifie_format(d->frequence(), d->canaux());
  const double duree = d->duree();
  exige(std::isfinite(duree) && duree >= 0.0);
  int16_t tampon[CANAUX_MAX * TRAMES_FLUX];
  for (int i = 0; i < 4; ++i) {
    const long n = d->lit(tampon, TRAMES_FLUX);
    exige(n >= 0 && n <= TRAMES_FLUX);
    if (n == 0) break;
  }
  if (d->rembobine()) exige(d->lit(tampon, 256) <= 256);
}

}  // namespace

// The system's Vorbis reader leaks its codec set-up when an Ogg stream's headers are broken: a
// bare open and close of such a file leaks the same few KB, with none of our code involved.
extern "C" const char* __lsan_default_suppressions() { return "leak:vorbis_info_init\n"; }

// The file reader's codecs print a line per bad block on standard output: a fuzzed run would write
// gigabytes of it. The fuzzer itself reports on standard error.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (!std::freopen("/dev/null", "w", stdout)) std::abort();
  return 0;
}

// Opening a module (or refusing bytes that are none) is by far the dearest step: one way per
// input, picked by the length's parity, which mutations flip all the time, so every seed's
// neighbours go both ways.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> octets(data, data + size);
  if (size % 2 == 0)
    decode_en_entier(std::move(octets));
  else
    diffuse(std::move(octets));
  return 0;
}
