// Camera motion: easing rules of the race follow, collision hooks and the free flight's moves.
// Look and the mouse and key reads are in camera_rendu.cpp.
#include "world/camera.h"

#include <cmath>

#include "common/globals.h"
#include "math/degres.h"

CCamera g_Camera;
float currentRotX = 0.0f;

CCamera::CCamera()
    : radius(5.0f),
      position(0, 0, 0),
      view(0, 1, 0.5f),
      upVector(0, 0, 1),
      strafe(0, 0, 0),
      direction(Normalize(position - view)) {}

void CCamera::PositionCamera(float px, float py, float pz, float vx, float vy, float vz, float ux, float uy,
                             float uz) {
  position = CVector3(px, py, pz);
  view = CVector3(vx, vy, vz);
  upVector = CVector3(ux, uy, uz);
}

// Eased approach of the eye: slow when close, capped at 4 below 30 units, 6 beyond.
void CCamera::Approche(CVector3 cible) {
  const CVector3 d = cible - position;
  const float dist = Magnitude(d);
  if (dist <= 0.1f) return;
  float vitesse;
  if (dist >= 30.0f) {
    vitesse = 6.0f;
  } else {
    const float q = dist / 4.0f;
    vitesse = std::fmin(q * q / 4.0f, 4.0f);
  }
  position += (d / dist) * vitesse;
}

// Eased aim: a step of m*m/27 towards the look point, uncapped.
void CCamera::Vise(CVector3 point) {
  const CVector3 e = point - view;
  const float m = Magnitude(e);
  if (m <= 0.01f) return;
  const float q = m / 3.0f;
  view += (e / m) * (q * q / 3.0f);
}

void CCamera::InitSurJoueur(CVector3 p, float heading) {
  const int a = static_cast<int>(heading);
  const float s = sinus(a), c = cosinus(a);
  position = CVector3(p.x - 15 * s, p.y + 15, p.z - 15 * c);
  view = CVector3(p.x + 20 * s, p.y + 10, p.z + 20 * c);
  direction = Normalize(view - position);
}

void CCamera::SuitJoueur(CVector3 p, float heading) {
  const int a = static_cast<int>(heading);
  Approche(p + Rot_axe_Y(CVector3(0, 7, -9), a));
  Vise(p + Rot_axe_Y(CVector3(0, 11, 22), a));
  direction = Normalize(view - position);
}

void CCamera::SuitPoints(CVector3 cible, CVector3 regard) {
  Approche(cible);
  Vise(regard);
}

bool CCamera::OverlappsCube(float cx, float cy, float cz, float h) const {
  auto ecart = [h](float p, float c) {
    if (p < c - h) return (c - h) - p;
    if (p > c + h) return p - (c + h);
    return 0.0f;
  };
  const float dx = ecart(position.x, cx), dy = ecart(position.y, cy), dz = ecart(position.z, cz);
  return dx * dx + dy * dy + dz * dz <= radius * radius;
}

void CCamera::SetContactDecor(CVector3 offset) {
  position += offset;
  view.y -= 0.5f * Magnitude(offset);  // pushed out of a wall, the view tips down
}

bool CCamera::TourneVueSouris(int mouseX, int mouseY) {
  const int centreX = SCREEN_WIDTH / 2, centreY = SCREEN_HEIGHT / 2;
  if (mouseX == centreX && mouseY == centreY) return false;
  const float angleY = static_cast<float>(centreX - mouseX) / 500.0f;
  const float angleZ = static_cast<float>(centreY - mouseY) / 500.0f;
  currentRotX -= angleZ;
  // Past the vertical limit the whole move is dropped, the horizontal part too.
  if (currentRotX > 1.0f) {
    currentRotX = 1.0f;
  } else if (currentRotX < -1.0f) {
    currentRotX = -1.0f;
  } else {
    const CVector3 axe = Normalize(Cross(view - position, upVector));
    RotateView(angleZ, axe.x, axe.y, axe.z);
    RotateView(angleY, 0, 1, 0);
  }
  return true;
}

void CCamera::RotateView(float angle, float x, float y, float z) {
  const CVector3 v = view - position;
  const float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
  CVector3 r;
  r.x = (c + t * x * x) * v.x + (t * x * y - z * s) * v.y + (t * x * z + y * s) * v.z;
  r.y = (t * x * y + z * s) * v.x + (c + t * y * y) * v.y + (t * y * z - x * s) * v.z;
  r.z = (t * x * z - y * s) * v.x + (t * y * z + x * s) * v.y + (c + t * z * z) * v.z;
  view = position + r;
}

void CCamera::MoveCamera(float speed) {
  const CVector3 u = Normalize(view - position);
  position += u * speed;
  view += u * speed;
}

void CCamera::StrafeCamera(float speed) {
  position.x += strafe.x * speed;
  position.z += strafe.z * speed;
  view.x += strafe.x * speed;
  view.z += strafe.z * speed;
}

void CCamera::MoveVertCamera(float speed) {
  position.y += speed;
  view.y += speed;
}
