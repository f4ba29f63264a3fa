// The floor of a race frame: the very triangles the frame put on the screen, drawn again in one
// call, untextured and unlit, with no other state change. No drawing of that picture can cost
// less on the same renderer, so the frame's time over the floor's says what the game's own way of
// drawing costs on top of the triangles themselves.
#pragma once

#include <functional>
#include <vector>

// Runs DESSINE (one frame's drawing, which must change nothing but the picture) in feedback mode
// and keeps the filled polygons as triangles, in window coordinates (x, y, depth 0..1): 9 floats
// per triangle. Lines and points are left out.
std::vector<float> triangles_image(const std::function<void()>& dessine);

// Clears the buffers and draws TRIANGLES from a vertex buffer in one call, finished; returns the
// milliseconds of the clear, the call and the finish (the upload is made before the clock starts).
// The OpenGL state is put back afterwards.
double dessine_plancher(const std::vector<float>& triangles, int largeur, int hauteur);
