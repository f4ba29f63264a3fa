// Decorations: the plants placed along a circuit, drawn but never collided with, kept per
// circuit in ./objets/deco_%i.dat and edited in the decoration editor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "world/objsup.h"

class CObjetDeco : public CObjSup {
 public:
  CObjetDeco* GetSuivant() const { return suivant; }
  void SetSuivant(CObjetDeco* d) { suivant = d; }
  CObjetDeco* GetPrecedent() const { return precedent; }
  void SetPrecedent(CObjetDeco* d) { precedent = d; }
  int GetType() const { return type; }
  void SetType(int t) { type = t; }
  // Sets the model and unscaled radius of the type (a fern for unknown types).
  void applique_type();

  CObjetDeco* suivant = nullptr;
  CObjetDeco* precedent = nullptr;
  int type = 0;
};

extern CObjetDeco* prem_list_deco;
extern CObjetDeco* haut_list_deco;
extern CObjetDeco* act_deco;
extern int nb_deco;

// Model and unscaled radius of a decoration type.
t3DModel* modele_deco(int type);
float rayon_deco(int type);

// A fern at (x, y, z), right after the current decoration, made current.
void creation_deco(float x, float y, float z);
void Destruct_deco(CObjetDeco* d);
void Effacement_liste_deco();

std::string chemin_deco(int circuit);
// Loads the circuit's decorations. False when there is no file: one fern at the origin then
// stands in, and the caller tells the player.
bool charge_deco(int circuit);
// Parses a decoration file in memory; only complete records are kept. False when even the
// count is missing.
bool lit_deco(const uint8_t* data, size_t taille);
std::vector<uint8_t> encode_deco();
// Writes the list atomically; an empty list removes the file. False when it could not be written.
bool sauve_deco(int circuit);
