// Impulse Tracker module writer: header, order list, instruments with envelopes and key zones,
// 16-bit samples and packed patterns, laid out the way tracker players read them.
//
//   tModuleIT m;
//   m.nom = "Piste";
//   m.tempo = 132;
//   m.echantillons.push_back(...);    // 16-bit PCM
//   m.instruments.push_back(...);     // zones point at samples (1-based)
//   m.patterns.push_back(tPatternIT(64, m.canaux));
//   m.ordres = {0, 1, 1, 2};
//   std::vector<uint8_t> octets;
//   std::string erreur;
//   if (!ecrit_module_it(m, octets, &erreur)) ...
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Note values of a pattern cell besides 0..119 (C-0 .. B-9; C-5 = 60 plays at the sample's rate).
constexpr int IT_NOTE_VIDE = -1;
constexpr int IT_NOTE_COUPE = 254;
constexpr int IT_NOTE_RELACHE = 255;

// Effect letters (A = 1).
constexpr uint8_t IT_EFFET_SAUT_ORDRE = 2;  // Bxx
constexpr uint8_t IT_EFFET_VIBRATO = 8;     // Hxy
constexpr uint8_t IT_EFFET_TEMPO = 20;      // Txx

struct tCelluleIT {
  int note = IT_NOTE_VIDE;
  uint8_t instrument = 0;  // 0: none
  int volume = -1;         // volume column, -1: empty; 0..64 volume
  uint8_t effet = 0;       // 0: none
  uint8_t parametre = 0;
  bool vide() const { return note == IT_NOTE_VIDE && instrument == 0 && volume < 0 && effet == 0; }
};

struct tPatternIT {
  tPatternIT() = default;
  tPatternIT(int nb_lignes, int nb_canaux)
      : lignes(nb_lignes), canaux(nb_canaux), cellules(static_cast<size_t>(nb_lignes * nb_canaux)) {}
  tCelluleIT& at(int ligne, int canal) { return cellules[static_cast<size_t>(ligne * canaux + canal)]; }
  const tCelluleIT& at(int ligne, int canal) const {
    return cellules[static_cast<size_t>(ligne * canaux + canal)];
  }
  int lignes = 64;
  int canaux = 0;
  std::vector<tCelluleIT> cellules;
};

struct tEchantillonIT {
  std::string nom;
  std::vector<int16_t> pcm;  // mono
  uint32_t c5speed = 44100;  // playback rate of C-5
  uint8_t volume = 64;       // default note volume, 0..64
  uint8_t volume_global = 64;
  bool boucle = false;
  uint32_t debut_boucle = 0, fin_boucle = 0;  // fin exclusive
};

struct tPointEnveloppe {
  uint16_t tick;
  int8_t valeur;  // volume 0..64
};

struct tEnveloppeIT {
  bool active = false;
  bool boucle = false;
  bool maintien = false;  // sustain loop, left on note-off
  uint8_t debut_boucle = 0, fin_boucle = 0;
  uint8_t debut_maintien = 0, fin_maintien = 0;
  std::vector<tPointEnveloppe> points;  // at most 25
};

// Notes up to `note_max` (inclusive) play `echantillon`; zones are listed from low to high.
struct tZoneIT {
  int note_max;
  uint8_t echantillon;  // 1-based
};

struct tInstrumentIT {
  std::string nom;
  std::vector<tZoneIT> zones;
  uint8_t nna = 0;  // new note action: 0 cut, 1 continue, 2 note off, 3 fade
  uint16_t fondu = 0;  // fade-out speed after note-off
  uint8_t volume_global = 128;
  int panoramique = -1;  // 0..64, -1: the channel's
  int coupure = -1;      // resonant filter cutoff 0..127, -1: off
  int resonance = -1;    // 0..127, -1: off
  tEnveloppeIT enveloppe_volume;
};

struct tModuleIT {
  std::string nom;
  int canaux = 8;           // channels used, at most 64
  uint8_t vitesse = 6;      // ticks per row
  uint8_t tempo = 125;      // beats per minute at four rows a beat and six ticks a row
  uint8_t volume_global = 128;
  uint8_t volume_mixage = 48;
  std::vector<uint8_t> panoramiques;  // per channel 0..64 (missing: centre)
  std::vector<tEchantillonIT> echantillons;
  std::vector<tInstrumentIT> instruments;
  std::vector<tPatternIT> patterns;
  std::vector<uint8_t> ordres;  // pattern numbers in play order
};

// Builds the module's bytes. False, with a reason, when the module breaks the format's limits
// (counts, names, pattern sizes, references to missing samples or patterns).
bool ecrit_module_it(const tModuleIT& m, std::vector<uint8_t>& octets, std::string* erreur);
