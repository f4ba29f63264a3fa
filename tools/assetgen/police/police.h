// The 3D font: one flat object per character 32..126, in order, from the outlines of DejaVu Sans
// Bold, filled with GLU's tessellator. Fronts face +z (the viewer), each glyph's pen origin is at
// (0, 0) on the baseline, capitals stand about 0.25 high, and every glyph reaches its advance in x
// (an extra vertex where the ink stops short) so the game's width measure spaces text evenly.
// The space has those vertices and no faces.
//
//   CMaillage police; std::string erreur;
//   if (!construit_police(&police, &erreur)) ...
//   genere_police(dossier, &erreur);          // writes <dossier>/files/augie_font.3ds
#pragma once

#include <string>

#include "assetgen/maillage.h"

constexpr const char* FICHIER_POLICE = "files/augie_font.3ds";
constexpr const char* FONTE_POLICE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr float HAUTEUR_CAPITALES = 0.25f;

// Builds the font model from the typeface file `fonte`; false with a reason when it cannot be
// read or a glyph cannot be filled.
bool construit_police(CMaillage* m, std::string* erreur, const std::string& fonte = FONTE_POLICE);

bool genere_police(const std::string& dossier, std::string* erreur);
