// Shape builders for the generated models: lofted hulls and tubes, capped prisms, leaf strips,
// spheres, mirroring and texture projections. Every builder appends to an object and keeps its
// faces counter-clockwise seen from outside (the game culls back faces).
#pragma once

#include <functional>
#include <vector>

#include "assetgen/maillage.h"

namespace formes {

using Anneau = std::vector<CVector3>;

// Joins rings of equal size into a smooth skin. The rings follow one another along a path and
// each runs counter-clockwise seen from the path's far end; v of ring i is `v[i]` (or i / (n-1)),
// u runs 0..1 around with a seam. Ends are closed with a fan when asked.
void relie(tObjetMaillage& o, const std::vector<Anneau>& anneaux, bool ferme_debut, bool ferme_fin,
           const std::vector<float>& v = {});

// A ring of `n` points around `centre` in the plane across `direction`, radii `rx` (along the
// frame's horizontal axis) and `ry`, rounded like a superellipse of exponent `e` (2 = ellipse).
Anneau anneau(CVector3 centre, CVector3 direction, float rx, float ry, int n, float e = 2.f);

// A tube along a path of centres with one radius per centre; closed ends when asked.
void tube(tObjetMaillage& o, const std::vector<CVector3>& chemin, const std::vector<float>& rayons, int cotes,
          bool ferme_debut, bool ferme_fin);

// A solid between two convex faces of the same point count (a wing from its top and bottom
// outlines, a fin from its two sides). Faces are turned outwards from the solid's centre.
void prisme(tObjetMaillage& o, const std::vector<CVector3>& face_a, const std::vector<CVector3>& face_b);

// Ellipsoid of radii (rx, ry, rz) with `tranches` slices around y and `etages` stacks; u around,
// v from top (0) to bottom (1). `bas` < 1 stops it short of the bottom (a dome), closed flat.
void sphere(tObjetMaillage& o, CVector3 centre, CVector3 rayons, int tranches, int etages, float bas = 1.f);

// A two-sided leaf along `chemin` (base first): `largeurs` give the half width at each point,
// across `cote` (a vector along the leaf's width). The midrib is lifted by `pli` times the half
// width, so leaves fold. u 0..1 across (midrib at 0.5), v 1 at the base and 0 at the tip.
void feuille(tObjetMaillage& o, const std::vector<CVector3>& chemin, const std::vector<float>& largeurs,
             CVector3 cote, float pli);

// Copies the object's vertices and faces from the given starts, mirrored in x (winding kept
// outward).
void miroir_x(tObjetMaillage& o, size_t premier_sommet, size_t premiere_face);

// Sets every vertex's (u, v) from its position.
void projette_uv(tObjetMaillage& o, const std::function<tTexCoord(const CVector3&)>& f);

// Adds a triangle turned so that its normal points along `dehors`.
void face_vers(tObjetMaillage& o, int a, int b, int c, CVector3 dehors);

// Smallest and largest corner of the object's vertices.
void boite_englobante(const tObjetMaillage& o, CVector3* mn, CVector3* mx);

}  // namespace formes
