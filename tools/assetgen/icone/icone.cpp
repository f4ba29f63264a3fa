// Drawing of the icon and its PNG files.
#include "assetgen/icone/icone.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "common/fichier.h"

namespace {

struct tRGBA {
  float r = 0, g = 0, b = 0, a = 0;
};

struct tPoint {
  float x, y;
};

tRGBA rgba8(int r, int g, int b, float a = 1.0f) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }

// `haut` painted over `bas`, straight alpha.
tRGBA sur(const tRGBA& bas, const tRGBA& haut) {
  const float a = haut.a + bas.a * (1.0f - haut.a);
  if (a <= 0.0f) return {};
  auto c = [&](float h, float b) { return (h * haut.a + b * bas.a * (1.0f - haut.a)) / a; };
  return {c(haut.r, bas.r), c(haut.g, bas.g), c(haut.b, bas.b), a};
}

tRGBA melange(const tRGBA& a, const tRGBA& b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

bool dans_polygone(float x, float y, const std::vector<tPoint>& p) {
  bool dedans = false;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
      dedans = !dedans;
  }
  return dedans;
}

bool dans_carre_arrondi(float x, float y, float marge, float rayon) {
  const float cx = std::clamp(x, marge + rayon, 1.0f - marge - rayon);
  const float cy = std::clamp(y, marge + rayon, 1.0f - marge - rayon);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= rayon * rayon;
}

float distance(float x, float y, float cx, float cy) { return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)); }

constexpr float HORIZON = 0.46f;

// One sample of the picture at (x, y) in [0, 1]^2, y down.
tRGBA echantillon(float x, float y) {
  if (!dans_carre_arrondi(x, y, 0.03f, 0.17f)) return {};
  tRGBA c;
  if (y < HORIZON) {
    // Evening sky: deep blue above, orange at the horizon, and a low sun.
    c = melange(rgba8(24, 52, 110), rgba8(246, 150, 64), std::pow(y / HORIZON, 1.6f));
    const float soleil = distance(x, y, 0.5f, HORIZON);
    if (soleil < 0.13f) c = melange(c, rgba8(255, 226, 120), 1.0f - soleil / 0.13f + 0.3f);
  } else {
    c = melange(rgba8(30, 92, 72), rgba8(16, 48, 40), (y - HORIZON) / (1.0f - HORIZON));
  }
  // The road, narrowing to the horizon, with a dashed centre line.
  const float p = (y - HORIZON) / (1.0f - HORIZON);  // 0 at the horizon, 1 at the bottom
  if (p > 0.0f) {
    const float demi = 0.03f + 0.42f * p;
    if (std::fabs(x - 0.5f) < demi) {
      c = rgba8(62, 62, 74);
      if (std::fabs(x - 0.5f) > demi * 0.9f) c = rgba8(236, 236, 236);
      const float profondeur = 1.0f / (p + 0.08f);
      if (std::fabs(x - 0.5f) < demi * 0.035f && std::fmod(profondeur, 1.6f) < 0.8f) c = rgba8(245, 214, 70);
    }
  }
  // The ship's shadow, then its body, cockpit and two reactors.
  if (distance((x - 0.5f) * 0.55f, y, 0.0f, 0.84f) < 0.045f) c = sur(c, rgba8(0, 0, 0, 0.45f));
  const std::vector<tPoint> corps = {{0.50f, 0.50f}, {0.86f, 0.74f}, {0.80f, 0.80f}, {0.20f, 0.80f}, {0.14f, 0.74f}};
  if (dans_polygone(x, y, corps)) {
    c = melange(rgba8(255, 128, 48), rgba8(196, 40, 24), (y - 0.50f) / 0.30f);
    const std::vector<tPoint> cockpit = {{0.50f, 0.56f}, {0.58f, 0.68f}, {0.42f, 0.68f}};
    if (dans_polygone(x, y, cockpit)) c = melange(rgba8(200, 245, 255), rgba8(70, 150, 220), (y - 0.56f) / 0.12f);
  }
  for (float cx : {0.36f, 0.64f}) {
    const float d = distance(x, y, cx, 0.77f);
    if (d < 0.055f) c = melange(rgba8(255, 255, 255), rgba8(90, 210, 255), d / 0.055f);
  }
  return c;
}

void ecrit_png(png_structp png, png_bytep octets, png_size_t n) {
  auto* sortie = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  sortie->insert(sortie->end(), octets, octets + n);
}

void rien(png_structp) {}

}  // namespace

void dessine_icone(int taille, std::vector<uint8_t>* rgba) {
  constexpr int N = 4;
  rgba->assign(size_t(taille) * size_t(taille) * 4, 0);
  for (int py = 0; py < taille; py++) {
    for (int px = 0; px < taille; px++) {
      // Premultiplied sum of the samples, so that the edges fade to transparent cleanly.
      float r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < N; sy++) {
        for (int sx = 0; sx < N; sx++) {
          const tRGBA e = echantillon((px + (sx + 0.5f) / N) / taille, (py + (sy + 0.5f) / N) / taille);
          r += e.r * e.a;
          g += e.g * e.a;
          b += e.b * e.a;
          a += e.a;
        }
      }
      uint8_t* o = rgba->data() + (size_t(py) * size_t(taille) + size_t(px)) * 4;
      auto octet = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
      if (a > 0.0f) {
        o[0] = octet(r / a);
        o[1] = octet(g / a);
        o[2] = octet(b / a);
      }
      o[3] = octet(a / (N * N));
    }
  }
}

std::vector<uint8_t> png_icone(int taille) {
  std::vector<uint8_t> image;
  dessine_icone(taille, &image);
  std::vector<uint8_t> sortie;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &sortie, ecrit_png, rien);
  png_set_IHDR(png, info, taille, taille, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < taille; y++) png_write_row(png, image.data() + size_t(y) * size_t(taille) * 4);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return sortie;
}

bool genere_icones(const std::string& dossier, std::string* erreur) {
  const std::filesystem::path rep = std::filesystem::path(dossier) / "icones";
  std::error_code e;
  std::filesystem::create_directories(rep, e);
  for (int taille : TAILLES_ICONE) {
    const std::string chemin = (rep / ("veltra_" + std::to_string(taille) + ".png")).string();
    const std::vector<uint8_t> octets = png_icone(taille);
    if (octets.empty() || !ecrit_fichier_atomique(chemin, octets.data(), octets.size())) {
      *erreur = "cannot write " + chemin;
      return false;
    }
  }
  return true;
}
