// The shared material table, the texture names that go with it, and loading and freeing models
// with their materials and textures.
//
// Importing a model and uploading its textures are two steps: the import is the same everywhere;
// only the drawing side (with an OpenGL context) creates and deletes textures.
#pragma once

#include <string>
#include <vector>

#include "world/load3ds.h"
#include "world/modele3d.h"

// A model file the player is to be told about: missing, not a 3DS file, or of a later version.
// The loading functions return these, in load order; the game's start-up and race set-up show
// them (and stop when a file is missing).
struct tRapport3DS {
  std::string chemin;
  tResultat3DS resultat = IMPORT_OK;
  bool version_recente = false;
};
using tRapports3DS = std::vector<tRapport3DS>;

// Imports a model with the one loader; adds to `rapports` what the player must be told of it.
void importe_modele(t3DModel* model, const char* path, tRapports3DS* rapports);

extern tMateriaux g_Materiaux;
// The texture of material i is entry i: material indices stay below MAX_TEXTURES.
extern unsigned int g_Texture[MAX_TEXTURES];

// True once the OpenGL screen is up: textures and display lists can then be made. The start-up
// sets it; headless runs leave it false.
extern bool g_ContexteGL;

// Imports a model and gives its materials their texture slots (no upload: see charge_textures).
void charge_mesh(t3DModel* model, const char* path, tRapports3DS* rapports);
// Gives each of the model's materials its texture slot (its own index), without uploading.
void attribue_slots(t3DModel* model);

// Frees a model's objects, and its materials from the end of the table: models are freed in the
// reverse order of loading. Its textures and object lists go first (libere_rendu_modele).
void destroy_obj(t3DModel* model);
// Frees the objects only, leaving the materials in the table.
void vide_objets(t3DModel* model);

void clear_g_Materiaux();   // start-up: an empty table
void destroy_materiaux();   // shutdown: every material goes (libere_rendu_materiaux before)

// Drawing side (materiaux_rendu.cpp, GL context needed).
// Loads "./maps/<fileName>" (a JPEG whatever its extension) into entry `slot` of `textures`,
// with nearest filters. A missing texture shows a message and ends the program (code 1).
void CreateTexture(unsigned int* textures, const char* fileName, int slot);
// Uploads the textures of the model's materials that name a file.
void charge_textures(t3DModel* model);
// Deletes the textures of the model's materials and the object lists of its objects, before the
// model is freed.
void libere_rendu_modele(const t3DModel& model);
// Deletes every texture of the table and every object list (shutdown, before the models go).
void libere_rendu_materiaux();
