// The race step with no drawing: pilots against the world, ships against ships, ranking, the
// chase camera and the sound listener. MainLoop runs it once per two timer ticks; the headless
// simulator and the tests run it directly.
//
//   prepare_pilotes();            // all six waiting on the grid
//   demarre_course();             // the start signal
//   EtatCourse etat;
//   while (...) etape_course(etat);
#pragma once

#include <cstdint>

#include "math/vector.h"
#include "objects/joueur.h"

// What the race step keeps from one step to the next.
struct EtatCourse {
  int pas_depuis_arrivee = 0;  // steps since the followed pilot finished
  CVector3 decalage_camera{0, 0, 0};
  int suivi = JOUEUR_HUMAIN;  // the pilot the chase camera follows (the human, but for a replay's choice)
};

// The seed of the race being prepared or run: with the settings and the player's controls at
// each step, it gives the whole race.
extern uint32_t GRAINE_COURSE;
// A new race: keeps `graine` and starts the race generator on it (before the bonuses are placed).
void seme_course(uint32_t graine);
// A seed from the clock, different from one race to the next.
uint32_t graine_horloge();

// Race preparation: nobody arrived, every pilot waiting with its progress at 0.
void prepare_pilotes();
// The start: every pilot may move and drives.
void demarre_course();
// Each pilot in array order: contacts reset, ground, its own step, walls, its minimap dot.
void etape_pilotes();
// One whole race step (no drawing).
void etape_course(EtatCourse& etat);
// The listener follows the camera, with the human's speed; then the sound system advances.
void place_auditeur();

// The countdown runs the pilots once a step for its six seconds (the last of them at the start
// signal): the player's controls are polled that many times before the race.
constexpr int PAS_DECOMPTE = 6 * 30;

// Countdown chronometer: the sixtieths left in the current second. Returns true when the start
// is due (the second counter went below 0).
bool chrono_compte_a_rebours(int* compteur_secondes);
// Race chronometer: folds the tick counter into sixtieths, seconds and minutes (at most one
// second per call). The race adds 2 ticks to game_CHRONO per step before calling it.
void chrono_course();

// True when the human has finished among the first three.
bool humain_sur_podium();
