// Lead melody: two-bar motifs (a rhythm and a contour) laid over the chords, then developed
// through the piece: repeated with new endings, ornamented, echoed, harmonised in thirds,
// stretched to half speed in the breather, lifted an octave in the finale, and a free solo.
#include <algorithm>
#include <cstdlib>

#include "assetgen/musique/composition.h"
#include "assetgen/musique/hasard.h"

namespace {

constexpr int PAS_PHRASE = 2 * PAS_PAR_MESURE;

struct tNoteMel {
  int debut, duree, degre, volume;
};

struct tMotif {
  std::vector<std::pair<int, int>> rythme;  // (start, length) in steps within the phrase
  std::vector<int> contour;                 // degree steps from the first note
};

std::vector<std::pair<int, int>> genere_rythme(CHasard& h, double densite) {
  static const std::vector<std::vector<int>> cellules = {{4}, {2, 2}, {3, 1}, {1, 1, 2}, {2, 1, 1}, {-2, 2},
                                                         {-4}, {6, 2}, {8}, {1, 1, 1, 1}};
  static const std::vector<std::vector<int>> fins = {{8}, {4, -4}, {2, 2, -4}, {3, 1, 4}, {6, -2}};
  for (;;) {
    std::vector<std::pair<int, int>> r;
    int t = 0;
    while (t < 24) {
      // Dense phrases favour the busy cells (last ones in the weights), sparse ones the long notes.
      const int poids[] = {4, static_cast<int>(2 + 6 * densite), static_cast<int>(1 + 4 * densite),
                           static_cast<int>(1 + 4 * densite), static_cast<int>(1 + 3 * densite), 1,
                           t == 0 ? 0 : 1, t <= 16 ? static_cast<int>(3 - 2 * densite) : 0,
                           t <= 16 ? static_cast<int>(3 - 3 * densite) : 0, static_cast<int>(4 * densite)};
      int total = 0;
      for (int p : poids) total += p;
      int tirage = h.entier(total), c = 0;
      while (tirage >= poids[c]) tirage -= poids[c++];
      for (int d : cellules[static_cast<size_t>(c)]) {
        if (d > 0) r.push_back({t, d});
        t += std::abs(d);
      }
    }
    for (int d : fins[static_cast<size_t>(h.entier(static_cast<int>(fins.size())))]) {
      if (d > 0 && t < PAS_PHRASE) r.push_back({t, std::min(d, PAS_PHRASE - t)});
      t += std::abs(d);
    }
    if (r.size() >= 4) return r;
  }
}

std::vector<int> genere_contour(CHasard& h, size_t n, int ambitus) {
  static const int pas[] = {-2, -1, -1, -1, 1, 1, 1, 2, 0, 3, -3, 4};
  std::vector<int> c(n, 0);
  for (size_t i = 1; i < n; i++) {
    int d = pas[h.entier(12)];
    // After a leap, step back the other way.
    const int avant = i >= 2 ? c[i - 1] - c[i - 2] : 0;
    if (std::abs(avant) >= 3) d = avant > 0 ? -1 : 1;
    c[i] = std::clamp(c[i - 1] + d, -ambitus / 2, ambitus);
  }
  return c;
}

tMotif genere_motif(CHasard& h, double densite, int ambitus) {
  tMotif m;
  m.rythme = genere_rythme(h, densite);
  m.contour = genere_contour(h, m.rythme.size(), ambitus);
  return m;
}

// Nearest chord tone to `degre`, searching outwards.
int vers_accord(int degre, int racine, int preference) {
  for (int e = 0; e < 4; e++) {
    if (est_note_accord(degre + e * preference, racine)) return degre + e * preference;
    if (est_note_accord(degre - e * preference, racine)) return degre - e * preference;
  }
  return degre;
}

// Lays a motif over two bars: strong beats and long notes land on the bar's chord tones.
std::vector<tNoteMel> realise(const tMotif& motif, int racine1, int racine2, int registre, int volume, int haut) {
  std::vector<tNoteMel> notes;
  const int ancre = vers_accord(registre, racine1, 1);
  for (size_t i = 0; i < motif.rythme.size(); i++) {
    const int debut = motif.rythme[i].first, duree = motif.rythme[i].second;
    const int racine = debut < PAS_PAR_MESURE ? racine1 : racine2;
    int degre = ancre + motif.contour[i];
    if (debut % 4 == 0 || duree >= 4) {
      const int sens = i > 0 && motif.contour[i] < motif.contour[i - 1] ? -1 : 1;
      degre = vers_accord(degre, racine, sens);
    }
    while (degre > haut) degre -= 7;
    while (degre < haut - 13) degre += 7;
    const int accent = debut % 8 == 0 ? 6 : (debut % 2 ? -6 : 0);
    notes.push_back({debut, duree, degre, volume + accent});
  }
  return notes;
}

// A new ending: the last notes get fresh steps, and the final one a chord tone.
void varie_fin(std::vector<tNoteMel>& notes, CHasard& h, int racine) {
  const size_t n = notes.size();
  for (size_t i = n >= 3 ? n - 2 : 1; i < n; i++) notes[i].degre = notes[i - 1].degre + (h.chance(0.5) ? 1 : -1) * (1 + h.entier(2));
  notes.back().degre = vers_accord(notes.back().degre, racine, -1);
}

// Ends on the key root: the phrase's second half becomes one long resolving note.
void cadence(std::vector<tNoteMel>& notes) {
  std::vector<tNoteMel> gardees;
  for (const tNoteMel& n : notes)
    if (n.debut < 20) gardees.push_back(n);
  if (gardees.empty()) return;
  const int base = gardees.back().degre;
  const int tonique = base - (((base % 7) + 7) % 7);
  gardees.push_back({20, 10, base - tonique > 3 ? tonique + 7 : tonique, gardees.front().volume});
  notes = gardees;
}

// Passing notes: long notes give up their tail to a step towards the next note.
std::vector<tNoteMel> orne(const std::vector<tNoteMel>& notes, CHasard& h) {
  std::vector<tNoteMel> sortie;
  for (size_t i = 0; i < notes.size(); i++) {
    tNoteMel n = notes[i];
    if (i + 1 < notes.size() && n.duree >= 4 && notes[i + 1].degre != n.degre && h.chance(0.7)) {
      const int vers = notes[i + 1].degre > n.degre ? 1 : -1;
      n.duree -= 2;
      sortie.push_back(n);
      sortie.push_back({n.debut + n.duree, 2, notes[i + 1].degre - vers, n.volume - 6});
      continue;
    }
    sortie.push_back(n);
  }
  return sortie;
}

std::vector<tNoteMel> augmente(const std::vector<tNoteMel>& notes) {
  std::vector<tNoteMel> sortie;
  for (tNoteMel n : notes) {
    n.debut *= 2;
    n.duree *= 2;
    sortie.push_back(n);
  }
  return sortie;
}

enum class eDouble { AUCUN, ECHO, TIERCE };

void place(const tStyle& s, CGrille& g, const std::vector<tNoteMel>& notes, int ligne0, int longueur,
           eDouble doublure) {
  for (size_t i = 0; i < notes.size(); i++) {
    const tNoteMel& n = notes[i];
    if (n.debut >= longueur) break;
    int duree = std::min(n.duree, longueur - n.debut);
    if (i + 1 < notes.size()) duree = std::min(duree, notes[i + 1].debut - n.debut);
    const int note = note_degre(s, n.degre, 0);
    const int l = ligne0 + n.debut;
    g.note(l, C_MELODIE, note, I_MELODIE, n.volume, duree);
    // Long notes get a gentle vibrato once they have settled.
    if (duree >= 6)
      for (int k = 3; k < duree; k++) g.effet(l + k, C_MELODIE, IT_EFFET_VIBRATO, 0x42);
    if (doublure == eDouble::ECHO && n.debut + 3 < longueur)
      g.note(l + 3, C_ECHO, note, I_MELODIE, n.volume * 2 / 5, std::min(duree, longueur - n.debut - 3));
    if (doublure == eDouble::TIERCE) g.note(l, C_ECHO, note_degre(s, n.degre - 2, 0), I_MELODIE, n.volume * 3 / 5, duree);
  }
}

}  // namespace

void ecrit_melodie(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g) {
  CHasard h(s.graine * 7919 + 17);
  const tMotif theme = genere_motif(h, 0.45, 5);
  const tMotif refrain = genere_motif(h, 0.3, 6);
  const tMotif pont = genere_motif(h, 0.05, 4);
  const int haut = 13;

  for (size_t b = 0; b + 1 < plan.size(); b += 2) {
    const tMesure& m = plan[b];
    const int r1 = m.degre_accord, r2 = plan[b + 1].degre_accord;
    const int ligne = static_cast<int>(b) * PAS_PAR_MESURE;
    const int phrase = m.dans_section / 2;  // 0..3 within an eight-bar section
    const bool derniere_phrase = m.dans_section + 2 >= m.mesures_section;
    std::vector<tNoteMel> notes;
    eDouble doublure = eDouble::AUCUN;
    switch (m.section) {
      case eSection::INTRO:
        continue;
      case eSection::THEME:
      case eSection::THEME_ORNE:
      case eSection::FINAL: {
        const bool finale = m.section == eSection::FINAL;
        notes = realise(theme, r1, r2, finale ? 9 : 4, 46, finale ? haut + 1 : haut - 2);
        if (phrase == 1) varie_fin(notes, h, r2);
        if (derniere_phrase) cadence(notes);
        if (m.section == eSection::THEME_ORNE) notes = orne(notes, h);
        doublure = m.section == eSection::THEME_ORNE ? eDouble::ECHO : (finale ? eDouble::TIERCE : eDouble::AUCUN);
        break;
      }
      case eSection::REFRAIN:
      case eSection::REFRAIN_ORNE:
        notes = realise(refrain, r1, r2, 6, 48, haut);
        if (phrase == 2) varie_fin(notes, h, r2);
        if (derniere_phrase) cadence(notes);
        if (m.section == eSection::REFRAIN_ORNE) {
          notes = orne(notes, h);
          doublure = eDouble::TIERCE;
        }
        break;
      case eSection::PAUSE:
        // The theme at half speed, over four bars.
        if (m.dans_section % 4 != 0) continue;
        notes = augmente(realise(theme, r1, plan[b + 2 < plan.size() ? b + 2 : b].degre_accord, 4, 38, haut - 2));
        place(s, g, notes, ligne, 4 * PAS_PAR_MESURE, eDouble::ECHO);
        continue;
      case eSection::PONT:
        notes = realise(pont, r1, r2, 5 + phrase % 2, 42, haut);
        doublure = eDouble::ECHO;
        break;
      case eSection::SOLO: {
        // Every phrase new, busier and climbing.
        notes = realise(genere_motif(h, 0.75 + 0.05 * phrase, 7), r1, r2, 4 + phrase, 46, haut);
        if (derniere_phrase) cadence(notes);
        doublure = eDouble::ECHO;
        break;
      }
      case eSection::RETOUR:
        if (phrase > 0) continue;
        notes = realise(theme, r1, r2, 4, 40, haut - 2);
        doublure = eDouble::ECHO;
        break;
    }
    place(s, g, notes, ligne, PAS_PHRASE, doublure);
  }
}
