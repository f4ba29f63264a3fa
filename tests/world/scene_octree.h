// In-memory circuits and a moving object answering the octree's hooks with sphere geometry.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "math/vector.h"
#include "world/modele3d.h"
#include "world/monde.h"
#include "world/objet_monde.h"

// Appends an object classed by its name's first letter: a face, with its normal, per three corners.
inline int ajoute_objet(t3DModel& m, const char* nom, const std::vector<CVector3>& coins) {
  t3DObject o;
  std::strncpy(o.name, nom, sizeof o.name - 1);
  o.surfaceType = classe_surface(nom);
  o.vertices = coins;
  o.vertexCount = static_cast<int>(coins.size());
  o.normals.assign(coins.size(), CVector3(0, 1, 0));
  for (size_t i = 0; i + 2 < coins.size(); i += 3) {
    tFace f;
    for (int c = 0; c < 3; c++) f.vertexIndex[c] = static_cast<int>(i) + c;
    CVector3 t[3] = {coins[i], coins[i + 1], coins[i + 2]};
    f.normal = Normal(t);
    o.faces.push_back(f);
  }
  o.faceCount = static_cast<int>(o.faces.size());
  o.materialIndex = -1;
  m.objects.push_back(o);
  m.objectCount = static_cast<int>(m.objects.size());
  return m.objectCount - 1;
}

// A square of two triangles facing up at height y, corners (x0, z0) .. (x1, z1).
inline std::vector<CVector3> dalle(float x0, float z0, float x1, float z1, float y) {
  return {CVector3(x0, y, z0), CVector3(x0, y, z1), CVector3(x1, y, z1),
          CVector3(x0, y, z0), CVector3(x1, y, z1), CVector3(x1, y, z0)};
}

// A ship: ground probe (rayonSol) and collision sphere (rayon) at its position; logs the hooks.
struct CObjetTest : CObjetMonde {
  CVector3 position{0, 0, 0};
  CVector3 deplacement{0, 0, 0};
  float rayon = 2.0f;
  float rayonSol = 1.0f;

  CObjetTest() = default;
  explicit CObjetTest(CVector3 p, CVector3 d = CVector3(0, 0, 0)) : position(p), deplacement(d) {}

  std::vector<std::string> journal;  // Set_Roule, Set_Chute, SetContactDecor, Set_Collision
  int objetSol = -1, faceSol = -1, typeSol = -1;
  std::string nomSol;
  int nbOmbres = 0;
  std::vector<CVector3> decors;  // offsets of SetContactDecor, in order

  static float ecart(float p, float c, float h) {
    if (p < c - h) return c - h - p;
    if (p > c + h) return p - c - h;
    return 0.0f;
  }
  bool OverlappsCube(float cx, float cy, float cz, float h, int mode, float margin) override {
    const float r = mode == 1 ? rayonSol + margin : rayon;
    const float dx = ecart(position.x, cx, h), dy = ecart(position.y, cy, h), dz = ecart(position.z, cz, h);
    return dx * dx + dy * dy + dz * dz <= r * r;
  }
  bool Analise_contact(CVector3* t, CVector3 n) override {
    CVector3 p, nn;
    float d;
    return SpherePolygonCollisionCoordNorm(t, position, 3, rayonSol, &p, &nn, &d, n);
  }
  bool Analise_contact_ombre(CVector3, CVector3*, CVector3) override { return true; }
  void set_Contact(int objet, int face, const char* nom, unsigned char type) override {
    objetSol = objet, faceSol = face, typeSol = type, nomSol = nom;
  }
  void set_Ombre_Contact(int, int, const char*, unsigned char) override { nbOmbres++; }
  CVector3 GetVectorPosition() override { return position; }
  CVector3 GetPositionCollision() override { return position; }
  float GetRadius() override { return rayon; }
  CVector3 GetVectorDeplacement() override { return deplacement; }
  void Set_Roule() override { journal.push_back("Set_Roule"); }
  void Set_Chute() override { journal.push_back("Set_Chute"); }
  void SetContactDecor(bool contact, CVector3 offset) override {
    journal.push_back(contact ? "SetContactDecor" : "SetContactDecor(false)");
    decors.push_back(offset);
  }
  void Set_Collision() override { journal.push_back("Set_Collision"); }
};
