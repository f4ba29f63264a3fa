// The circuit of a race: its model and minimap model, world bounds, surface classes, octree,
// display lists and fog, loaded at the start of a race event and freed at its end.
#pragma once

#include "world/materiaux.h"
#include "world/modele3d.h"
#include "world/surfaces.h"

extern t3DModel g_World;  // the circuit
extern t3DModel Minimap;  // its minimap model
// Bounding box of the circuit model; always contains the origin.
extern float wminx, wmaxx, wminy, wmaxy, wminz, wmaxz;
// Slide recovery factor of the pilots, read from the configuration at each circuit load.
extern float glissement;

// Surface class of a circuit object, from the first letter of its name.
unsigned char classe_surface(const char* nom);
void set_type_surfaces(t3DModel* model);

void CheckMinMax(t3DModel* model, float* minx, float* maxx, float* miny, float* maxy, float* minz, float* maxz);

// What loading a circuit met that the player is told about, in this order: no decoration file
// (one default fern stands in), then its model files.
struct tChargeMonde {
  bool deco_absente = false;
  tRapports3DS modeles;
};

// Loads the circuit's decorations, "./objets/kan_m1_<LEVEL_ACTIF>.3ds" into the minimap and
// "./objets/kan_<LEVEL_ACTIF>.3ds", builds the octree, and with a GL context its textures
// (configuration "mappings" = 1), display lists and fog. A missing model leaves its part empty.
tChargeMonde charge_monde();
// Frees what charge_monde made, the circuit's materials first.
void destroy_monde();
