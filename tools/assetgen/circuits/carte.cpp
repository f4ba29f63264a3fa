// Minimap model: the track surface alone, every few sections, lifted just above the circuit's
// ground (bonuses dropped from it fall onto the track) and never below height 0.
#include <algorithm>

#include "assetgen/circuits/interne.h"

namespace {

constexpr int FOULEE = 4;        // sections per minimap row
constexpr float LEVEE = 1.5f;    // above the highest ground nearby

}  // namespace

void construit_carte(tCircuit* c) {
  const std::vector<tSection>& sec = c->sections;
  const int n = static_cast<int>(sec.size());
  CMaillage& m = c->carte;
  m.materiau("Carte", 173, 111, 6);
  tObjetMaillage& o = m.objet("Carte", "Carte");
  // Rows every few sections, and at both edges of a jump's gap, which is left out of the map.
  std::vector<int> rangs;
  for (int i = 0; i < n; i++) {
    if (sec[i].zone & ZONE_SAUT) continue;
    const bool bord = (sec[(i + 1) % n].zone & ZONE_SAUT) || (sec[(i + n - 1) % n].zone & ZONE_SAUT);
    if (i % FOULEE == 0 || bord) rangs.push_back(i);
  }
  auto section_du_rang = [&](int r) { return rangs[r % rangs.size()]; };
  auto dans_saut = [&](int r) {
    const int a = section_du_rang(r), b = section_du_rang(r + 1);
    for (int i = a; i != b; i = (i + 1) % n) {
      if (sec[i].zone & ZONE_SAUT) return true;
    }
    return false;
  };
  for (int r = 0; r < static_cast<int>(rangs.size()); r++) {
    if (dans_saut(r)) continue;
    int k[2][3];
    for (int bout = 0; bout < 2; bout++) {
      const int rang = r + bout;
      const tSection& e = sec[section_du_rang(rang)];
      const float demi = e.largeur / 2 - 1;
      const float cotes[3] = {demi, 0, -demi};
      for (int j = 0; j < 3; j++) {
        // Highest ground within a row either side, so that straight edges never dip into it.
        float y = 0;
        for (int d = -FOULEE; d <= FOULEE; d++) {
          const tSection& v = sec[(section_du_rang(rang) + d + n) % n];
          if (v.zone & ZONE_SAUT) continue;
          y = std::max(y, std::max(v.sol(demi).y, v.sol(-demi).y));
        }
        const CVector3 p = e.c + e.n * cotes[j];
        k[bout][j] = CMaillage::sommet(o, CVector3(p.x, y + LEVEE, p.z));
      }
    }
    for (int j = 0; j < 2; j++) {
      tri_oriente(o, k[0][j], k[1][j], k[0][j + 1], CVector3(0, 1, 0));
      tri_oriente(o, k[0][j + 1], k[1][j], k[1][j + 1], CVector3(0, 1, 0));
    }
  }
}
