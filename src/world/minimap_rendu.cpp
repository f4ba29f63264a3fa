// Drawing of the minimap: the track shaded by height and a dot per ship.
#include <GL/gl.h>

#include <vector>

#include "common/vue.h"
#include "world/minimap.h"

namespace {
// The track's arrays depend only on the model and its colours: they are made again when one of
// them changes (setColors and init count as changes), not every frame.
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
