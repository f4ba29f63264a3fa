// The game as the render benchmark drives it: the real start-up in a window of a chosen size, a
// circuit loaded by the race event's own code, and race frames drawn by the race loop's functions.
#pragma once

#include <string>
#include <vector>

// Opens the game's window (W x H) in a private copy of the data folder DOSSIER (so config.cfg in
// the game's folder is never rewritten) and runs the game's start-up up to the main menu: sounds,
// font, ships, decorations, bonus models. False (with a reason) when that fails.
bool demarre_jeu(const std::string& dossier, int largeur, int hauteur, std::string* erreur);
// Frees what demarre_jeu made, in the game's shutdown order, and removes the private copy.
void termine_jeu();

// Loads circuit N as a race event does (loading messages, racing line, bonuses, sound
// environment) and puts the six pilots on the grid. Returns the load time in milliseconds.
double charge_circuit(int circuit);
// Frees the circuit.
void libere_circuit();

// What one race frame cost, in milliseconds (the frame is finished with glFinish before the
// clock stops; presenting it is timed apart).
struct MesureImage {
  double logique = 0;  // race step
  double dessin = 0;   // RenderClean + RenderInfos, finished
  double dessin_cpu = 0;  // the same, in processor time of all the process's threads (the
                          // renderer's included): steadier than the clock on a busy machine
  double presente = 0;  // flush and flip
  // The parts of the drawing, each finished on its own (only with detail on; finishing each part
  // costs a little pipelining, so their sum exceeds `dessin`).
  double fond = 0, monde = 0, decos = 0, vaisseaux = 0, bonus_particules = 0, infos = 0;
  // The floor of the same frame (see plancher.h) and its triangle count; -1 when not measured.
  double plancher = -1, plancher_cpu = -1;
  size_t triangles = 0;
};

// Runs the countdown without drawing, starts the race with the bot driving the human's ship, and
// draws N frames with PAS_PAR_IMAGE race steps before each (only the last one timed; more than one
// spreads the frames over more of the lap). With CAPTURE set, frame number CAPTURE_IMAGE is
// written as a PNG there. With PLANCHER_TOUS above 0, every PLANCHER_TOUS-th frame also measures
// its floor, after the frame is timed and captured. With CAPTURE_INFOS the captured picture is
// the overlays alone on black with a disc of radius 0.3 at depth 2 in the middle.
std::vector<MesureImage> course_mesuree(int images, int pas_par_image, bool detail, const std::string& capture,
                                        int capture_image, int plancher_tous = 0, bool capture_infos = false);

// What the loaded circuit holds and what the current view draws of it (after a drawn frame).
void imprime_statistiques();

// Peak resident memory of the process so far (VmHWM), in MB.
double memoire_pointe_mo();
// Resident pages of mapped files now (mostly the renderer's and compiler's code), in MB.
double memoire_fichiers_mo();
