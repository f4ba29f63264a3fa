// Textures and object lists of the loaded models: made from the material table once there is an
// OpenGL context, released before their models are freed.
#include <allegro.h>
#include <alleggl.h>
#include <jpgalleg.h>

#include <GL/gl.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>

#include "world/listes_objets.h"
#include "world/materiaux.h"

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

void charge_textures(t3DModel* model) {
  for (int i = model->firstMaterial; i < model->endMaterial && i < g_Materiaux.materialCount; i++) {
    if (g_Materiaux.materials[i].fileName[0] != 0) CreateTexture(g_Texture, g_Materiaux.materials[i].fileName, i);
  }
}

void libere_rendu_modele(const t3DModel& model) {
  int n = model.endMaterial - model.firstMaterial;
  if (n > g_Materiaux.materialCount) n = g_Materiaux.materialCount;
  if (n > 0) efface_textures(model.firstMaterial, n);
  oublie_listes_modele(model);
}

void libere_rendu_materiaux() {
  efface_textures(0, g_Materiaux.materialCount);
  oublie_toutes_listes();
}
