// The textures of the long-lived models, uploaded once they are all loaded.
#include "world/materiaux.h"
#include "world/modeles.h"

void charge_textures_modeles() {
  if (!g_ContexteGL) return;
  for (t3DModel* m : modeles_textures()) charge_textures(m);
}
