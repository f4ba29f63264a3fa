// The time trial's ghost: the best run kept, played again before the race into a table of the
// ship's place at each race step, which the race then shows beside the player. Computing it
// up front keeps the ghost's draws from the race generator out of the player's race, so the
// ghost follows exactly the run that set the record.
#pragma once

#include <vector>

#include "common/replay.h"
#include "math/vector.h"

// Where the ghost's ship is after one race step.
struct tPoseFantome {
  CVector3 position{0, 0, 0};
  float angle = 0;               // heading, degrees
  CVector3 normale{0, 1, 0};     // ground under it, for the lean
  bool operator==(const tPoseFantome& o) const {
    return position.x == o.position.x && position.y == o.position.y && position.z == o.position.z &&
           angle == o.angle && normale.x == o.normale.x && normale.y == o.normale.y && normale.z == o.normale.z;
  }
};

struct tFantome {
  std::vector<tPoseFantome> poses;  // one per race step, from the start signal on
  std::vector<int> tours;           // its lap times in sixtieths
};

// The pose of the player's ship now.
tPoseFantome pose_joueur();

// Runs `r` once on the loaded circuit with the player's ship alone (a time trial's set-up:
// prepare_contre_la_montre, the countdown's steps, then a race step per recorded control),
// silently, and returns the ship's poses and lap times. The race state it leaves is a used one:
// the caller prepares its own race after it.
tFantome calcule_fantome(const tReplay& r);
