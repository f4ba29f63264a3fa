// Drawing of a bonus: a spinning pick-up or a weapon along its heading, glowing parts added on.
#include <GL/gl.h>

#include "objects/bonus.h"
#include "world/objsup.h"

void CObjBonus::render(tMateriaux* materiaux) {
  if (!etat || !obj3D) return;
  if (type < BONUS_MINE) {
    rotation.y -= 5;
    if (rotation.y < 0) rotation.y += 360;
  }
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  glRotatef(rotation.y, 0, 1, 0);
  for (auto o = obj3D->objects.rbegin(); o != obj3D->objects.rend(); ++o) {
    const bool brille = o->surfaceType == SURFACE_BRILLANTE;
    if (brille) {
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    dessine_objet_3d(*o, materiaux, 180);
    if (brille) glDisable(GL_BLEND);
  }
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}
