// Material table, model import and the stack discipline of model freeing. What the drawing made
// of a model (textures, object lists) is uploaded and released by materiaux_rendu.cpp.
#include "world/materiaux.h"

tMateriaux g_Materiaux;
unsigned int g_Texture[MAX_TEXTURES] = {0};
bool g_ContexteGL = false;

void attribue_slots(t3DModel* model) {
  for (int i = model->firstMaterial; i < model->endMaterial && i < g_Materiaux.materialCount; i++) {
    g_Materiaux.materials[i].textureSlot = i;
  }
}

void importe_modele(t3DModel* model, const char* path, tRapports3DS* rapports) {
  const tResultat3DS r = g_Load3DS.Import3DS(&g_Materiaux, model, path);
  const bool recente = g_Load3DS.Version() > 3;
  // A damaged file keeps what was read before the fault and is told on the standard error only.
  if (r == IMPORT_ABSENT || r == IMPORT_PAS_3DS || recente) rapports->push_back({path, r, recente});
}

void charge_mesh(t3DModel* model, const char* path, tRapports3DS* rapports) {
  importe_modele(model, path, rapports);
  attribue_slots(model);
}

void vide_objets(t3DModel* model) {
  model->objects.clear();
  model->objectCount = 0;
}

void destroy_obj(t3DModel* model) {
  int n = model->endMaterial - model->firstMaterial;
  if (n > g_Materiaux.materialCount) n = g_Materiaux.materialCount;
  if (n > 0) {
    g_Materiaux.materialCount -= n;
    g_Materiaux.materials.resize(g_Materiaux.materialCount);
  }
  // A second call must not take materials that now belong to other models.
  model->firstMaterial = model->endMaterial = 0;
  vide_objets(model);
}

void clear_g_Materiaux() {
  g_Materiaux.materialCount = 0;
  g_Materiaux.materials.clear();
}

void destroy_materiaux() { clear_g_Materiaux(); }
