// The circuit's sound environment: occlusion polygons (walls that muffle what lies behind them)
// and reverb zones, kept in one list per circuit in ./objets/efson_%i.dat and turned into the
// sound layer's geometry and reverb objects when a race is prepared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/son_api.h"
#include "math/vector.h"

enum { EFSON_OCCLUSION = 1, EFSON_REVERB = 2 };

struct SEffetSon {
  SEffetSon* precedent = nullptr;
  SEffetSon* suivant = nullptr;
  int type = EFSON_OCCLUSION;
  float occlusion_directe = 0.9f;
  float occlusion_reverb = 0.9f;
  int nb_sommets = 4;
  // Relative to `position`; vertex 0 stays at the origin.
  CVector3 sommets[4] = {{0, 0, 0}, {5, 0, 0}, {5, 100, 0}, {0, 100, 0}};
  float min_dist = 5.0f;
  float max_dist = 6.0f;
  int preset = 1;
  int numero = 1;
  CVector3 position{0, 0, 0};
};

extern SEffetSon* prem_list_effetSon;
extern SEffetSon* haut_list_effetSon;
extern SEffetSon* act_effetSon;
extern int nb_effetSon;
extern int nb_occlu;
extern int nb_reverb;
extern int file_nb_effetSon, file_nb_occlu, file_nb_reverb;
extern int point_effetSon_actif;  // edge of the current polygon being moved: 0 near, 1 far

// The layer's objects of the running race.
extern HGeometrie occlu_geometrie;

// A default polygon at (x, y, z) numbered numero + 1, right after the current element, made current.
void creation_effetSon(float x, float y, float z, int numero);
// Setters on the current element; nothing when the list is empty.
void set_type_effetSon(int type);
void set_verts_effetSon(int i, float x, float y, float z);
void set_effetSon(float directe, float reverb);
void set_reverb(float min_dist, float max_dist, int preset);
void Destruct_effetSon(SEffetSon* e);
void Effacement_liste_effetSon();
// Next / previous element, wrapping through the list's ends.
SEffetSon* effetSon_suivant(SEffetSon* e);
SEffetSon* effetSon_precedent(SEffetSon* e);

// Reverb preset name of a preset number (BATHROOM outside 1..6).
const char* nom_preset_reverb(int preset);

std::string chemin_effetSon(int circuit);
// Parses a sound-environment file in memory into the (emptied) list; only complete records are
// kept. False when even the header is missing.
bool lit_effetSons(const uint8_t* data, size_t taille);
std::vector<uint8_t> encode_effetSon();
// Loads circuit LEVEL_ACTIF's file. False when there is none (or not even its header): one
// default polygon then stands in, and the caller tells the player.
bool charge_effetSons();
// Recounts the list and writes it atomically; an empty list removes the file. False when it
// could not be written.
bool sauve_effetSon();

// Builds the occlusion geometry and the reverb zones of the list in the sound system; the world
// bounds set the size of the geometry's space.
void CreationOcclusion(float wminx, float wmaxx, float wminy, float wmaxy, float wminz, float wmaxz);
void creation_reverberation(float x, float y, float z, float min_dist, float max_dist, int preset);
void destroy_reverberations();
int nb_reverberations();
// Releases the occlusion geometry and forgets it.
void libere_occlusion();
