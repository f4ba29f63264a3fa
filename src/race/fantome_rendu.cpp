// The ghost's ship: the player's hull, lit, in a pale blue that lets the circuit show through.
#include <GL/gl.h>

#include "objects/vaisseau_style.h"
#include "race/contre_la_montre_rendu.h"

void dessine_fantome(const tPoseFantome& pose, const t3DModel* modele) {
  if (!modele) return;
  const bool eclaire = glIsEnabled(GL_LIGHTING);
  glPushMatrix();
  glTranslatef(pose.position.x, pose.position.y, pose.position.z);
  const Inclinaison i = inclinaison_sol(pose.normale);
  glRotatef(i.autour_z, 0, 0, 1);
  glRotatef(i.autour_x, 1, 0, 0);
  glRotatef(pose.angle, 0, 1, 0);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  // Seen through, and hiding nothing behind it: the player's ship inside it stays whole.
  glDepthMask(GL_FALSE);
  glColor4ub(110, 150, 255, 130);
  glBegin(GL_TRIANGLES);
  for (const t3DObject& o : modele->objects) {
    for (const tFace& f : o.faces) {
      for (int k = 0; k < 3; k++) {
        const int v = f.vertexIndex[k];
        if (v < 0 || v >= o.vertexCount) continue;
        if (static_cast<size_t>(v) < o.normals.size()) glNormal3f(o.normals[v].x, o.normals[v].y, o.normals[v].z);
        glVertex3f(o.vertices[v].x, o.vertices[v].y, o.vertices[v].z);
      }
    }
  }
  glEnd();
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  if (eclaire) glEnable(GL_LIGHTING);
  glPopMatrix();
}
