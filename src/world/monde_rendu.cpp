// What the drawing needs of the loaded circuit: its textures, vertex buffers and fog distances.
#include <allegro.h>

#include <GL/gl.h>

#include "common/globals.h"
#include "world/materiaux.h"
#include "world/monde.h"
#include "world/octree.h"

namespace {

bool listes_creees = false;  // the circuit's vertex buffers exist only when there was a GL context

}  // namespace

void prepare_rendu_monde() {
  if (!g_ContexteGL) return;
  // Without "mappings" the circuit is drawn in its material colours only.
  if (get_config_int("Graphics", "mappings", 0) == 1) charge_textures(&g_World);
  g_Octree.CreateDisplayList(&g_Materiaux, &g_Octree, &g_World, 0);
  listes_creees = true;
  glFogf(GL_FOG_START, PROFONDEUR_CHAMP_CAM - 100);
  glFogf(GL_FOG_END, PROFONDEUR_CHAMP_CAM);
}

void libere_rendu_monde() {
  if (g_ContexteGL) {
    libere_rendu_modele(g_World);
    libere_rendu_modele(Minimap);
  }
  if (listes_creees && g_ContexteGL) libere_rendu_circuit();
  listes_creees = false;
}
