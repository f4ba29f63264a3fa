// The game's sound bank: twelve synthesised effects written as 16-bit PCM WAV files into
// <dossier>/sons/, under the exact names the game loads. Same bytes on every run.
//
//   std::string erreur;
//   if (!genere_sons(dossier, &erreur)) std::fprintf(stderr, "%s\n", erreur.c_str());
//
// Sounds placed in the world are mono (the 3D mixer only positions mono sources); interface sounds
// are stereo. Loops make whole periods over their length, so they wrap without a click.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct tSonBanque {
  const char* fichier;  // name in ./sons, case as the game opens it
  bool en_3d;           // placed in the world: mono
  bool boucle;          // played looping: seamless wrap
};

// The twelve effects, in the game's load order.
const std::vector<tSonBanque>& sons_banque();

struct tSonPCM {
  int canaux = 0;
  int frequence = 0;
  std::vector<int16_t> echantillons;  // interleaved
  size_t trames() const { return canaux > 0 ? echantillons.size() / size_t(canaux) : 0; }
};

// Synthesises one effect by its file name; false for a name not in the bank.
bool synthetise_son(const std::string& fichier, tSonPCM* son);

// WAV (16-bit PCM) in memory, both ways. Decoding is bounded by the buffer and fails on anything
// libsndfile cannot read.
bool encode_wav(const tSonPCM& son, std::vector<uint8_t>* octets, std::string* erreur);
bool decode_wav(const uint8_t* data, size_t taille, tSonPCM* son);

// Writes <dossier>/sons/<fichier> (creating the folder); `erreur` says what failed.
bool genere_son(const std::string& dossier, const std::string& fichier, std::string* erreur);
bool genere_sons(const std::string& dossier, std::string* erreur);
