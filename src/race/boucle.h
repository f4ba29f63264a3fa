// The race loop: countdown, paced race steps with drawing, the Escape prompt, the developer keys.
#pragma once

class CcontrolReplay;

// How a race loop ends. Inside the loop, Scan_clavier and the Escape prompt answer FIN_EN_COURS,
// FIN_ECHAP or FIN_CONFIRMEE, and F10/F11/F12 ask for an editing mode. MainLoop answers
// FIN_PODIUM, FIN_HORS_PODIUM or the editing mode asked for (the race then stays abandoned).
enum FinCourse {
  FIN_EN_COURS = 0,      // the race goes on
  FIN_ECHAP = 1,         // Escape is down: the prompt opens
  FIN_EDITEUR_TRAJ = 2,  // F10: the racing-line editor
  FIN_EDITEUR_DECO = 3,  // F11: the decorations editor
  FIN_EDITEUR_SON = 4,   // F12: the sound-environment editor
  FIN_CONFIRMEE = 20,    // Enter at the prompt: the race ends here
  FIN_HORS_PODIUM = 0,   // MainLoop: ended, the human off the podium (or a replay watched)
  FIN_PODIUM = 1,        // MainLoop: ended, the human on the podium
};
// True for the codes that ask for an editing mode.
constexpr bool fin_vers_editeur(int fin) { return fin >= FIN_EDITEUR_TRAJ && fin <= FIN_EDITEUR_SON; }

// Runs one race on the loaded circuit with the pilots on the grid, until the player ends it or
// asks for an editing mode. Countdown sounds that cannot be played are skipped: the race runs
// all the same.
int MainLoop();
// Runs the race prepared on the loaded circuit once more, the human driven by `rejeu` from the
// countdown's first step, under a "REPLAY" mark: C or Tab moves the chase camera to the next
// pilot, Escape leaves at once. Nothing is recorded or scored.
void boucle_replay(CcontrolReplay& rejeu);
// What a game type adds to a race (the time trial's ghost and lap times): after each race step
// (not the countdown's), inside each race frame's scene, and over its overlays. None when null;
// MainLoop keeps them, a replay does not call them.
struct tCrochetsCourse {
  void (*apres_etape)() = nullptr;
  void (*scene)() = nullptr;
  void (*infos)() = nullptr;
};
extern tCrochetsCourse g_CrochetsCourse;
// The race's clear colour and linear fog up to the camera's depth of field.
void brouillard_course();
// Mouse buttons flip the fill mode and the lighting while held; FIN_ECHAP while Escape is down.
int Scan_clavier();
// Plays this countdown step's sound, if it has one; false when it could not be played.
bool joue_son_decompte(int compteur_secondes, int* compteur_sons);
// The start signal is never skipped: played after the countdown when the last step came too late
// for it (`compteur_sons` still 0 or more). False when it could not be played.
bool joue_depart_manque(int compteur_sons);
