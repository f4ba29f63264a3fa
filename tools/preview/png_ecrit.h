// Writing an RGB image to a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds `hauteur` rows of `largeur` pixels, bottom row first (as OpenGL reads them).
bool ecrit_png(const std::string& chemin, int largeur, int hauteur, const std::vector<uint8_t>& rgb);
