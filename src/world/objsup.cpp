// Drawing of placed models.
#include "world/objsup.h"

#include <GL/gl.h>

#include "world/listes_objets.h"
#include "world/materiaux.h"
#include "world/surfaces.h"

void dessine_objet_3d(const t3DObject& o, tMateriaux* materiaux, int alpha) {
  const bool texture = o.hasTexture && o.materialIndex >= 0 && o.materialIndex < MAX_TEXTURES;
  if (texture) {
    glEnable(GL_TEXTURE_2D);
    glColor4ub(255, 255, 255, static_cast<GLubyte>(alpha));
    glBindTexture(GL_TEXTURE_2D, g_Texture[o.materialIndex]);
  } else {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(255, 255, 255, static_cast<GLubyte>(alpha));
  }
  const bool uv = texture && o.texVertexCount > 0;
  const bool couleur = !texture && materiaux && o.materialIndex >= 0 && o.materialIndex < materiaux->materialCount;
  if (couleur) {
    const unsigned char* c = materiaux->materials[o.materialIndex].color;
    glColor4ub(c[0], c[1], c[2], static_cast<GLubyte>(alpha));
  }
  if (appelle_liste_objet(o, uv)) return;
  glBegin(GL_TRIANGLES);
  for (const tFace& f : o.faces) {
    for (int k = 0; k < 3; k++) {
      const int v = f.vertexIndex[k];
      if (v < 0 || v >= o.vertexCount) continue;
      glNormal3f(o.normals[v].x, o.normals[v].y, o.normals[v].z);
      if (uv && v < o.texVertexCount) glTexCoord2f(o.texCoords[v].u, o.texCoords[v].v);
      glVertex3f(o.vertices[v].x, o.vertices[v].y, o.vertices[v].z);
    }
  }
  glEnd();
}

FusionOeil fusion_oeil(const t3DObject& o) {
  return o.surfaceType == SURFACE_BRILLANTE ? FusionOeil::additive : FusionOeil::opaque;
}

void CObjSup::dessine(tMateriaux* materiaux, bool oeil) {
  if (!modele) return;
  glPushMatrix();
  if (oeil) glLoadIdentity();
  glTranslatef(position.x, position.y, position.z);
  glRotatef(angles.x, 1, 0, 0);
  glRotatef(angles.y, 0, 1, 0);
  glRotatef(angles.z, 0, 0, 1);
  glScalef(echelle, echelle, echelle);
  for (const t3DObject& o : modele->objects) {
    const bool ajoute = oeil && fusion_oeil(o) == FusionOeil::additive;
    if (ajoute) {
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    dessine_objet_3d(o, materiaux, ajoute ? 128 : 255);
    if (ajoute) {
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      glDisable(GL_BLEND);
    }
  }
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CObjSup::render(tMateriaux* materiaux) { dessine(materiaux, false); }

void CObjSup::render_obj(t3DModel* model, tMateriaux* materiaux, float x, float y, float z, float ax, float ay,
                         float az, float scale) {
  modele = model;
  position = CVector3(x, y, z);
  angles = CVector3(ax, ay, az);
  echelle = scale;
  dessine(materiaux, true);
}
