// Replay files of any content parse within their bytes and write back to the same replay.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tReplay r;
  std::string erreur;
  if (lit_replay(data, size, &r, &erreur) != tLectureReplay::ok) {
    if (erreur.empty()) std::abort();  // every refusal says why
    return 0;
  }
  if (r.etats.size() > PAS_MAX_REPLAY) std::abort();
  const auto octets = ecrit_replay(r);
  tReplay b;
  if (lit_replay(octets.data(), octets.size(), &b, &erreur) != tLectureReplay::ok) std::abort();
  if (b.etats != r.etats || b.nom != r.nom || b.graine != r.graine || b.circuit != r.circuit) std::abort();
  return 0;
}
