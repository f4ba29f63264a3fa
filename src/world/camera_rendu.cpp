// The camera on the platform side: the look-at transform, and the editors' free flight read from
// the mouse and the arrow keys.
#include <allegro.h>
#include <GL/glu.h>

#include "common/globals.h"
#include "world/camera.h"

void CCamera::Look() const {
  gluLookAt(position.x, position.y, position.z, view.x, view.y, view.z, upVector.x, upVector.y, upVector.z);
}

void CCamera::Update() {
  strafe = Normalize(Cross(view - position, upVector));
  SetViewByMouse();
  CheckForMovement();
}

void CCamera::GetCursPos(tPointSouris* point) const {
  point->x = mouse_x;
  point->y = mouse_y;
}

void CCamera::SetViewByMouse() {
  tPointSouris souris;
  GetCursPos(&souris);
  if (TourneVueSouris(souris.x, souris.y)) position_mouse(SCREEN_WIDTH / 2, SCREEN_HEIGHT / 2);
}

void CCamera::CheckForMovement() {
  float pas = 1.0f;
  if (key[KEY_LSHIFT] || key[KEY_RSHIFT]) {
    pas = 0.5f;
  } else if (key[KEY_LCONTROL] || key[KEY_RCONTROL]) {
    pas = 4.0f;
  }
  if (key[KEY_UP]) MoveCamera(pas);
  if (key[KEY_DOWN]) MoveCamera(-pas);
  if (key[KEY_LEFT]) StrafeCamera(-pas);
  if (key[KEY_RIGHT]) StrafeCamera(pas);
  if (key[KEY_PGUP]) MoveVertCamera(pas);
  if (key[KEY_PGDN]) MoveVertCamera(-pas);
}
