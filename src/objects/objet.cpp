// Moving-object base: contacts with the circuit, cube overlap for the octree, the world box.
#include "objects/objet.h"

#include <cstring>

void SFace_contact::reset() {
  objet = 0;
  face = 0;
  std::memset(nom, 0, sizeof nom);
  nom[0] = ' ';
  point = CVector3(0, 0, 0);
  normale = CVector3(0, 1, 0);
  normale_affichee = CVector3(0, 1, 0);
}

Cobjet::Cobjet() : Cobjet(0, 0, 0, 0) {}

Cobjet::Cobjet(float x, float y, float z, float cap) : position(x, y, z), angle(cap) {}

bool Cobjet::OverlappsCube(float cx, float cy, float cz, float h, int mode, float margin) {
  const CVector3 n = face_sol.normale;
  CVector3 c;
  float r;
  if (mode == 1) {
    c = position + n * (hauteur_sol + margin);
    r = rayon_sol;
  } else {
    c = position + n * hauteur_collision;
    r = rayon;
  }
  const float centre[3] = {cx, cy, cz};
  const float p[3] = {c.x, c.y, c.z};
  float d2 = 0;
  for (int i = 0; i < 3; i++) {
    if (p[i] < centre[i] - h) {
      const float d = centre[i] - h - p[i];
      d2 += d * d;
    } else if (p[i] > centre[i] + h) {
      const float d = p[i] - centre[i] - h;
      d2 += d * d;
    }
  }
  return d2 <= r * r;
}

bool Cobjet::Analise_contact(CVector3* triangle, CVector3 normal) {
  CVector3 centre = position + face_sol.normale * hauteur_sol;
  if (!SpherePolygonCollisionCoordNorm(triangle, centre, 3, rayon_sol, &face_sol.point, &face_sol.normale,
                                       &face_sol.distance, normal)) {
    return false;
  }
  contact_sol = true;
  const CVector3 p = face_sol.point;
  if (position.y < p.y) {
    position = p;
  } else if (position.y < p.y + 0.2f) {
    position.x = p.x;
    position.z = p.z;
    position.y -= 0.05f;
    if (position.y < p.y) position.y = p.y;
  }
  // A wall-like face pushes the object off it.
  if (normal.y < 0.15f) {
    position += normal;
    deplacement = normal;
  }
  contact_ombre = true;
  face_ombre.point = face_sol.point;
  face_ombre.normale = face_sol.normale;
  face_ombre.distance = face_sol.distance;
  return true;
}

bool Cobjet::Analise_contact_ombre(CVector3, CVector3* triangle, CVector3 normal) {
  const float d = Dot(normal, position) + PlaneDistance(normal, triangle[0]);
  if (d < 0) return false;
  contact_ombre = true;
  face_ombre.point = CVector3(position.x, position.y - d, position.z);
  face_ombre.normale = normal;
  return true;
}

namespace {
void remplit_contact(SFace_contact& f, int objet, int face, const char* nom, unsigned char type_sol) {
  f.objet = objet;
  f.face = face;
  std::memset(f.nom, 0, sizeof f.nom);
  if (nom) std::strncpy(f.nom, nom, sizeof f.nom - 1);
  f.type_sol = type_sol;
}
}  // namespace

void Cobjet::set_Contact(int objet, int face, const char* nom, unsigned char type_sol) {
  remplit_contact(face_sol, objet, face, nom, type_sol);
}

void Cobjet::set_Ombre_Contact(int objet, int face, const char* nom, unsigned char type_sol) {
  remplit_contact(face_ombre, objet, face, nom, type_sol);
}

void Cobjet::SetMondeLimits(float xmin, float xmax, float ymin, float ymax, float zmin, float zmax) {
  limites[0] = xmin;
  limites[1] = xmax;
  limites[2] = ymin;
  limites[3] = ymax;
  limites[4] = zmin;
  limites[5] = zmax;
}

void Cobjet::ResetPos(float x, float y, float z, float cap) {
  position = CVector3(x, y, z);
  angle = cap;
  rotation = CVector3(0, 0, 0);
  deplacement = CVector3(0, 0, 0);
  ancien_deplacement = CVector3(0, 0, 0);
  face_sol.reset();
  face_ombre.reset();
}

void Cobjet::contraint_limites() {
  if (position.y < limites[2] - 5) position.y = limites[3];
  if (position.x < limites[0] - 2) position.x = limites[0];
  if (position.x > limites[1] + 2) position.x = limites[1];
  if (position.z < limites[4] - 2) position.z = limites[4];
  if (position.z > limites[5] + 2) position.z = limites[5];
}
