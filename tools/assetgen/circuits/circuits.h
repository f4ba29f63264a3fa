// The five circuits of the game, built from centre-line plans: for each circuit i = 1..5 the
// track model objets/kan_i.3ds, its minimap objets/kan_m1_i.3ds, the racing line traj_i.dat, the
// plants deco_i.dat, the sound environment efson_i.dat, and the textures they name in maps/.
//
//   std::string erreur;
//   if (!genere_circuits("/path/to/game", &erreur)) fprintf(stderr, "%s\n", erreur.c_str());
//
// Same bytes on every run.
#pragma once

#include <string>

struct tCircuit;

constexpr int NOMBRE_CIRCUITS = 5;

bool genere_circuits(const std::string& dossier, std::string* erreur);

// Builds circuit `numero` (1..5) in memory, as genere_circuits writes it.
void construit_circuit(int numero, tCircuit* circuit);
