// The race music: five tracker modules, one per circuit, composed and synthesised here.
//
//   std::string erreur;
//   if (!genere_musiques(dossier, &erreur)) ...   // writes <dossier>/sons/music1.it .. music5.it
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int NB_MUSIQUES = 5;

// Bytes of piece `numero` (1..NB_MUSIQUES); the same bytes on every call. False, with a reason,
// for a number out of range or a piece the format cannot hold.
bool compose_musique(int numero, std::vector<uint8_t>& octets, std::string* erreur);

// Writes every piece as <dossier_sortie>/sons/music<N>.it, creating sons/ when missing. Each file
// is replaced atomically. False, with a reason, on the first failure.
bool genere_musiques(const std::string& dossier_sortie, std::string* erreur);
