// Scenery around the track: a height field that stays below the road near it and rises into
// hills, cliffs and mountains further out (a ravine under bridges, a pit under jumps), and boulders
// along the canyons.
#include <algorithm>
#include <cmath>
#include <limits>

#include "assetgen/circuits/interne.h"

namespace {

constexpr float CASE = 20.0f;                  // terrain grid step
constexpr float BANDE_BASSE = 1.6f * CASE;     // beyond the walls, the ground stays low this far
constexpr float MARGE = 160.0f;                // terrain beyond the track's extent

float lisse(float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

unsigned melange(int x, int z, unsigned graine) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(z) * 668265263u + graine * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

}  // namespace

int CRelief::plus_proche(float x, float z, float* distance, int zones) const {
  int meilleur = -1;
  float d2 = std::numeric_limits<float>::max();
  const std::vector<tSection>& sec = m_c.sections;
  for (size_t i = 0; i < sec.size(); i++) {
    if (zones && !(sec[i].zone & zones)) continue;
    const float dx = sec[i].c.x - x, dz = sec[i].c.z - z;
    const float d = dx * dx + dz * dz;
    if (d < d2) {
      d2 = d;
      meilleur = static_cast<int>(i);
    }
  }
  *distance = std::sqrt(d2);
  return meilleur;
}

// Value noise in [-1, 1] on a 70-unit lattice, two octaves.
float CRelief::bruit(float x, float z) const {
  float total = 0, ampleur = 1, echelle = 70;
  for (int octave = 0; octave < 2; octave++) {
    const float fx = x / echelle, fz = z / echelle;
    const int ix = static_cast<int>(std::floor(fx)), iz = static_cast<int>(std::floor(fz));
    const float tx = lisse(fx - ix), tz = lisse(fz - iz);
    float v[4];
    for (int k = 0; k < 4; k++) {
      v[k] = (melange(ix + (k & 1), iz + (k >> 1), m_c.plan.graine + octave) & 0xFFFF) / 32767.5f - 1;
    }
    total += ampleur * ((v[0] + (v[1] - v[0]) * tx) * (1 - tz) + (v[2] + (v[3] - v[2]) * tx) * tz);
    ampleur *= 0.45f;
    echelle *= 0.4f;
  }
  return total / 1.45f;
}

float CRelief::hauteur(float x, float z) const {
  float d = 0;
  const tSection& e = m_c.sections[plus_proche(x, z, &d)];
  const float h = e.largeur / 2;
  const float bord = std::min(e.sol(h).y, e.sol(-h).y);
  float base = bord - 3;
  if (e.zone & ZONE_SAUT) base = e.c.y - HAUSSE_RAMPE - PROFONDEUR_SAUT - 4;
  const float r = d - (h + EPAISSEUR_MUR + BANDE_BASSE);
  if (e.zone & ZONE_PONT) return e.c.y - 42 + 6 * lisse(r / 120) + 3 * bruit(x, z);  // the ravine
  if (r <= 0) return base;
  const float relief = m_c.plan.collines * (1 - std::exp(-r / 90)) * (0.75f + 0.5f * bruit(x, z));
  float h_roche = -1e9f;
  float dr = 0;
  const int ir = plus_proche(x, z, &dr, ZONE_CANYON | ZONE_TUNNEL);
  if (ir >= 0) {
    // Rock walls measured from the nearest gorge or tunnel, so that they end smoothly where
    // another stretch of track is nearer; they ease back into the hills further out.
    const tSection& k = m_c.sections[ir];
    const float rr = dr - (k.largeur / 2 + EPAISSEUR_MUR + BANDE_BASSE);
    const float mur = (k.zone & ZONE_TUNNEL) ? 46 * lisse(rr / 14) : 40 * lisse(rr / 22);
    h_roche = k.c.y - 3 + (mur + 7 * bruit(z, x)) * (1 - lisse((rr - 90) / 120));
  }
  return std::max(h_roche, base + relief + 3 * lisse(r / 30) * bruit(x * 3, z * 3));
}

void construit_terrain(tCircuit* c, const CRelief& relief) {
  float x0 = 1e9f, x1 = -1e9f, z0 = 1e9f, z1 = -1e9f;
  for (const tSection& e : c->sections) {
    x0 = std::min(x0, e.c.x);
    x1 = std::max(x1, e.c.x);
    z0 = std::min(z0, e.c.z);
    z1 = std::max(z1, e.c.z);
  }
  x0 = std::floor((x0 - MARGE) / CASE) * CASE;
  z0 = std::floor((z0 - MARGE) / CASE) * CASE;
  const int nx = static_cast<int>(std::ceil((x1 + MARGE - x0) / CASE));
  const int nz = static_cast<int>(std::ceil((z1 + MARGE - z0) / CASE));
  std::vector<CVector3> p((nx + 1) * (nz + 1));
  for (int j = 0; j <= nz; j++) {
    for (int i = 0; i <= nx; i++) {
      const float x = x0 + i * CASE, z = z0 + j * CASE;
      p[j * (nx + 1) + i] = CVector3(x, relief.hauteur(x, z), z);
    }
  }
  // Gentle ground and steep rock go to two objects with their own textures.
  CMaillage& m = c->piste;
  const tTheme& th = c->plan.theme;
  m.materiau("Sol", th.teinte_sol[0], th.teinte_sol[1], th.teinte_sol[2], th.sol);
  m.objet("Sol", "Sol", true);
  m.objet("Falaise", "Roche", true);
  tObjetMaillage& sol = m.objets[m.objets.size() - 2];
  tObjetMaillage& falaise = m.objets.back();
  std::vector<int> ind_sol(p.size(), -1), ind_falaise(p.size(), -1);
  auto sommet = [&](tObjetMaillage& o, std::vector<int>& ind, int k) {
    if (ind[k] < 0) ind[k] = CMaillage::sommet(o, p[k], p[k].x / 40, p[k].z / 40 + p[k].y / 60);
    return ind[k];
  };
  for (int j = 0; j < nz; j++) {
    for (int i = 0; i < nx; i++) {
      const int a = j * (nx + 1) + i, b = a + 1, cc = a + nx + 1, d = cc + 1;
      const int tris[2][3] = {{a, cc, b}, {b, cc, d}};
      for (const auto& t : tris) {
        const CVector3 n = Normalize(Cross(p[t[1]] - p[t[0]], p[t[2]] - p[t[0]]));
        const bool raide = std::fabs(n.y) < 0.62f;
        tObjetMaillage& o = raide ? falaise : sol;
        std::vector<int>& ind = raide ? ind_falaise : ind_sol;
        tri_oriente(o, sommet(o, ind, t[0]), sommet(o, ind, t[1]), sommet(o, ind, t[2]), CVector3(0, 1, 0));
      }
    }
  }
  // Water over the hollows: a coarse sheet, only where the ground dips below it.
  if (c->plan.avec_eau) {
    m.materiau("Eau", 60, 200, 205);
    tObjetMaillage& eau = m.objet("Eau", "Eau");
    const int pas = 4;
    for (int j = 0; j + pas <= nz; j += pas) {
      for (int i = 0; i + pas <= nx; i += pas) {
        bool mouille = false;
        for (int b = 0; b <= pas; b++) {
          for (int a = 0; a <= pas; a++) mouille |= p[(j + b) * (nx + 1) + i + a].y < c->plan.eau;
        }
        if (!mouille) continue;
        const float x = x0 + i * CASE, z = z0 + j * CASE, l = pas * CASE, y = c->plan.eau;
        const int k = CMaillage::sommet(eau, CVector3(x, y, z));
        CMaillage::sommet(eau, CVector3(x + l, y, z));
        CMaillage::sommet(eau, CVector3(x, y, z + l));
        CMaillage::sommet(eau, CVector3(x + l, y, z + l));
        tri_oriente(eau, k, k + 2, k + 1, CVector3(0, 1, 0));
        tri_oriente(eau, k + 1, k + 2, k + 3, CVector3(0, 1, 0));
      }
    }
  }
  // Boulders along the canyons, clear of the walls.
  CHasard h(c->plan.graine + 77);
  m.objet("Xrochers", "Roche", true);
  tObjetMaillage& rochers = m.objets.back();
  float dernier = -1000;
  for (const tSection& e : c->sections) {
    if (!(e.zone & ZONE_CANYON) || e.s - dernier < 28) continue;
    dernier = e.s;
    for (int cote = -1; cote <= 1; cote += 2) {
      const float taille = h.entre(4, 9);
      const CVector3 pied = e.c + e.n * (cote * (e.largeur / 2 + EPAISSEUR_MUR + taille + h.entre(3, 14)));
      const float y = relief.hauteur(pied.x, pied.z);
      const float a = h.entre(0, 6.2832f);
      const CVector3 t(std::cos(a), 0, std::sin(a)), n = Cross(CVector3(0, 1, 0), t);
      const CVector3 coins[6] = {pied + CVector3(0, y - pied.y + taille * 1.3f, 0), pied + CVector3(0, y - pied.y - 2, 0),
                                 pied + t * taille + CVector3(0, y - pied.y + 1, 0), pied - t * taille * 0.8f + CVector3(0, y - pied.y + 1, 0),
                                 pied + n * taille * 0.9f + CVector3(0, y - pied.y + 2, 0), pied - n * taille + CVector3(0, y - pied.y, 0)};
      // An octahedron: top, bottom and four corners around.
      const int k0 = static_cast<int>(rochers.sommets.size());
      for (int k = 0; k < 6; k++) CMaillage::sommet(rochers, coins[k], coins[k].x / 12, coins[k].y / 12);
      const int autour[4] = {2, 4, 3, 5};
      for (int k = 0; k < 4; k++) {
        const int u = k0 + autour[k], v = k0 + autour[(k + 1) % 4];
        CVector3 dehors = (coins[autour[k]] + coins[autour[(k + 1) % 4]]) / 2 - pied;
        dehors.y = 0;
        tri_oriente(rochers, k0, u, v, dehors + CVector3(0, taille, 0));
        tri_oriente(rochers, k0 + 1, u, v, dehors - CVector3(0, taille, 0));
      }
    }
  }
  m.objets.erase(std::remove_if(m.objets.begin(), m.objets.end(), [](const tObjetMaillage& o) { return o.faces.empty(); }),
                 m.objets.end());
}
