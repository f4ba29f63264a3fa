// The ghost's ship: the player's hull in a see-through blue, unlit (the scene's lights would wash
// it out to white), shaded by how much each face looks up.
#include <GL/gl.h>

#include "objects/inclinaison.h"
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
  glDisable(GL_LIGHTING);
  glBegin(GL_TRIANGLES);
  for (const t3DObject& o : modele->objects) {
    for (const tFace& f : o.faces) {
      for (int k = 0; k < 3; k++) {
        const int v = f.vertexIndex[k];
        if (v < 0 || v >= o.vertexCount) continue;
        const float haut = static_cast<size_t>(v) < o.normals.size() ? o.normals[v].y : 0.0f;
        const float clair = 0.6f + 0.4f * haut;
        glColor4ub(static_cast<GLubyte>(40 * clair), static_cast<GLubyte>(110 * clair),
                   static_cast<GLubyte>(255 * clair), 160);
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
