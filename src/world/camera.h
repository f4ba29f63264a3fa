// The one viewpoint of the game: eased chase of the pilot's ship, orbiting, being pushed out of
// the circuit by the octree, and free flight with mouse and arrows in the editing modes.
#pragma once

#include "math/vector.h"

// Mouse position in screen pixels.
struct tPointSouris {
  int x = 0, y = 0;
};

class CCamera {
 public:
  CCamera();

  void PositionCamera(float px, float py, float pz, float vx, float vy, float vz, float ux, float uy, float uz);
  // Applies the look-at transform to the current matrix (GL context needed; camera_rendu.cpp).
  void Look() const;

  CVector3 Position() const { return position; }
  CVector3 View() const { return view; }
  CVector3 UpVector() const { return upVector; }
  CVector3 Strafe() const { return strafe; }
  CVector3 Direction() const { return direction; }
  float GetPositionX() const { return position.x; }
  float GetPositionY() const { return position.y; }
  float GetPositionZ() const { return position.z; }
  float GetDirectionX() const { return direction.x; }
  float GetDirectionY() const { return direction.y; }
  float GetDirectionZ() const { return direction.z; }
  CVector3 GetPositionCollision() const { return position; }
  float GetRadius() const { return radius; }

  // Race follow.
  void InitSurJoueur(CVector3 shipPosition, float heading);
  void SuitJoueur(CVector3 shipPosition, float heading);
  void SuitPoints(CVector3 target, CVector3 lookAt);

  // Hooks of the octree's camera search.
  bool OverlappsCube(float cx, float cy, float cz, float halfWidth) const;
  void SetContactDecor(CVector3 offset);

  // Free flight, once per frame: strafe vector, mouse look, arrow keys. Update, SetViewByMouse,
  // CheckForMovement and GetCursPos read the devices and live in camera_rendu.cpp.
  void Update();
  void SetViewByMouse();
  // The mouse part of SetViewByMouse for a mouse read at (mouseX, mouseY); false when the mouse
  // sat at the screen centre and nothing was done.
  bool TourneVueSouris(int mouseX, int mouseY);
  void CheckForMovement();
  void RotateView(float angle, float x, float y, float z);
  void MoveCamera(float speed);
  void StrafeCamera(float speed);
  void MoveVertCamera(float speed);
  void GetCursPos(tPointSouris* point) const;

 private:
  void Approche(CVector3 cible);
  void Vise(CVector3 point);

  float radius;
  CVector3 position;
  CVector3 view;
  CVector3 upVector;
  CVector3 strafe;
  CVector3 direction;
};

extern CCamera g_Camera;
extern float currentRotX;  // accumulated vertical mouse rotation, kept within [-1, 1]
