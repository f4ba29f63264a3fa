// 3D text: every printable character is a mesh object of one font model, and a text is a row of
// such meshes drawn in front of the camera or in the world.
//
//   Texte.init(&Police, 255, 123, 51, 255);
//   Texte.print(2, CVector3(0, 0.1f, -1.5f), "Pret ?", 0);   // centred, main colour
//
// Glyph k of the model is the character 32 + k, with its left edge at x = 0 and its baseline at
// y = 0. Characters outside 32..126 draw nothing and advance by 0.5.
#pragma once

#include <vector>

#include "math/vector.h"
#include "world/modele3d.h"

constexpr int NB_GLYPHES = 96;

// One glyph of a laid-out text: which model object, and its x offset from the text's start.
struct tGlyphePlace {
  int glyphe;
  float decalage;
};

class Ctext {
 public:
  Ctext();

  void init(t3DModel* model, int r, int g, int b, int a);
  void set_orgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a);
  void set_trgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a);

  float GetMaxH() const { return maxHeight; }
  float GetMaxW() const { return maxWidth; }
  float GetLargeur(int k) const { return (k >= 0 && k < NB_GLYPHES) ? tailles[k][0] : 0.0f; }
  float GetHauteur(int k) const { return (k >= 0 && k < NB_GLYPHES) ? tailles[k][1] : 0.0f; }
  float GetCurseurX() const { return curseurX; }
  float GetCurseurY() const { return curseurY; }
  float GetEspacement() const { return espacement; }

  // Width of the text: the sum of (glyph width + spacing) minus one spacing.
  float longueur_texte(const char* text) const;
  // Lays out a text from offset 0: the glyphs to draw (the space and missing glyphs are not
  // listed) and, as the result, the full advance of the cursor. No OpenGL.
  float place_texte(const char* text, std::vector<tGlyphePlace>* glyphes) const;

  // Eye-space text at depth pos.z; align 2 centres on pos.x. colour 0 main, 1 second colour,
  // anything else keeps the current drawing colour.
  void print(char align, CVector3 pos, const char* text, int colour);
  // Outlined (5.5 pixels for colour 0, 8.5 for 1) then filled; cont != 0 goes on at the cursor.
  void print_outline(char cont, CVector3 pos, const char* text, int colour);
  // Filled text in the current world transform (editing-mode labels).
  void world_print(char cont, CVector3 pos, const char* text, int colour);
  // Eye-space text in the colour of the call; blendmode 0 alpha, 1 colour/destination alpha,
  // 2 additive.
  void print_spe(char align, CVector3 pos, const char* text, bool outline, int r, int g, int b, int a, bool blend,
                 int blendmode);

 private:
  void glyphe_plein(int k, float decalage, int colour) const;
  void glyphe_contour(int k, float decalage) const;
  void place_curseur(char align, CVector3 pos, const char* text);

  t3DModel* modele = nullptr;
  float tailles[NB_GLYPHES][2];  // width, height
  float maxWidth = 0, maxHeight = 0;
  unsigned char rgba[4];
  unsigned char orgba[4];
  unsigned char trgba[4];
  float curseurX = 0, curseurY = 0;
  float espacement = 0.02f;
};

extern Ctext Texte;
