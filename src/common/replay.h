// Replay files: a finished race given by its settings, its seed and the player's controls at each
// race step, so that the race can be run again exactly (watched, or raced against).
//
//   tReplay r;  r.circuit = 2; r.tours = 3; ...; r.etats = {...};   // one byte per race step
//   const std::vector<uint8_t> octets = ecrit_replay(r);
//   std::string erreur;
//   if (lit_replay(octets.data(), octets.size(), &r, &erreur) != tLectureReplay::ok) ...
//
// Layout, little-endian: "VRPL", u16 version, u8 circuit, u8 laps, f32 computer pilots' top
// speed, u32 seed, u32 player's race time in sixtieths (0: not finished), the six pilots' numbers
// in grid order (u8 each, 5 is the player), u8 name length and the name, u32 number of steps, u32 number of runs, then the runs of equal control bytes (u8 byte,
// u16 length 1..65535) whose lengths add up to the number of steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t VERSION_REPLAY = 1;
// An hour of race steps (30 a second): a longer file is not one the game wrote.
constexpr uint32_t PAS_MAX_REPLAY = 30u * 60 * 60;
constexpr size_t NOM_MAX_REPLAY = 31;

struct tReplay {
  int circuit = 1;           // 1..5
  int tours = 1;             // 1..99
  float vitesse_cpu = 2.5f;  // 0.5..10
  uint32_t graine = 0;
  uint32_t temps = 0;        // the player's race time in sixtieths; 0 when not finished
  uint8_t grille[6] = {0, 1, 2, 3, 4, 5};  // pilot number (index in Joueurs) at each grid place
  std::string nom;           // at most NOM_MAX_REPLAY bytes (longer is cut on writing)
  std::vector<uint8_t> etats;  // the player's control byte at each step, countdown included
};

enum class tLectureReplay { ok, pas_un_replay, autre_version, invalide };

// The file's bytes; the steps past PAS_MAX_REPLAY are not kept.
std::vector<uint8_t> ecrit_replay(const tReplay& r);
// Parses `taille` bytes. Anything but ok leaves `r` untouched and says why in `erreur`.
tLectureReplay lit_replay(const uint8_t* data, size_t taille, tReplay* r, std::string* erreur);
// Reads a replay file (bounded), with the reason in `erreur` when it cannot be used.
bool charge_replay(const std::string& chemin, tReplay* r, std::string* erreur);
