// The sound environment in the sound system: one occlusion geometry and a chain of reverb zones.
#include <cmath>

#include "audio/effets_son.h"
#include "audio/son.h"
#include "common/liste.h"

HGeometrie occlu_geometrie;

namespace {

struct SReverberation {
  SReverberation* precedent = nullptr;
  SReverberation* suivant = nullptr;
  HReverb reverb;
};

SReverberation* prem_reverberations = nullptr;
SReverberation* dern_reverberations = nullptr;
SReverberation* act_reverberation = nullptr;
int nb_reverberations_ = 0;

ListeObjets<SReverberation> chaine() {
  return ListeObjets<SReverberation>(prem_reverberations, dern_reverberations, act_reverberation,
                                     nb_reverberations_, Insertion::Fin, ApresRetrait::SuivantSinonPrecedent);
}

// The layer is left-handed: z negated.
SonVecteur gauche(const CVector3& v) { return SonVecteur{v.x, v.y, -v.z}; }

}  // namespace

void creation_reverberation(float x, float y, float z, float min_dist, float max_dist, int preset) {
  SReverberation* n = new SReverberation;
  chaine().insere(n);
  if (son_reverb_cree(g_SystemeSon, &n->reverb) != SON_OK) return;
  const SonVecteur pos = gauche(CVector3(x, y, z));
  son_reverb_set_3d(n->reverb, &pos, min_dist, max_dist);
  son_reverb_set_preset(n->reverb, nom_preset_reverb(preset));
  son_reverb_set_active(n->reverb, true);
}

void CreationOcclusion(float wminx, float wmaxx, float wminy, float wmaxy, float wminz, float wmaxz) {
  const CVector3 etendue(std::fabs(wmaxx) + std::fabs(wminx), std::fabs(wmaxy) + std::fabs(wminy),
                         std::fabs(wmaxz) + std::fabs(wminz));
  son_systeme_set_taille_monde(g_SystemeSon, std::sqrt(etendue.x * etendue.x + etendue.y * etendue.y +
                                                       etendue.z * etendue.z));
  // Room for the polygons the file holds: its header may undercount them, and a polygon that does
  // not fit would be silently missing from the race.
  int polygones = 0;
  for (SEffetSon* e = prem_list_effetSon; e; e = e->suivant)
    if (e->type == EFSON_OCCLUSION) polygones++;
  if (file_nb_effetSon == 0) polygones = 0;  // the stand-in polygon of a missing file stays out
  libere_occlusion();
  if (polygones > 0) son_geometrie_cree(g_SystemeSon, polygones, 4 * polygones, &occlu_geometrie);
  for (SEffetSon* e = prem_list_effetSon; e; e = e->suivant) {
    if (e->type == EFSON_OCCLUSION) {
      SonVecteur s[4];
      for (int i = 0; i < 4; i++) s[i] = gauche(e->position + e->sommets[i]);
      son_geometrie_ajoute_polygone(occlu_geometrie, e->occlusion_directe, e->occlusion_reverb, true, 4, s, nullptr);
    } else if (e->type == EFSON_REVERB) {
      creation_reverberation(e->position.x, e->position.y, e->position.z, e->min_dist, e->max_dist, e->preset);
    }
  }
}

void destroy_reverberations() {
  for (SReverberation* n = prem_reverberations; n; n = n->suivant) son_reverb_libere(n->reverb);
  chaine().efface();
}

int nb_reverberations() { return nb_reverberations_; }

void libere_occlusion() {
  if (!son_handle_vide(occlu_geometrie)) son_geometrie_libere(occlu_geometrie);
  occlu_geometrie = HGeometrie{};
}
