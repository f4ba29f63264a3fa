// Material table, texture upload and the stack discipline of model freeing.
#include "world/materiaux.h"

#include <allegro.h>
#include <alleggl.h>
#include <jpgalleg.h>

#include <GL/gl.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>

#include "world/listes_objets.h"

tMateriaux g_Materiaux;
unsigned int g_Texture[MAX_TEXTURES] = {0};
bool g_ContexteGL = false;

namespace {

// Deletes the texture names of entries [debut, debut + n) and clears them.
void efface_textures(int debut, int n) {
  for (int i = debut; i < debut + n; i++) {
    if (i < 0 || i >= MAX_TEXTURES) continue;
    if (g_ContexteGL && g_Texture[i] != 0) glDeleteTextures(1, &g_Texture[i]);
    g_Texture[i] = 0;
  }
}

// The JPEG decoder takes and frees a dozen buffers of 130 to 350 KB per image. By default each
// one is a fresh mapping whose pages fault in again, which was about half of the processor time
// of the start-up; kept in the heap, the same memory serves every image.
void tampons_dans_le_tas() {
  static const bool fait = [] {
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    return true;
  }();
  (void)fait;
}

}  // namespace

void CreateTexture(unsigned int* textures, const char* fileName, int slot) {
  if (slot < 0 || slot >= MAX_TEXTURES) return;
  char chemin[300];
  std::snprintf(chemin, sizeof chemin, "./maps/%s", fileName);
  tampons_dans_le_tas();
  BITMAP* image = load_jpg(chemin, nullptr);
  if (!image) {
    char texte[400];
    std::snprintf(texte, sizeof texte, "Fichier texture '' %s '' introuvable !", fileName);
    std::fprintf(stderr, "%s\n", texte);
    allegro_message("%s", texte);
    std::exit(1);  // a game that cannot start has failed: never report success here
  }
  // Sampled nearest from the full-size level only: smaller levels would never be read, so none
  // are built.
  textures[slot] = allegro_gl_make_texture_ex(0, image, -1);
  glBindTexture(GL_TEXTURE_2D, textures[slot]);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  destroy_bitmap(image);
}

void attribue_slots(t3DModel* model) {
  for (int i = model->firstMaterial; i < model->endMaterial && i < g_Materiaux.materialCount; i++) {
    g_Materiaux.materials[i].textureSlot = i;
  }
}

void charge_textures(t3DModel* model) {
  for (int i = model->firstMaterial; i < model->endMaterial && i < g_Materiaux.materialCount; i++) {
    if (g_Materiaux.materials[i].fileName[0] != 0) CreateTexture(g_Texture, g_Materiaux.materials[i].fileName, i);
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
  if (g_ContexteGL) charge_textures(model);
}

void vide_objets(t3DModel* model) {
  oublie_listes_modele(*model);
  model->objects.clear();
  model->objectCount = 0;
}

void destroy_obj(t3DModel* model) {
  int n = model->endMaterial - model->firstMaterial;
  if (n > g_Materiaux.materialCount) n = g_Materiaux.materialCount;
  if (n > 0) {
    g_Materiaux.materialCount -= n;
    g_Materiaux.materials.resize(g_Materiaux.materialCount);
    efface_textures(model->firstMaterial, n);
  }
  // A second call must not take materials that now belong to other models.
  model->firstMaterial = model->endMaterial = 0;
  vide_objets(model);
}

void clear_g_Materiaux() {
  g_Materiaux.materialCount = 0;
  g_Materiaux.materials.clear();
}

void destroy_materiaux() {
  efface_textures(0, g_Materiaux.materialCount);
  clear_g_Materiaux();
}
