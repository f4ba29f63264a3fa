// Rendering for the preview: an AllegroGL window, a model drawn from four sides, a circuit seen
// from above and from a point, read back as RGB pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "math/vector.h"
#include "world/modele3d.h"

// Opens the window (under Xvfb for headless use). False with a message when it cannot.
bool ouvre_fenetre(int largeur, int hauteur);

// Loads the textures of the model's materials whose files exist under ./maps; says which are missing.
void charge_textures_presentes(t3DModel* model);

// Four views around the model (every 90 degrees, from 25 degrees above), in a 2 x 2 grid.
std::vector<uint8_t> rendu_tourniquet(const t3DModel& model, int largeur, int hauteur);

// The loaded circuit (g_World with its octree and display lists): on the left from above, on the
// right from `oeil` towards `cible`.
std::vector<uint8_t> rendu_circuit(int largeur, int hauteur, CVector3 oeil, CVector3 cible);
