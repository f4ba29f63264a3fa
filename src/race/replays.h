// The replays the game keeps, in the folder of written files: every race the player finishes as
// replays/last.rpl, and the fastest on each circuit and lap count as replays/best_C_L.rpl.
#pragma once

#include <string>

#include "common/replay.h"

class Ccontrol;

std::string chemin_replay_dernier();
std::string chemin_replay_meilleur(int circuit, int tours);

// Records the race MainLoop runs, from the settings of the race prepared (circuit, laps, the
// computer pilots' top speed, seed, the player's name, the grid as placed).
class CEnregistreur {
 public:
  CEnregistreur();
  // After each step of the pilots, countdown included: the human's controls of that step.
  void note(const Ccontrol& c);
  // The race is over: when the player finished it, keeps it as the last race, and as the best
  // of its circuit and lap count when it is the first there or faster. False when a file could
  // not be written (said on stderr).
  bool termine();

 private:
  tReplay replay_;
};

// The last race the player finished in this run, for the classification's replay; null when
// there is none.
const tReplay* dernier_replay();

// Writes `r` as the last race and, when faster than the best kept (or the best cannot be read),
// as the best. False when a file could not be written.
bool sauve_replays(const tReplay& r);
