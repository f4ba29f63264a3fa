// Tileable value noise, fractal sums and cellular noise for the procedural textures.
#include "assetgen/textures/image.h"

#include <algorithm>
#include <cmath>

namespace tex {
namespace {

int modulo(int a, int p) {
  const int r = a % p;
  return r < 0 ? r + p : r;
}

float quintique(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

}  // namespace

void remplit(tImage& img, const std::function<tCouleur(float u, float v)>& f) {
  for (int y = 0; y < img.hauteur; y++) {
    const float v = (float(y) + 0.5f) / float(img.hauteur);
    for (int x = 0; x < img.largeur; x++) img.at(x, y) = f((float(x) + 0.5f) / float(img.largeur), v);
  }
}

float hache(int x, int y, uint32_t graine) {
  uint32_t h = graine * 0x9E3779B1u;
  h ^= uint32_t(x) * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= uint32_t(y) * 0xC2B2AE3Du;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return float(h >> 8) * (1.0f / 16777216.0f);
}

float bruit(float x, float y, int px, int py, uint32_t graine) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  const float tx = quintique(x - fx), ty = quintique(y - fy);
  const int x0 = modulo(ix, px), x1 = modulo(ix + 1, px);
  const int y0 = modulo(iy, py), y1 = modulo(iy + 1, py);
  const float a = hache(x0, y0, graine), b = hache(x1, y0, graine);
  const float c = hache(x0, y1, graine), d = hache(x1, y1, graine);
  return (a + (b - a) * tx) * (1.0f - ty) + (c + (d - c) * tx) * ty;
}

float fbm(float u, float v, int cu, int cv, int octaves, uint32_t graine, float persistance) {
  float somme = 0, total = 0, amp = 1;
  for (int o = 0; o < octaves; o++) {
    somme += amp * (2.0f * bruit(u * float(cu), v * float(cv), cu, cv, graine + uint32_t(o) * 101u) - 1.0f);
    total += amp;
    amp *= persistance;
    cu *= 2;
    cv *= 2;
  }
  return total > 0 ? somme / total : 0.0f;
}

tCellule cellules(float u, float v, int n, uint32_t graine) {
  const float x = u * float(n), y = v * float(n);
  const int cx = int(std::floor(x)), cy = int(std::floor(y));
  tCellule c;
  c.d1 = c.d2 = 1e9f;
  for (int dy = -1; dy <= 1; dy++) {
    for (int dx = -1; dx <= 1; dx++) {
      const int gx = cx + dx, gy = cy + dy;
      const int mx = modulo(gx, n), my = modulo(gy, n);
      const float px = float(gx) + hache(mx, my, graine);
      const float py = float(gy) + hache(mx, my, graine + 7u);
      const float d = std::hypot(px - x, py - y);
      if (d < c.d1) {
        c.d2 = c.d1;
        c.d1 = d;
        c.id = my * n + mx;
      } else if (d < c.d2) {
        c.d2 = d;
      }
    }
  }
  return c;
}

float lisse(float a, float b, float x) {
  const float t = sature01((x - a) / (b - a));
  return t * t * (3.0f - 2.0f * t);
}

float sature01(float x) { return std::clamp(x, 0.0f, 1.0f); }

}  // namespace tex
