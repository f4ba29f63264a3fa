// Fuzzes the sound decoders (sound files and tracker modules read from memory): any bytes must
// decode or be refused without reading past the buffer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/son_decodeur.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> octets(data, data + size);
  std::vector<int16_t> pcm;
  int frequence = 0, canaux = 0;
  // A few seconds at most: enough to walk every code path of a file without spending the run.
  decode_tout(octets, 44100L * 4, pcm, frequence, canaux);
  if (auto d = ouvre_decodeur(std::move(octets), true)) {
    int16_t tampon[2 * 1024 * 8];
    for (int i = 0; i < 4 && d->lit(tampon, 1024) > 0; ++i) {
    }
    d->rembobine();
    d->lit(tampon, 256);
  }
  return 0;
}
