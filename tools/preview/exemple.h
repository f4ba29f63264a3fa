// A small writer-built model and scene to look at with the preview: objets/exemple.3ds,
// objets/kan_1.3ds with its minimap model kan_m1_1.3ds, and the texture maps/damier.jpg.
#pragma once

#include <string>

// Writes them under `dossier` (made if needed). False when a file cannot be written.
bool ecrit_exemples(const std::string& dossier);
