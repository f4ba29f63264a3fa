// Textures of machines and effects: metal panels, ship liveries, glows, the bonus ring, fire.
#include <algorithm>
#include <cmath>

#include "assetgen/textures/recettes.h"

using namespace tex;

namespace recettes {
namespace {

constexpr float PI = 3.14159265f;

float fract(float x) { return x - std::floor(x); }

struct tLivree {
  tCouleur fond, bande;
  int style;  // 0 twin stripes, 1 wide centre stripe with a nose chevron, 2 diagonal bands
};

const tLivree LIVREES[6] = {
    {rgb8(196, 24, 20), rgb8(240, 240, 236), 0},  // red / white
    {rgb8(22, 64, 190), rgb8(250, 206, 30), 1},   // blue / yellow
    {rgb8(26, 140, 52), rgb8(18, 18, 20), 2},     // green / black
    {rgb8(242, 116, 14), rgb8(16, 30, 84), 0},    // orange / navy
    {rgb8(112, 30, 150), rgb8(196, 200, 208), 1}, // purple / silver
    {rgb8(244, 206, 24), rgb8(20, 20, 22), 2},    // yellow / black
};

}  // namespace

void metal(tImage& img) {
  remplit(img, [&](float u, float v) {
    const float pu = fract(u * 4.0f), pv = fract(v * 4.0f);
    const int panneau = int(u * 4.0f) + 4 * int(v * 4.0f);
    float l = 0.56f + 0.05f * (hache(panneau, 1, 111) - 0.5f);
    // Brushed along u.
    l += 0.05f * (2.0f * bruit(u * 4.0f, v * float(img.hauteur), 4, img.hauteur, 112) - 1.0f);
    l += 0.03f * fbm(u, v, 8, 8, 3, 113);
    // Seams with a bevel: lit on the top and left edges, shaded on the others.
    const float bord = std::min(std::min(pu, 1.0f - pu), std::min(pv, 1.0f - pv));
    if (bord < 0.012f) {
      l = 0.22f;
    } else if (bord < 0.03f) {
      l += (pu < 0.03f || pv < 0.03f) ? 0.12f : -0.12f;
    }
    // Rivets near the corners, lit from the top left.
    for (float cx : {0.07f, 0.93f}) {
      for (float cy : {0.07f, 0.93f}) {
        const float dx = pu - cx, dy = pv - cy;
        const float r = std::sqrt(dx * dx + dy * dy);
        if (r < 0.028f) l = 0.5f + 0.3f * (-(dx + dy) / 0.04f) + 0.1f;
      }
    }
    return tCouleur{l * 0.96f, l * 0.99f, l * 1.05f};
  });
}

void livree(tImage& img, int vaisseau) {
  const tLivree& L = LIVREES[std::clamp(vaisseau, 1, 6) - 1];
  remplit(img, [&](float u, float v) {
    const float d = std::fabs(u - 0.5f);
    bool bande = false;
    switch (L.style) {
      case 0:
        bande = d > 0.04f && d < 0.10f;
        break;
      case 1:
        bande = d < 0.08f || (v < 0.3f && std::fabs(v - (0.1f + 0.6f * d)) < 0.035f);
        break;
      default:
        bande = v > 0.3f && fract((v - d) * 3.0f) < 0.22f;  // chevrons pointing at the nose
        break;
    }
    tCouleur c = bande ? L.bande : L.fond;
    if (L.style == 1 && std::fabs(d - 0.08f) < 0.008f) c = rgb8(245, 245, 245);
    // Panel lines across, a lacquer sheen along the centre line, a little wear.
    if (std::fabs(fract(v * 4.0f + 0.5f) - 0.5f) / 4.0f < 0.8f / float(img.hauteur)) c = c * 0.8f;
    c = c * (0.82f + 0.22f * (1.0f - 2.0f * d));
    return c * (1.0f + 0.04f * fbm(u, v, 8, 8, 3, 120 + uint32_t(vaisseau)));
  });
}

void lueur(tImage& img, tCouleur couleur, uint32_t graine) {
  remplit(img, [&](float u, float v) {
    const float x = (v - 0.5f) / 0.14f;
    const float coeur = std::exp(-x * x);
    const float chatoiement = 0.12f * fbm(u, v, 8, 2, 3, graine);
    tCouleur c = melange(couleur * 0.55f, tCouleur{1, 1, 1}, coeur * coeur * 0.85f);
    return c * (0.55f + 0.45f * coeur + chatoiement);
  });
}

void anneau(tImage& img) {
  remplit(img, [&](float u, float v) {
    const float x = (v - 0.5f) / 0.18f;
    const float coeur = std::exp(-x * x);
    const float pulsation = 0.8f + 0.2f * std::sin(2.0f * PI * u * 8.0f);
    tCouleur c = melange(rgb8(40, 160, 220), rgb8(230, 255, 255), coeur * coeur);
    c = c * ((0.5f + 0.5f * coeur) * pulsation);
    const float bord = lisse(0.3f, 0.42f, std::fabs(v - 0.5f));
    return melange(c, rgb8(230, 180, 50) * (0.9f + 0.1f * pulsation), bord);
  });
}

void explosion(tImage& img) {
  const tCouleur rampe[5] = {rgb8(20, 4, 2), rgb8(150, 20, 8), rgb8(240, 110, 20), rgb8(255, 215, 70),
                             rgb8(255, 250, 225)};
  remplit(img, [&](float u, float v) {
    // Turbulence warped by another periodic noise: still whole periods over the picture.
    const float du = 0.15f * fbm(u, v, 3, 3, 3, 131), dv = 0.15f * fbm(u, v, 3, 3, 3, 132);
    const float n = fbm(u + du, v + dv, 4, 4, 6, 133, 0.55f);
    const float t = sature01(0.5f + 1.1f * n) * 3.999f;
    const int i = int(t);
    return melange(rampe[i], rampe[i + 1], t - float(i));
  });
}

}  // namespace recettes
