// Sound-environment files of any content load within their bytes and save back the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "audio/effets_son.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!lit_effetSons(data, size)) return 0;
  const auto octets = encode_effetSon();
  if (octets.size() != 12 + 84 * static_cast<size_t>(nb_effetSon) || octets.size() > size) std::abort();
  if (nb_occlu + nb_reverb > nb_effetSon) std::abort();
  // The fields of each record come back unchanged (the reserved tail is written as zeros).
  for (int k = 0; k < nb_effetSon; k++) {
    const size_t debut = 12 + 84 * static_cast<size_t>(k);
    if (std::memcmp(octets.data() + debut, data + debut, 72) != 0) std::abort();
  }
  Effacement_liste_effetSon();
  return 0;
}
