// The game's long-lived models: six hover ships, nine plants and seven bonus models, built from
// code and written as 3DS files under the names start-up loads. Same bytes on every run.
//
//   std::string erreur;
//   if (!genere_modeles(dossier, &erreur)) std::fprintf(stderr, "%s\n", erreur.c_str());
//
//   CMaillage m;
//   construit_modele("objets/arbre.3DS", &m);     // one model in memory, by its file name
//
// Ships have their nose along +z, a flat bottom near y = 0 and the reactor at the back around
// (0, 1.75, -2.3); plants stand on y = 0 around the y axis; bonus objects meant to glow have
// names starting with 'A'. Every material name starts with the model's own prefix, so models
// never pick up one another's materials from the shared table.
#pragma once

#include <string>
#include <vector>

#include "assetgen/maillage.h"

enum tFamilleModele { FAMILLE_VAISSEAU, FAMILLE_DECOR, FAMILLE_BONUS };

struct tModeleConnu {
  std::string fichier;  // path under the game folder, case as the game opens it
  tFamilleModele famille;
  float rayon;          // how far from the origin the model may reach (0: ship, see the box)
};

// Every model, in the game's load order: ships, decorations, bonus models.
const std::vector<tModeleConnu>& modeles_connus();

// Builds one model by its file name; false for a name not in the list.
bool construit_modele(const std::string& fichier, CMaillage* m);

// Writes every model under <dossier>/objets (creating it); `erreur` says what failed.
bool genere_modeles(const std::string& dossier, std::string* erreur);
