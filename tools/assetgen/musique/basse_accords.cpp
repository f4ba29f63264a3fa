// Bass, chord voices and the arpeggio, all following the plan's chord of each bar.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "assetgen/musique/composition.h"

namespace {

// 'r' root, 'o' octave, 'f' fifth, 'a' a step towards the next bar's root, '.' rest.
const char* motif_basse(eBasse b) {
  switch (b) {
    case eBasse::CONTRETEMPS:
      return "..r...r...r...r.";
    case eBasse::OCTAVES:
      return "r.o.r.o.r.o.r.oa";
    case eBasse::SYNCOPE:
      return "r..r..f.r..o..a.";
    case eBasse::GALOP:
      return "r.rrr.rrr.rrr.ra";
  }
  return "r...r...r...r...";
}

int racine_suivante(const std::vector<tMesure>& plan, size_t b) {
  return plan[(b + 1) % plan.size()].degre_accord;
}

// Chord tones placed near the previous voicing, to move each voice as little as possible.
std::array<int, 3> voicing(const tStyle& s, int racine, const std::array<int, 3>& avant) {
  // Fallback: root position around the key root.
  std::array<int, 3> meilleur = {note_degre(s, racine, 0), note_degre(s, racine + 2, 0), note_degre(s, racine + 4, 0)};
  int cout_min = 1 << 30;
  for (int inversion = 0; inversion < 3; inversion++) {
    for (int base = -1; base <= 1; base++) {
      std::array<int, 3> v{};
      for (int k = 0; k < 3; k++) {
        const int d = racine + 2 * ((k + inversion) % 3) + ((k + inversion) >= 3 ? 7 : 0);
        v[k] = note_degre(s, d + 7 * base, 0);
      }
      std::sort(v.begin(), v.end());
      // Keep the chord in its register: around the key root, below the lead.
      if (v[0] < s.tonique - 7 || v[2] > s.tonique + 10) continue;
      int cout = 0;
      for (int k = 0; k < 3; k++) cout += std::abs(v[k] - avant[k]);
      if (cout < cout_min) {
        cout_min = cout;
        meilleur = v;
      }
    }
  }
  return meilleur;
}

}  // namespace

void ecrit_basse(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g) {
  const char* motif = motif_basse(s.basse);
  for (size_t b = 0; b < plan.size(); b++) {
    const tMesure& m = plan[b];
    const int debut = static_cast<int>(b) * PAS_PAR_MESURE;
    const int racine = note_degre(s, m.degre_accord, -3);
    if (m.section == eSection::INTRO && m.dans_section < 2) continue;
    if (m.section == eSection::PAUSE) {
      g.note(debut, C_BASSE, racine, I_BASSE, 56, 14);
      continue;
    }
    if (m.section == eSection::PONT) {
      g.note(debut, C_BASSE, racine, I_BASSE, 62, 6);
      g.note(debut + 8, C_BASSE, racine + 12, I_BASSE, 54, 4);
      g.note(debut + 12, C_BASSE, racine, I_BASSE, 58, 3);
      continue;
    }
    for (int p = 0; p < PAS_PAR_MESURE; p++) {
      const char c = motif[p];
      if (c == '.') continue;
      int n = racine;
      if (c == 'o') n = racine + 12;
      if (c == 'f') n = note_degre(s, m.degre_accord + 4, -3);
      if (c == 'a') {
        const int cible = racine_suivante(plan, b);
        n = note_degre(s, cible + (cible > m.degre_accord ? -1 : 1), -3);
      }
      int duree = 1;
      while (p + duree < PAS_PAR_MESURE && motif[p + duree] == '.' && duree < 3) duree++;
      g.note(debut + p, C_BASSE, n, I_BASSE, p % 4 == 0 ? 64 : 56, duree);
    }
  }
}

void ecrit_accords(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g) {
  std::array<int, 3> voix = {s.tonique - 5, s.tonique, s.tonique + 4};
  static const int stabs[] = {0, 3, 6, 10, 12};
  static const int pompe[] = {2, 6, 10, 14};
  static const int arpege_montant[] = {0, 2, 4, 7, 9, 7, 4, 2};
  static const int arpege_brise[] = {0, 4, 2, 7, 4, 9, 7, 11};
  const int* arpege = (s.graine & 1) ? arpege_brise : arpege_montant;
  for (size_t b = 0; b < plan.size(); b++) {
    const tMesure& m = plan[b];
    const int debut = static_cast<int>(b) * PAS_PAR_MESURE;
    voix = voicing(s, m.degre_accord, voix);
    const bool long_ = s.accords == eJeuAccords::NAPPE || m.section == eSection::INTRO ||
                       m.section == eSection::PAUSE;
    for (int k = 0; k < 3; k++) {
      const int canal = C_ACCORD1 + k;
      if (long_) {
        g.note(debut, canal, voix[k], I_ACCORDS, m.section == eSection::INTRO ? 22 : 28, 16);
      } else if (s.accords == eJeuAccords::STABS) {
        for (int p : stabs) g.note(debut + p, canal, voix[k], I_ACCORDS, p == 0 ? 34 : 28, 2);
      } else {
        for (int p : pompe) g.note(debut + p, canal, voix[k], I_ACCORDS, 30, 2);
      }
    }

    // The arpeggio joins when the piece opens up: variations, bridge, solo, finale.
    const bool arp = m.section == eSection::THEME_ORNE || m.section == eSection::REFRAIN_ORNE ||
                     m.section == eSection::PONT || m.section == eSection::SOLO || m.section == eSection::FINAL ||
                     m.section == eSection::PAUSE;
    if (!arp) continue;
    const int pas = s.tempo >= 140 ? 2 : 1;  // eighths when fast, sixteenths otherwise
    const int volume = m.section == eSection::PONT || m.section == eSection::PAUSE ? 30 : 22;
    for (int p = 0, i = 0; p < PAS_PAR_MESURE; p += pas, i++) {
      const int degre = m.degre_accord + arpege[i % 8];
      g.note(debut + p, C_ARPEGE, note_degre(s, degre, 0), I_ARPEGE, volume - (p % 4 ? 6 : 0), pas);
    }
  }
}
