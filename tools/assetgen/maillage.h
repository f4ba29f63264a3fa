// Mesh builder for generated models: named objects with one material each, vertices in game axes
// (Y up), optional texture coordinates and counter-clockwise triangles, plus a few shapes.
//
//   CMaillage m;
//   m.materiau("Rouge", 200, 30, 30);
//   tObjetMaillage& sol = m.objet("Rsol", "Rouge");
//   m.boite(sol, CVector3(-1, 0, -1), CVector3(1, 1, 1));
//   std::vector<uint8_t> octets = ecrit_3ds(m);    // assetgen/ecrit3ds.h
//
// Header-only so that tests, benchmarks and fuzzers use it without another library.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "math/vector.h"
#include "world/modele3d.h"

struct tMateriauMaillage {
  std::string nom;
  std::string fichier;  // texture file in ./maps, empty for a plain colour
  unsigned char couleur[3] = {255, 255, 255};
};

struct tObjetMaillage {
  std::string nom;
  std::string materiau;  // empty: the object names no material
  bool avec_uv = false;  // then every vertex has its (u, v)
  std::vector<CVector3> sommets;
  std::vector<tTexCoord> uv;
  std::vector<std::array<int, 3>> faces;
};

class CMaillage {
 public:
  std::vector<tMateriauMaillage> materiaux;
  std::vector<tObjetMaillage> objets;
  unsigned version = 3;  // written in the version chunk

  // Adds a material and returns its index.
  int materiau(const std::string& nom, unsigned char r, unsigned char g, unsigned char b,
               const std::string& fichier = "") {
    tMateriauMaillage m;
    m.nom = nom;
    m.fichier = fichier;
    m.couleur[0] = r;
    m.couleur[1] = g;
    m.couleur[2] = b;
    materiaux.push_back(m);
    return static_cast<int>(materiaux.size()) - 1;
  }

  // Adds an object; the reference stays valid until the next object is added.
  tObjetMaillage& objet(const std::string& nom, const std::string& materiau = "", bool avec_uv = false) {
    tObjetMaillage o;
    o.nom = nom;
    o.materiau = materiau;
    o.avec_uv = avec_uv;
    objets.push_back(o);
    return objets.back();
  }

  static int sommet(tObjetMaillage& o, CVector3 p, float u = 0, float v = 0) {
    o.sommets.push_back(p);
    if (o.avec_uv) o.uv.push_back(tTexCoord{u, v});
    return static_cast<int>(o.sommets.size()) - 1;
  }

  static void face(tObjetMaillage& o, int a, int b, int c) { o.faces.push_back({a, b, c}); }

  // A quad a-b-c-d, counter-clockwise seen from its front, textured once over its surface.
  static void quad(tObjetMaillage& o, CVector3 a, CVector3 b, CVector3 c, CVector3 d) {
    const int i = sommet(o, a, 0, 0);
    sommet(o, b, 1, 0);
    sommet(o, c, 1, 1);
    sommet(o, d, 0, 1);
    face(o, i, i + 1, i + 2);
    face(o, i, i + 2, i + 3);
  }

  // An axis-aligned box with outward faces.
  static void boite(tObjetMaillage& o, CVector3 mn, CVector3 mx) {
    const CVector3 p[8] = {{mn.x, mn.y, mn.z}, {mx.x, mn.y, mn.z}, {mx.x, mx.y, mn.z}, {mn.x, mx.y, mn.z},
                           {mn.x, mn.y, mx.z}, {mx.x, mn.y, mx.z}, {mx.x, mx.y, mx.z}, {mn.x, mx.y, mx.z}};
    quad(o, p[4], p[5], p[6], p[7]);  // +z
    quad(o, p[1], p[0], p[3], p[2]);  // -z
    quad(o, p[5], p[1], p[2], p[6]);  // +x
    quad(o, p[0], p[4], p[7], p[3]);  // -x
    quad(o, p[7], p[6], p[2], p[3]);  // +y
    quad(o, p[0], p[1], p[5], p[4]);  // -y
  }

  // A ground grid of nx by nz cells from `origine`, each `pas` wide, facing up, with heights
  // from `hauteur(x, z)`. Two triangles per cell.
  template <class F>
  static void grille(tObjetMaillage& o, CVector3 origine, int nx, int nz, float pas, F hauteur) {
    const int base = static_cast<int>(o.sommets.size());
    for (int j = 0; j <= nz; j++) {
      for (int i = 0; i <= nx; i++) {
        const float x = origine.x + i * pas, z = origine.z + j * pas;
        sommet(o, CVector3(x, origine.y + hauteur(x, z), z), float(i) / nx, float(j) / nz);
      }
    }
    for (int j = 0; j < nz; j++) {
      for (int i = 0; i < nx; i++) {
        const int a = base + j * (nx + 1) + i, b = a + 1, c = a + nx + 1, d = c + 1;
        face(o, a, c, b);  // seen from above, x to the right and z towards the viewer
        face(o, b, c, d);
      }
    }
  }
};
