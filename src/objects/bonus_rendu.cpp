// Drawing of a bonus: a spinning pick-up or a weapon along its heading, glowing parts added on.
#include <GL/gl.h>

#include "objects/bonus.h"
#include "objects/rendu_objets.h"
#include "world/objsup.h"

void dessine_bonus(CObjBonus& b, tMateriaux* materiaux) {
  if (!b.etat || !b.obj3D) return;
  if (b.type < BONUS_MINE) {
    b.rotation.y -= 5;
    if (b.rotation.y < 0) b.rotation.y += 360;
  }
  glPushMatrix();
  glTranslatef(b.position.x, b.position.y, b.position.z);
  glRotatef(b.rotation.y, 0, 1, 0);
  for (auto o = b.obj3D->objects.rbegin(); o != b.obj3D->objects.rend(); ++o) {
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
