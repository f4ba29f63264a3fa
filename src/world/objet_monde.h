// What the world octree needs of a moving object (ships, bonuses, projectiles): the cube test
// that steers the descent, the contact hooks it feeds, and the state changes it triggers.
#pragma once

#include "math/vector.h"

class CObjetMonde {
 public:
  virtual ~CObjetMonde() = default;

  // Sphere against the box [c - h, c + h]: mode 1 the ground probe, mode 2 the collision sphere.
  virtual bool OverlappsCube(float cx, float cy, float cz, float halfWidth, int mode, float margin) = 0;
  // Ground probe against one triangle (three corners); true on contact.
  virtual bool Analise_contact(CVector3* triangle, CVector3 normal) = 0;
  // Shadow of the object on a triangle it stands above.
  virtual bool Analise_contact_ombre(CVector3 point, CVector3* triangle, CVector3 normal) = 0;
  // face is the position of the triangle in the end node's index list (three times its number).
  virtual void set_Contact(int object, int face, const char* name, unsigned char surfaceType) = 0;
  virtual void set_Ombre_Contact(int object, int face, const char* name, unsigned char surfaceType) = 0;

  virtual CVector3 GetVectorPosition() = 0;
  virtual CVector3 GetPositionCollision() = 0;
  virtual float GetRadius() = 0;
  virtual CVector3 GetVectorDeplacement() = 0;

  virtual void Set_Roule() = 0;
  virtual void Set_Chute() = 0;
  virtual void SetContactDecor(bool contact, CVector3 normal) = 0;
  virtual void Set_Collision() = 0;
};
