// Small tracker modules for the sound decoder's seed corpus: each plays a few rows of one short
// sample and ends its song within a fraction of a second, so a fuzzed copy costs little to render.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct tGraine {
  std::string nom;
  std::vector<uint8_t> octets;
};

// MOD, S3M and XM written byte by byte, IT through the asset generator's writer.
std::vector<tGraine> graines_modules();
