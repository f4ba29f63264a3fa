// Baseline (sequential, not progressive) JPEG encoding of a texture image, in memory, with libjpeg:
// the kind of file the game's texture loader reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assetgen/textures/image.h"

bool encode_jpeg(const tImage& image, int qualite, std::vector<uint8_t>* octets, std::string* erreur);
