// The six hover ships. Each has its own outline seen from above (delta, twin hull, forward-swept,
// flying wing, twin engines, trident) and its own livery; all share the reactor at the back around
// (0, 1.75, -2.3), a flat underside near y = 0 and a dark light bar for the brake lights the game
// draws at the back (around y 2.6-3.2 on the player's ship, 3.1-3.7 on the others).
#include <cmath>
#include <string>

#include "assetgen/modeles/formes.h"
#include "assetgen/modeles/interne.h"
#include "assetgen/textures/textures.h"

namespace {

using formes::Anneau;

constexpr float NEZ = 4.8f, QUEUE = -3.0f;  // livery: nose at v 0, tail at v 1

struct tStation {
  float z, demi_largeur, bas, haut, rondeur;
};

struct tPieces {
  tObjetMaillage* coque;
  tObjetMaillage* metal;
  tObjetMaillage* verriere;
  tObjetMaillage* reacteur;
};

// A hull lofted from tail to nose through its stations, centred on `x`.
void fuselage(tObjetMaillage& o, const std::vector<tStation>& st, float x = 0, int cotes = 12) {
  std::vector<Anneau> anneaux;
  for (const tStation& s : st) {
    anneaux.push_back(formes::anneau(CVector3(x, (s.bas + s.haut) / 2, s.z), CVector3(0, 0, 1), s.demi_largeur,
                                     (s.haut - s.bas) / 2, cotes, s.rondeur));
  }
  formes::relie(o, anneaux, true, true);
}

// A wing or plate on the right side between outline points (x, z) with top and bottom heights,
// mirrored to the left.
struct tPointAile {
  float x, z, bas, haut;
};
void aile(tObjetMaillage& o, const std::vector<tPointAile>& contour, bool miroir = true) {
  const size_t s0 = o.sommets.size(), f0 = o.faces.size();
  std::vector<CVector3> dessus, dessous;
  for (const tPointAile& p : contour) {
    dessus.push_back(CVector3(p.x, p.haut, p.z));
    dessous.push_back(CVector3(p.x, p.bas, p.z));
  }
  formes::prisme(o, dessus, dessous);
  if (miroir) formes::miroir_x(o, s0, f0);
}

// A vertical fin at `x`, `epaisseur` thick, from its side outline (z, y); mirrored when x != 0.
void derive(tObjetMaillage& o, float x, float epaisseur, const std::vector<std::pair<float, float>>& zy) {
  const size_t s0 = o.sommets.size(), f0 = o.faces.size();
  std::vector<CVector3> a, b;
  for (const auto& p : zy) {
    a.push_back(CVector3(x - epaisseur / 2, p.second, p.first));
    b.push_back(CVector3(x + epaisseur / 2, p.second, p.first));
  }
  formes::prisme(o, a, b);
  if (x != 0) formes::miroir_x(o, s0, f0);
}

void bloc(tObjetMaillage& o, CVector3 mn, CVector3 mx) {
  formes::prisme(o, {CVector3(mn.x, mx.y, mn.z), CVector3(mx.x, mx.y, mn.z), CVector3(mx.x, mx.y, mx.z), CVector3(mn.x, mx.y, mx.z)},
                 {CVector3(mn.x, mn.y, mn.z), CVector3(mx.x, mn.y, mn.z), CVector3(mx.x, mn.y, mx.z), CVector3(mn.x, mn.y, mx.z)});
}

// Reactor nozzle and its glowing throat at the back, where the game draws the flame.
void reacteur(tPieces& p) {
  formes::tube(*p.metal, {CVector3(0, 1.75f, -1.6f), CVector3(0, 1.75f, -2.0f), CVector3(0, 1.75f, -2.32f)},
               {0.95f, 0.9f, 0.82f}, 14, false, false);
  // inner wall of the nozzle, seen from behind
  tObjetMaillage& g = *p.reacteur;
  const int c = CMaillage::sommet(g, CVector3(0, 1.75f, -2.15f), 0.5f, 0.5f);
  const int premier = static_cast<int>(g.sommets.size());
  for (int k = 0; k < 14; k++) {
    const float t = 6.2831853f * float(k) / 14.f;
    CMaillage::sommet(g, CVector3(0.8f * std::cos(t), 1.75f + 0.8f * std::sin(t), -2.3f), 0.5f + 0.5f * std::cos(t),
                      0.5f + 0.5f * std::sin(t));
  }
  for (int k = 0; k < 14; k++) formes::face_vers(g, c, premier + k, premier + (k + 1) % 14, CVector3(0, 0, -1));
}

// The spoiler the brake lights sit on: its back face just behind where the game draws them, on a
// short strut from the hull.
void barre_feux(tPieces& p, bool joueur) {
  const float bas = joueur ? 2.45f : 2.95f, haut = joueur ? 3.35f : 3.85f, z = joueur ? -1.86f : -2.26f;
  const float milieu = (bas + haut) / 2;
  derive(*p.coque, 0, 2.7f, {{z, bas}, {z, haut}, {z + 1.5f, milieu + 0.12f}, {z + 1.5f, milieu - 0.02f}});
  bloc(*p.metal, CVector3(-0.3f, 2.0f, z + 0.2f), CVector3(0.3f, bas + 0.1f, z + 0.9f));
}

void verriere(tPieces& p, CVector3 centre, CVector3 rayons) {
  const size_t premier = p.verriere->sommets.size();
  formes::sphere(*p.verriere, centre, rayons, 12, 6, 0.55f);
  for (size_t i = premier; i < p.verriere->sommets.size(); i++) {
    const CVector3 v = p.verriere->sommets[i];
    p.verriere->uv[i] = tTexCoord{0.5f + v.x / (2 * rayons.x), 0.5f + 0.6f * (v.z - centre.z - 0.3f * rayons.z) / rayons.z};
  }
}

tPieces prepare(CMaillage& m, int n) {
  const std::string pre = "V" + std::to_string(n) + "_";
  m.materiau(pre + "livree", 255, 255, 255, texture_livree(n));
  m.materiau(pre + "metal", 170, 175, 185, TEX_METAL);
  m.materiau(pre + "reacteur", 120, 200, 255, TEX_LUEUR_BLEUE);
  m.objets.reserve(4);
  tPieces p;
  p.coque = &m.objet("coque", pre + "livree", true);
  p.metal = &m.objet("structure", pre + "metal", true);
  // The glass shares the reactor's glow: a dark tint with a bright reflection across it. Left
  // untextured it would be drawn plain white on the computer pilots' ships.
  p.verriere = &m.objet("cockpit", pre + "reacteur", true);
  p.reacteur = &m.objet("reacteur", pre + "reacteur", true);
  return p;
}

void finit(tPieces& p) {
  formes::projette_uv(*p.coque, [](const CVector3& v) {
    return tTexCoord{0.5f + v.x / 10.f, (NEZ - v.z) / (NEZ - QUEUE)};
  });
  formes::projette_uv(*p.metal, [](const CVector3& v) { return tTexCoord{(v.x + v.z) * 0.3f, v.y * 0.3f}; });
}

// 1: the player's delta with wingtip pods and a high spoiler.
void fleche(tPieces& p) {
  fuselage(*p.coque, {{-2.2f, 1.2f, 0.7f, 2.6f, 3}, {-1.2f, 1.35f, 0.35f, 2.9f, 3}, {0.5f, 1.3f, 0.25f, 2.7f, 2.6f},
                      {2.0f, 1.0f, 0.3f, 2.2f, 2.4f}, {3.3f, 0.65f, 0.4f, 1.6f, 2.2f}, {4.3f, 0.3f, 0.55f, 1.1f, 2},
                      {4.75f, 0.06f, 0.75f, 0.85f, 2}});
  aile(*p.coque, {{1.0f, 2.6f, 0.8f, 1.45f}, {1.0f, -2.0f, 0.8f, 1.3f}, {4.5f, -2.4f, 0.55f, 0.8f}, {4.5f, 0.1f, 0.55f, 0.85f}});
  const size_t s0 = p.metal->sommets.size(), f0 = p.metal->faces.size();
  fuselage(*p.metal, {{-2.6f, 0.3f, 0.3f, 1.0f, 2}, {-1.8f, 0.42f, 0.2f, 1.2f, 2}, {0.8f, 0.4f, 0.25f, 1.15f, 2},
                      {1.9f, 0.08f, 0.6f, 0.75f, 2}}, 4.6f, 8);
  formes::miroir_x(*p.metal, s0, f0);
  derive(*p.coque, 1.5f, 0.14f, {{-2.4f, 3.75f}, {-1.7f, 3.75f}, {-0.1f, 2.4f}, {-1.6f, 2.2f}});
  aile(*p.coque, {{0, -2.3f, 3.45f, 3.62f}, {0, -1.5f, 3.45f, 3.62f}, {1.85f, -1.6f, 3.5f, 3.68f}, {1.85f, -2.35f, 3.5f, 3.68f}});
  verriere(p, CVector3(0, 2.35f, 0.9f), CVector3(0.8f, 0.75f, 1.7f));
  barre_feux(p, true);
}

// 2: twin hull joined by a wing, cockpit nacelle in the middle.
void catamaran(tPieces& p) {
  const size_t s0 = p.coque->sommets.size(), f0 = p.coque->faces.size();
  fuselage(*p.coque, {{-2.7f, 0.8f, 0.3f, 1.6f, 3}, {-1.5f, 0.95f, 0.1f, 1.8f, 3}, {1.5f, 0.9f, 0.1f, 1.7f, 2.8f},
                      {3.4f, 0.6f, 0.25f, 1.3f, 2.4f}, {4.65f, 0.1f, 0.5f, 0.8f, 2}}, 3.7f, 10);
  formes::miroir_x(*p.coque, s0, f0);
  fuselage(*p.coque, {{-2.25f, 1.1f, 0.75f, 2.6f, 3}, {-1.0f, 1.2f, 0.6f, 2.7f, 2.8f}, {1.2f, 1.0f, 0.6f, 2.4f, 2.4f},
                      {2.6f, 0.5f, 0.8f, 1.7f, 2}, {3.1f, 0.08f, 1.1f, 1.3f, 2}});
  aile(*p.coque, {{0.9f, 1.6f, 1.1f, 1.45f}, {0.9f, -1.8f, 1.1f, 1.45f}, {3.0f, -2.2f, 0.9f, 1.2f}, {3.0f, 2.2f, 0.9f, 1.2f}});
  aile(*p.coque, {{4.4f, -0.6f, 0.55f, 0.8f}, {4.4f, -2.4f, 0.55f, 0.8f}, {5.1f, -2.5f, 0.35f, 0.5f}, {5.1f, -1.4f, 0.35f, 0.5f}});
  derive(*p.coque, 3.7f, 0.16f, {{-2.6f, 3.1f}, {-2.0f, 3.1f}, {-0.6f, 1.5f}, {-2.5f, 1.4f}});
  verriere(p, CVector3(0, 2.35f, 0.6f), CVector3(0.85f, 0.8f, 1.6f));
  barre_feux(p, false);
}

// 3: needle nose and forward-swept wings, twin canted fins.
void aiguille(tPieces& p) {
  fuselage(*p.coque, {{-2.25f, 1.05f, 0.7f, 2.7f, 3}, {-1.0f, 1.15f, 0.3f, 2.85f, 2.8f}, {1.0f, 0.95f, 0.3f, 2.4f, 2.4f},
                      {2.6f, 0.6f, 0.45f, 1.7f, 2.2f}, {4.0f, 0.3f, 0.65f, 1.2f, 2}, {4.9f, 0.05f, 0.85f, 0.95f, 2}});
  aile(*p.coque, {{0.9f, 0.2f, 0.9f, 1.4f}, {0.9f, -1.9f, 0.9f, 1.3f}, {4.95f, 0.4f, 1.0f, 1.2f}, {4.95f, 1.6f, 1.0f, 1.2f}});
  derive(*p.coque, 1.05f, 0.14f, {{-2.3f, 3.95f}, {-1.8f, 3.95f}, {-0.4f, 2.6f}, {-2.0f, 2.4f}});
  const size_t s0 = p.metal->sommets.size(), f0 = p.metal->faces.size();
  formes::tube(*p.metal, {CVector3(1.7f, 0.75f, -2.1f), CVector3(1.7f, 0.75f, 0.0f), CVector3(1.7f, 0.75f, 1.2f)},
               {0.45f, 0.5f, 0.35f}, 10, true, true);
  formes::miroir_x(*p.metal, s0, f0);
  verriere(p, CVector3(0, 2.4f, 0.3f), CVector3(0.7f, 0.7f, 1.9f));
  barre_feux(p, false);
}

// 4: a flying wing, wide and flat, with a raised cockpit and downturned tips.
void raie(tPieces& p) {
  fuselage(*p.coque, {{-2.5f, 4.5f, 0.35f, 1.35f, 3}, {-1.2f, 4.8f, 0.2f, 1.6f, 2.6f}, {0.6f, 4.2f, 0.2f, 1.55f, 2.4f},
                      {2.2f, 2.7f, 0.3f, 1.35f, 2.2f}, {3.8f, 1.1f, 0.45f, 1.05f, 2}, {4.8f, 0.08f, 0.6f, 0.75f, 2}}, 0, 16);
  fuselage(*p.coque, {{-2.25f, 1.15f, 0.8f, 2.6f, 3}, {-0.8f, 1.2f, 0.9f, 2.75f, 2.6f}, {1.4f, 0.9f, 1.0f, 2.3f, 2.2f},
                      {2.8f, 0.1f, 1.1f, 1.3f, 2}});
  derive(*p.coque, 4.75f, 0.18f, {{-2.2f, 1.2f}, {-0.6f, 1.5f}, {0.4f, 0.9f}, {-1.6f, 0.05f}});
  verriere(p, CVector3(0, 2.4f, 0.4f), CVector3(0.85f, 0.75f, 1.5f));
  barre_feux(p, false);
}

// 5: slim fuselage between two big engine pods with fins.
void bimoteur(tPieces& p) {
  fuselage(*p.coque, {{-2.25f, 0.95f, 0.7f, 2.6f, 3}, {-0.8f, 1.05f, 0.45f, 2.75f, 2.8f}, {1.4f, 0.85f, 0.45f, 2.3f, 2.4f},
                      {3.2f, 0.45f, 0.6f, 1.5f, 2.2f}, {4.6f, 0.05f, 0.85f, 1.0f, 2}});
  const size_t s0 = p.coque->sommets.size(), f0 = p.coque->faces.size();
  fuselage(*p.coque, {{-2.6f, 0.75f, 0.55f, 1.95f, 2}, {-1.8f, 0.95f, 0.25f, 2.25f, 2}, {1.2f, 0.95f, 0.25f, 2.25f, 2},
                      {2.4f, 0.8f, 0.4f, 2.1f, 2}, {2.7f, 0.5f, 0.75f, 1.75f, 2}}, 2.9f, 12);
  formes::miroir_x(*p.coque, s0, f0);
  aile(*p.coque, {{0.8f, 1.0f, 1.05f, 1.4f}, {0.8f, -1.2f, 1.05f, 1.4f}, {5.0f, -2.4f, 0.9f, 1.1f}, {5.0f, -1.5f, 0.9f, 1.1f}});
  derive(*p.coque, 2.9f, 0.16f, {{-2.5f, 3.5f}, {-1.9f, 3.5f}, {-0.6f, 2.1f}, {-2.3f, 1.9f}});
  const size_t s1 = p.metal->sommets.size(), f1 = p.metal->faces.size();
  formes::tube(*p.metal, {CVector3(2.9f, 1.25f, 2.5f), CVector3(2.9f, 1.25f, 2.85f)}, {0.72f, 0.6f}, 12, false, true);
  formes::miroir_x(*p.metal, s1, f1);
  verriere(p, CVector3(0, 2.4f, 0.6f), CVector3(0.75f, 0.72f, 1.6f));
  barre_feux(p, false);
}

// 6: three prongs forward, wide rear wing with downturned tips and a dorsal fin.
void trident(tPieces& p) {
  fuselage(*p.coque, {{-2.25f, 1.1f, 0.65f, 2.65f, 3}, {-1.0f, 1.2f, 0.35f, 2.8f, 2.8f}, {1.2f, 0.95f, 0.35f, 2.3f, 2.4f},
                      {3.0f, 0.55f, 0.5f, 1.55f, 2.2f}, {4.8f, 0.05f, 0.8f, 0.95f, 2}});
  const size_t s0 = p.coque->sommets.size(), f0 = p.coque->faces.size();
  fuselage(*p.coque, {{-1.4f, 0.45f, 0.35f, 1.3f, 2.6f}, {0.5f, 0.55f, 0.25f, 1.35f, 2.6f}, {2.5f, 0.4f, 0.35f, 1.15f, 2.2f},
                      {3.7f, 0.04f, 0.6f, 0.7f, 2}}, 2.7f, 10);
  formes::miroir_x(*p.coque, s0, f0);
  aile(*p.coque, {{0.9f, 1.3f, 0.75f, 1.05f}, {0.9f, 0.1f, 0.75f, 1.05f}, {2.5f, 0.0f, 0.7f, 1.0f}, {2.5f, 1.4f, 0.7f, 1.0f}});
  aile(*p.coque, {{0.9f, -0.2f, 1.0f, 1.45f}, {0.9f, -2.3f, 1.0f, 1.4f}, {4.7f, -2.6f, 1.0f, 1.2f}, {4.7f, -1.3f, 1.0f, 1.2f}});
  derive(*p.coque, 4.85f, 0.16f, {{-2.6f, 1.2f}, {-1.3f, 1.2f}, {-1.6f, 0.1f}, {-2.5f, 0.1f}});
  derive(*p.coque, 0, 0.16f, {{-2.2f, 3.95f}, {-1.6f, 3.95f}, {0.4f, 2.5f}, {-1.4f, 2.5f}});
  verriere(p, CVector3(0, 2.35f, 0.9f), CVector3(0.78f, 0.75f, 1.6f));
  barre_feux(p, false);
}

}  // namespace

void construit_vaisseau(int numero, CMaillage& m) {
  if (numero < 1 || numero > 6) return;
  tPieces p = prepare(m, numero);
  switch (numero) {
    case 1: fleche(p); break;
    case 2: catamaran(p); break;
    case 3: aiguille(p); break;
    case 4: raie(p); break;
    case 5: bimoteur(p); break;
    default: trident(p); break;
  }
  reacteur(p);
  finit(p);
}
