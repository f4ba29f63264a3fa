// The game's icon for desktop menus: a hover ship seen from behind on a road running to a sunset,
// in a rounded square with transparent corners. Drawn at each size from the same shapes (every
// pixel averages 4 x 4 samples), so the small icons are not blurred copies of the large one.
//
//   std::vector<uint8_t> rgba; dessine_icone(128, &rgba);   // 128 x 128 RGBA, top row first
//   genere_icones(dossier, &erreur);                        // <dossier>/icones/veltra_<N>.png
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The sizes written, in pixels.
constexpr int TAILLES_ICONE[3] = {64, 128, 256};

// `taille` x `taille` pixels, 4 bytes each (straight alpha), top row first.
void dessine_icone(int taille, std::vector<uint8_t>* rgba);

// The icon as a PNG file's bytes; empty when the image cannot be encoded.
std::vector<uint8_t> png_icone(int taille);

// Writes icones/veltra_64.png, veltra_128.png and veltra_256.png into `dossier`.
bool genere_icones(const std::string& dossier, std::string* erreur);
