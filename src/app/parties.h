// The game's races as the player runs them from the menus: the single race and the championship
// with their dialogs, the set-up's messages, the race or the editing mode it leads to, and a
// replay file watched from the command line.
#pragma once

#include <cstdint>

#include "common/replay.h"

void MENU_Single_Race();
void MENU_ShampionShip();

// An event's dialog (title, the numbered choice's label and value, the player's name); returns
// the identifier that closed it: 10 play, id_sortie to leave.
int dialogue_evenement(const char* titre, const char* choix_libelle, int* choix, int* max, int id_sortie);
// A circuit number the races can load.
void borne_circuit();

// charge_course with its messages on screen, then what went wrong in message boxes: the default
// decorations, the models (a missing one ends the program with exit code 1 after its box), a
// racing line too short (a dialog, then false), the default sound environment.
bool charge_course_jeu(uint32_t graine);
// "Pret ?" / "Ready ?" with its sound, then waits for a key.
void attend_pret();
// Runs the race prepared; an editing mode asked for from it runs next, on the same circuit, and
// the race counts as abandoned (FIN_HORS_PODIUM). Returns MainLoop's end code otherwise.
int course_ou_editeur();
// Loads the replay's circuit, runs it, frees the circuit. False when the circuit cannot be raced.
bool joue_replay(const tReplay& r);
