// Watching a recorded race: from the classification screen on the circuit still loaded, or from
// a replay file given on the command line.
#pragma once

#include "common/replay.h"

// Runs `r` again on the loaded circuit (its own circuit): its seed, laps, computer pilots' top
// speed, grid and player's name, the player's controls played back. The settings of the game are
// left as they were.
void revoit_course(const tReplay& r);
// Loads the replay's circuit, runs it, frees the circuit. False when the circuit cannot be raced.
bool joue_replay(const tReplay& r);
