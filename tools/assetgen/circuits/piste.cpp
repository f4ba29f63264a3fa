// The drivable part of a circuit: road, shoulders, bridge deck and ramps as ground, the walls on
// both sides, and what is built with them (tunnel roofs, jump pit, bridge piers, arches).
#include <algorithm>
#include <cmath>

#include "assetgen/circuits/interne.h"

void tri_oriente(tObjetMaillage& o, int a, int b, int c, CVector3 vers) {
  const CVector3 n = Cross(o.sommets[b] - o.sommets[a], o.sommets[c] - o.sommets[a]);
  if (Dot(n, vers) < 0) std::swap(b, c);
  CMaillage::face(o, a, b, c);
}

namespace {

enum tSorte { SORTE_ROUTE, SORTE_PONT, SORTE_RAMPE, SORTE_AUCUNE };

// What lies between section i and the next one.
tSorte sorte(const std::vector<tSection>& sec, int i) {
  const int n = static_cast<int>(sec.size());
  const int z = sec[i].zone | sec[(i + 1) % n].zone;
  if (z & ZONE_SAUT) return SORTE_AUCUNE;
  if (z & ZONE_PONT) return SORTE_PONT;
  if ((sec[i].zone & ZONE_RAMPE) && (sec[(i + 1) % n].zone & ZONE_RAMPE)) return SORTE_RAMPE;
  return SORTE_ROUTE;
}

// Runs of consecutive quads of the same sort: (first section, number of quads).
std::vector<std::pair<int, int>> troncons(const std::vector<tSection>& sec, tSorte voulu) {
  const int n = static_cast<int>(sec.size());
  int depart = 0;  // a place where the sort changes, so that no run is cut by the wrap
  for (int i = 0; i < n; i++) {
    if (sorte(sec, i) != sorte(sec, (i + n - 1) % n)) {
      depart = i;
      break;
    }
  }
  std::vector<std::pair<int, int>> r;
  for (int k = 0; k < n; k++) {
    const int i = (depart + k) % n;
    if (sorte(sec, i) != voulu) continue;
    if (!r.empty() && (r.back().first + r.back().second) % n == i) {
      r.back().second++;
    } else {
      r.push_back({i, 1});
    }
  }
  return r;
}

// A ground strip over the sections of a run, across the side offsets given by `colonne(j, sec)`
// for j = 0..colonnes (left to right), facing up. v runs along the track in units of `repere`.
template <class F>
void bande(tObjetMaillage& o, const std::vector<tSection>& sec, std::pair<int, int> run, int colonnes, F colonne,
           float repere) {
  const int n = static_cast<int>(sec.size());
  const int base = static_cast<int>(o.sommets.size());
  for (int k = 0; k <= run.second; k++) {
    const tSection& e = sec[(run.first + k) % n];
    const float v = (sec[run.first].s + k * (sec[1].s - sec[0].s)) / repere;  // continuous across the wrap
    for (int j = 0; j <= colonnes; j++) CMaillage::sommet(o, e.sol(colonne(j, e)), float(j) / colonnes, v);
  }
  for (int k = 0; k < run.second; k++) {
    for (int j = 0; j < colonnes; j++) {
      const int a = base + k * (colonnes + 1) + j, b = a + 1, c = a + colonnes + 1, d = c + 1;
      tri_oriente(o, a, c, b, CVector3(0, 1, 0));
      tri_oriente(o, b, c, d, CVector3(0, 1, 0));
    }
  }
}

// Side offsets across the whole width: shoulder, four road strips, shoulder.
float colonne_large(int j, const tSection& e) {
  const float h = e.largeur / 2, r = h - ACCOTEMENT;
  const float u[7] = {h, r, r / 2, 0, -r / 2, -r, -h};
  return u[j];
}

float colonne_route(int j, const tSection& e) { return colonne_large(j + 1, e); }

// A box turned to the track frame: centre, half sizes along t, up, n.
void boite(tObjetMaillage& o, CVector3 c, CVector3 t, CVector3 n, float dt, float dy, float dn) {
  const CVector3 haut(0, 1, 0);
  CVector3 p[8];
  for (int i = 0; i < 8; i++) {
    p[i] = c + t * ((i & 1) ? dt : -dt) + haut * ((i & 2) ? dy : -dy) + n * ((i & 4) ? dn : -dn);
  }
  const int faces[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
  for (const auto& f : faces) {
    CVector3 centre_face(0, 0, 0);
    for (int k = 0; k < 4; k++) centre_face += p[f[k]];
    centre_face = centre_face / 4;
    const int a = CMaillage::sommet(o, p[f[0]], 0, 0);
    CMaillage::sommet(o, p[f[1]], 1, 0);
    CMaillage::sommet(o, p[f[2]], 1, 1);
    CMaillage::sommet(o, p[f[3]], 0, 1);
    const CVector3 dehors = centre_face - c;
    tri_oriente(o, a, a + 1, a + 2, dehors);
    tri_oriente(o, a, a + 2, a + 3, dehors);
  }
}

// Height of the wall top above the road edge at a section.
float sommet_mur(const tSection& e, float bord_y) {
  if (e.zone & ZONE_TUNNEL) return e.c.y + HAUTEUR_TUNNEL;
  return bord_y + HAUTEUR_MUR;
}

void murs(CMaillage& m, const std::vector<tSection>& sec) {
  tObjetMaillage& o = m.objet("Dmur", "Mur", true);
  const int n = static_cast<int>(sec.size());
  for (int cote = -1; cote <= 1; cote += 2) {
    const int base = static_cast<int>(o.sommets.size());
    for (int i = 0; i <= n; i++) {
      const tSection& e = sec[i % n];
      const float s = i == n ? sec.back().s + (sec[1].s - sec[0].s) : e.s;
      const CVector3 bord = e.sol(cote * e.largeur / 2);
      const CVector3 dehors = e.n * float(cote);
      const float bas = bord.y - 7, haut = sommet_mur(e, bord.y);
      const float v = s / 16;
      CMaillage::sommet(o, CVector3(bord.x, bas, bord.z), v, 0);
      CMaillage::sommet(o, CVector3(bord.x, haut, bord.z), v, (haut - bas) / 16);
      const CVector3 ext = bord + dehors * EPAISSEUR_MUR;
      CMaillage::sommet(o, CVector3(ext.x, haut, ext.z), v, (haut - bas) / 16 + 0.15f);
      CMaillage::sommet(o, CVector3(ext.x, bas, ext.z), v, 2 * (haut - bas) / 16 + 0.15f);
    }
    for (int i = 0; i < n; i++) {
      const tSection& e = sec[i];
      const CVector3 dedans = e.n * float(-cote);
      const int a = base + i * 4, b = a + 4;
      // inner face, top, outer face
      tri_oriente(o, a, b, a + 1, dedans);
      tri_oriente(o, a + 1, b, b + 1, dedans);
      tri_oriente(o, a + 1, b + 1, a + 2, CVector3(0, 1, 0));
      tri_oriente(o, a + 2, b + 1, b + 2, CVector3(0, 1, 0));
      tri_oriente(o, a + 2, b + 2, a + 3, dedans * -1);
      tri_oriente(o, a + 3, b + 2, b + 3, dedans * -1);
    }
  }
}

// Roof of the tunnels: a slab from wall to wall, its underside facing the road.
void voutes(CMaillage& m, const std::vector<tSection>& sec) {
  const int n = static_cast<int>(sec.size());
  tObjetMaillage& o = m.objet("Voute", "Roche", true);
  for (int i = 0; i < n; i++) {
    const tSection& a = sec[i];
    const tSection& b = sec[(i + 1) % n];
    if (!(a.zone & ZONE_TUNNEL) || !(b.zone & ZONE_TUNNEL)) continue;
    for (int dessus = 0; dessus <= 1; dessus++) {
      const float y = HAUTEUR_TUNNEL + (dessus ? 8.0f : 0.0f);
      const float d = (dessus ? 1.0f : -1.0f);
      const float la = a.largeur / 2 + EPAISSEUR_MUR, lb = b.largeur / 2 + EPAISSEUR_MUR;
      const CVector3 p[4] = {a.c + a.n * la, a.c - a.n * la, b.c + b.n * lb, b.c - b.n * lb};
      const float ys[4] = {a.c.y + y, a.c.y + y, b.c.y + y, b.c.y + y};
      int k[4];
      for (int j = 0; j < 4; j++) {
        k[j] = CMaillage::sommet(o, CVector3(p[j].x, ys[j], p[j].z), (j & 1) * 2.0f, (j >> 1) * 0.25f);
      }
      tri_oriente(o, k[0], k[1], k[2], CVector3(0, d, 0));
      tri_oriente(o, k[1], k[3], k[2], CVector3(0, d, 0));
    }
    // Rock face above the portals.
    for (int bout = 0; bout <= 1; bout++) {
      const tSection& e = bout ? b : a;
      const tSection& dehors = bout ? sec[(i + 2) % n] : sec[(i + n - 1) % n];
      if (dehors.zone & ZONE_TUNNEL) continue;
      const float l = e.largeur / 2 + EPAISSEUR_MUR;
      const CVector3 g = e.c + e.n * l, d = e.c - e.n * l;
      const float y0 = e.c.y + HAUTEUR_TUNNEL, y1 = y0 + 8;
      const int k0 = CMaillage::sommet(o, CVector3(g.x, y0, g.z), 0, 0);
      CMaillage::sommet(o, CVector3(d.x, y0, d.z), 2, 0);
      CMaillage::sommet(o, CVector3(g.x, y1, g.z), 0, 0.3f);
      CMaillage::sommet(o, CVector3(d.x, y1, d.z), 2, 0.3f);
      const CVector3 vers = bout ? e.t : e.t * -1;
      tri_oriente(o, k0, k0 + 1, k0 + 2, vers);
      tri_oriente(o, k0 + 1, k0 + 3, k0 + 2, vers);
    }
  }
}

// Sand pit under the gap of a jump, rising from below the lip to the landing, and the rock face
// under the lip.
void fosses(CMaillage& m, const std::vector<tSection>& sec) {
  const int n = static_cast<int>(sec.size());
  m.objet("Gfosse", "Accotement", true);
  m.objet("Dbord", "Roche", true);  // a wall: a ship backing up in the pit bounces off it
  tObjetMaillage& fond = m.objets[m.objets.size() - 2];
  tObjetMaillage& bord = m.objets.back();
  for (int i = 0; i < n; i++) {
    if (sorte(sec, i) == SORTE_AUCUNE || sorte(sec, (i + 1) % n) != SORTE_AUCUNE) continue;
    const int levre = (i + 1) % n;  // last section with ground before the gap
    int arrivee = levre;
    while (sec[(arrivee + 1) % n].zone & ZONE_SAUT) arrivee = (arrivee + 1) % n;
    arrivee = (arrivee + 1) % n;
    const int pas = (arrivee - levre + n) % n;
    const float y0 = sec[levre].c.y - HAUSSE_RAMPE - PROFONDEUR_SAUT, y1 = sec[arrivee].c.y;
    const int base = static_cast<int>(fond.sommets.size());
    for (int k = 0; k <= pas; k++) {
      const tSection& e = sec[(levre + k) % n];
      const float y = y0 + (y1 - y0) * k / pas;
      for (int j = 0; j <= 6; j++) {
        const CVector3 p = e.c + e.n * colonne_large(j, e);
        CMaillage::sommet(fond, CVector3(p.x, y, p.z), j / 6.0f, k * 0.2f);
      }
    }
    for (int k = 0; k < pas; k++) {
      for (int j = 0; j < 6; j++) {
        const int a = base + k * 7 + j, b = a + 1, c = a + 7, d = c + 1;
        tri_oriente(fond, a, c, b, CVector3(0, 1, 0));
        tri_oriente(fond, b, c, d, CVector3(0, 1, 0));
      }
    }
    const tSection& e = sec[levre];
    const float h = e.largeur / 2;
    const CVector3 g = e.sol(h), d = e.sol(-h);
    const int k0 = CMaillage::sommet(bord, g, 0, 0);
    CMaillage::sommet(bord, d, 3, 0);
    CMaillage::sommet(bord, CVector3(g.x, y0, g.z), 0, 0.6f);
    CMaillage::sommet(bord, CVector3(d.x, y0, d.z), 3, 0.6f);
    tri_oriente(bord, k0, k0 + 1, k0 + 2, e.t);
    tri_oriente(bord, k0 + 1, k0 + 3, k0 + 2, e.t);
  }
}

// Underside and piers of the bridges, arches over the road.
void ouvrages(CMaillage& m, const std::vector<tSection>& sec) {
  const int n = static_cast<int>(sec.size());
  tObjetMaillage& o = m.objet("Ouvrage", "Pierre", true);
  float dernier_pilier = -1000;
  for (int i = 0; i < n; i++) {
    const tSection& a = sec[i];
    const tSection& b = sec[(i + 1) % n];
    if ((a.zone & ZONE_PONT) && (b.zone & ZONE_PONT)) {
      const float la = a.largeur / 2 + EPAISSEUR_MUR, lb = b.largeur / 2 + EPAISSEUR_MUR;
      const CVector3 p[4] = {a.c + a.n * la, a.c - a.n * la, b.c + b.n * lb, b.c - b.n * lb};
      int k[4];
      for (int j = 0; j < 4; j++) k[j] = CMaillage::sommet(o, p[j] + CVector3(0, -7.5f, 0), (j & 1) * 3.0f, (j >> 1) * 0.3f);
      tri_oriente(o, k[0], k[1], k[2], CVector3(0, -1, 0));
      tri_oriente(o, k[1], k[3], k[2], CVector3(0, -1, 0));
      if (a.s - dernier_pilier > 45) {
        dernier_pilier = a.s;
        for (int cote = -1; cote <= 1; cote += 2) {
          const CVector3 pied = a.c + a.n * (cote * (a.largeur / 2 - 3)) + CVector3(0, -38, 0);
          boite(o, pied, a.t, a.n, 3, 31, 3);
        }
      }
    }
    if ((a.zone & ZONE_ARCHE) && !(sec[(i + n - 1) % n].zone & ZONE_ARCHE)) {
      const float h = a.largeur / 2 + 7;
      for (int cote = -1; cote <= 1; cote += 2) {
        boite(o, a.c + a.n * (cote * h) + CVector3(0, 13, 0), a.t, a.n, 4, 20, 4);
      }
      boite(o, a.c + CVector3(0, 33 + 3, 0), a.t, a.n, 5, 3, h + 5);  // overhangs the pillars
    }
  }
}

}  // namespace

void construit_piste(tCircuit* c) {
  const std::vector<tSection>& sec = c->sections;
  CMaillage& m = c->piste;
  const tTheme& th = c->plan.theme;
  m.materiau("Route", 255, 255, 255, th.route);
  m.materiau("Accotement", 255, 255, 255, th.accotement);
  m.materiau("Tablier", 200, 200, 210, "metal.jpg");
  m.materiau("Mur", th.teinte_mur[0], th.teinte_mur[1], th.teinte_mur[2], th.mur);
  m.materiau("Roche", th.teinte_roche[0], th.teinte_roche[1], th.teinte_roche[2], th.roche);
  m.materiau("Pierre", 225, 210, 185, "beton.jpg");

  // Each reference is used before the next object is added.
  tObjetMaillage& route = m.objet("Route", "Route", true);
  for (const auto& run : troncons(sec, SORTE_ROUTE)) bande(route, sec, run, 4, colonne_route, 48);
  tObjetMaillage& acc = m.objet("Gaccotement", "Accotement", true);
  for (const auto& run : troncons(sec, SORTE_ROUTE)) {
    bande(acc, sec, run, 1, [](int j, const tSection& e) { return colonne_large(j, e); }, 12);
    bande(acc, sec, run, 1, [](int j, const tSection& e) { return colonne_large(j + 5, e); }, 12);
  }
  tObjetMaillage& pont = m.objet("Lpont", "Tablier", true);
  for (const auto& run : troncons(sec, SORTE_PONT)) bande(pont, sec, run, 6, colonne_large, 24);
  tObjetMaillage& rampe = m.objet("Lrampe", "Route", true);
  for (const auto& run : troncons(sec, SORTE_RAMPE)) bande(rampe, sec, run, 6, colonne_large, 48);
  murs(m, sec);
  voutes(m, sec);
  fosses(m, sec);
  ouvrages(m, sec);
  // Objects left empty by a circuit without that feature are dropped.
  m.objets.erase(std::remove_if(m.objets.begin(), m.objets.end(), [](const tObjetMaillage& o) { return o.faces.empty(); }),
                 m.objets.end());
}
