// The generated textures: baseline power-of-two JPEGs the game's loader reads, with the intended
// colours, seamless where they tile, and the same bytes on every run.
#include <allegro.h>
#include <jpgalleg.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "assetgen/charge_modele.h"
#include "assetgen/textures/jpeg.h"
#include "assetgen/textures/textures.h"
#include "common/fichier.h"

namespace {

// The frame header of a JPEG (marker 0xC0 baseline, 0xC2 progressive, height, width), found by
// walking the segments up to the start of the scan, never past the buffer. All zero when broken.
struct tCadre {
  int marque = 0, hauteur = 0, largeur = 0;
};

tCadre cadre_jpeg(const std::vector<uint8_t>& o) {
  tCadre c;
  if (o.size() < 4 || o[0] != 0xFF || o[1] != 0xD8) return {};
  for (size_t p = 2; p + 9 <= o.size() && o[p] == 0xFF; p += 2 + (size_t(o[p + 2]) << 8 | o[p + 3])) {
    const int marque = o[p + 1];
    if (marque == 0xDA) return c;  // the scan starts: the frame header came before it
    if (marque == 0xC0 || marque == 0xC2) c = {marque, o[p + 5] << 8 | o[p + 6], o[p + 7] << 8 | o[p + 8]};
  }
  return {};
}

struct tMoyenne {
  double r = 0, g = 0, b = 0;
};

// The textures are written once for all the tests of this fixture.
class TexturesGenerees : public ::testing::Test {
 protected:
  static const tDossierTemp& dossier() {
    static tDossierTemp* d = [] {
      install_allegro(SYSTEM_NONE, &errno, atexit);
      jpgalleg_init();
      set_color_depth(32);
      auto* r = new tDossierTemp;
      std::string erreur;
      EXPECT_TRUE(genere_textures(r->chemin, &erreur)) << erreur;
      return r;
    }();
    return *d;
  }
  void SetUp() override { ASSERT_TRUE(std::filesystem::exists(chemin(TEX_SABLE))); }
  static std::string chemin(const std::string& nom) { return dossier().chemin + "/maps/" + nom; }

  // Mean colour of a texture as the game's loader decodes it, in [0, 1].
  static tMoyenne moyenne(const std::string& nom) {
    tMoyenne m;
    BITMAP* b = load_jpg(chemin(nom).c_str(), nullptr);
    EXPECT_NE(b, nullptr) << nom;
    if (!b) return m;
    const double n = 255.0 * b->w * b->h;
    for (int y = 0; y < b->h; y++) {
      for (int x = 0; x < b->w; x++) {
        const int c = getpixel(b, x, y);
        m = {m.r + getr32(c) / n, m.g + getg32(c) / n, m.b + getb32(c) / n};
      }
    }
    destroy_bitmap(b);
    return m;
  }
};

}  // namespace

TEST_F(TexturesGenerees, EveryTextureIsABaselinePowerOfTwoJpegThatTheLoaderReads) {
  ASSERT_GE(textures_connues().size(), 20u);
  for (const tTextureConnue& t : textures_connues()) {
    SCOPED_TRACE(t.nom);
    std::vector<uint8_t> o;
    ASSERT_TRUE(lit_fichier(chemin(t.nom), o));
    const tCadre c = cadre_jpeg(o);
    EXPECT_EQ(std::make_tuple(c.marque, c.largeur, c.hauteur), std::make_tuple(0xC0, t.taille, t.taille));
    EXPECT_TRUE(t.taille > 0 && (t.taille & (t.taille - 1)) == 0) << "a power of two";

    BITMAP* b = load_jpg(chemin(t.nom).c_str(), nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(std::make_pair(b->w, b->h), std::make_pair(t.taille, t.taille));
    destroy_bitmap(b);
  }
}

TEST_F(TexturesGenerees, DecodedColoursAreTheIntendedOnes) {
  const tMoyenne herbe = moyenne(TEX_HERBE);
  EXPECT_GT(herbe.g, herbe.r + 0.05);
  EXPECT_GT(herbe.g, herbe.b + 0.1);
  const tMoyenne sable = moyenne(TEX_SABLE);
  EXPECT_GT(sable.r, sable.g);
  EXPECT_GT(sable.g, sable.b + 0.1);
  EXPECT_GT(sable.r, 0.6);
  const tMoyenne route = moyenne(TEX_ROUTE);
  EXPECT_LT(route.r, 0.4);
  EXPECT_NEAR(route.r, route.b, 0.05);  // grey, not tinted
  const tMoyenne lignes = moyenne(TEX_ROUTE_LIGNES);
  EXPECT_GT(lignes.r, route.r + 0.02);  // the paint shows
  EXPECT_GT(moyenne(TEX_LUEUR_BLEUE).b, moyenne(TEX_LUEUR_BLEUE).r + 0.2);
  EXPECT_GT(moyenne(TEX_LUEUR_ROUGE).r, moyenne(TEX_LUEUR_ROUGE).g + 0.2);
  const tMoyenne feu = moyenne(TEX_EXPLOSION);
  EXPECT_GT(feu.r, feu.b + 0.3);

  // Six liveries that can be told apart at a glance.
  std::vector<tMoyenne> livrees;
  for (int n = 1; n <= 6; n++) livrees.push_back(moyenne(texture_livree(n)));
  for (size_t i = 0; i < livrees.size(); i++) {
    for (size_t j = i + 1; j < livrees.size(); j++) {
      const double d = std::fabs(livrees[i].r - livrees[j].r) + std::fabs(livrees[i].g - livrees[j].g) +
                       std::fabs(livrees[i].b - livrees[j].b);
      EXPECT_GT(d, 0.25) << "livree" << i + 1 << " and livree" << j + 1;
    }
  }
}

TEST_F(TexturesGenerees, TwoRunsWriteTheSameBytes) {
  const tDossierTemp autre;
  std::string erreur;
  ASSERT_TRUE(genere_textures(autre.chemin, &erreur)) << erreur;
  for (const tTextureConnue& t : textures_connues()) {
    std::vector<uint8_t> a, b;
    ASSERT_TRUE(lit_fichier(chemin(t.nom), a));
    ASSERT_TRUE(lit_fichier(autre.chemin + "/maps/" + t.nom, b));
    EXPECT_TRUE(a == b) << t.nom;
  }
}

// A repeated texture must not show its edges: the last column (row) runs into the first like any
// neighbouring pair inside the picture does. Noise that does not wrap would stand above them all.
TEST(Textures, TilingTexturesHaveNoSeamAtTheirEdges) {
  auto ecart = [](const tCouleur& a, const tCouleur& b) {
    return std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b);
  };
  int verifiees = 0;
  for (const tTextureConnue& t : textures_connues()) {
    if (!t.raccord) continue;
    SCOPED_TRACE(t.nom);
    tImage img;
    ASSERT_TRUE(dessine_texture(t.nom, &img));
    const int l = img.largeur, h = img.hauteur;
    // Mean step between column a and column b, or between row a and row b.
    auto pas = [&](bool colonne, int a, int b) {
      double e = 0;
      for (int i = 0; i < (colonne ? h : l); i++)
        e += colonne ? ecart(img.at(a, i), img.at(b, i)) : ecart(img.at(i, a), img.at(i, b));
      return e / (colonne ? h : l);
    };
    auto colonnes = [&](int a, int b) { return pas(true, a, b); };
    auto lignes = [&](int a, int b) { return pas(false, a, b); };
    double max_u = 0, max_v = 0, moy_u = 0;
    for (int x = 1; x < l; x++) {
      max_u = std::max(max_u, colonnes(x - 1, x));
      moy_u += colonnes(x - 1, x) / (l - 1);
    }
    for (int y = 1; y < h; y++) max_v = std::max(max_v, lignes(y - 1, y));
    EXPECT_LE(colonnes(l - 1, 0), 1.05 * max_u + 1e-4);
    EXPECT_LE(lignes(h - 1, 0), 1.05 * max_v + 1e-4);
    EXPECT_GT(max_u, moy_u);  // the measure is not blind: some steps are larger than others
    verifiees++;
  }
  EXPECT_GE(verifiees, 10);
}

TEST(Textures, NamesAreStableAndFailuresAreReported) {
  std::vector<std::string> livrees;
  for (int n : {0, 1, 6, 7}) livrees.push_back(texture_livree(n));
  EXPECT_EQ(livrees, std::vector<std::string>({"", "livree1.jpg", "livree6.jpg", ""}));
  std::map<std::string, int> vus;
  for (const tTextureConnue& t : textures_connues()) vus[t.nom]++;
  for (const auto& [nom, fois] : vus) EXPECT_EQ(fois, 1) << nom;
  for (const char* nom : {TEX_ROUTE, TEX_ROUTE_LIGNES, TEX_HERBE, TEX_ROCHE, TEX_SABLE, TEX_METAL, TEX_ECORCE,
                          TEX_FOUGERE, TEX_PALME, TEX_BRINS, TEX_BETON, TEX_ANNEAU, TEX_EXPLOSION}) {
    EXPECT_EQ(vus.count(nom), 1u) << nom;
  }

  const tDossierTemp d;
  std::string erreur;
  EXPECT_FALSE(genere_texture(d.chemin, "inconnue.jpg", &erreur));
  EXPECT_NE(erreur.find("inconnue.jpg"), std::string::npos);
  ASSERT_TRUE(ecrit_fichier_atomique(d.chemin + "/maps", "x", 1));  // a file where the folder goes
  erreur.clear();
  EXPECT_FALSE(genere_texture(d.chemin, TEX_SABLE, &erreur));
  EXPECT_FALSE(erreur.empty());

  std::vector<uint8_t> o;
  EXPECT_FALSE(encode_jpeg(tImage(), 90, &o, &erreur));
}
