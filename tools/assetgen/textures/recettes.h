// Recipes of the procedural textures; each draws into an image already at its final size.
#pragma once

#include "assetgen/textures/image.h"

namespace recettes {

// Grounds and walls (tileable).
void route(tImage& img, bool lignes);
void bordure(tImage& img);
void herbe(tImage& img);
void roche(tImage& img);
void sable(tImage& img);
void beton(tImage& img);

// Plants.
void ecorce(tImage& img);
void fougere(tImage& img);
void palme(tImage& img);
void brins(tImage& img);
void petale(tImage& img, tCouleur couleur, uint32_t graine);

// Machines and effects.
void metal(tImage& img);
void livree(tImage& img, int vaisseau);
void lueur(tImage& img, tCouleur couleur, uint32_t graine);
void anneau(tImage& img);
void explosion(tImage& img);

}  // namespace recettes
