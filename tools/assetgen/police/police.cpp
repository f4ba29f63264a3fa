// The 3D font, from FreeType outlines filled by GLU's tessellator.
#include "assetgen/police/police.h"

#include <GL/glu.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "assetgen/ecrit3ds.h"

#ifndef CALLBACK
#define CALLBACK
#endif

namespace {

constexpr int SEGMENTS_COURBE = 5;  // straight pieces per curve of the outline

// Contours of one glyph in font units, curves flattened.
struct tContours {
  std::vector<std::vector<double>> contours;  // x, y pairs
  double x = 0, y = 0;
};

int va(const FT_Vector* p, void* u) {
  tContours* c = static_cast<tContours*>(u);
  c->contours.emplace_back();
  c->x = p->x, c->y = p->y;
  c->contours.back().insert(c->contours.back().end(), {c->x, c->y});
  return 0;
}

void ajoute(tContours* c, double x, double y) {
  if (c->contours.empty()) c->contours.emplace_back();
  std::vector<double>& v = c->contours.back();
  if (v.size() >= 2 && v[v.size() - 2] == x && v.back() == y) return;
  v.insert(v.end(), {x, y});
  c->x = x, c->y = y;
}

int ligne(const FT_Vector* p, void* u) {
  ajoute(static_cast<tContours*>(u), p->x, p->y);
  return 0;
}

int conique(const FT_Vector* k, const FT_Vector* p, void* u) {
  tContours* c = static_cast<tContours*>(u);
  const double x0 = c->x, y0 = c->y;
  for (int i = 1; i <= SEGMENTS_COURBE; i++) {
    const double t = double(i) / SEGMENTS_COURBE, s = 1 - t;
    ajoute(c, s * s * x0 + 2 * s * t * k->x + t * t * p->x, s * s * y0 + 2 * s * t * k->y + t * t * p->y);
  }
  return 0;
}

int cubique(const FT_Vector* k1, const FT_Vector* k2, const FT_Vector* p, void* u) {
  tContours* c = static_cast<tContours*>(u);
  const double x0 = c->x, y0 = c->y;
  for (int i = 1; i <= SEGMENTS_COURBE; i++) {
    const double t = double(i) / SEGMENTS_COURBE, s = 1 - t;
    ajoute(c, s * s * s * x0 + 3 * s * s * t * k1->x + 3 * s * t * t * k2->x + t * t * t * p->x,
           s * s * s * y0 + 3 * s * s * t * k1->y + 3 * s * t * t * k2->y + t * t * t * p->y);
  }
  return 0;
}

// What the tessellator hands back: triangles over the glyph's points plus the ones it adds where
// contours cross.
struct tTessellation {
  std::vector<CVector3> points;
  std::vector<int> triangles;
  std::vector<std::unique_ptr<GLdouble[]>> ajouts;
  bool erreur = false;
};

void CALLBACK t_sommet(void* donnee, void* u) {
  tTessellation* t = static_cast<tTessellation*>(u);
  const GLdouble* p = static_cast<const GLdouble*>(donnee);
  t->points.push_back(CVector3(float(p[0]), float(p[1]), 0));
  t->triangles.push_back(static_cast<int>(t->points.size()) - 1);
}

void CALLBACK t_bord(GLboolean, void*) {}  // asking for edge flags makes it emit plain triangles

void CALLBACK t_erreur(GLenum, void* u) { static_cast<tTessellation*>(u)->erreur = true; }

void CALLBACK t_combine(GLdouble coords[3], void*[4], GLfloat[4], void** sortie, void* u) {
  tTessellation* t = static_cast<tTessellation*>(u);
  t->ajouts.emplace_back(new GLdouble[3]{coords[0], coords[1], coords[2]});
  *sortie = t->ajouts.back().get();
}

// Fills the contours (non-zero winding, as TrueType draws them) into an object, welding equal
// points and turning every triangle to face +z.
bool remplit(const tContours& c, double echelle, tObjetMaillage& o) {
  GLUtesselator* tess = gluNewTess();
  if (!tess) return false;
  tTessellation t;
  gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<void(CALLBACK*)()>(t_sommet));
  gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<void(CALLBACK*)()>(t_bord));
  gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<void(CALLBACK*)()>(t_erreur));
  gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<void(CALLBACK*)()>(t_combine));
  gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
  gluTessNormal(tess, 0, 0, 1);
  std::vector<std::vector<GLdouble>> sommets;
  for (const auto& contour : c.contours) {
    std::vector<GLdouble> s;
    size_t n = contour.size() / 2;
    if (n > 1 && contour[0] == contour[2 * n - 2] && contour[1] == contour[2 * n - 1]) n--;  // closed twice
    for (size_t i = 0; i < n; i++) s.insert(s.end(), {contour[2 * i] * echelle, contour[2 * i + 1] * echelle, 0.0});
    sommets.push_back(std::move(s));
  }
  gluTessBeginPolygon(tess, &t);
  for (auto& s : sommets) {
    if (s.size() < 9) continue;
    gluTessBeginContour(tess);
    for (size_t i = 0; i < s.size(); i += 3) gluTessVertex(tess, &s[i], &s[i]);
    gluTessEndContour(tess);
  }
  gluTessEndPolygon(tess);
  gluDeleteTess(tess);
  if (t.erreur) return false;
  for (size_t i = 0; i + 2 < t.triangles.size(); i += 3) {
    int idx[3];
    for (int k = 0; k < 3; k++) {
      const CVector3 p = t.points[t.triangles[i + k]];
      idx[k] = -1;
      for (size_t j = 0; j < o.sommets.size(); j++) {
        if (o.sommets[j].x == p.x && o.sommets[j].y == p.y) {
          idx[k] = static_cast<int>(j);
          break;
        }
      }
      if (idx[k] < 0) idx[k] = CMaillage::sommet(o, p);
    }
    const CVector3 a = o.sommets[idx[0]], b = o.sommets[idx[1]], d = o.sommets[idx[2]];
    const float aire = (b.x - a.x) * (d.y - a.y) - (b.y - a.y) * (d.x - a.x);
    if (std::fabs(aire) < 1e-9f) continue;  // a sliver where contours touch
    if (aire > 0) CMaillage::face(o, idx[0], idx[1], idx[2]);
    else CMaillage::face(o, idx[0], idx[2], idx[1]);
  }
  return true;
}

struct tLibere {
  FT_Library bib = nullptr;
  FT_Face face = nullptr;
  ~tLibere() {
    if (face) FT_Done_Face(face);
    if (bib) FT_Done_FreeType(bib);
  }
};

}  // namespace

bool construit_police(CMaillage* m, std::string* erreur, const std::string& fonte) {
  tLibere ft;
  if (FT_Init_FreeType(&ft.bib) != 0) {
    if (erreur) *erreur = "FreeType does not start";
    return false;
  }
  if (FT_New_Face(ft.bib, fonte.c_str(), 0, &ft.face) != 0) {
    if (erreur) *erreur = "cannot read the typeface " + fonte;
    return false;
  }
  // Scale from the height of a capital H.
  if (FT_Load_Char(ft.face, 'H', FT_LOAD_NO_SCALE) != 0) {
    if (erreur) *erreur = "the typeface has no H";
    return false;
  }
  FT_BBox boite;
  FT_Outline_Get_CBox(&ft.face->glyph->outline, &boite);
  if (boite.yMax <= 0) {
    if (erreur) *erreur = "the typeface's H has no height";
    return false;
  }
  const double echelle = HAUTEUR_CAPITALES / double(boite.yMax);

  *m = CMaillage();
  m->materiau("Police", 255, 255, 255);
  FT_Outline_Funcs f = {};
  f.move_to = va;
  f.line_to = ligne;
  f.conic_to = conique;
  f.cubic_to = cubique;
  for (int code = 32; code <= 126; code++) {
    char nom[8];
    std::snprintf(nom, sizeof nom, "c%03d", code);
    tObjetMaillage& o = m->objet(nom, "Police");
    if (FT_Load_Char(ft.face, static_cast<FT_ULong>(code), FT_LOAD_NO_SCALE) != 0) {
      if (erreur) *erreur = std::string("the typeface has no glyph for '") + char(code) + "'";
      return false;
    }
    tContours c;
    if (FT_Outline_Decompose(&ft.face->glyph->outline, &f, &c) != 0 || !remplit(c, echelle, o)) {
      if (erreur) *erreur = std::string("cannot fill the glyph '") + char(code) + "'";
      return false;
    }
    // The game measures a glyph by its largest x: make that the advance.
    const float avance = float(ft.face->glyph->advance.x * echelle);
    float droite = 0;
    for (const CVector3& p : o.sommets) droite = std::max(droite, p.x);
    if (o.sommets.empty()) CMaillage::sommet(o, CVector3(0, 0, 0));
    if (droite < avance) CMaillage::sommet(o, CVector3(avance, 0, 0));
  }
  return true;
}

bool genere_police(const std::string& dossier, std::string* erreur) {
  CMaillage m;
  if (!construit_police(&m, erreur)) return false;
  const std::string files = dossier + "/files";
  if ((mkdir(dossier.c_str(), 0755) != 0 && errno != EEXIST) || (mkdir(files.c_str(), 0755) != 0 && errno != EEXIST)) {
    if (erreur) *erreur = "cannot create " + files + ": " + std::strerror(errno);
    return false;
  }
  const std::string chemin = dossier + "/" + FICHIER_POLICE;
  if (!ecrit_3ds_fichier(chemin, m)) {
    if (erreur) *erreur = "cannot write " + chemin;
    return false;
  }
  return true;
}
