// Plant textures: bark, fern frond, palm leaf, grass blades, petals.
#include <algorithm>
#include <cmath>

#include "assetgen/textures/recettes.h"

using namespace tex;

namespace recettes {
namespace {

constexpr float PI = 3.14159265f;

float fract(float x) { return x - std::floor(x); }

}  // namespace

void ecorce(tImage& img) {
  remplit(img, [&](float u, float v) {
    // Fissures: where noises varying fast across u and slowly along v cross zero; the bark plates
    // between them are lit in the middle and shaded towards their edges.
    const float n = fbm(u + 0.02f * fbm(u, v, 2, 4, 2, 74), v, 24, 3, 4, 71);
    const float fissure = lisse(0.0f, 0.3f, std::fabs(n));
    const float fine = lisse(0.0f, 0.1f, std::fabs(fbm(u, v, 32, 4, 3, 75)));
    const float plaques = 0.5f + 0.5f * fbm(u, v, 16, 8, 4, 72);
    tCouleur c = melange(rgb8(66, 46, 30), rgb8(128, 100, 72), plaques);
    c = c * (0.25f + 0.75f * fissure) * (0.75f + 0.25f * fine);
    return c * (1.0f + 0.1f * (2.0f * bruit(u * 256, v * 64, 256, 64, 73) - 1.0f));
  });
}

void fougere(tImage& img) {
  const tCouleur fond = rgb8(22, 58, 16), foliole = rgb8(62, 128, 36), nervure = rgb8(130, 160, 70);
  remplit(img, [&](float u, float v) {
    const float d = std::fabs(u - 0.5f);
    if (d < 0.012f) return nervure * (0.9f + 0.1f * v);
    // The frond narrows towards its tip at v = 0; leaflets lean towards the tip.
    const float portee = 0.12f + 0.34f * v;
    const float rang = (v + 0.45f * d) * 14.0f;
    const float ecart = std::fabs(fract(rang) - 0.5f);  // 0 on a leaflet's axis
    const float dentelure = 0.04f * std::sin(d * 90.0f);
    const float largeur = 0.42f * (1.0f - d / portee) + dentelure;
    if (d < portee && ecart < largeur) {
      const float centre = 1.0f - ecart / std::max(largeur, 0.01f);
      tCouleur c = melange(foliole * 0.8f, foliole * 1.15f, centre);
      if (ecart < 0.035f) c = melange(c, nervure, 0.6f);
      return c * (0.9f + 0.15f * fbm(u, v, 8, 8, 3, 81));
    }
    return fond * (0.85f + 0.2f * fbm(u, v, 4, 4, 3, 82));
  });
}

void palme(tImage& img) {
  remplit(img, [&](float u, float v) {
    const float d = std::fabs(u - 0.5f);
    if (d < 0.02f) return rgb8(160, 150, 80) * (0.85f + 0.15f * (1.0f - d / 0.02f));
    // Folded leaflets: alternate lit and shaded faces, a dark gap between them.
    const float pli = fract((v + 0.8f * d) * 20.0f);
    const float lumiere = 0.75f + 0.25f * std::sin(2.0f * PI * pli);
    tCouleur c = melange(rgb8(70, 118, 30), rgb8(110, 150, 40), 0.5f + 0.5f * fbm(u, v, 4, 4, 3, 91));
    c = c * lumiere;
    if (pli < 0.05f) c = c * 0.45f;
    // Dry, browned leaflet tips at the edges.
    return melange(c, rgb8(140, 110, 50), lisse(0.38f, 0.5f, d));
  });
}

void brins(tImage& img) {
  remplit(img, [&](float u, float v) {
    const float brin = bruit(u * 96.0f, v * 3.0f, 96, 3, 101);
    const float fin = bruit(u * 192.0f, v * 6.0f, 192, 6, 102);
    const float hauteur = (1.0f - v) * 0.75f + 0.25f * (0.6f * brin + 0.4f * fin);
    tCouleur c = melange(rgb8(14, 44, 8), rgb8(120, 178, 52), hauteur);
    // Gaps between the blades show the dark ground.
    return c * (0.55f + 0.45f * lisse(0.25f, 0.6f, brin));
  });
}

void petale(tImage& img, tCouleur couleur, uint32_t graine) {
  remplit(img, [&](float u, float v) {
    // Veins fanning out from the base (v = 1) towards the tip.
    const float eventail = (u - 0.5f) * (1.6f - 0.6f * v) * 22.0f;
    const float veine = std::pow(std::fabs(std::sin(PI * eventail)), 10.0f);
    tCouleur c = melange(couleur * 1.2f, couleur * 0.7f, v);
    c = melange(c, tCouleur{1, 1, 1}, 0.25f * (1.0f - v));
    c = c * (1.0f - 0.2f * veine) * (0.95f + 0.1f * fbm(u, v, 4, 4, 3, graine));
    // A yellow heart at the base.
    return melange(c, rgb8(235, 200, 60), lisse(0.8f, 1.0f, v) * lisse(0.25f, 0.0f, std::fabs(u - 0.5f)));
  });
}

}  // namespace recettes
