// Sample synthesis for the music: looped, band-limited tones for bass, chords and leads, and
// one-shot drums. Everything is computed here from formulas and seeded noise.
//
//   tTimbre t;  t.forme = eForme::SCIE;  t.voix = 3;
//   tEchantillonIT pad = synthese_tonale("Nappe", t, 84);      // clean up to C-7
//   tEchantillonIT gc = synthese_grosse_caisse("Kick", tGrosseCaisse());
#pragma once

#include <cstdint>
#include <string>

#include "assetgen/musique/module_it.h"

// Tones: one period of PERIODE_TON samples plays C-5 at C5 pitch.
constexpr int PERIODE_TON = 256;

enum class eForme {
  SCIE,       // all harmonics, 1/k
  CARREE,     // odd harmonics
  IMPULSION,  // pulse of width `parametre` (0..0.5)
  TRIANGLE,   // soft, odd harmonics 1/k^2
  ORGUE,      // a few drawbar partials
  FM,         // two-operator FM, ratio 2, index `parametre`
  SINUS_OCTAVE  // sine with a touch of octave and fifth (flute-like)
};

struct tTimbre {
  eForme forme = eForme::SCIE;
  float parametre = 0.5f;
  int voix = 1;            // 1, or 3 for a detuned chorus (slower to loop: longer sample)
  float brillance = 1.0f;  // harmonic roll-off: lower is darker (harmonic index of the -3 dB point / 10)
};

// A looped tone sample band-limited so that notes up to `note_max` stay clean at 48 kHz.
tEchantillonIT synthese_tonale(const std::string& nom, const tTimbre& t, int note_max);

struct tGrosseCaisse {
  float freq_debut = 160.0f, freq_fin = 48.0f;  // Hz, exponential sweep
  float chute = 0.045f;                        // sweep time constant, s
  float duree = 0.45f;                         // s
  float clic = 0.3f;                           // transient noise amount
  float saturation = 1.5f;                     // soft drive
};
struct tCaisseClaire {
  float ton = 190.0f;     // body pitch, Hz
  float bruit = 0.7f;     // noise share 0..1
  float duree = 0.25f;    // s
  float couleur = 3500.0f;  // noise band centre, Hz
  bool claquement = false;  // hand clap: a few quick noise bursts
};
struct tCymbale {
  float duree = 0.08f;  // closed hat ~0.08 s, open ~0.4, crash ~1.6
  float couleur = 8000.0f;  // high-pass corner, Hz
  uint64_t graine = 1;
};

tEchantillonIT synthese_grosse_caisse(const std::string& nom, const tGrosseCaisse& p);
tEchantillonIT synthese_caisse_claire(const std::string& nom, const tCaisseClaire& p, uint64_t graine);
tEchantillonIT synthese_cymbale(const std::string& nom, const tCymbale& p);
