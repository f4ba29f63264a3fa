// What the player is told about the game's files: model files that could not be loaded, the
// stand-ins made for a circuit's missing files, and a race that cannot start. The loaders only
// report; the start-up and the race set-up call these.
//
//   if (!signale_modeles(charge_mesh_deco())) std::exit(1);  // a missing model ends the game
#pragma once

#include "world/materiaux.h"

// One message box per report, in order; the error boxes then wait for a key. False at the first
// missing file (nothing after it is shown): the caller ends the program with exit code 1.
bool signale_modeles(const tRapports3DS& rapports);

// The message boxes of the stand-ins: `n` default decorations, `n` default occlusion polygons.
void signale_deco_par_defaut(int n);
void signale_effetSons_par_defaut(int n);

// A dialog in the menus' style saying that the race on `circuit` cannot start because its racing
// line is missing or has fewer than two points; Enter closes it.
void dialogue_course_impossible(int circuit);
