// 3D text: glyph measuring, widths, layout of the glyphs and the cursor after drawing.
#include <gtest/gtest.h>

#include <vector>

#include "ui/texte3d.h"

namespace {

float largeur_glyphe(int k) { return 0.1f + 0.001f * k; }

// `n` glyphs: glyph k is a rectangle 0.1 + 0.001k wide, 0.25 high; the space has no faces.
t3DModel police(int n) {
  t3DModel m;
  for (int k = 0; k < n; k++) {
    t3DObject o;
    const float w = largeur_glyphe(k);
    o.vertices = {CVector3(0, 0, 0), CVector3(w, 0, 0), CVector3(w, 0.25f, 0), CVector3(0, 0.25f, 0)};
    o.normals.assign(4, CVector3(0, 0, 1));
    if (k > 0) o.faces = {tFace{{0, 0, 0}, {0, 1, 2}}, tFace{{0, 0, 0}, {0, 2, 3}}};
    o.vertexCount = 4;
    o.faceCount = static_cast<int>(o.faces.size());
    m.objects.push_back(o);
  }
  m.objectCount = n;
  return m;
}

float w(char c) { return largeur_glyphe(c - 32); }

}  // namespace

// With no GL context the GL calls do nothing: the cursor is checked here, the drawing elsewhere.
TEST(Texte, CursorAfterDrawingAndCentringAndGlyphMeasures) {
  t3DModel m = police(95);  // a full font
  Ctext t;
  t.init(&m, 255, 123, 51, 255);
  const float avance = t.place_texte("Veltra 1", nullptr);

  t.print(0, CVector3(-0.3f, 0.1f, -1), "Veltra 1", 0);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), -0.3f + avance);
  EXPECT_FLOAT_EQ(t.GetCurseurY(), 0.1f);

  t.print(2, CVector3(0.5f, 0, -1), "Veltra 1", 1);  // centred: starts half the width to the left
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 0.5f - t.longueur_texte("Veltra 1") / 2 + avance);

  t.print_outline(0, CVector3(1, 2, -1), "AB", 0);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 1 + w('A') + w('B') + 0.04f);
  t.print_outline(1, CVector3(-5, -5, -1), "C", 1);  // goes on at the cursor
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 1 + w('A') + w('B') + w('C') + 0.06f);
  EXPECT_FLOAT_EQ(t.GetCurseurY(), 2.0f);

  // Outside 32..126, a signed byte below 32 too, a character counts 0.5 for width and spacing.
  EXPECT_FLOAT_EQ(t.longueur_texte("A\xe9"), w('A') + 0.5f);
  t.world_print(0, CVector3(3, 0, 0), "A", 0);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), 3 + w('A') + 0.02f);
  t.print_spe(2, CVector3(0, 0, -1), "AB", true, 10, 20, 30, 40, true, 2);
  EXPECT_FLOAT_EQ(t.GetCurseurX(), -(w('A') + 0.02f + w('B')) / 2 + w('A') + w('B') + 0.04f);
  // Glyphs are measured from their positive extent; objects past the last slot are ignored.
  m.objects[5].vertices = {CVector3(-1, -2, 0), CVector3(-0.5f, -0.1f, 0)};  // all left of and below 0
  m.objects[9].vertices.push_back(CVector3(0.05f, 0.4f, 0));                   // a tall glyph
  t.init(&m, 255, 123, 51, 255);
  EXPECT_EQ(t.GetLargeur(5), 0.0f);
  EXPECT_EQ(t.GetHauteur(5), 0.0f);
  EXPECT_FLOAT_EQ(t.GetMaxH(), 0.4f);
  EXPECT_FLOAT_EQ(t.GetEspacement(), 0.02f);  // the spacing between characters
  t3DModel grande = police(120);
  t.init(&grande, 255, 255, 255, 255);
  EXPECT_FLOAT_EQ(t.GetMaxW(), largeur_glyphe(95));
}
