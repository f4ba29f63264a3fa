// A flat rectangular ring of road 60 wide, walled both sides, x -460..460, set in the game's globals:
// the start straight (z -30..30) is driven along -x, the back straight (z -360..-300) along +x.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "math/degres.h"
#include "world/minimap.h"
#include "world/monde.h"
#include "world/octree.h"
#include "world/scene_octree.h"
#include "world/trajectoire.h"

namespace circuit_essai {

// A wall of height h from (x0, z0) to (x1, z1), facing the point (cx, cz).
inline std::vector<CVector3> mur(float x0, float z0, float x1, float z1, float h, float cx, float cz) {
  CVector3 a(x0, 0, z0), b(x1, 0, z1), c(x1, h, z1), d(x0, h, z0);
  CVector3 t[3] = {a, b, c};
  const CVector3 n = Normal(t);
  const CVector3 vers(cx - x0, 0, cz - z0);
  if (Dot(n, vers) < 0) std::swap(b, d);
  return {a, b, c, a, c, d};
}

// Road cut into tiles of at most 60 by 60, as a real circuit's mesh is (for the octree's nodes).
inline std::vector<CVector3> pavage(float x0, float z0, float x1, float z1) {
  std::vector<CVector3> v;
  for (float x = x0; x < x1; x += 60) {
    for (float z = z0; z < z1; z += 60) {
      const auto d = dalle(x, z, std::min(x + 60, x1), std::min(z + 60, z1), 0);
      v.insert(v.end(), d.begin(), d.end());
    }
  }
  return v;
}

// The road of the ring, the start straight first.
inline void ajoute_route(t3DModel& m) {
  ajoute_objet(m, "Rdepart", pavage(-460, -30, 460, 30));
  ajoute_objet(m, "Rroute", pavage(-460, -360, 460, -300));
  ajoute_objet(m, "Rroute", pavage(-460, -300, -400, -30));
  ajoute_objet(m, "Rroute", pavage(400, -300, 460, -30));
}

// Racing line round the ring, anticlockwise from above: first point ahead of the grid, last behind.
inline void cree_ligne() {
  const float xz[][2] = {{-60, 0},     {-220, 0},    {-370, -4}, {-428, -50}, {-430, -165}, {-426, -280},
                         {-370, -328}, {-200, -330}, {0, -330},  {200, -330}, {370, -328},  {426, -280},
                         {430, -165},  {428, -50},   {370, -4},  {220, 0}};
  const int n = sizeof xz / sizeof xz[0];
  Effacement_liste_point_t();
  for (int i = 0; i < n; i++) {
    const float* a = xz[i];
    const float* b = xz[(i + 1) % n];
    creation_point_t(a[0], 0, a[1], i);
    const CVector3 d = Normalize(CVector3(b[0] - a[0], 0, b[1] - a[1]));
    set_ptraj_normale(d.x, d.y, d.z);
  }
  calcule_trajectoire();
}

// Installs the ring and its racing line in the globals.
inline void installe() {
  init_cosin();
  g_World = t3DModel();
  ajoute_route(g_World);
  // Outer then inner walls: ends, and a point on the road they face.
  const float murs[8][6] = {{-460, 30, 460, 30, 0, 0},        {-460, -360, 460, -360, 0, -330},
                            {-460, -360, -460, 30, -430, -165}, {460, -360, 460, 30, 430, -165},
                            {-400, -30, 400, -30, 0, 0},        {-400, -300, 400, -300, 0, -330},
                            {-400, -300, -400, -30, -430, -165}, {400, -300, 400, -30, 430, -165}};
  for (int i = 0; i < 8; i++) {
    const float* m = murs[i];
    const std::string nom = (i < 4 ? "Dext" : "Dint") + std::to_string(i % 4 + 1);
    ajoute_objet(g_World, nom.c_str(), mur(m[0], m[1], m[2], m[3], 15, m[4], m[5]));
  }
  CheckMinMax(&g_World, &wminx, &wmaxx, &wminy, &wmaxy, &wminz, &wmaxz);
  g_Octree.DestroyOctree();
  g_Octree.GetSceneDimensions(&g_World);
  g_Octree.CreateNode(&g_World, g_Octree.GetSceneTriangleCount(&g_World), g_Octree.GetCenter(),
                      g_Octree.GetWidth());
  static t3DModel carte;  // the minimap keeps a pointer to it
  carte = t3DModel();
  ajoute_route(carte);
  g_Minimap.Set3Dobj(&carte);
  cree_ligne();
}

inline void libere() {
  Effacement_liste_point_t();
  g_Octree.DestroyOctree();
  g_World = t3DModel();
  g_Minimap.Set3Dobj(nullptr);
}

}  // namespace circuit_essai
