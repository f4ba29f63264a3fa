// The generated textures: JPEGs the game's loader reads, in their colours, seamless where they tile.
#include <allegro.h>
#include <jpgalleg.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "assetgen/charge_modele.h"
#include "assetgen/textures/jpeg.h"
#include "assetgen/textures/textures.h"
#include "common/fichier.h"

namespace {

using tMoyenne = std::array<double, 3>;  // red, green, blue

// Mean colour of a texture as the game's loader decodes it, in [0, 1]; its size checked if given.
tMoyenne moyenne_de(const std::string& fichier, int taille = 0) {
  tMoyenne m = {0, 0, 0};
  BITMAP* b = load_jpg(fichier.c_str(), nullptr);
  EXPECT_NE(b, nullptr) << fichier;
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
}

}  // namespace

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
  auto moyenne = [&](const std::string& nom, int taille = 0) { return moyenne_de(chemin(nom), taille); };
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
    const tMoyenne m = moyenne(nom);
    EXPECT_GT(m[fort], m[faible] + marge) << nom << " " << fort << " " << faible;
  }
  EXPECT_GT(moyenne(TEX_SABLE)[0], 0.6);
  const tMoyenne route = moyenne(TEX_ROUTE);
  EXPECT_LT(route[0], 0.4);
  EXPECT_NEAR(route[0], route[2], 0.05);  // grey, not tinted
  EXPECT_GT(moyenne(TEX_ROUTE_LIGNES)[0], route[0] + 0.02);  // the paint shows

  // Six liveries that can be told apart at a glance.
  std::vector<tMoyenne> livrees;
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
  int verifiees = 0;
  for (const tTextureConnue& t : textures_connues()) {
    if (!t.raccord) continue;
    SCOPED_TRACE(t.nom);
    tImage img;
    ASSERT_TRUE(dessine_texture(t.nom, &img));
    // Mean step from column (row) a to the next, the last one wrapping round to the first.
    auto pas = [&](bool colonne, int a) {
      const int n = colonne ? img.hauteur : img.largeur, b = (a + 1) % (colonne ? img.largeur : img.hauteur);
      double e = 0;
      for (int i = 0; i < n; i++) {
        const tCouleur p = colonne ? img.at(a, i) : img.at(i, a), q = colonne ? img.at(b, i) : img.at(i, b);
        e += std::fabs(p.r - q.r) + std::fabs(p.g - q.g) + std::fabs(p.b - q.b);
      }
      return e / n;
    };
    for (bool colonne : {true, false}) {
      const int n = colonne ? img.largeur : img.hauteur;
      double max = 0, moyenne = 0;
      for (int a = 0; a + 1 < n; a++) {
        max = std::max(max, pas(colonne, a));
        moyenne += pas(colonne, a) / (n - 1);
      }
      EXPECT_LE(pas(colonne, n - 1), 1.05 * max + 1e-4) << (colonne ? "columns" : "rows");
      EXPECT_GT(max, moyenne);  // the measure is not blind: some steps are larger than others
    }
    verifiees++;
  }
  EXPECT_GE(verifiees, 10);
}
