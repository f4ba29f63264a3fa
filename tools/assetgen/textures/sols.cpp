// Ground and wall textures: asphalt (plain and marked), kerb, grass, rock, sand, concrete.
#include <cmath>

#include "assetgen/textures/recettes.h"

using namespace tex;

namespace recettes {
namespace {

float fract(float x) { return x - std::floor(x); }

// Fine grain at the pixel scale, periodic over the picture: [-1, 1].
float grain(const tImage& img, float u, float v, uint32_t graine) {
  return 2.0f * bruit(u * float(img.largeur), v * float(img.hauteur), img.largeur, img.hauteur, graine) - 1.0f;
}

}  // namespace

void route(tImage& img, bool lignes) {
  remplit(img, [&](float u, float v) {
    float g = 0.27f + 0.045f * fbm(u, v, 4, 4, 5, 11);
    g += 0.05f * grain(img, u, v, 12);
    // Aggregate: a few light stones and dark pits.
    const float pierre = bruit(u * img.largeur * 0.5f, v * img.hauteur * 0.5f, img.largeur / 2, img.hauteur / 2, 13);
    if (pierre > 0.9f) g += 0.6f * (pierre - 0.9f) * 2.0f;
    if (pierre < 0.06f) g -= 0.08f;
    // Oil and rubber stains.
    g -= 0.05f * lisse(0.15f, 0.5f, fbm(u, v, 2, 2, 4, 14));
    tCouleur c{g, g, g * 1.05f};
    if (lignes) {
      const float du = std::fabs(u - 0.5f);
      const bool bord = (u > 0.04f && u < 0.07f) || (u > 0.93f && u < 0.96f);
      const bool centre = du < 0.01f && fract(v) < 0.5f;
      if (bord || centre) {
        // Worn paint: the asphalt shows through where the wear noise is high.
        const float usure = lisse(0.1f, 0.6f, fbm(u, v, 16, 16, 3, 15));
        const tCouleur peinture = rgb8(226, 224, 214) * (0.95f + 0.05f * grain(img, u, v, 16));
        c = melange(peinture, c, 0.7f * usure);
      }
    }
    return c;
  });
}

void bordure(tImage& img) {
  remplit(img, [&](float u, float v) {
    const int bloc = int(std::floor(v * 4.0f)) % 2;
    tCouleur c = bloc ? rgb8(205, 35, 30) : rgb8(230, 228, 222);
    // Joints between blocks and a rounded edge across u.
    const float joint = std::fabs(fract(v * 4.0f + 0.5f) - 0.5f);
    const float bombe = 0.8f + 0.2f * std::sin(u * 3.14159265f);
    c = c * (bombe * (joint < 0.015f ? 0.55f : 1.0f));
    const float salete = 0.1f * lisse(0.0f, 0.6f, fbm(u, v, 4, 4, 4, 21)) + 0.04f * grain(img, u, v, 22);
    return melange(c, rgb8(60, 55, 50), salete);
  });
}

void herbe(tImage& img) {
  const tCouleur sombre = rgb8(38, 78, 20), clair = rgb8(92, 140, 38), sec = rgb8(130, 128, 58);
  remplit(img, [&](float u, float v) {
    const float taches = 0.5f + 0.5f * fbm(u, v, 4, 4, 5, 31);
    tCouleur c = melange(sombre, clair, taches);
    // Blades of two sizes: noise stretched along v, bent across u by a slow periodic noise (a plain
    // shear would not wrap).
    const float penche = 0.03f * fbm(u, v, 2, 2, 2, 36);
    const float brin = bruit((u + penche) * 128.0f, v * 32.0f, 128, 32, 32);
    const float fin = bruit((u - penche) * 256.0f, v * 48.0f, 256, 48, 35);
    c = c * (0.7f + 0.35f * brin + 0.25f * fin);
    c = melange(c, sec, 0.45f * lisse(0.25f, 0.6f, fbm(u, v, 3, 3, 4, 33)));
    return c * (1.0f + 0.1f * grain(img, u, v, 34));
  });
}

void roche(tImage& img) {
  remplit(img, [&](float u, float v) {
    const tCellule cel = cellules(u, v, 5, 41);
    const tCellule fin = cellules(u, v, 13, 45);
    const float teinte = hache(cel.id, 0, 42);
    tCouleur c = melange(rgb8(108, 102, 94), rgb8(146, 130, 106), teinte);
    // Weathered relief: sharp ridges of a fractal noise over a softer one.
    const float relief = 1.0f - std::fabs(fbm(u, v, 6, 6, 5, 43));
    c = c * (0.6f + 0.45f * relief + 0.15f * fbm(u, v, 16, 16, 3, 46));
    // Deep cracks between blocks, fainter ones inside them; not every crack runs the whole way.
    const float visible = lisse(-0.2f, 0.3f, fbm(u, v, 8, 8, 3, 47));
    c = c * (1.0f - 0.65f * (1.0f - lisse(0.0f, 0.07f, cel.d2 - cel.d1)));
    c = c * (1.0f - 0.35f * visible * (1.0f - lisse(0.0f, 0.05f, fin.d2 - fin.d1)));
    return c * (1.0f + 0.08f * grain(img, u, v, 44));
  });
}

void sable(tImage& img) {
  remplit(img, [&](float u, float v) {
    const float ondulation = std::sin(2.0f * 3.14159265f * (v * 12.0f + 0.6f * fbm(u, v, 3, 3, 3, 51)));
    float l = 1.0f + 0.05f * ondulation + 0.05f * fbm(u, v, 4, 4, 4, 52) + 0.07f * grain(img, u, v, 53);
    if (bruit(u * img.largeur, v * img.hauteur, img.largeur, img.hauteur, 54) > 0.97f) l -= 0.15f;
    return rgb8(214, 186, 130) * l;
  });
}

void beton(tImage& img) {
  remplit(img, [&](float u, float v) {
    float l = 0.62f + 0.05f * fbm(u, v, 8, 8, 5, 61) + 0.03f * grain(img, u, v, 62);
    // Pores.
    if (bruit(u * img.largeur * 0.5f, v * img.hauteur * 0.5f, img.largeur / 2, img.hauteur / 2, 63) < 0.05f) l -= 0.18f;
    // Formwork joints every quarter, and rain streaks running down from them.
    const float dj = std::fabs(fract(v * 4.0f + 0.5f) - 0.5f) / 4.0f;
    if (dj < 1.5f / float(img.hauteur)) l -= 0.14f;
    const float coulure = lisse(0.1f, 0.5f, fbm(u, v, 24, 2, 3, 64)) * (1.0f - fract(v * 4.0f));
    l -= 0.08f * coulure;
    return tCouleur{l, l * 0.99f, l * 0.96f};
  });
}

}  // namespace recettes
