// The sound API with nothing behind it, for programs that want no sound (the simulator, tests):
// every call succeeds and nothing is heard. No file is read, so a sound lasts no time: a channel
// of a sound that does not loop has ended as soon as it plays (unless paused), as in the silent
// mode of the real layer; looping and paused channels keep their pause and frequency.
#include <cmath>
#include <cstddef>
#include <map>
#include <mutex>

#include "audio/son_api.h"

namespace {

struct SonNul {
  unsigned mode = 0;
  float min_dist = 1.0f, max_dist = 10000.0f;
};

struct CanalNul {
  bool boucle = false;
  bool en_pause = false;
  float frequence = SON_FREQUENCE_RENDU;
};

// Handles share one serial that is never 0; their index is unused.
struct Etat {
  std::mutex verrou;
  uint32_t serie = 0;
  std::map<uint32_t, SonNul> sons;
  std::map<uint32_t, CanalNul> canaux;  // only the channels still playing: looping or paused
  std::map<uint32_t, int> polygones;    // per geometry, how many were added
};

Etat& etat() {
  static Etat e;
  return e;
}

uint32_t nouvelle_serie(Etat& e) {
  if (++e.serie == 0) ++e.serie;
  return e.serie;
}

template <class H>
int nouveau(H* h) {
  if (!h) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  *h = H{0, nouvelle_serie(e)};
  return SON_OK;
}

int nouveau_son(const char* fichier, unsigned mode, HSon* son) {
  if (!son || !fichier) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  *son = HSon{0, nouvelle_serie(e)};
  e.sons[son->serie].mode = son_mode_combine(SON_MODE_2D | SON_MODE_BOUCLE_OFF, mode);
  return SON_OK;
}

// The channel while it plays, else null (ended, stopped or never made).
CanalNul* canal(Etat& e, HCanal h) {
  auto it = e.canaux.find(h.serie);
  return it == e.canaux.end() ? nullptr : &it->second;
}

bool fini(const SonVecteur* v) { return !v || (std::isfinite(v->x) && std::isfinite(v->y) && std::isfinite(v->z)); }

}  // namespace

// System.
int son_systeme_cree(HSysteme* sys) { return nouveau(sys); }

int son_systeme_version(HSysteme, unsigned* version) {
  if (!version) return SON_ERR_PARAMETRE;
  *version = SON_VERSION;
  return SON_OK;
}

int son_systeme_set_sortie(HSysteme, int) { return SON_OK; }

int son_systeme_caps_pilote(HSysteme, int, unsigned* caps, int* mode_hp_panneau) {
  if (caps) *caps = SON_CAPS_EMULATION;
  if (mode_hp_panneau) *mode_hp_panneau = SON_HP_STEREO;
  return SON_OK;
}

int son_systeme_set_mode_hp(HSysteme, int) { return SON_OK; }
int son_systeme_set_tampon(HSysteme, unsigned, int) { return SON_OK; }
int son_systeme_init(HSysteme, int, unsigned) { return SON_OK; }
int son_systeme_set_reverb_ambiante(HSysteme, const SonProprietesReverb*) { return SON_OK; }
int son_systeme_set_auditeur(HSysteme, int, const SonVecteur*, const SonVecteur*, const SonVecteur*,
                             const SonVecteur*) {
  return SON_OK;
}
int son_systeme_update(HSysteme) { return SON_OK; }
int son_systeme_set_taille_monde(HSysteme, float) { return SON_OK; }

int son_systeme_ferme(HSysteme) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  e.sons.clear();
  e.canaux.clear();
  e.polygones.clear();
  return SON_OK;
}

int son_systeme_libere(HSysteme sys) { return son_systeme_ferme(sys); }

int son_systeme_hrtf_active(HSysteme, bool* active) {
  if (!active) return SON_ERR_PARAMETRE;
  *active = false;
  return SON_OK;
}

int son_systeme_sortie_nulle(HSysteme, bool* nulle) {
  if (!nulle) return SON_ERR_PARAMETRE;
  *nulle = true;
  return SON_OK;
}

int son_systeme_rendu(HSysteme, float* sortie, int trames) {
  if (!sortie || trames < 0) return SON_ERR_PARAMETRE;
  for (size_t i = 0; i < static_cast<size_t>(trames) * 2; i++) sortie[i] = 0.0f;
  return SON_OK;
}

// Sounds and streams.
int son_cree_son(HSysteme, const char* fichier, unsigned mode, HSon* son) { return nouveau_son(fichier, mode, son); }
int son_cree_flux(HSysteme, const char* fichier, unsigned mode, HSon* son) { return nouveau_son(fichier, mode, son); }

int son_son_set_mode(HSon son, unsigned mode) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  SonNul& s = e.sons[son.serie];
  s.mode = son_mode_combine(s.mode, mode);
  return SON_OK;
}

int son_son_get_mode(HSon son, unsigned* mode) {
  if (!mode) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  auto it = e.sons.find(son.serie);
  *mode = it == e.sons.end() ? SON_MODE_2D | SON_MODE_BOUCLE_OFF : it->second.mode;
  return SON_OK;
}

int son_son_set_distances_3d(HSon son, float min, float max) {
  if (!std::isfinite(min) || !std::isfinite(max) || min <= 0.0f || max < min) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  SonNul& s = e.sons[son.serie];
  s.min_dist = min;
  s.max_dist = max;
  return SON_OK;
}

int son_son_get_distances_3d(HSon son, float* min, float* max) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  const SonNul s = e.sons.count(son.serie) ? e.sons[son.serie] : SonNul{};
  if (min) *min = s.min_dist;
  if (max) *max = s.max_dist;
  return SON_OK;
}

int son_son_duree(HSon, double* secondes) {
  if (!secondes) return SON_ERR_PARAMETRE;
  *secondes = 0.0;
  return SON_OK;
}

int son_son_libere(HSon son) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  e.sons.erase(son.serie);
  return SON_OK;
}

// Channels.
int son_joue(HSysteme sys, HSon son, bool en_pause, HCanal* out) {
  // As the real layer: a system never created (no sound at all) or an empty sound plays nothing.
  if (son_handle_vide(sys) || son_handle_vide(son)) return SON_ERR_HANDLE_INVALIDE;
  if (!out) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  *out = HCanal{0, nouvelle_serie(e)};
  auto it = e.sons.find(son.serie);
  const bool boucle = it != e.sons.end() && (it->second.mode & SON_MODE_BOUCLE);
  if (boucle || en_pause) e.canaux[out->serie] = CanalNul{boucle, en_pause};
  return SON_OK;
}

int son_canal_set_volume(HCanal, float) { return SON_OK; }

int son_canal_set_pause(HCanal h, bool pause) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  CanalNul* c = canal(e, h);
  if (!c) return SON_OK;
  c->en_pause = pause;
  if (!pause && !c->boucle) e.canaux.erase(h.serie);  // a sound of no length ends as it resumes
  return SON_OK;
}

int son_canal_get_pause(HCanal h, bool* pause) {
  if (!pause) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  const CanalNul* c = canal(e, h);
  *pause = c && c->en_pause;
  return SON_OK;
}

int son_canal_en_cours(HCanal h, bool* en_cours) {
  if (!en_cours) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  *en_cours = canal(e, h) != nullptr;
  return SON_OK;
}

int son_canal_stop(HCanal h) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  e.canaux.erase(h.serie);
  return SON_OK;
}

int son_canal_get_frequence(HCanal h, float* frequence) {
  if (!frequence) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  const CanalNul* c = canal(e, h);
  *frequence = c ? c->frequence : static_cast<float>(SON_FREQUENCE_RENDU);
  return SON_OK;
}

int son_canal_set_frequence(HCanal h, float frequence) {
  if (!std::isfinite(frequence) || frequence <= 0.0f) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  if (CanalNul* c = canal(e, h)) c->frequence = frequence;
  return SON_OK;
}

int son_canal_set_3d(HCanal, const SonVecteur* pos, const SonVecteur* vel) {
  return fini(pos) && fini(vel) ? SON_OK : SON_ERR_PARAMETRE;
}

int son_systeme_canaux_joues(HSysteme, int* nb) {
  if (!nb) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  *nb = static_cast<int>(e.canaux.size());
  return SON_OK;
}

// Reverb zones.
int son_reverb_cree(HSysteme, HReverb* reverb) { return nouveau(reverb); }
int son_reverb_set_3d(HReverb, const SonVecteur* pos, float, float) { return fini(pos) ? SON_OK : SON_ERR_PARAMETRE; }
int son_reverb_set_preset(HReverb, const char* nom) { return nom ? SON_OK : SON_ERR_PARAMETRE; }
int son_reverb_set_active(HReverb, bool) { return SON_OK; }
int son_reverb_libere(HReverb) { return SON_OK; }

// Occlusion geometry.
int son_geometrie_cree(HSysteme, int, int, HGeometrie* geo) { return nouveau(geo); }

int son_geometrie_ajoute_polygone(HGeometrie geo, float, float, bool, int nb_sommets, const SonVecteur* sommets,
                                  int* index) {
  if (nb_sommets < 3 || !sommets) return SON_ERR_PARAMETRE;
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  const int n = e.polygones[geo.serie]++;
  if (index) *index = n;
  return SON_OK;
}

int son_geometrie_libere(HGeometrie geo) {
  Etat& e = etat();
  std::lock_guard<std::mutex> l(e.verrou);
  e.polygones.erase(geo.serie);
  return SON_OK;
}
