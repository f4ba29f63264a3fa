// What a race event does around the race loop: load the circuit and put the pilots on the grid,
// show "Ready ?", run the race, and free the circuit again on every path.
#pragma once

#include <cstdint>

#include "objects/joueur.h"

// Puts a pilot on grid place 0..5 (x 20..120 along the start straight, z alternating +-7).
void SetPositionDepart(int place, CObjJoueur* pilote);

// A race has at least one lap, also in the hiscore file names.
void borne_tours();

// A race needs a racing line of at least this many points.
constexpr int POINTS_TRAJ_MIN = 2;

// Loads circuit LEVEL_ACTIF with its racing line, passing the loading messages to `annonce` (none
// when null); the pilots aim at the first point; the music file is named. Laps are at least 1.
// The race is the one of `graine` (seme_course), from the bonuses' places on.
// The message boxes of missing files are shown here, and a missing model ends the program (exit
// code 1). False, with everything freed again, when the racing line has fewer than
// POINTS_TRAJ_MIN points: the race cannot be run.
bool charge_course(void (*annonce)(const char*), uint32_t graine);
// The game's set-up: charge_course with the messages on screen; a refused race shows why in a
// dialog before it returns false.
bool charge_course_jeu(uint32_t graine);
// Grid in the order of `ordre` (Joueurs for a single race).
void place_grille(CObjJoueur* const* ordre);
// "Pret ?" / "Ready ?" with its sound, then waits for a key.
void attend_pret();
// Frees everything charge_course made.
void libere_course();
