// Generated textures as the game's loader reads them, seamless where they tile, and the desktop icon.
#include <allegro.h>
#include <jpgalleg.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "assetgen/charge_modele.h"
#include "assetgen/icone/icone.h"
#include "assetgen/textures/jpeg.h"
#include "assetgen/textures/textures.h"
#include "common/fichier.h"

TEST(TexturesGenerees, EveryTextureIsAJpegTheLoaderReadsTheSameOnEveryRunInItsIntendedColours) {
  // The game's JPEG loader needs Allegro.
  install_allegro(SYSTEM_NONE, &errno, atexit);
  jpgalleg_init();
  set_color_depth(32);
  const DossierTemporaire d, autre;
  std::string erreur;
  ASSERT_TRUE(genere_textures(d.chemin(), &erreur)) << erreur;
  ASSERT_TRUE(genere_textures(autre.chemin(), &erreur)) << erreur;
  auto chemin = [&](const std::string& nom) { return d.chemin() + "/maps/" + nom; };
  // Mean colour of a texture as the game's loader decodes it, in [0, 1]; its size checked if given.
  auto moyenne = [&](const std::string& nom, int taille = 0) {
    std::array<double, 3> m = {0, 0, 0};  // red, green, blue
    BITMAP* b = load_jpg(chemin(nom).c_str(), nullptr);
    EXPECT_NE(b, nullptr) << nom;
    if (!b) return m;
    EXPECT_TRUE(!taille || (b->w == taille && b->h == taille)) << b->w << "x" << b->h;
    const double n = 255.0 * b->w * b->h;
    for (int y = 0; y < b->h; y++) {
      for (int x = 0; x < b->w; x++) {
        const int c = getpixel(b, x, y);
        m[0] += getr32(c) / n;
        m[1] += getg32(c) / n;
        m[2] += getb32(c) / n;
      }
    }
    destroy_bitmap(b);
    return m;
  };
  ASSERT_GE(textures_connues().size(), 20u);
  for (const tTextureConnue& t : textures_connues()) {
    SCOPED_TRACE(t.nom);
    std::vector<uint8_t> a, b;
    ASSERT_TRUE(lit_fichier(chemin(t.nom), a));
    ASSERT_TRUE(lit_fichier(autre.chemin() + "/maps/" + t.nom, b));
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(t.taille > 0 && (t.taille & (t.taille - 1)) == 0) << "a power of two";
    moyenne(t.nom, t.taille);
  }

  // {texture, brighter channel, darker channel, by at least} with channels r 0, g 1, b 2
  const std::tuple<std::string, int, int, double> ecarts[] = {
      {TEX_HERBE, 1, 0, 0.05}, {TEX_HERBE, 1, 2, 0.1},        {TEX_SABLE, 0, 1, 0},
      {TEX_SABLE, 1, 2, 0.1},  {TEX_LUEUR_BLEUE, 2, 0, 0.2}, {TEX_LUEUR_ROUGE, 0, 1, 0.2},
      {TEX_EXPLOSION, 0, 2, 0.3}};
  for (const auto& [nom, fort, faible, marge] : ecarts) {
    const auto m = moyenne(nom);
    EXPECT_GT(m[fort], m[faible] + marge) << nom << " " << fort << " " << faible;
  }
  EXPECT_GT(moyenne(TEX_SABLE)[0], 0.6);
  const auto route = moyenne(TEX_ROUTE);
  EXPECT_LT(route[0], 0.4);
  EXPECT_NEAR(route[0], route[2], 0.05);  // grey, not tinted
  EXPECT_GT(moyenne(TEX_ROUTE_LIGNES)[0], route[0] + 0.02);  // the paint shows

  // Six liveries that can be told apart at a glance.
  std::vector<std::array<double, 3>> livrees;
  for (int n = 1; n <= 6; n++) livrees.push_back(moyenne(texture_livree(n)));
  for (size_t i = 0; i < livrees.size(); i++) {
    for (size_t j = i + 1; j < livrees.size(); j++) {
      double ecart = 0;
      for (int k = 0; k < 3; k++) ecart += std::fabs(livrees[i][k] - livrees[j][k]);
      EXPECT_GT(ecart, 0.25) << "livree" << i + 1 << " and livree" << j + 1;
    }
  }
  std::vector<std::string> noms;
  for (int n : {0, 1, 6, 7}) noms.push_back(texture_livree(n));
  EXPECT_EQ(noms, std::vector<std::string>({"", "livree1.jpg", "livree6.jpg", ""}));

  EXPECT_FALSE(genere_texture(d.chemin(), "inconnue.jpg", &erreur));
  EXPECT_NE(erreur.find("inconnue.jpg"), std::string::npos);
  erreur.clear();
  EXPECT_FALSE(genere_texture(chemin(TEX_SABLE), TEX_SABLE, &erreur));  // a file where the folder goes
  EXPECT_FALSE(erreur.empty());
  std::vector<uint8_t> o;
  EXPECT_FALSE(encode_jpeg(tImage(), 90, &o, &erreur));
}

// A repeated texture shows no edge: the step from the last column (row) to the first is like those inside.
TEST(Textures, TilingTexturesHaveNoSeamAtTheirEdges) {
  const std::vector<tTextureConnue>& connues = textures_connues();
  EXPECT_GE(std::count_if(connues.begin(), connues.end(), [](const auto& t) { return t.raccord; }), 10);
  for (const tTextureConnue& t : connues) {
    if (!t.raccord) continue;
    SCOPED_TRACE(t.nom);
    tImage img;
    ASSERT_TRUE(dessine_texture(t.nom, &img));
    for (bool colonne : {true, false}) {
      // Mean step from each column (row) to the next, the last one wrapping round to the first.
      const int n = colonne ? img.largeur : img.hauteur, l = colonne ? img.hauteur : img.largeur;
      std::vector<double> pas(size_t(n), 0);
      for (int a = 0; a < n; a++) {
        for (int i = 0; i < l; i++) {
          const tCouleur p = colonne ? img.at(a, i) : img.at(i, a);
          const tCouleur q = colonne ? img.at((a + 1) % n, i) : img.at(i, (a + 1) % n);
          pas[size_t(a)] += (std::fabs(p.r - q.r) + std::fabs(p.g - q.g) + std::fabs(p.b - q.b)) / l;
        }
      }
      const double max = *std::max_element(pas.begin(), pas.end() - 1);
      EXPECT_LE(pas.back(), 1.05 * max + 1e-4) << (colonne ? "columns" : "rows");
      // the measure is not blind: some steps are larger than others
      EXPECT_GT(max, std::accumulate(pas.begin(), pas.end() - 1, 0.0) / (n - 1));
    }
  }
}

TEST(Icone, EachSizeIsAnRgbaPngOfThatSizeWithTransparentCorners) {
  std::vector<uint8_t> grande;
  dessine_icone(256, &grande);
  for (int taille : TAILLES_ICONE) {
    const std::vector<uint8_t> png = png_icone(taille);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    const uint8_t h = uint8_t(taille >> 8), l = uint8_t(taille);  // IHDR width and height, big-endian
    EXPECT_EQ(std::vector<uint8_t>(png.begin() + 16, png.begin() + 24),
              std::vector<uint8_t>({0, 0, h, l, 0, 0, h, l}));
    EXPECT_EQ(png[25], 6);  // RGBA

    std::vector<uint8_t> rgba;
    dessine_icone(taille, &rgba);
    auto alpha = [&](int x, int y) { return rgba[(size_t(y) * taille + x) * 4 + 3]; };
    const int centre = taille / 2, bord = taille - 1, haut = 2 * taille / 100 + 3;  // transparent corners
    EXPECT_EQ(std::vector<int>({alpha(0, 0), alpha(bord, bord), alpha(centre, centre), alpha(centre, haut)}),
              std::vector<int>({0, 0, 255, 255}));
    // Drawn from the same shapes: each pixel is close to the mean of the large icon over it.
    const int k = 256 / taille;
    double ecart = 0;
    for (size_t p = 0; p < rgba.size(); p++) {
      const size_t x = p / 4 % taille, y = p / 4 / taille, c = p % 4;
      double m = 0;
      for (size_t j = 0; j < size_t(k); j++)
        for (size_t i = 0; i < size_t(k); i++) m += grande[((y * k + j) * 256 + x * k + i) * 4 + c];
      ecart += std::fabs(m / (k * k) - rgba[p]);
    }
    EXPECT_LT(ecart / (taille * taille * 4), 12.0) << taille;
  }
}
