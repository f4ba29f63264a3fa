// Watching a recorded race again on the circuit loaded: from the classification screen, or from a
// replay file given on the command line once its circuit is loaded.
#pragma once

#include "common/replay.h"

// Runs `r` again on the loaded circuit (its own circuit): its seed, laps, computer pilots' top
// speed, grid and player's name, the player's controls played back. The settings of the game are
// left as they were.
void revoit_course(const tReplay& r);
