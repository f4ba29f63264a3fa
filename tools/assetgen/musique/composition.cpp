// The piece's plan (sections and chords bar by bar), the note grid, and assembly into a module.
#include "assetgen/musique/composition.h"

#include <algorithm>

namespace {

struct tPartie {
  eSection section;
  int mesures;
  int transposition;
};

// Intro, theme, a chorus, a breather, the chorus again, a bridge and a solo; then the theme and
// the chorus lifted a whole tone, the theme back home and a turnaround that leads into the theme
// again when the order list loops.
const tPartie PLAN[] = {
    {eSection::INTRO, 4, 0},        {eSection::THEME, 8, 0}, {eSection::THEME_ORNE, 8, 0},
    {eSection::REFRAIN, 8, 0},      {eSection::PAUSE, 4, 0}, {eSection::REFRAIN_ORNE, 8, 0},
    {eSection::PONT, 8, 0},         {eSection::SOLO, 8, 0},  {eSection::FINAL, 8, 2},
    {eSection::REFRAIN_ORNE, 8, 2}, {eSection::THEME_ORNE, 8, 0}, {eSection::RETOUR, 4, 0},
};

const std::vector<int>& progression(const tStyle& s, eSection section) {
  switch (section) {
    case eSection::REFRAIN:
    case eSection::REFRAIN_ORNE:
    case eSection::PAUSE:
      return s.prog_refrain;
    case eSection::PONT:
    case eSection::SOLO:
      return s.prog_pont;
    case eSection::RETOUR:
      return s.prog_retour;
    default:
      return s.prog_theme;
  }
}

std::vector<tMesure> construit_plan(const tStyle& s) {
  std::vector<tMesure> plan;
  for (const tPartie& p : PLAN) {
    const std::vector<int>& prog = progression(s, p.section);
    for (int i = 0; i < p.mesures; i++)
      plan.push_back({p.section, prog[static_cast<size_t>(i) % prog.size()], i, p.mesures, p.transposition});
  }
  return plan;
}

}  // namespace

int note_degre(const tStyle& s, int degre, int octave_base) {
  const int octave = degre >= 0 ? degre / 7 : -((-degre + 6) / 7);
  const int reste = degre - 7 * octave;
  return s.tonique + 12 * (octave + octave_base) + s.gamme[static_cast<size_t>(reste)];
}

bool est_note_accord(int degre, int racine) {
  const int d = ((degre - racine) % 7 + 7) % 7;
  return d == 0 || d == 2 || d == 4;
}

void CGrille::transpose(int debut, int fin, int demi_tons) {
  for (int l = std::max(debut, 0); l < fin && l < m_lignes; l++) m_transposition[static_cast<size_t>(l)] = demi_tons;
}

void CGrille::note(int ligne, int canal, int note, int instrument, int volume, int duree) {
  if (ligne < 0 || ligne >= m_lignes) return;
  if (canal >= C_BASSE) note += m_transposition[static_cast<size_t>(ligne)];
  if (note < 0 || note > 119) return;
  tCelluleIT& c = at(ligne, canal);
  c.note = note;
  c.instrument = static_cast<uint8_t>(instrument);
  c.volume = volume < 0 ? -1 : (volume > 64 ? 64 : volume);
  if (duree <= 0) return;
  for (int l = ligne + 1; l < ligne + duree && l < m_lignes; l++) {
    tCelluleIT& suite = at(l, canal);
    if (suite.note == IT_NOTE_RELACHE && suite.instrument == 0) suite.note = IT_NOTE_VIDE;
  }
  if (ligne + duree < m_lignes) {
    tCelluleIT& fin = at(ligne + duree, canal);
    if (fin.note == IT_NOTE_VIDE) fin.note = IT_NOTE_RELACHE;
  }
}

void CGrille::effet(int ligne, int canal, uint8_t effet, uint8_t parametre) {
  if (ligne < 0 || ligne >= m_lignes) return;
  at(ligne, canal).effet = effet;
  at(ligne, canal).parametre = parametre;
}

std::vector<tPatternIT> CGrille::decoupe() const {
  std::vector<tPatternIT> patterns;
  for (int debut = 0; debut < m_lignes; debut += LIGNES_PATTERN) {
    tPatternIT p(LIGNES_PATTERN, m_canaux);
    for (int l = 0; l < LIGNES_PATTERN && debut + l < m_lignes; l++)
      for (int c = 0; c < m_canaux; c++) p.at(l, c) = m_c[static_cast<size_t>((debut + l) * m_canaux + c)];
    patterns.push_back(p);
  }
  return patterns;
}

bool compose_module(const tStyle& s, tModuleIT& m, std::string* erreur) {
  const std::vector<tMesure> plan = construit_plan(s);
  CGrille g(static_cast<int>(plan.size()) * PAS_PAR_MESURE, NB_CANAUX);
  for (size_t b = 0; b < plan.size(); b++)
    g.transpose(static_cast<int>(b) * PAS_PAR_MESURE, static_cast<int>(b + 1) * PAS_PAR_MESURE, plan[b].transposition);
  ecrit_batterie(s, plan, g);
  ecrit_basse(s, plan, g);
  ecrit_accords(s, plan, g);
  ecrit_melodie(s, plan, g);

  // The last row jumps back to the theme, past the intro.
  const int ordre_reprise = PLAN[0].mesures * PAS_PAR_MESURE / LIGNES_PATTERN;
  g.effet(g.lignes() - 1, C_GROSSE_CAISSE, IT_EFFET_SAUT_ORDRE, static_cast<uint8_t>(ordre_reprise));

  m = tModuleIT();
  m.nom = s.nom;
  m.canaux = NB_CANAUX;
  m.tempo = static_cast<uint8_t>(s.tempo);
  m.vitesse = 6;
  m.volume_global = 128;
  m.volume_mixage = 68;
  // Drums and bass in the middle, the chord voices spread, lead and echo on either side.
  m.panoramiques = {32, 30, 40, 26, 32, 18, 32, 46, 28, 44, 22};
  m.patterns = g.decoupe();
  for (size_t i = 0; i < m.patterns.size(); i++) m.ordres.push_back(static_cast<uint8_t>(i));
  orchestre(s, m);
  if (m.patterns.size() > 200) {
    if (erreur) *erreur = "piece too long";
    return false;
  }
  return true;
}
