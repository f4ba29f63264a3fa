// Channels of the sound layer: playing sounds on free channels, channel controls, and the
// per-step update (ended channels, occlusion filters, reverb mix).
#include <chrono>
#include <cmath>

#include "audio/son_interne.h"

namespace son_detail {

namespace {

using Horloge = std::chrono::steady_clock;

// Silent mode: where the channel is in its sound, in seconds of the sound.
double position_muette(const Canal& c) {
  if (c.en_pause) return c.position;
  return c.position + std::chrono::duration<double>(Horloge::now() - c.depuis).count() * c.pitch;
}

// Folds the time played so far, before the pitch or the pause changes.
void fige_position(Canal& c) {
  c.position = position_muette(c);
  c.depuis = Horloge::now();
}

bool fini(const SonVecteur* v) { return !v || (std::isfinite(v->x) && std::isfinite(v->y) && std::isfinite(v->z)); }

// Occlusion gains: the direct path loses its highs faster than its level.
void regle_filtre(ALuint filtre, float gain) {
  g_efx.Filterf(filtre, AL_LOWPASS_GAIN, gain);
  g_efx.Filterf(filtre, AL_LOWPASS_GAINHF, std::sqrt(gain));
}

void applique_occlusion(Systeme& s, Canal& c, float directe, float reverb) {
  c.gain_direct = directe;
  c.gain_reverb = reverb;
  if (!s.efx_ok) return;  // no filters on this device: sounds stay unoccluded
  regle_filtre(c.filtre_direct, directe);
  regle_filtre(c.filtre_envoi, reverb);
  alSourcei(c.source, AL_DIRECT_FILTER, static_cast<ALint>(c.filtre_direct));
  alSource3i(c.source, AL_AUXILIARY_SEND_FILTER, static_cast<ALint>(s.slot), 0, static_cast<ALint>(c.filtre_envoi));
}

int choisit_canal(Systeme& s) {
  for (size_t i = 0; i < s.canaux.size(); ++i)
    if (canal_termine(s, s.canaux[i])) return static_cast<int>(i);
  // Every channel busy: take the oldest, sparing streams and paused channels where possible.
  int meilleur = -1;
  int rang_meilleur = 3;
  for (size_t i = 0; i < s.canaux.size(); ++i) {
    const Canal& c = s.canaux[i];
    int rang = c.flux ? 2 : c.en_pause ? 1 : 0;
    if (rang < rang_meilleur || (rang == rang_meilleur && c.ordre < s.canaux[static_cast<size_t>(meilleur)].ordre)) {
      meilleur = static_cast<int>(i);
      rang_meilleur = rang;
    }
  }
  if (meilleur >= 0) libere_canal(s, meilleur);
  return meilleur;
}

// A played channel's source starts from its sound's settings, at full gain and normal pitch.
void prepare_source(Systeme& s, Canal& c, Son& son) {
  const ALuint src = c.source;
  alSourceStop(src);
  alSourcei(src, AL_BUFFER, 0);
  alSourcef(src, AL_GAIN, 1.0f);
  alSourcef(src, AL_PITCH, 1.0f);
  alSource3f(src, AL_POSITION, 0, 0, 0);
  alSource3f(src, AL_VELOCITY, 0, 0, 0);
  if (c.est_3d) {
    alSourcei(src, AL_SOURCE_RELATIVE, AL_FALSE);
    alSourcef(src, AL_REFERENCE_DISTANCE, son.min_dist);
    alSourcef(src, AL_MAX_DISTANCE, son.max_dist);
    alSourcef(src, AL_ROLLOFF_FACTOR, 1.0f);
    applique_occlusion(s, c, 1.0f, 1.0f);
  } else {
    alSourcei(src, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(src, AL_ROLLOFF_FACTOR, 0.0f);
    if (s.efx_ok) {
      alSourcei(src, AL_DIRECT_FILTER, AL_FILTER_NULL);
      alSource3i(src, AL_AUXILIARY_SEND_FILTER, AL_EFFECTSLOT_NULL, 0, AL_FILTER_NULL);
    }
  }
  if (son.flux) {
    alSourcei(src, AL_LOOPING, AL_FALSE);
    demarre_flux(s, c, son);
  } else {
    alSourcei(src, AL_LOOPING, c.boucle ? AL_TRUE : AL_FALSE);
    alSourcei(src, AL_BUFFER, static_cast<ALint>(son.tampon));
  }
}

Canal* canal_de(HCanal h, Systeme** sys = nullptr) {
  Systeme* s = systeme_actif();
  if (!s) return nullptr;
  Canal* c = trouve(s->canaux, h.index, h.serie);
  if (!c || canal_termine(*s, *c)) return nullptr;
  if (sys) *sys = s;
  return c;
}

}  // namespace

void libere_canal(Systeme& s, int index) {
  Canal& c = s.canaux[static_cast<size_t>(index)];
  if (!s.muet) {
    alSourceStop(c.source);
    alSourcei(c.source, AL_BUFFER, 0);
  }
  if (c.flux && c.son >= 0 && static_cast<size_t>(c.son) < s.sons.size() &&
      s.sons[static_cast<size_t>(c.son)].canal_flux == index)
    s.sons[static_cast<size_t>(c.son)].canal_flux = -1;
  c.serie = 0;
  c.son = -1;
  c.flux = false;
  c.flux_fini = false;
  c.en_pause = false;
}

bool canal_termine(Systeme& s, Canal& c) {
  if (c.serie == 0) return true;
  if (c.en_pause) return false;
  if (s.muet) {
    if (c.boucle || position_muette(c) < c.duree) return false;
  } else {
    ALint etat = AL_STOPPED;
    alGetSourcei(c.source, AL_SOURCE_STATE, &etat);
    if (etat == AL_PLAYING || etat == AL_PAUSED) return false;
    // A stream that ran dry before its end is restarted by the streaming thread.
    if (c.flux && !c.flux_fini) return false;
  }
  libere_canal(s, static_cast<int>(&c - s.canaux.data()));
  return true;
}

void libere_canaux_du_son(Systeme& s, int son) {
  for (size_t i = 0; i < s.canaux.size(); ++i)
    if (s.canaux[i].serie && s.canaux[i].son == son) libere_canal(s, static_cast<int>(i));
}

}  // namespace son_detail

using namespace son_detail;

int son_joue(HSysteme h, HSon hs, bool en_pause, HCanal* out) {
  if (!out) return SON_ERR_PARAMETRE;
  *out = HCanal{};
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  Son* son = trouve(s->sons, hs.index, hs.serie);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  // A stream has one read position: playing it again restarts it on a new channel.
  if (son->flux && son->canal_flux >= 0) libere_canal(*s, son->canal_flux);
  int i = choisit_canal(*s);
  if (i < 0) return SON_ERR_PERIPHERIQUE;
  Canal& c = s->canaux[static_cast<size_t>(i)];
  c.son = static_cast<int>(hs.index);
  c.flux = son->flux;
  c.flux_fini = false;
  c.en_pause = en_pause;
  c.est_3d = (son->mode & SON_MODE_3D) != 0;
  c.frequence_base = static_cast<float>(son->frequence);
  c.ordre = s->ordre_suivant++;
  c.pos = Vec{};
  c.pitch = 1.0f;
  c.boucle = (son->mode & SON_MODE_BOUCLE) != 0;
  c.duree = son->duree;
  c.position = 0.0;
  c.depuis = Horloge::now();
  if (son->flux) son->canal_flux = i;
  if (!s->muet) prepare_source(*s, c, *son);
  c.serie = nouvelle_serie();
  if (!en_pause && !s->muet) alSourcePlay(c.source);
  *out = HCanal{static_cast<uint32_t>(i), c.serie};
  return SON_OK;
}

int son_canal_set_volume(HCanal h, float volume) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = nullptr;
  Canal* c = canal_de(h, &s);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  if (!std::isfinite(volume)) return SON_ERR_PARAMETRE;
  if (!s->muet) alSourcef(c->source, AL_GAIN, std::fmax(0.0f, std::fmin(1.0f, volume)));
  return SON_OK;
}

int son_canal_set_pause(HCanal h, bool pause) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = nullptr;
  Canal* c = canal_de(h, &s);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  if (pause && !c->en_pause) {
    fige_position(*c);
    if (!s->muet) alSourcePause(c->source);
    c->en_pause = true;
  } else if (!pause && c->en_pause) {
    c->en_pause = false;
    c->depuis = Horloge::now();
    if (!s->muet) alSourcePlay(c->source);
  }
  return SON_OK;
}

int son_canal_get_pause(HCanal h, bool* pause) {
  std::lock_guard<std::mutex> l(son_verrou());
  Canal* c = canal_de(h);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  if (!pause) return SON_ERR_PARAMETRE;
  *pause = c->en_pause;
  return SON_OK;
}

int son_canal_en_cours(HCanal h, bool* en_cours) {
  if (!en_cours) return SON_ERR_PARAMETRE;
  std::lock_guard<std::mutex> l(son_verrou());
  *en_cours = canal_de(h) != nullptr;
  return *en_cours ? SON_OK : SON_ERR_HANDLE_INVALIDE;
}

int son_canal_stop(HCanal h) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = nullptr;
  Canal* c = canal_de(h, &s);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  libere_canal(*s, static_cast<int>(h.index));
  return SON_OK;
}

int son_canal_get_frequence(HCanal h, float* frequence) {
  std::lock_guard<std::mutex> l(son_verrou());
  Canal* c = canal_de(h);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  if (!frequence) return SON_ERR_PARAMETRE;
  *frequence = c->frequence_base * c->pitch;
  return SON_OK;
}

int son_canal_set_frequence(HCanal h, float frequence) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = nullptr;
  Canal* c = canal_de(h, &s);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  if (!std::isfinite(frequence) || frequence <= 0.0f) return SON_ERR_PARAMETRE;
  fige_position(*c);
  c->pitch = frequence / c->frequence_base;
  if (!s->muet) alSourcef(c->source, AL_PITCH, c->pitch);
  return SON_OK;
}

int son_canal_set_3d(HCanal h, const SonVecteur* pos, const SonVecteur* vel) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = nullptr;
  Canal* c = canal_de(h, &s);
  if (!c) return SON_ERR_HANDLE_INVALIDE;
  if (!c->est_3d) return SON_ERR_BESOIN_3D;
  if (!fini(pos) || !fini(vel)) return SON_ERR_PARAMETRE;
  if (pos) c->pos = depuis_api(*pos);
  if (s->muet) return SON_OK;
  if (pos) alSource3f(c->source, AL_POSITION, c->pos.x, c->pos.y, c->pos.z);
  if (vel) {
    Vec v = depuis_api(*vel);
    alSource3f(c->source, AL_VELOCITY, v.x, v.y, v.z);
  }
  return SON_OK;
}

int son_systeme_canaux_joues(HSysteme h, int* nb) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!nb) return SON_ERR_PARAMETRE;
  *nb = 0;
  for (Canal& c : s->canaux)
    if (!canal_termine(*s, c)) ++*nb;
  return SON_OK;
}

int son_systeme_update(HSysteme h) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  const bool occlure = (s->drapeaux & SON_INIT_OCCLUSION) && !s->geometries.empty();
  for (Canal& c : s->canaux) {
    if (canal_termine(*s, c) || !c.est_3d) continue;
    float directe = 1.0f, reverb = 1.0f;
    if (occlure) occlusion(*s, s->auditeur, c.pos, &directe, &reverb);
    if (std::fabs(directe - c.gain_direct) > 1e-4f || std::fabs(reverb - c.gain_reverb) > 1e-4f)
      applique_occlusion(*s, c, directe, reverb);
  }
  met_a_jour_reverb(*s);
  return SON_OK;
}
