// Glyph measuring, text layout and the four ways of drawing a text.
#include "ui/texte3d.h"

#include <GL/gl.h>

#include <algorithm>

Ctext Texte;

namespace {

constexpr float AVANCE_HORS_POLICE = 0.5f;  // characters the font has no glyph for

void glyphe_triangles(const t3DObject& obj, float decalage) {
  const int nv = static_cast<int>(obj.vertices.size());
  const bool normales = obj.normals.size() >= obj.vertices.size();
  glBegin(GL_TRIANGLES);
  for (const tFace& f : obj.faces) {
    for (int v : f.vertexIndex) {
      if (v < 0 || v >= nv) continue;
      if (normales) glNormal3f(obj.normals[v].x, obj.normals[v].y, obj.normals[v].z);
      glVertex3f(obj.vertices[v].x + decalage, obj.vertices[v].y, obj.vertices[v].z);
    }
  }
  glEnd();
}

// The glyphs of one text as one array draw: the same vertices in the same order as one
// glBegin/glEnd per glyph, without a driver call per vertex and per glyph.
struct LotGlyphes {
  std::vector<GLfloat> sommets, normales;
  bool avec_normales = true;
};

void ajoute_glyphe(const t3DObject& obj, float decalage, LotGlyphes* lot) {
  const int nv = static_cast<int>(obj.vertices.size());
  if (obj.normals.size() < obj.vertices.size()) lot->avec_normales = false;
  const size_t debut = lot->sommets.size();
  for (const tFace& f : obj.faces) {
    for (int v : f.vertexIndex) {
      if (v < 0 || v >= nv) continue;
      lot->sommets.insert(lot->sommets.end(), {obj.vertices[v].x + decalage, obj.vertices[v].y, obj.vertices[v].z});
      if (lot->avec_normales) lot->normales.insert(lot->normales.end(), {obj.normals[v].x, obj.normals[v].y, obj.normals[v].z});
    }
  }
  // A glyph's unfinished triangle ends with its own glEnd, never joined to the next glyph's.
  const size_t reste = ((lot->sommets.size() - debut) / 3) % 3;
  lot->sommets.resize(lot->sommets.size() - 3 * reste);
  if (lot->avec_normales) lot->normales.resize(lot->sommets.size());
}

// Draws the glyphs of a text with the current colour and blending; false when a glyph lacks
// normals (the caller then draws glyph by glyph, each keeping the normal the previous one left).
bool dessine_glyphes(const t3DModel& police, const std::vector<tGlyphePlace>& glyphes) {
  static LotGlyphes lot;
  lot.sommets.clear();
  lot.normales.clear();
  lot.avec_normales = true;
  for (const tGlyphePlace& g : glyphes) ajoute_glyphe(police.objects[g.glyphe], g.decalage, &lot);
  if (!lot.avec_normales) return false;
  if (lot.sommets.empty()) return true;
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, lot.sommets.data());
  glEnableClientState(GL_NORMAL_ARRAY);
  glNormalPointer(GL_FLOAT, 0, lot.normales.data());
  glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(lot.sommets.size() / 3));
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  return true;
}

void couleur_spe(int r, int g, int b, int a, bool blend, int blendmode);

void commence_oeil() {
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void termine_oeil() {
  glPopMatrix();
  glEnable(GL_LIGHTING);
}

void fonction_melange(int mode) {
  switch (mode) {
    case 1:
      glBlendFunc(GL_SRC_COLOR, GL_DST_ALPHA);
      break;
    case 2:
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      break;
    default:
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
  }
}

void couleur_spe(int r, int g, int b, int a, bool blend, int blendmode) {
  glDisable(GL_TEXTURE_2D);
  if (blend) {
    glEnable(GL_BLEND);
    fonction_melange(blendmode);
    glColor4ub(static_cast<GLubyte>(r), static_cast<GLubyte>(g), static_cast<GLubyte>(b), static_cast<GLubyte>(a));
  } else {
    glColor3ub(static_cast<GLubyte>(r), static_cast<GLubyte>(g), static_cast<GLubyte>(b));
  }
}

}  // namespace

Ctext::Ctext() {
  for (auto& t : tailles) t[0] = t[1] = 0.0f;
  const unsigned char noir[4] = {0, 0, 0, 255};
  std::copy(noir, noir + 4, rgba);
  std::fill(orgba, orgba + 4, 0);
  std::fill(trgba, trgba + 4, 0);
}

void Ctext::init(t3DModel* model, int r, int g, int b, int a) {
  modele = model;
  rgba[0] = static_cast<unsigned char>(r);
  rgba[1] = static_cast<unsigned char>(g);
  rgba[2] = static_cast<unsigned char>(b);
  rgba[3] = static_cast<unsigned char>(a);
  set_orgba(130, 30, 10, 150);
  espacement = 0.02f;
  maxWidth = maxHeight = 0;
  for (auto& t : tailles) t[0] = t[1] = 0.0f;
  if (!model) return;
  // A font with more objects than glyph slots keeps the first ones only.
  const int n = std::min<int>(NB_GLYPHES, static_cast<int>(model->objects.size()));
  for (int k = 0; k < n; k++) {
    float w = 0, h = 0;
    for (const CVector3& v : model->objects[k].vertices) {
      w = std::max(w, v.x);
      h = std::max(h, v.y);
    }
    tailles[k][0] = w;
    tailles[k][1] = h;
    maxWidth = std::max(maxWidth, w);
    maxHeight = std::max(maxHeight, h);
  }
}

void Ctext::set_orgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
  orgba[0] = r, orgba[1] = g, orgba[2] = b, orgba[3] = a;
}

void Ctext::set_trgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
  trgba[0] = r, trgba[1] = g, trgba[2] = b, trgba[3] = a;
}

float Ctext::place_texte(const char* text, std::vector<tGlyphePlace>* glyphes) const {
  if (glyphes) glyphes->clear();
  if (!text) return 0.0f;
  const int nbObjets = modele ? static_cast<int>(modele->objects.size()) : 0;
  float decalage = 0;
  for (const char* p = text; *p; p++) {
    const int k = static_cast<signed char>(*p) - 32;
    if (k >= 1 && k <= 94 && k < nbObjets && glyphes) glyphes->push_back({k, decalage});
    decalage += (k >= 0 && k <= 94) ? tailles[k][0] + espacement : AVANCE_HORS_POLICE;
  }
  return decalage;
}

float Ctext::longueur_texte(const char* text) const { return place_texte(text, nullptr) - espacement; }

void Ctext::place_curseur(char align, CVector3 pos, const char* text) {
  curseurX = align == 2 ? pos.x - longueur_texte(text) / 2 : pos.x;
  curseurY = pos.y;
}

void Ctext::glyphe_plein(int k, float decalage, int colour) const {
  glDisable(GL_TEXTURE_2D);
  const bool opaque = rgba[3] == 255;
  const unsigned char* c = colour == 0 ? rgba : (colour == 1 ? trgba : nullptr);
  if (opaque) {
    if (c) glColor3ub(c[0], c[1], c[2]);
  } else {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (c) glColor4ub(c[0], c[1], c[2], c[3]);
  }
  glyphe_triangles(modele->objects[k], decalage);
  if (!opaque) glDisable(GL_BLEND);
}

void Ctext::glyphe_contour(int k, float decalage) const {
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4ub(orgba[0], orgba[1], orgba[2], orgba[3]);
  const t3DObject& obj = modele->objects[k];
  const int nv = static_cast<int>(obj.vertices.size());
  for (const tFace& f : obj.faces) {
    glBegin(GL_LINE_LOOP);
    for (int v : f.vertexIndex) {
      if (v >= 0 && v < nv) glVertex3f(obj.vertices[v].x + decalage, obj.vertices[v].y, obj.vertices[v].z);
    }
    glEnd();
  }
  glDisable(GL_BLEND);
}

void Ctext::print(char align, CVector3 pos, const char* text, int colour) {
  place_curseur(align, pos, text);
  std::vector<tGlyphePlace> glyphes;
  const float avance = place_texte(text, &glyphes);
  commence_oeil();
  glTranslatef(curseurX, curseurY, pos.z);
  for (const tGlyphePlace& g : glyphes) glyphe_plein(g.glyphe, g.decalage, colour);
  termine_oeil();
  curseurX += avance;
}

void Ctext::print_outline(char cont, CVector3 pos, const char* text, int colour) {
  if (cont == 0) place_curseur(0, pos, text);
  std::vector<tGlyphePlace> glyphes;
  const float avance = place_texte(text, &glyphes);
  commence_oeil();
  glTranslatef(curseurX, curseurY, pos.z - 0.001f);
  glLineWidth(colour == 1 ? 8.5f : 5.5f);
  for (const tGlyphePlace& g : glyphes) glyphe_contour(g.glyphe, g.decalage);
  glLineWidth(1.0f);
  glTranslatef(0, 0, 0.001f);
  for (const tGlyphePlace& g : glyphes) glyphe_plein(g.glyphe, g.decalage, colour);
  termine_oeil();
  curseurX += avance;
}

void Ctext::world_print(char cont, CVector3 pos, const char* text, int colour) {
  if (cont == 0) place_curseur(0, pos, text);
  std::vector<tGlyphePlace> glyphes;
  const float avance = place_texte(text, &glyphes);
  glPushMatrix();
  glTranslatef(curseurX, curseurY, pos.z);
  for (const tGlyphePlace& g : glyphes) glyphe_plein(g.glyphe, g.decalage, colour);
  glPopMatrix();
  curseurX += avance;
}

void Ctext::print_spe(char align, CVector3 pos, const char* text, bool outline, int r, int g, int b, int a,
                      bool blend, int blendmode) {
  place_curseur(align, pos, text);
  std::vector<tGlyphePlace> glyphes;
  const float avance = place_texte(text, &glyphes);
  commence_oeil();
  glTranslatef(curseurX, curseurY, pos.z);
  // Without outlines every glyph is drawn in the same state: one draw for the whole text.
  if (!outline && !glyphes.empty()) {
    couleur_spe(r, g, b, a, blend, blendmode);
    const bool fait = dessine_glyphes(*modele, glyphes);
    if (blend) glDisable(GL_BLEND);
    if (fait) {
      termine_oeil();
      curseurX += avance;
      return;
    }
  }
  if (outline) glLineWidth(5.5f);
  for (const tGlyphePlace& gl : glyphes) {
    if (outline) {
      glTranslatef(0, 0, -0.001f);
      glyphe_contour(gl.glyphe, gl.decalage);
      glTranslatef(0, 0, 0.001f);
    }
    couleur_spe(r, g, b, a, blend, blendmode);
    glyphe_triangles(modele->objects[gl.glyphe], gl.decalage);
    if (blend) glDisable(GL_BLEND);
  }
  if (outline) glLineWidth(1.0f);
  termine_oeil();
  curseurX += avance;
}
