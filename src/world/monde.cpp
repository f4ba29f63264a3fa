// Loading and freeing the circuit of a race event; monde_rendu.cpp makes and frees what the
// drawing needs of it.
#include "world/monde.h"

#include <allegro.h>

#include <cstdio>

#include "common/globals.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/minimap.h"
#include "world/octree.h"

t3DModel g_World;
t3DModel Minimap;
float wminx = 0, wmaxx = 0, wminy = 0, wmaxy = 0, wminz = 0, wmaxz = 0;
float glissement = 0.5f;

unsigned char classe_surface(const char* nom) {
  switch (nom[0]) {
    case 'L': return SURFACE_SOL;
    case 'G': return SURFACE_LENTE;
    case 'R': return SURFACE_RAPIDE;
    case 'D': return SURFACE_MUR;
    default: return SURFACE_DECOR;
  }
}

void set_type_surfaces(t3DModel* model) {
  for (t3DObject& o : model->objects) o.surfaceType = classe_surface(o.name);
}

void CheckMinMax(t3DModel* model, float* minx, float* maxx, float* miny, float* maxy, float* minz, float* maxz) {
  *minx = *maxx = *miny = *maxy = *minz = *maxz = 0;
  auto etend = [](float v, float* mini, float* maxi) {
    if (v < *mini)
      *mini = v;
    else if (v > *maxi)
      *maxi = v;
  };
  for (const t3DObject& o : model->objects) {
    for (const CVector3& v : o.vertices) {
      etend(v.x, minx, maxx);
      etend(v.y, miny, maxy);
      etend(v.z, minz, maxz);
    }
  }
}

tChargeMonde charge_monde() {
  tChargeMonde etat;
  glissement = get_config_float("physics", "glissement", 0.5f);
  etat.deco_absente = !charge_deco(LEVEL_ACTIF);

  char chemin[64];
  std::snprintf(chemin, sizeof chemin, "./objets/kan_m1_%i.3ds", LEVEL_ACTIF);
  importe_modele(&Minimap, chemin, &etat.modeles);
  g_Minimap.Set3Dobj(&Minimap);
  g_Minimap.setColors(173, 111, 6, 160);
  g_Minimap.init();
  const CVector3 place = position_minimap(LEVEL_ACTIF);
  g_Minimap.SetPosition(place.x, place.y, place.z);
  g_Minimap.SetAngles(-10, 10, -5);
  g_Minimap.SetEchelle(0.002f);

  std::snprintf(chemin, sizeof chemin, "./objets/kan_%i.3ds", LEVEL_ACTIF);
  importe_modele(&g_World, chemin, &etat.modeles);
  CheckMinMax(&g_World, &wminx, &wmaxx, &wminy, &wmaxy, &wminz, &wmaxz);
  set_type_surfaces(&g_World);

  attribue_slots(&g_World);

  g_Octree.GetSceneDimensions(&g_World);
  g_Octree.CreateNode(&g_World, g_Octree.GetSceneTriangleCount(&g_World), g_Octree.GetCenter(),
                      g_Octree.GetWidth());
  return etat;
}

void destroy_monde() {
  Effacement_liste_deco();
  destroy_obj(&g_World);
  destroy_obj(&Minimap);
  g_Octree.DestroyOctree();
  g_EndNodeCount = 0;
}
