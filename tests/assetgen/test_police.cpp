// The generated 3D font as the game's text object measures and lays it out: 95 flat glyphs,
// capitals 0.25 high on the baseline, counters left open, glyphs that never run together.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assetgen/charge_modele.h"
#include "assetgen/police/police.h"
#include "ui/texte3d.h"

namespace {

// The font built and loaded once, with the text object the game measures and lays out with.
class PoliceGeneree : public ::testing::Test {
 protected:
  struct tPolice {
    tMateriaux table;
    t3DModel modele;
    Ctext texte;
    tPolice() {
      CMaillage m;
      std::string erreur;
      EXPECT_TRUE(construit_police(&m, &erreur)) << erreur;
      EXPECT_EQ(relit_modele(m, &table, &modele, "police").resultat, IMPORT_OK);
      texte.init(&modele, 255, 123, 51, 255);
    }
  };
  static tPolice& police() {
    static tPolice* p = new tPolice;
    return *p;
  }
  void SetUp() override { ASSERT_EQ(police().modele.objectCount, 95); }
  static const t3DObject& glyphe(char c) { return police().modele.objects[static_cast<size_t>(c - 32)]; }

  struct tEncre {
    float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
  };
  // Extent of what is drawn (the faces' corners, not the advance vertex).
  static tEncre encre(char c) {
    tEncre e;
    const t3DObject& o = glyphe(c);
    for (const tFace& f : o.faces) {
      for (int k = 0; k < 3; k++) {
        const CVector3 p = o.vertices[f.vertexIndex[k]];
        e.x0 = std::min(e.x0, p.x), e.x1 = std::max(e.x1, p.x);
        e.y0 = std::min(e.y0, p.y), e.y1 = std::max(e.y1, p.y);
      }
    }
    return e;
  }
  static float aire(char c) {
    float s = 0;
    const t3DObject& o = glyphe(c);
    for (const tFace& f : o.faces) {
      const CVector3 a = o.vertices[f.vertexIndex[0]], b = o.vertices[f.vertexIndex[1]], d = o.vertices[f.vertexIndex[2]];
      s += 0.5f * ((b.x - a.x) * (d.y - a.y) - (b.y - a.y) * (d.x - a.x));
    }
    return s;
  }

  Ctext* const texte_ = &police().texte;
};

TEST_F(PoliceGeneree, HasOneFlatGlyphPerPrintableCharacterAndAMissingTypefaceIsReported) {
  EXPECT_EQ(glyphe(' ').faceCount, 0);
  EXPECT_GT(glyphe(' ').vertexCount, 0);
  for (char c = '!'; c <= '~'; c++) {
    SCOPED_TRACE(std::string(1, c));
    const t3DObject& o = glyphe(c);
    ASSERT_GT(o.faceCount, 0);
    for (const CVector3& p : o.vertices) ASSERT_EQ(p.z, 0.f);
    for (const tFace& f : o.faces) ASSERT_GT(f.normal.z, 0.999f) << "faces the viewer";
  }
  EXPECT_EQ(police().table.materialCount, 1);
  CMaillage m;
  std::string erreur;
  EXPECT_FALSE(construit_police(&m, &erreur, "/nonexistent/font.ttf"));
  EXPECT_NE(erreur.find("/nonexistent/font.ttf"), std::string::npos);
}

TEST_F(PoliceGeneree, CapitalsStandAQuarterHighOnTheBaselineWithTheAdvancesOfABoldFace) {
  EXPECT_NEAR(texte_->GetHauteur('H' - 32), 0.25f, 0.002f);
  EXPECT_NEAR(encre('H').y0, 0.f, 1e-4f);
  EXPECT_NEAR(encre('x').y1, 0.25f * 0.75f, 0.03f) << "x height";
  for (char c : {'g', 'p', 'y', 'j'}) EXPECT_LT(encre(c).y0, -0.04f) << c << " descends";
  EXPECT_LT(encre('_').y1, 0.f);
  EXPECT_TRUE(entre(texte_->GetMaxH(), 0.25f, 0.32f));
  // widths: the advances of a bold face
  EXPECT_TRUE(entre(texte_->GetLargeur(0), 0.05f, 0.15f)) << "space";
  for (char c = '!'; c <= '~'; c++) {
    const float w = texte_->GetLargeur(c - 32);
    EXPECT_TRUE(entre(w, 0.06f, 0.42f)) << c;
    EXPECT_GE(w, encre(c).x1 - 1e-5f) << c << ": ink past the measured width";
  }
  // proportional, not monospaced
  EXPECT_GT(texte_->GetLargeur('W' - 32), 2.f * texte_->GetLargeur('i' - 32));
  // digits share one advance so that times and counters do not jiggle
  for (char c = '1'; c <= '9'; c++) EXPECT_FLOAT_EQ(texte_->GetLargeur(c - 32), texte_->GetLargeur('0' - 32));
}

TEST_F(PoliceGeneree, TextSetWithTheGameSpacingNeverRunsGlyphsTogether) {
  for (char a = '!'; a <= '~'; a++) {
    for (char b = '!'; b <= '~'; b++) {
      const char texte[3] = {a, b, 0};
      std::vector<tGlyphePlace> places;
      texte_->place_texte(texte, &places);
      ASSERT_EQ(places.size(), 2u);
      const float ecart = places[1].decalage + encre(b).x0 - encre(a).x1;
      ASSERT_GT(ecart, -0.01f) << a << b;
    }
  }
  // the same letter repeated is evenly spaced
  std::vector<tGlyphePlace> places;
  texte_->place_texte("HHH", &places);
  EXPECT_FLOAT_EQ(places[2].decalage - places[1].decalage, places[1].decalage - places[0].decalage);
}

// Rectangles are covered exactly once by their triangles; a ring with its counter filled would
// weigh as much as a disc, over 0.78 of its box.
TEST_F(PoliceGeneree, CountersStayOpenAndStrokesAreFilledOnce) {
  for (char c : {'I', '-', 'l', 'O', 'o', '0', 'D', 'e'}) {
    const tEncre e = encre(c);
    const float boite = (e.x1 - e.x0) * (e.y1 - e.y0);
    if (c == 'I' || c == '-' || c == 'l') {
      EXPECT_NEAR(aire(c), boite, 1e-4f) << c;
    } else {
      EXPECT_TRUE(entre(aire(c), 0.4f * boite, 0.7f * boite)) << c << " has its hole";
    }
  }
}

}  // namespace
