// The time trial: the player alone on a circuit (no computer pilots, no bonuses) against the
// ghost of the best run there, with lap times and their difference to the best lap. Records
// in hiscores/t_C_L.dat (the single race's layout), the best run beside it in t_C_L.rpl.
//
//   PiloteSeul seul;                      // Joueurs[0..4] out of the race until it goes
//   prepare_contre_la_montre(graine);     // on the loaded circuit, before each run
//   ... MainLoop() ...
//   maj_hiscores_contre_la_montre(NOMBRE_TOURS * LONGUEUR_CIRCUIT);
//   sauve_fantome(*dernier_replay());
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/replay.h"
#include "objects/joueur.h"

// True while a time trial runs: its recording stays out of the race replays.
extern bool CONTRE_LA_MONTRE;

// Takes the computer pilots out of Joueurs (every race loop skips empty places) and sets
// CONTRE_LA_MONTRE for its lifetime; puts everything back when it goes.
class PiloteSeul {
 public:
  PiloteSeul();
  ~PiloteSeul();
  PiloteSeul(const PiloteSeul&) = delete;
  PiloteSeul& operator=(const PiloteSeul&) = delete;

 private:
  CObjJoueur* cpu_[NB_PILOTES_CPU];
};

// A run on the loaded circuit from its start: no bonuses or particles, the race generator on
// `graine`, the player's ship as new on the first grid place, aiming at the first line point.
// The same call before the ghost's run and the player's makes them the same race.
void prepare_contre_la_montre(uint32_t graine);

std::string chemin_hiscores_contre_la_montre();   // hiscores/t_<circuit>_<laps>.dat
std::string chemin_fantome(int circuit, int tours);  // hiscores/t_<circuit>_<laps>.rpl
// The records of the circuit and lap count, as maj_hiscores_simple does for single races.
bool maj_hiscores_contre_la_montre(float longueur);

// The best run kept for a circuit and lap count; false (with why in `erreur`) when there is none
// that can be used: missing, unreadable, of another version or of another circuit or lap count.
bool charge_fantome(int circuit, int tours, tReplay* r, std::string* erreur);
// Keeps `r` as its circuit's ghost when it is finished and faster than the one kept (or none
// can be read). True when kept; false when not faster or not written (said on stderr).
bool sauve_fantome(const tReplay& r);

// Lap times in sixtieths as they fall, each with its difference to the best lap known before it
// (the ghost's laps and the run's earlier ones).
struct tTourChrono {
  int temps = 0;
  bool avec_ecart = false;  // false while no lap is known to compare with
  int ecart = 0;            // temps - best; negative is faster
};

class CChronoTours {
 public:
  explicit CChronoTours(std::vector<int> tours_reference = {}) : reference_(std::move(tours_reference)) {}
  // After each race step: the player's completed laps and the race clock in sixtieths.
  // Returns true when a lap fell at this step.
  bool note(int tours_faits, int temps_course);
  const std::vector<tTourChrono>& tours() const { return tours_; }

 private:
  std::vector<int> reference_;
  std::vector<tTourChrono> tours_;
  int fin_dernier_ = 0;
};
