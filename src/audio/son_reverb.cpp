// Reverb of the sound layer: the ambient reverb and the 3D reverb zones, mixed into one EFX reverb
// from the listener's position on each update.
#include <cmath>
#include <cstring>

#include "audio/son_interne.h"

namespace son_detail {

namespace {

float poids_zone(const Reverb& z, const Vec& p) {
  const float dx = p.x - z.pos.x, dy = p.y - z.pos.y, dz = p.z - z.pos.z;
  const float d = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (d <= z.min_dist) return 1.0f;
  if (d >= z.max_dist) return 0.0f;
  return (z.max_dist - d) / (z.max_dist - z.min_dist);
}

Reverb* reverb_de(HReverb h) {
  Systeme* s = systeme_actif();
  return s ? trouve(s->reverbs, h.index, h.serie) : nullptr;
}

}  // namespace

void init_reverb(Systeme& s) {
  s.ambiante = efx_depuis_classique(SON_REVERB_AUCUNE);
  s.reverb_appliquee = false;
  if (!s.efx_ok) return;
  alGetError();
  g_efx.GenAuxiliaryEffectSlots(1, &s.slot);
  g_efx.GenEffects(1, &s.effet);
  g_efx.Effecti(s.effet, AL_EFFECT_TYPE, AL_EFFECT_EAXREVERB);
  if (alGetError() != AL_NO_ERROR) {
    // No reverb on this device: channels keep working without it.
    g_efx.DeleteEffects(1, &s.effet);
    g_efx.DeleteAuxiliaryEffectSlots(1, &s.slot);
    s.effet = s.slot = 0;
    return;
  }
  met_a_jour_reverb(s);
}

void met_a_jour_reverb(Systeme& s) {
  if (!s.efx_ok || !s.effet) return;
  float total = 0.0f;
  ProprietesEfx zones{};
  for (const Reverb& z : s.reverbs) {
    if (!z.serie || !z.active) continue;
    const float w = poids_zone(z, s.auditeur);
    if (w <= 0.0f) continue;
    total += w;
    zones = total == w ? z.prop : melange_reverb(zones, z.prop, w / total);
  }
  ProprietesEfx p = total > 0.0f ? melange_reverb(s.ambiante, zones, std::fmin(1.0f, total)) : s.ambiante;
  if (s.reverb_appliquee && std::memcmp(&p, &s.appliquee, sizeof p) == 0) return;
  applique_efx(s.effet, p);
  // An effect's new values reach the slot only when it is loaded again.
  g_efx.AuxiliaryEffectSloti(s.slot, AL_EFFECTSLOT_EFFECT, static_cast<ALint>(s.effet));
  s.appliquee = p;
  s.reverb_appliquee = true;
}

void ferme_reverb(Systeme& s) {
  if (s.efx_ok && s.slot) {
    g_efx.AuxiliaryEffectSloti(s.slot, AL_EFFECTSLOT_EFFECT, AL_EFFECT_NULL);
    g_efx.DeleteAuxiliaryEffectSlots(1, &s.slot);
    g_efx.DeleteEffects(1, &s.effet);
  }
  s.slot = s.effet = 0;
  s.efx_ok = false;
}

}  // namespace son_detail

using namespace son_detail;

int son_systeme_set_reverb_ambiante(HSysteme h, const SonProprietesReverb* prop) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  if (!prop) return SON_ERR_PARAMETRE;
  s->ambiante = efx_depuis_classique(*prop);
  met_a_jour_reverb(*s);
  return SON_OK;
}

int son_reverb_cree(HSysteme h, HReverb* out) {
  if (!out) return SON_ERR_PARAMETRE;
  *out = HReverb{};
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  uint32_t i = place_libre(s->reverbs);
  Reverb& r = s->reverbs[i];
  r = Reverb{};
  r.prop = efx_depuis_classique(SON_REVERB_AUCUNE);
  r.serie = nouvelle_serie();
  *out = HReverb{i, r.serie};
  return SON_OK;
}

int son_reverb_set_3d(HReverb h, const SonVecteur* pos, float min, float max) {
  std::lock_guard<std::mutex> l(son_verrou());
  Reverb* r = reverb_de(h);
  if (!r) return SON_ERR_HANDLE_INVALIDE;
  if (!std::isfinite(min) || !std::isfinite(max) || min < 0.0f || max < min) return SON_ERR_PARAMETRE;
  if (pos && !(std::isfinite(pos->x) && std::isfinite(pos->y) && std::isfinite(pos->z))) return SON_ERR_PARAMETRE;
  if (pos) r->pos = depuis_api(*pos);
  r->min_dist = min;
  r->max_dist = max;
  return SON_OK;
}

int son_reverb_set_preset(HReverb h, const char* nom) {
  std::lock_guard<std::mutex> l(son_verrou());
  Reverb* r = reverb_de(h);
  if (!r) return SON_ERR_HANDLE_INVALIDE;
  ProprietesEfx p;
  if (!preset_reverb(nom, p)) return SON_ERR_PRESET_INCONNU;
  r->prop = p;
  return SON_OK;
}

int son_reverb_set_active(HReverb h, bool active) {
  std::lock_guard<std::mutex> l(son_verrou());
  Reverb* r = reverb_de(h);
  if (!r) return SON_ERR_HANDLE_INVALIDE;
  r->active = active;
  return SON_OK;
}

int son_reverb_libere(HReverb h) {
  std::lock_guard<std::mutex> l(son_verrou());
  Reverb* r = reverb_de(h);
  if (!r) return SON_ERR_HANDLE_INVALIDE;
  *r = Reverb{};
  return SON_OK;
}
