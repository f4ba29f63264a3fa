// Shared pieces of the music composer: a piece's style, its bar-by-bar plan, the song-wide note
// grid, and the parts that fill it (drums, bass, chords, arpeggio, lead).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assetgen/musique/module_it.h"
#include "assetgen/musique/synthese.h"

constexpr int PAS_PAR_MESURE = 16;  // four rows a beat
constexpr int LIGNES_PATTERN = 64;  // four bars

// Channels, in mixing order.
enum eCanal { C_GROSSE_CAISSE, C_CAISSE_CLAIRE, C_CHARLESTON, C_CYMBALE, C_BASSE, C_ACCORD1, C_ACCORD2,
              C_ACCORD3, C_MELODIE, C_ECHO, C_ARPEGE, NB_CANAUX };
// Instruments (1-based, as written in the cells).
enum eInstrument { I_GROSSE_CAISSE = 1, I_CAISSE_CLAIRE, I_CLAP, I_CHARLESTON_FERME, I_CHARLESTON_OUVERT,
                   I_CYMBALE, I_BASSE, I_ACCORDS, I_MELODIE, I_ARPEGE, NB_INSTRUMENTS = I_ARPEGE };

enum class eBatterie { QUATRE_TEMPS, CASSEE, ELECTRO, DEUX_PAS };
enum class eBasse { CONTRETEMPS, OCTAVES, SYNCOPE, GALOP };
enum class eJeuAccords { NAPPE, STABS, POMPE };

struct tStyle {
  std::string nom;
  int tonique;               // key root as a note around C-5 (e.g. 57 = A-4)
  std::vector<int> gamme;    // seven semitone offsets of the mode
  int tempo;                 // BPM
  uint64_t graine;
  eBatterie batterie;
  eBasse basse;
  eJeuAccords accords;
  tTimbre timbre_basse, timbre_accords, timbre_melodie, timbre_arpege;
  int coupure_basse, resonance_basse;  // resonant filter, -1 off
  tGrosseCaisse grosse_caisse;
  tCaisseClaire caisse_claire;
  float couleur_charleston;
  // Chord roots (scale degrees, one a bar) of the theme, the chorus, the bridge and the turnaround.
  std::vector<int> prog_theme, prog_refrain, prog_pont, prog_retour;
};

enum class eSection { INTRO, THEME, THEME_ORNE, REFRAIN, PAUSE, REFRAIN_ORNE, PONT, SOLO, FINAL, RETOUR };

struct tMesure {
  eSection section;
  int degre_accord;   // chord root, scale degree
  int dans_section;   // bar index within its section
  int mesures_section;
  int transposition;  // semitones added to every pitched note of the bar
};

// The whole piece as one grid of rows x channels, cut into patterns at the end.
class CGrille {
 public:
  CGrille(int lignes, int canaux)
      : m_lignes(lignes), m_canaux(canaux), m_c(static_cast<size_t>(lignes * canaux)),
        m_transposition(static_cast<size_t>(lignes), 0) {}
  int lignes() const { return m_lignes; }
  tCelluleIT& at(int ligne, int canal) { return m_c[static_cast<size_t>(ligne * m_canaux + canal)]; }
  // Shifts the pitched channels (bass and up) of the rows [debut, fin) by a key change.
  void transpose(int debut, int fin, int demi_tons);
  // Places a note (shifted by its row's key change on pitched channels); with a duration, releases
  // it afterwards and clears an older release that would cut it short.
  void note(int ligne, int canal, int note, int instrument, int volume, int duree = 0);
  void effet(int ligne, int canal, uint8_t effet, uint8_t parametre);
  std::vector<tPatternIT> decoupe() const;

 private:
  int m_lignes, m_canaux;
  std::vector<tCelluleIT> m_c;
  std::vector<int> m_transposition;
};

// Pitch helpers: scale degree (any integer) to note, and chord tones.
int note_degre(const tStyle& s, int degre, int octave_base);
bool est_note_accord(int degre, int racine);

// Parts.
void ecrit_batterie(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g);
void ecrit_basse(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g);
void ecrit_accords(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g);
void ecrit_melodie(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g);

// Samples and instruments of a style.
void orchestre(const tStyle& s, tModuleIT& m);

// The five pieces, one per circuit.
std::vector<tStyle> styles_musiques();

// Whole piece: plan, parts, instruments, patterns and the order list that loops after the intro.
bool compose_module(const tStyle& s, tModuleIT& m, std::string* erreur);
