// Procedural texture library: every texture the generated models and circuits use, written as a
// baseline JPEG into <dossier>/maps/<nom>. Power-of-two sizes; same bytes on every run.
//
//   std::string erreur;
//   genere_texture(dossier, TEX_ROUTE, &erreur);   // one texture, by name
//   genere_textures(dossier, &erreur);             // all of them
//
// A material names its texture by this same file name (the 3DS texture file name).
// In the pictures u runs left to right and v top to bottom; "tiles" means the picture repeats
// without a seam in both directions.
//
//   name               size  tiles  what it shows
//   route.jpg          512   yes    asphalt: dark grain, aggregate specks, stains
//   route_lignes.jpg   512   yes    asphalt with markings for u across the whole road: edge lines
//                                   at u 0.04-0.07 and 0.93-0.96, a dashed centre line (dash on
//                                   v 0-0.5) at u 0.49-0.51
//   bordure.jpg        256   yes    kerb: four red and white blocks along v
//   herbe.jpg          256   yes    grass ground
//   roche.jpg          256   yes    rock: cracked grey-brown stone
//   sable.jpg          256   yes    sand with ripples across v
//   beton.jpg          256   yes    concrete wall: formwork joints every quarter of v, pores, streaks
//   metal.jpg          256   yes    metal panels (4 x 4) with seams and rivets, brushed along u
//   ecorce.jpg         256   yes    bark with fissures along v
//   fougere.jpg        256   no     fern frond: midrib along v at u 0.5, leaflets either side
//   palme.jpg          256   no     palm leaf: rib along v at u 0.5, folded leaflets
//   brins.jpg          256   in u   grass blades, dark roots at the bottom (v 1), light tips at the top
//   petale_rose.jpg    256   no     pink petal, veins along v, darker at the base (v 1)
//   petale_mauve.jpg   256   no     mauve petal, same layout
//   livree1.jpg ..     256   no     ship liveries, nose at v 0, tail at v 1, centre line at u 0.5:
//   livree6.jpg                     1 red / white, 2 blue / yellow, 3 green / black,
//                                   4 orange / navy, 5 purple / silver, 6 yellow / black
//   lueur_bleue.jpg    256   yes    glow: a bright core along v = 0.5 fading to the colour at the
//   lueur_verte.jpg                 edges, with a faint shimmer (reactors, glowing parts)
//   lueur_rouge.jpg
//   lueur_jaune.jpg
//   anneau.jpg         256   yes    energy ring band: cyan core along v = 0.5, gold edges, pulses
//   explosion.jpg      256   yes    turbulent fire, black-red-orange-yellow-white
#pragma once

#include <string>
#include <vector>

#include "assetgen/textures/image.h"

constexpr const char* TEX_ROUTE = "route.jpg";
constexpr const char* TEX_ROUTE_LIGNES = "route_lignes.jpg";
constexpr const char* TEX_BORDURE = "bordure.jpg";
constexpr const char* TEX_HERBE = "herbe.jpg";
constexpr const char* TEX_ROCHE = "roche.jpg";
constexpr const char* TEX_SABLE = "sable.jpg";
constexpr const char* TEX_BETON = "beton.jpg";
constexpr const char* TEX_METAL = "metal.jpg";
constexpr const char* TEX_ECORCE = "ecorce.jpg";
constexpr const char* TEX_FOUGERE = "fougere.jpg";
constexpr const char* TEX_PALME = "palme.jpg";
constexpr const char* TEX_BRINS = "brins.jpg";
constexpr const char* TEX_PETALE_ROSE = "petale_rose.jpg";
constexpr const char* TEX_PETALE_MAUVE = "petale_mauve.jpg";
constexpr const char* TEX_LUEUR_BLEUE = "lueur_bleue.jpg";
constexpr const char* TEX_LUEUR_VERTE = "lueur_verte.jpg";
constexpr const char* TEX_LUEUR_ROUGE = "lueur_rouge.jpg";
constexpr const char* TEX_LUEUR_JAUNE = "lueur_jaune.jpg";
constexpr const char* TEX_ANNEAU = "anneau.jpg";
constexpr const char* TEX_EXPLOSION = "explosion.jpg";

// "livree1.jpg" .. "livree6.jpg" for ships 1 .. 6 (other numbers give an empty string).
std::string texture_livree(int vaisseau);

struct tTextureConnue {
  std::string nom;
  int taille;     // width and height, a power of two
  bool raccord;   // tiles in both directions
};

// Every texture of the library, in a fixed order.
const std::vector<tTextureConnue>& textures_connues();

// Draws a texture by name; false for a name not in the library.
bool dessine_texture(const std::string& nom, tImage* image);

// Writes <dossier>/maps/<nom> (creating the folder); `erreur` says what failed.
bool genere_texture(const std::string& dossier, const std::string& nom, std::string* erreur);
bool genere_textures(const std::string& dossier, std::string* erreur);
