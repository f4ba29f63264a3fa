// The sound system: creation, output device (or the null output), init, listener, close, release.
#include <AL/alext.h>

#include <chrono>
#include <cmath>

#include "audio/son_interne.h"

namespace son_detail {

namespace {

// Declared before the systems so that it outlives them when the program exits.
std::mutex g_verrou;
std::vector<std::unique_ptr<Systeme>> g_systemes;
Systeme* g_actif = nullptr;
uint32_t g_serie = 0;

bool fini(const SonVecteur* v) { return !v || (std::isfinite(v->x) && std::isfinite(v->y) && std::isfinite(v->z)); }

ALCenum canaux_loopback(int mode_hp) {
  switch (mode_hp) {
    case SON_HP_MONO:
      return ALC_MONO_SOFT;
    case SON_HP_QUAD:
      return ALC_QUAD_SOFT;
    case SON_HP_SURROUND:
    case SON_HP_5_1:
      return ALC_5POINT1_SOFT;
    case SON_HP_7_1:
      return ALC_7POINT1_SOFT;
    default:
      return ALC_STEREO_SOFT;
  }
}

int nb_canaux_loopback(ALCenum c) {
  switch (c) {
    case ALC_MONO_SOFT:
      return 1;
    case ALC_QUAD_SOFT:
      return 4;
    case ALC_5POINT1_SOFT:
      return 6;
    case ALC_7POINT1_SOFT:
      return 8;
    default:
      return 2;
  }
}

// The null output: OpenAL Soft's loopback device, mixed at the pace of the clock and thrown away,
// so that sounds end and streams advance exactly as they would on a sound card.
void fil_sortie_nulle(Systeme* s, ALCdevice* device) {
  auto rendu = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(device, "alcRenderSamplesSOFT"));
  if (!rendu) return;
  const int bloc = 512;
  std::vector<int16_t> poubelle(static_cast<size_t>(bloc) * s->canaux_sortie);
  const auto debut = std::chrono::steady_clock::now();
  long long rendues = 0;
  while (!s->arret_nul.load()) {
    const double ecoule = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    long long dues = static_cast<long long>(ecoule * s->frequence_sortie);
    // After a long stall, skip ahead rather than mix seconds of audio in a burst.
    if (dues - rendues > s->frequence_sortie) rendues = dues - s->frequence_sortie / 10;
    while (rendues + bloc <= dues && !s->arret_nul.load()) {
      rendu(device, poubelle.data(), bloc);
      rendues += bloc;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void ferme_sortie(Systeme& s) {
  alcMakeContextCurrent(nullptr);
  if (s.contexte) alcDestroyContext(s.contexte);
  if (s.device) alcCloseDevice(s.device);
  s.contexte = nullptr;
  s.device = nullptr;
}

// Opens the device and its context. SON_ERR_TAMPON_SORTIE when the output cannot be made with
// the current speaker mode, buffer and flags.
int ouvre_sortie(Systeme& s, int nb_canaux, unsigned drapeaux) {
  s.nulle = false;
  s.rendu = false;
  if (s.sortie == SON_SORTIE_AUTO) s.device = alcOpenDevice(nullptr);
  std::vector<ALCint> attr;
  ALCenum format_canaux = ALC_STEREO_SOFT;
  if (!s.device) {
    auto ouvre = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto supporte = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
        alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    if (!ouvre || !supporte) return SON_ERR_PERIPHERIQUE;
    s.device = ouvre(nullptr);
    if (!s.device) return SON_ERR_PERIPHERIQUE;
    s.rendu = s.sortie == SON_SORTIE_RENDU;
    s.nulle = !s.rendu;
    // The render output is what a listener would get: full rate, plain stereo. Nobody hears the
    // null output: a low rate keeps the mixing cheap while time runs as on a sound card.
    format_canaux = s.rendu ? ALC_STEREO_SOFT : canaux_loopback(s.mode_hp);
    const ALCenum type = s.rendu ? ALC_FLOAT_SOFT : ALC_SHORT_SOFT;
    s.frequence_sortie = s.rendu ? SON_FREQUENCE_RENDU : 22050;
    if (!supporte(s.device, s.frequence_sortie, format_canaux, type)) {
      ferme_sortie(s);
      return SON_ERR_TAMPON_SORTIE;
    }
    s.canaux_sortie = nb_canaux_loopback(format_canaux);
    attr.insert(attr.end(), {ALC_FORMAT_CHANNELS_SOFT, static_cast<ALCint>(format_canaux), ALC_FORMAT_TYPE_SOFT,
                             static_cast<ALCint>(type), ALC_FREQUENCY, s.frequence_sortie});
  } else {
    ALCint f = 0;
    alcGetIntegerv(s.device, ALC_FREQUENCY, 1, &f);
    if (f > 0) s.frequence_sortie = f;
  }
  if (s.tampon_longueur > 0) {
    attr.insert(attr.end(), {ALC_REFRESH, std::max(1, s.frequence_sortie / static_cast<int>(s.tampon_longueur))});
  }
  attr.insert(attr.end(), {ALC_MONO_SOURCES, nb_canaux, ALC_STEREO_SOURCES, 16});
  if (alcIsExtensionPresent(s.device, "ALC_EXT_EFX")) attr.insert(attr.end(), {ALC_MAX_AUXILIARY_SENDS, 1});
  if (alcIsExtensionPresent(s.device, "ALC_SOFT_HRTF")) {
    const bool hrtf = (drapeaux & SON_INIT_HRTF) && !s.nulle && !s.rendu;
    attr.insert(attr.end(), {ALC_HRTF_SOFT, hrtf ? ALC_TRUE : ALC_FALSE});
  }
  attr.push_back(0);
  s.contexte = alcCreateContext(s.device, attr.data());
  if (!s.contexte || !alcMakeContextCurrent(s.contexte)) {
    ferme_sortie(s);
    return SON_ERR_TAMPON_SORTIE;
  }
  ALCint hrtf = 0;
  if (alcIsExtensionPresent(s.device, "ALC_SOFT_HRTF")) alcGetIntegerv(s.device, ALC_HRTF_SOFT, 1, &hrtf);
  s.hrtf = hrtf != 0;
  return SON_OK;
}

void cree_canaux(Systeme& s, int nb_canaux) {
  s.canaux.clear();
  s.canaux.reserve(static_cast<size_t>(nb_canaux));
  if (s.muet) {
    s.canaux.resize(static_cast<size_t>(nb_canaux));  // no sources: the channels only keep state
    return;
  }
  alGetError();
  for (int i = 0; i < nb_canaux; ++i) {
    Canal c;
    alGenSources(1, &c.source);
    if (alGetError() != AL_NO_ERROR) break;  // the device gives fewer sources: fewer channels
    if (s.efx_ok) {
      g_efx.GenFilters(1, &c.filtre_direct);
      g_efx.GenFilters(1, &c.filtre_envoi);
      g_efx.Filteri(c.filtre_direct, AL_FILTER_TYPE, AL_FILTER_LOWPASS);
      g_efx.Filteri(c.filtre_envoi, AL_FILTER_TYPE, AL_FILTER_LOWPASS);
    }
    s.canaux.push_back(c);
  }
}

}  // namespace

std::mutex& son_verrou() { return g_verrou; }

uint32_t nouvelle_serie() {
  if (++g_serie == 0) ++g_serie;
  return g_serie;
}

Systeme* systeme(HSysteme h) {
  if (h.serie == 0 || h.index >= g_systemes.size() || !g_systemes[h.index]) return nullptr;
  Systeme* s = g_systemes[h.index].get();
  return s->serie == h.serie ? s : nullptr;
}

Systeme* systeme_actif() { return g_actif; }

void ferme_systeme(Systeme& s, std::unique_lock<std::mutex>& verrou) {
  if (!s.initialise) return;
  s.arret = true;
  s.arret_nul = true;
  s.reveil.notify_all();
  std::thread flux = std::move(s.fil_flux), nul = std::move(s.fil_nul);
  verrou.unlock();
  if (flux.joinable()) flux.join();
  if (nul.joinable()) nul.join();
  verrou.lock();
  for (size_t i = 0; i < s.canaux.size(); ++i) {
    Canal& c = s.canaux[i];
    if (c.serie) libere_canal(s, static_cast<int>(i));
    if (!s.muet) alDeleteSources(1, &c.source);
    if (s.efx_ok) {
      g_efx.DeleteFilters(1, &c.filtre_direct);
      g_efx.DeleteFilters(1, &c.filtre_envoi);
    }
  }
  s.canaux.clear();
  for (size_t i = 0; i < s.sons.size(); ++i)
    if (s.sons[i].serie) libere_son(s, static_cast<int>(i));
  s.sons.clear();
  s.reverbs.clear();
  s.geometries.clear();
  ferme_reverb(s);
  ferme_sortie(s);
  s.initialise = false;
  s.nulle = false;
  s.rendu = false;
  s.muet = false;
  s.hrtf = false;
  if (g_actif == &s) g_actif = nullptr;
}

}  // namespace son_detail

using namespace son_detail;

int son_systeme_cree(HSysteme* h) {
  if (!h) return SON_ERR_PARAMETRE;
  std::lock_guard<std::mutex> l(son_verrou());
  uint32_t i = 0;
  while (i < g_systemes.size() && g_systemes[i]) ++i;
  if (i == g_systemes.size()) g_systemes.emplace_back();
  g_systemes[i] = std::make_unique<Systeme>();
  g_systemes[i]->serie = nouvelle_serie();
  h->index = i;
  h->serie = g_systemes[i]->serie;
  return SON_OK;
}

int son_systeme_version(HSysteme h, unsigned* version) {
  std::lock_guard<std::mutex> l(son_verrou());
  if (!systeme(h)) return SON_ERR_HANDLE_INVALIDE;
  if (!version) return SON_ERR_PARAMETRE;
  *version = SON_VERSION;
  return SON_OK;
}

int son_systeme_set_sortie(HSysteme h, int sortie) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (s->initialise) return SON_ERR_DEJA_INITIALISE;
  if (sortie < SON_SORTIE_AUTO || sortie > SON_SORTIE_MUETTE) return SON_ERR_PARAMETRE;
  s->sortie = sortie;
  return SON_OK;
}

int son_systeme_caps_pilote(HSysteme h, int pilote, unsigned* caps, int* mode_hp) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (pilote != 0) return SON_ERR_PARAMETRE;
  // OpenAL Soft mixes in software and picks the speaker layout from its own settings: stereo
  // is what the desktop gives unless told otherwise.
  const bool sans_carte = (s->initialise && (s->nulle || s->muet)) || s->sortie == SON_SORTIE_NULLE ||
                          s->sortie == SON_SORTIE_MUETTE;
  if (caps) *caps = sans_carte ? SON_CAPS_EMULATION : SON_CAPS_AUCUNE;
  if (mode_hp) *mode_hp = SON_HP_STEREO;
  return SON_OK;
}

int son_systeme_set_mode_hp(HSysteme h, int mode_hp) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (s->initialise) return SON_ERR_DEJA_INITIALISE;
  if (mode_hp < SON_HP_BRUT || mode_hp > SON_HP_7_1) return SON_ERR_PARAMETRE;
  s->mode_hp = mode_hp;
  return SON_OK;
}

int son_systeme_set_tampon(HSysteme h, unsigned longueur, int nombre) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (s->initialise) return SON_ERR_DEJA_INITIALISE;
  if (longueur > 65536 || nombre < 0 || nombre > 64) return SON_ERR_PARAMETRE;
  s->tampon_longueur = longueur;
  s->tampon_nombre = nombre;
  return SON_OK;
}

int son_systeme_init(HSysteme h, int nb_canaux, unsigned drapeaux) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (s->initialise) return SON_ERR_DEJA_INITIALISE;
  if (nb_canaux < 1 || nb_canaux > 1024) return SON_ERR_PARAMETRE;
  if (g_actif) return SON_ERR_PERIPHERIQUE;  // OpenAL has one current context per process
  const int r = s->sortie == SON_SORTIE_MUETTE ? SON_ERR_PERIPHERIQUE : ouvre_sortie(*s, nb_canaux, drapeaux);
  // Other settings may still open the output: the caller retries once. Failing that, or with no
  // device and no null output at all, the game runs in the silent mode rather than without sound
  // calls. A capture without its render output has nothing to capture.
  if (r == SON_ERR_TAMPON_SORTIE && !s->sortie_refusee && s->sortie != SON_SORTIE_MUETTE) {
    s->sortie_refusee = true;
    return r;
  }
  if (r != SON_OK && s->sortie == SON_SORTIE_RENDU) return r;
  s->sortie_refusee = false;
  s->muet = r != SON_OK;
  if (s->muet) s->nulle = s->rendu = s->hrtf = false;  // a half-opened output leaves nothing behind
  s->drapeaux = drapeaux;
  s->efx_ok = !s->muet && charge_efx(s->device, g_efx);
  if (!s->muet) alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
  cree_canaux(*s, nb_canaux);
  init_reverb(*s);
  s->auditeur = Vec{};
  s->arret = false;
  s->arret_nul = false;
  s->initialise = true;
  g_actif = s;
  if (s->nulle) s->fil_nul = std::thread(fil_sortie_nulle, s, s->device);
  if (!s->muet) s->fil_flux = std::thread(fil_flux, s);
  return SON_OK;
}

int son_systeme_set_auditeur(HSysteme h, int auditeur, const SonVecteur* pos, const SonVecteur* vel,
                             const SonVecteur* avant, const SonVecteur* haut) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  if (auditeur != 0 || !fini(pos) || !fini(vel) || !fini(avant) || !fini(haut)) return SON_ERR_PARAMETRE;
  if ((avant == nullptr) != (haut == nullptr)) return SON_ERR_PARAMETRE;
  if (pos) s->auditeur = depuis_api(*pos);  // occlusion and reverb zones need it, even unheard
  if (s->muet) return SON_OK;
  if (pos) alListener3f(AL_POSITION, s->auditeur.x, s->auditeur.y, s->auditeur.z);
  if (vel) {
    Vec v = depuis_api(*vel);
    alListener3f(AL_VELOCITY, v.x, v.y, v.z);
  }
  if (avant) {
    Vec a = depuis_api(*avant), u = depuis_api(*haut);
    const ALfloat ori[6] = {a.x, a.y, a.z, u.x, u.y, u.z};
    alListenerfv(AL_ORIENTATION, ori);
  }
  return SON_OK;
}

int son_systeme_set_taille_monde(HSysteme h, float taille) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!(taille > 0.0f) || !std::isfinite(taille)) return SON_ERR_PARAMETRE;
  s->taille_monde = taille;
  return SON_OK;
}

int son_systeme_hrtf_active(HSysteme h, bool* active) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!active) return SON_ERR_PARAMETRE;
  *active = s->hrtf;
  return SON_OK;
}

int son_systeme_sortie_nulle(HSysteme h, bool* nulle) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!nulle) return SON_ERR_PARAMETRE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  *nulle = s->nulle || s->muet;
  return SON_OK;
}

int son_systeme_ferme(HSysteme h) {
  std::unique_lock<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  ferme_systeme(*s, l);
  return SON_OK;
}

int son_systeme_libere(HSysteme h) {
  std::unique_lock<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  ferme_systeme(*s, l);
  g_systemes[h.index].reset();
  return SON_OK;
}
