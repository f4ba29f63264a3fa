// Drum part: a groove per style, thinned or filled according to the section, with fills at the
// end of every section and a crash on the first beat of the next.
#include "assetgen/musique/composition.h"

namespace {

struct tGroove {
  const char* grosse_caisse;
  const char* caisse_claire;
  const char* charleston;  // 'x' closed, 'o' open, lower case softer
  bool clap;
};

// Sixteen steps a bar. 'X' accent, 'x' normal, 'g' ghost.
tGroove groove(eBatterie b) {
  switch (b) {
    case eBatterie::QUATRE_TEMPS:
      return {"x...x...x...x...", "....x.......x...", "g.O.g.O.g.O.g.Og", true};
    case eBatterie::CASSEE:
      return {"x.....x...x.....", "....X..g.g..X..g", "x.X.x.X.x.X.x.Xo", false};
    case eBatterie::ELECTRO:
      return {"x..x..x...x..x..", "....x.......x...", "XgxgXgxgXgxgXgOg", true};
    case eBatterie::DEUX_PAS:
      return {"x.........x.....", "....X.......X...", "x.xgx.x.x.xgx.O.", false};
  }
  return {"x...x...x...x...", "....x.......x...", "x.x.x.x.x.x.x.x.", false};
}

int force(char c, int normal) {
  switch (c) {
    case 'X':
    case 'O':
      return normal + 8;
    case 'x':
    case 'o':
      return normal;
    case 'g':
      return normal / 2;
    default:
      return -1;
  }
}

constexpr int DO5 = 60;

void remplissage(CGrille& g, int debut, int numero, int instrument_claire) {
  if (numero % 2 == 0) {
    // Snare roll over the second half of the bar, growing louder.
    for (int p = 8; p < 16; p++) g.note(debut + p, C_CAISSE_CLAIRE, DO5, instrument_claire, 22 + 4 * (p - 8));
  } else {
    // Toms: the kick played higher.
    static const int toms[][2] = {{8, 84}, {10, 79}, {12, 74}, {13, 74}, {14, 69}, {15, 67}};
    for (const auto& t : toms) g.note(debut + t[0], C_CYMBALE, t[1], I_GROSSE_CAISSE, 46);
    g.note(debut + 12, C_CAISSE_CLAIRE, DO5, instrument_claire, 50);
  }
}

}  // namespace

void ecrit_batterie(const tStyle& s, const std::vector<tMesure>& plan, CGrille& g) {
  const tGroove gr = groove(s.batterie);
  const int claire = gr.clap ? I_CLAP : I_CAISSE_CLAIRE;
  int fills = 0;
  for (size_t b = 0; b < plan.size(); b++) {
    const tMesure& m = plan[b];
    const int debut = static_cast<int>(b) * PAS_PAR_MESURE;
    const bool derniere = m.dans_section == m.mesures_section - 1;
    const bool intro = m.section == eSection::INTRO, pause = m.section == eSection::PAUSE;
    const bool leger = m.section == eSection::PONT;
    const bool fill = derniere && !pause;

    if (m.dans_section == 0 && !intro && !pause) g.note(debut, C_CYMBALE, DO5, I_CYMBALE, 40);

    for (int p = 0; p < PAS_PAR_MESURE; p++) {
      if (fill && p >= 8) break;
      const int l = debut + p;
      // Kick: silent in the breather, only the downbeats in the bridge.
      const int vk = force(gr.grosse_caisse[p], 60);
      if (vk > 0 && !pause && !(leger && p % 8 != 0) && !(intro && m.dans_section == 0 && p > 0))
        g.note(l, C_GROSSE_CAISSE, DO5, I_GROSSE_CAISSE, vk);
      const int vs = force(gr.caisse_claire[p], 48);
      if (vs > 0 && !pause && !(intro && m.dans_section < 2)) g.note(l, C_CAISSE_CLAIRE, DO5, claire, vs);
      const char h = gr.charleston[p];
      const int vh = force(h, pause ? 16 : 26);
      if (vh > 0 && !(pause && p % 2 != 0)) {
        const bool ouvert = (h == 'o' || h == 'O') && !pause;
        g.note(l, C_CHARLESTON, DO5, ouvert ? I_CHARLESTON_OUVERT : I_CHARLESTON_FERME, vh);
      } else if (vh < 0 && (m.section == eSection::SOLO || m.section == eSection::FINAL)) {
        g.note(l, C_CHARLESTON, DO5, I_CHARLESTON_FERME, 12);  // the climax fills every sixteenth
      }
    }
    if (fill) {
      // The groove's first half still plays under the fill.
      for (int p = 8; p < 16; p += 2) g.note(debut + p, C_CHARLESTON, DO5, I_CHARLESTON_FERME, 18);
      g.note(debut + 8, C_GROSSE_CAISSE, DO5, I_GROSSE_CAISSE, 56);
      remplissage(g, debut, fills++, claire);
    }
  }
}
