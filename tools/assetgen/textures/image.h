// RGB float images and the tileable noises the procedural textures are made of. Every noise takes
// its period in cells, so a texture built from whole periods repeats without a seam.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct tCouleur {
  float r = 0, g = 0, b = 0;
};

inline tCouleur operator+(tCouleur a, tCouleur b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline tCouleur operator*(tCouleur a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline tCouleur melange(tCouleur a, tCouleur b, float t) { return a * (1.0f - t) + b * t; }
inline tCouleur rgb8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

struct tImage {
  int largeur = 0;
  int hauteur = 0;
  std::vector<tCouleur> pixels;  // row by row, top row first

  tImage() = default;
  tImage(int l, int h) : largeur(l), hauteur(h), pixels(size_t(l) * size_t(h)) {}
  tCouleur& at(int x, int y) { return pixels[size_t(y) * size_t(largeur) + size_t(x)]; }
  const tCouleur& at(int x, int y) const { return pixels[size_t(y) * size_t(largeur) + size_t(x)]; }
};

namespace tex {

// Fills every pixel from its centre's (u, v) in [0, 1): u across, v down.
void remplit(tImage& img, const std::function<tCouleur(float u, float v)>& f);

// Integer hash to [0, 1).
float hache(int x, int y, uint32_t graine);

// Smooth value noise in [0, 1) at (x, y) in cells, periodic over px by py cells.
float bruit(float x, float y, int px, int py, uint32_t graine);

// Fractal sum of `octaves` noises over [0, 1)^2, starting at cu by cv cells and doubling; in [-1, 1].
// Periodic over the unit square whatever the octave count.
float fbm(float u, float v, int cu, int cv, int octaves, uint32_t graine, float persistance = 0.5f);

// Cellular noise over n by n periodic cells (one jittered point each): distances in cells to the
// nearest and second nearest point, and the nearest point's cell id.
struct tCellule {
  float d1 = 0, d2 = 0;
  int id = 0;
};
tCellule cellules(float u, float v, int n, uint32_t graine);

// Small helpers on floats.
float lisse(float a, float b, float x);  // smoothstep
float sature01(float x);

}  // namespace tex
