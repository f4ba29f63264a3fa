// Sounds and streams of the sound layer: loading from files, modes, 3D distances, release.
#include <cmath>

#include "audio/son_interne.h"
#include "common/fichier.h"

namespace son_detail {

namespace {

constexpr size_t TAILLE_FICHIER_MAX = 64u << 20;
constexpr int SECONDES_MAX = 600;  // a whole-memory sound longer than this is cut

// Averages the channels into one: OpenAL only places mono sounds in 3D.
std::vector<int16_t> en_mono(const std::vector<int16_t>& pcm, int canaux) {
  std::vector<int16_t> m(pcm.size() / static_cast<size_t>(canaux));
  for (size_t i = 0; i < m.size(); ++i) {
    int somme = 0;
    for (int c = 0; c < canaux; ++c) somme += pcm[i * canaux + c];
    m[i] = static_cast<int16_t>(somme / canaux);
  }
  return m;
}

// A handle or state error is reported before the file is even looked at.
int verifie_systeme(HSysteme h) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  return s->initialise ? SON_OK : SON_ERR_NON_INITIALISE;
}

int lit(HSysteme h, const char* fichier, std::vector<uint8_t>& octets) {
  if (int r = verifie_systeme(h)) return r;
  if (!fichier || !*fichier) return SON_ERR_PARAMETRE;
  if (!lit_fichier(fichier, octets, TAILLE_FICHIER_MAX)) return SON_ERR_FICHIER_INTROUVABLE;
  return SON_OK;
}

Son* son_de(HSon h, Systeme** sys) {
  Systeme* s = systeme_actif();
  if (!s) return nullptr;
  Son* son = trouve(s->sons, h.index, h.serie);
  if (son && sys) *sys = s;
  return son;
}

HSon enregistre(Systeme& s, Son&& son) {
  uint32_t i = place_libre(s.sons);
  s.sons[i] = std::move(son);
  s.sons[i].serie = nouvelle_serie();
  return HSon{i, s.sons[i].serie};
}

}  // namespace

void libere_son(Systeme& s, int index) {
  libere_canaux_du_son(s, index);
  Son& son = s.sons[static_cast<size_t>(index)];
  if (son.tampon) alDeleteBuffers(1, &son.tampon);
  if (son.flux && !s.muet) alDeleteBuffers(NB_TAMPONS_FLUX, son.tampons_flux);
  son = Son{};
}

}  // namespace son_detail

using namespace son_detail;

int son_cree_son(HSysteme h, const char* fichier, unsigned mode, HSon* out) {
  if (!out) return SON_ERR_PARAMETRE;
  *out = HSon{};
  std::vector<uint8_t> octets;
  int r = lit(h, fichier, octets);
  if (r != SON_OK) return r;
  std::vector<int16_t> pcm;
  int frequence = 0, canaux = 0;
  // Decoding happens before taking the lock, so the music never waits for a load.
  if (!decode_tout(std::move(octets), 44100L * SECONDES_MAX, pcm, frequence, canaux)) return SON_ERR_FORMAT;
  const bool en_3d = (mode & SON_MODE_3D) != 0;
  if (canaux > 2 || (en_3d && canaux == 2)) {
    pcm = en_mono(pcm, canaux);
    canaux = 1;
  }
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  Son son;
  son.mode = son_mode_combine(SON_MODE_2D | SON_MODE_BOUCLE_OFF, mode);
  son.frequence = frequence;
  son.nb_canaux_audio = canaux;
  son.duree = static_cast<double>(pcm.size() / static_cast<size_t>(canaux)) / frequence;
  if (s->muet) {  // only the length matters: nothing will be heard
    *out = enregistre(*s, std::move(son));
    return SON_OK;
  }
  alGetError();
  alGenBuffers(1, &son.tampon);
  alBufferData(son.tampon, canaux == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, pcm.data(),
               static_cast<ALsizei>(pcm.size() * sizeof(int16_t)), frequence);
  if (alGetError() != AL_NO_ERROR) {
    alDeleteBuffers(1, &son.tampon);
    return SON_ERR_PERIPHERIQUE;
  }
  *out = enregistre(*s, std::move(son));
  return SON_OK;
}

int son_cree_flux(HSysteme h, const char* fichier, unsigned mode, HSon* out) {
  if (!out) return SON_ERR_PARAMETRE;
  *out = HSon{};
  std::vector<uint8_t> octets;
  int r = lit(h, fichier, octets);
  if (r != SON_OK) return r;
  // A looping module follows its own loop point rather than restarting from its first order.
  auto decodeur = ouvre_decodeur(std::move(octets), (mode & SON_MODE_BOUCLE) != 0);
  if (!decodeur || decodeur->canaux() > 2) return SON_ERR_FORMAT;
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  Son son;
  son.flux = true;
  son.mode = son_mode_combine(SON_MODE_2D | SON_MODE_BOUCLE_OFF, mode);
  son.frequence = decodeur->frequence();
  son.nb_canaux_audio = decodeur->canaux();
  son.duree = decodeur->duree();
  son.decodeur = std::move(decodeur);
  if (s->muet) {
    *out = enregistre(*s, std::move(son));
    return SON_OK;
  }
  alGetError();
  alGenBuffers(NB_TAMPONS_FLUX, son.tampons_flux);
  if (alGetError() != AL_NO_ERROR) return SON_ERR_PERIPHERIQUE;
  *out = enregistre(*s, std::move(son));
  return SON_OK;
}

int son_son_set_mode(HSon h, unsigned mode) {
  std::lock_guard<std::mutex> l(son_verrou());
  Son* son = son_de(h, nullptr);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  unsigned m = son_mode_combine(son->mode, mode);
  // A stereo sound cannot be placed: it stays 2D.
  if ((m & SON_MODE_3D) && son->nb_canaux_audio != 1) return SON_ERR_FORMAT;
  son->mode = m;
  return SON_OK;
}

int son_son_get_mode(HSon h, unsigned* mode) {
  std::lock_guard<std::mutex> l(son_verrou());
  Son* son = son_de(h, nullptr);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  if (!mode) return SON_ERR_PARAMETRE;
  *mode = son->mode;
  return SON_OK;
}

int son_son_set_distances_3d(HSon h, float min, float max) {
  std::lock_guard<std::mutex> l(son_verrou());
  Son* son = son_de(h, nullptr);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  if (!std::isfinite(min) || !std::isfinite(max) || min <= 0.0f || max < min) return SON_ERR_PARAMETRE;
  son->min_dist = min;
  son->max_dist = max;
  return SON_OK;
}

int son_son_get_distances_3d(HSon h, float* min, float* max) {
  std::lock_guard<std::mutex> l(son_verrou());
  Son* son = son_de(h, nullptr);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  if (min) *min = son->min_dist;
  if (max) *max = son->max_dist;
  return SON_OK;
}

int son_son_duree(HSon h, double* secondes) {
  std::lock_guard<std::mutex> l(son_verrou());
  Son* son = son_de(h, nullptr);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  if (!secondes) return SON_ERR_PARAMETRE;
  *secondes = son->duree;
  return SON_OK;
}

int son_son_libere(HSon h) {
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = nullptr;
  Son* son = son_de(h, &s);
  if (!son) return SON_ERR_HANDLE_INVALIDE;
  libere_son(*s, static_cast<int>(h.index));
  return SON_OK;
}
