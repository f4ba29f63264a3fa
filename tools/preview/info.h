// `--info`: a 3DS file as our loader sees it, in text.
#pragma once

#include <cstdio>

// Prints per object its name, counts, material, surface class and bounding box (game axes), then
// the material table. Returns the process exit code: 0 when the file loaded whole.
int affiche_info(const char* chemin, std::FILE* sortie);
