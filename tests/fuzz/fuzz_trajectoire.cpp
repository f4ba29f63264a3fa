// Racing-line files of any content load within their bytes and save back the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "world/trajectoire.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!lit_trajectoire(data, size)) return 0;
  calcule_trajectoire();
  const auto octets = encode_trajectoire();
  // Each point kept was a complete 24-byte record of the input.
  if (octets.size() != 4 + 24 * static_cast<size_t>(nb_point_t) || octets.size() > size) std::abort();
  Effacement_liste_point_t();
  return 0;
}
