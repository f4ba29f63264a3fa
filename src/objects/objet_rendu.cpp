// Base renderers: the debug cube of an object and the textured model of a ship.
#include <GL/gl.h>

#include <cstdio>

#include "objects/joueur.h"
#include "ui/texte3d.h"
#include "world/materiaux.h"

void Cobjet::render(tMateriaux*) {
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  for (int i = 0; i < 6; i++) {
    glColor3ub(static_cast<GLubyte>(30 * i), 0, 100);
    for (int k = 0; k < 4; k++) glVertex3fv(Vertices[Indices[i][k]]);
  }
  glEnd();
  const CVector3 decalage = contact_sol ? face_sol.normale * 1.5f : CVector3(0, 1.5f, 0);
  glTranslatef(decalage.x, decalage.y, decalage.z);
  glColor3ub(250, 10, 10);
  glBegin(GL_QUADS);
  for (const auto& face : Indices) {
    for (int k = 0; k < 4; k++) glVertex3fv(Vertices[face[k]]);
  }
  glEnd();
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CObjJoueur::render(tMateriaux* materiaux) {
  if (!obj3D) return;
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  glRotatef(rotation.x, 1, 0, 0);
  glRotatef(rotation.y, 0, 1, 0);
  glRotatef(rotation.z, 0, 0, 1);
  glScalef(echelle, echelle, echelle);
  for (const t3DObject& o : obj3D->objects) {
    const bool texture = o.hasTexture && o.materialIndex >= 0 && o.materialIndex < MAX_TEXTURES;
    const tMaterialInfo* mat = (materiaux && o.materialIndex >= 0 && o.materialIndex < materiaux->materialCount)
                                   ? &materiaux->materials[o.materialIndex]
                                   : nullptr;
    if (texture) {
      glEnable(GL_TEXTURE_2D);
      glColor3ub(255, 255, 255);
      glBindTexture(GL_TEXTURE_2D, g_Texture[o.materialIndex]);
    } else {
      glDisable(GL_TEXTURE_2D);
      if (mat) {
        glColor3ub(mat->color[0], mat->color[1], mat->color[2]);
      } else {
        glColor3ub(255, 255, 255);
      }
    }
    const bool uv = texture && !o.texCoords.empty();
    glBegin(GL_TRIANGLES);
    for (const tFace& f : o.faces) {
      for (int k = 0; k < 3; k++) {
        const int v = f.vertexIndex[k];
        if (v < 0 || v >= o.vertexCount) continue;
        if (uv && v < o.texVertexCount) glTexCoord2f(o.texCoords[v].u, o.texCoords[v].v);
        glNormal3f(o.normals[v].x, o.normals[v].y, o.normals[v].z);
        glVertex3f(o.vertices[v].x, o.vertices[v].y, o.vertices[v].z);
      }
    }
    glEnd();
  }
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CObjJoueur::affiche_coord(tMateriaux*, int fps_affiche, int, int, int) {
  char ligne[32];
  std::snprintf(ligne, sizeof ligne, "Fps: %i", fps_affiche);
  Texte.print(0, CVector3(-2.5f, 1.8f, -2.0f), ligne, 0);
}
