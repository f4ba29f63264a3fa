// Drawing of the time trial: the ghost's ship, the lap times, the word about the ghost.
#pragma once

#include <vector>

#include "race/contre_la_montre.h"
#include "race/fantome.h"
#include "world/modele3d.h"

// The ship `modele` where the ghost is, translucent and drawn over nothing it hides.
void dessine_fantome(const tPoseFantome& pose, const t3DModel* modele);
// The laps done, each with its difference to the best lap before it (green faster, red slower).
void dessine_tours(const std::vector<tTourChrono>& tours);
// Under the time at the start: the time to beat, or that this first run has no ghost.
void dessine_annonce_fantome(bool fantome, int temps);
