// Minimap drawing and track queries.
#include "world/minimap.h"

#include <GL/gl.h>

#include <vector>

#include "common/vue.h"

CMinimap g_Minimap;

namespace {
// The track's arrays depend only on the model and its colours: they are made again when one of
// them changes (setColors and init count as changes), not every frame.
int generation = 0;
struct CleTrace {
  int generation = -1;
  const void* modele = nullptr;
  int rouge = -1, vert = -1, bleu = -1, alpha = -1;
  bool operator==(const CleTrace& o) const {
    return generation == o.generation && modele == o.modele && rouge == o.rouge && vert == o.vert && bleu == o.bleu &&
           alpha == o.alpha;
  }
};
CleTrace trace_faite;
}  // namespace

CVector3 position_minimap(int circuit) {
  switch (circuit) {
    case 1: return CVector3(-2.2f, -1.85f, -2.0f);
    case 2: return CVector3(-2.1f, -1.8f, -2.0f);
    case 3: return CVector3(-1.85f, -1.65f, -2.0f);
    case 4: return CVector3(-1.9f, -1.8f, -2.0f);
    case 5: return CVector3(-1.4f, -1.8f, -2.0f);
    default: return CVector3(-2.2f, -2.0f, -2.0f);
  }
}

void CMinimap::setColors(int r, int g, int b, int a) {
  generation++;
  rouge = r;
  vert = g;
  bleu = b;
  alpha = a;
}

void CMinimap::init() {
  generation++;
  if (!modele) return;
  float h = 0;
  for (const t3DObject& o : modele->objects) {
    for (const tFace& f : o.faces) {
      for (int v : f.vertexIndex) {
        if (v >= 0 && v < o.vertexCount && o.vertices[v].y > h) h = o.vertices[v].y;
      }
    }
  }
  // A flat map keeps its base colour everywhere.
  if (h <= 0) {
    facteurRouge = facteurVert = facteurBleu = 0;
    return;
  }
  facteurRouge = (255 - rouge) / h;
  facteurVert = (255 - vert) / h;
  facteurBleu = (255 - bleu) / h;
}

void CMinimap::setPositionJoueurs(int i, CVector3 p) {
  if (i >= 0 && i < 6) positionsJoueurs[i] = p;
}

void CMinimap::couleur(float y, int* r, int* g, int* b) const {
  *r = static_cast<int>(y * facteurRouge) + rouge;
  *g = static_cast<int>(y * facteurVert) + vert;
  *b = static_cast<int>(y * facteurBleu) + bleu;
}

void CMinimap::renderSpe(tMateriaux*) {
  if (!modele) return;
  // Bottom left, seen as in a 4:3 window: the picture is shifted rather than the model.
  const float decalage = decalage_image_gauche();
  if (decalage != 0) {
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(decalage, 0, 0);
    glMultMatrixf(projection);
    glMatrixMode(GL_MODELVIEW);
  }
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(position.x, position.y, position.z);
  glRotatef(angles.x, 1, 0, 0);
  glRotatef(angles.y, 0, 1, 0);
  glRotatef(angles.z, 0, 0, 1);
  glScalef(echelle, echelle, echelle);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  const GLubyte a = static_cast<GLubyte>(alpha);
  glLineWidth(7);
  glColor4ub(200, 10, 50, a);
  glBegin(GL_LINES);
  glVertex3f(0, 1, 30);
  glVertex3f(0, 1, -30);
  glEnd();
  glLineWidth(1);
  // The track as one array draw: the vertices of the faces in order, coloured by height.
  static std::vector<GLfloat> sommets, normales;
  static std::vector<GLubyte> couleurs;
  const CleTrace cle{generation, modele, rouge, vert, bleu, alpha};
  if (!(cle == trace_faite)) {
    trace_faite = cle;
    sommets.clear();
    normales.clear();
    couleurs.clear();
  }
  if (sommets.empty()) {
    for (const t3DObject& o : modele->objects) {
      for (const tFace& f : o.faces) {
        for (int v : f.vertexIndex) {
          if (v < 0 || v >= o.vertexCount) continue;
          int r, g, b;
          couleur(o.vertices[v].y, &r, &g, &b);
          normales.insert(normales.end(), {o.normals[v].x, o.normals[v].y, o.normals[v].z});
          couleurs.insert(couleurs.end(),
                          {static_cast<GLubyte>(r), static_cast<GLubyte>(g), static_cast<GLubyte>(b), a});
          sommets.insert(sommets.end(), {o.vertices[v].x, o.vertices[v].y, o.vertices[v].z});
        }
      }
    }
  }
  if (!sommets.empty()) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, sommets.data());
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, 0, normales.data());
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, couleurs.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(sommets.size() / 3));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // Immediate drawing left the last vertex's colour current; the dots below set their own.
  }
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPointSize(6);
  glBegin(GL_POINTS);
  glColor4ub(250, 0, 0, 230);
  for (int i = 0; i < 5; i++) glVertex3f(positionsJoueurs[i].x, positionsJoueurs[i].y + 3, positionsJoueurs[i].z);
  glColor4ub(10, 204, 51, 230);
  glVertex3f(positionsJoueurs[5].x, positionsJoueurs[5].y + 3, positionsJoueurs[5].z);
  glEnd();
  glPointSize(1);
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
  if (decalage != 0) {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
  }
}

void CMinimap::GetVal(float* minX, float* maxX, float* minZ, float* maxZ) const {
  *minX = *maxX = *minZ = *maxZ = 0;
  if (!modele) return;
  for (const t3DObject& o : modele->objects) {
    for (const CVector3& v : o.vertices) {
      if (v.x > *maxX) {
        *maxX = v.x;
      } else if (v.x < *minX) {
        *minX = v.x;
      }
      if (v.z > *maxZ) {
        *maxZ = v.z;
      } else if (v.z < *minZ) {
        *minZ = v.z;
      }
    }
  }
}

bool CMinimap::PointSurPiste(float x, float z, float* y) const {
  if (!modele) return false;
  const CVector3 p(x, 0, z);
  for (const t3DObject& o : modele->objects) {
    for (const tFace& f : o.faces) {
      CVector3 tri[3];
      bool valide = true;
      for (int k = 0; k < 3; k++) {
        const int v = f.vertexIndex[k];
        if (v < 0 || v >= o.vertexCount) {
          valide = false;
          break;
        }
        tri[k] = o.vertices[v];
      }
      if (!valide || !IsPointDansTriangleXZ(p, tri)) continue;
      float h = tri[0].y;
      if (tri[1].y > h) h = tri[1].y;
      if (tri[2].y > h) h = tri[2].y;
      *y = h;
      return true;
    }
  }
  return false;
}
