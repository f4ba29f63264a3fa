// The speed gauge of the head-up display as flat geometry: the dial's plane faces the eye, its
// centre is the origin, units are those of the eye space. No drawing here.
#pragma once

// Depth of the dial in front of the eye.
constexpr float PROFONDEUR_JAUGE = 2.0f;
// Everything the dial draws stays within this distance of its centre: the needle's outer corners
// (0.51) and the half width of its thick outline when boosting.
constexpr float RAYON_JAUGE = 0.55f;
// Dots of the scale: dot 0 at rest, dot NB_GRADUATIONS - 1 at full speed.
constexpr int NB_GRADUATIONS = 12;

struct PointJauge {
  float x, y;
};

// Turn of the needle in degrees, counter-clockwise as glRotatef turns it: 0 at rest (the needle
// points left), down to -66 per unit of speed, so the needle rises over the top of the dial.
// Above vitesse_max + 1 it stops at vitesse_max + 0.8.
float angle_aiguille(float vitesse, float vitesse_max);

// The needle's three corners, turned by `aiguille`: two on the rim, one pointing at the centre.
void aiguille_jauge(float aiguille, PointJauge coins[3]);

// Dot k of the scale, on a circle of radius 0.4, and whether the needle at `aiguille` lights it
// (the lit dots run from rest up to the needle).
PointJauge graduation(int k, float vitesse_max);
bool graduation_allumee(int k, float vitesse_max, float aiguille);

// Centre of the dial at PROFONDEUR_JAUGE, inset from the bottom-right corner of the view so that
// the whole dial is seen. `projection` is the projection matrix as glGetFloatv returns it.
PointJauge centre_jauge(const float projection[16]);
