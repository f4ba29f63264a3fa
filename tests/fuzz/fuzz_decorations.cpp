// Decoration files of any content load within their bytes and save back to what they loaded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "world/decorations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!lit_deco(data, size)) {
    if (size >= 4 || nb_deco != 0) std::abort();
    return 0;
  }
  int compte = 0;
  for (CObjetDeco* d = prem_list_deco; d; d = d->GetSuivant()) {
    if (!d->modele) std::abort();
    compte++;
  }
  // Each decoration kept was a complete 36-byte record of the input.
  if (compte != nb_deco || 4 + 36 * static_cast<size_t>(nb_deco) > size) std::abort();
  const std::vector<uint8_t> octets = encode_deco();
  if (octets.size() != 4 + 36 * static_cast<size_t>(nb_deco)) std::abort();
  if (!lit_deco(octets.data(), octets.size()) || encode_deco() != octets) std::abort();
  Effacement_liste_deco();
  if (prem_list_deco || nb_deco != 0) std::abort();
  return 0;
}
