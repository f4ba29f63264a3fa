// Private state of the sound layer, shared by its source files only. Everything here is reached
// under son_verrou(); the streaming thread takes the same lock.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/efx.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/son_api.h"
#include "audio/son_decodeur.h"
#include "audio/son_efx.h"

namespace son_detail {

constexpr int NB_TAMPONS_FLUX = 6;  // about 0.56 s of music queued ahead
constexpr int TRAMES_TAMPON_FLUX = 4096;

// Position in OpenAL's right-handed frame (the game's world frame).
struct Vec {
  float x = 0, y = 0, z = 0;
};

struct Son {
  uint32_t serie = 0;  // 0: free slot
  bool flux = false;
  unsigned mode = 0;
  float min_dist = 1.0f, max_dist = 10000.0f;
  int frequence = 44100;
  int nb_canaux_audio = 1;
  double duree = 0.0;
  ALuint tampon = 0;                       // whole sound
  std::unique_ptr<CDecodeurSon> decodeur;  // streams
  ALuint tampons_flux[NB_TAMPONS_FLUX] = {};
  int canal_flux = -1;  // the channel playing this stream, or -1
};

struct Canal {
  uint32_t serie = 0;  // 0: free
  ALuint source = 0;
  ALuint filtre_direct = 0, filtre_envoi = 0;
  int son = -1;
  bool en_pause = false;
  bool est_3d = false;
  bool flux = false;
  bool flux_fini = false;  // stream decoded to its end
  float frequence_base = 44100.0f;
  float gain_direct = 1.0f, gain_reverb = 1.0f;  // occlusion applied last
  uint64_t ordre = 0;                            // start order, for stealing the oldest
  Vec pos;
  float pitch = 1.0f;  // ratio to the sound's own rate
  // The silent mode's own clock: seconds of the sound played before `depuis`, and whether it
  // ends at all (a looping sound never does).
  bool boucle = false;
  double duree = 0.0, position = 0.0;
  std::chrono::steady_clock::time_point depuis;
};

struct Reverb {
  uint32_t serie = 0;
  bool active = true;
  Vec pos;
  float min_dist = 0.0f, max_dist = 0.0f;
  ProprietesEfx prop;
};

struct Polygone {
  float directe = 0, reverb = 0;
  bool double_face = true;
  Vec normale;
  float d = 0;
  Vec bmin, bmax;
  std::vector<Vec> sommets;
};

struct Geometrie {
  uint32_t serie = 0;
  int max_polygones = 0, max_sommets = 0, nb_sommets = 0;
  std::vector<Polygone> polygones;
  // Bounding-volume tree over the polygons, rebuilt when polygons were added.
  struct Noeud {
    Vec bmin, bmax;
    int gauche = -1, droite = -1, debut = 0, nb = 0;
  };
  std::vector<Noeud> arbre;
  std::vector<int> ordre;
  bool arbre_sale = true;
};

struct Systeme {
  Systeme() = default;
  Systeme(const Systeme&) = delete;
  Systeme& operator=(const Systeme&) = delete;
  // A program that exits without releasing its system must not die on running threads.
  ~Systeme() {
    arret = true;
    arret_nul = true;
    reveil.notify_all();
    if (fil_flux.joinable()) fil_flux.join();
    if (fil_nul.joinable()) fil_nul.join();
  }
  uint32_t serie = 0;
  bool initialise = false;
  int sortie = SON_SORTIE_AUTO;
  int mode_hp = SON_HP_STEREO;
  unsigned tampon_longueur = 0;
  int tampon_nombre = 0;
  unsigned drapeaux = 0;
  float taille_monde = 1000.0f;

  ALCdevice* device = nullptr;
  ALCcontext* contexte = nullptr;
  bool nulle = false;
  bool rendu = false;  // mixed on request by son_systeme_rendu
  bool muet = false;   // the silent mode: no device, no context, no OpenAL call
  bool sortie_refusee = false;  // the last init was refused its output with these settings
  bool hrtf = false;
  int frequence_sortie = 44100;
  int canaux_sortie = 2;

  std::thread fil_nul;   // mixes the null output at the pace of the clock
  std::thread fil_flux;  // feeds the streams
  std::condition_variable reveil;
  std::atomic<bool> arret{false};
  std::atomic<bool> arret_nul{false};

  std::vector<Son> sons;
  std::vector<Canal> canaux;
  std::vector<Reverb> reverbs;
  std::vector<Geometrie> geometries;
  uint64_t ordre_suivant = 1;

  ALuint slot = 0, effet = 0;
  bool efx_ok = false;
  ProprietesEfx ambiante;
  ProprietesEfx appliquee;
  bool reverb_appliquee = false;

  Vec auditeur;
};

std::mutex& son_verrou();
uint32_t nouvelle_serie();
Systeme* systeme(HSysteme h);  // any created system
Systeme* systeme_actif();      // the initialised system, or null

template <class T>
T* trouve(std::vector<T>& table, uint32_t index, uint32_t serie) {
  if (serie == 0 || index >= table.size() || table[index].serie != serie) return nullptr;
  return &table[index];
}

template <class T>
uint32_t place_libre(std::vector<T>& table) {
  for (uint32_t i = 0; i < table.size(); ++i)
    if (table[i].serie == 0) return i;
  table.emplace_back();
  return static_cast<uint32_t>(table.size() - 1);
}

inline Vec depuis_api(const SonVecteur& v) { return Vec{v.x, v.y, -v.z}; }

// Channels (son_canaux.cpp).
void libere_canal(Systeme& s, int index);
bool canal_termine(Systeme& s, Canal& c);  // frees it when its sound has ended
void libere_canaux_du_son(Systeme& s, int son);
// Streams (son_flux.cpp).
void demarre_flux(Systeme& s, Canal& c, Son& son);
void fil_flux(Systeme* s);
// Sounds (son_sons.cpp).
void libere_son(Systeme& s, int index);
// Reverb (son_reverb.cpp).
void init_reverb(Systeme& s);
void met_a_jour_reverb(Systeme& s);
void ferme_reverb(Systeme& s);
// Occlusion (son_geometrie.cpp): products of (1 - factor) on the path listener -> point.
void occlusion(Systeme& s, const Vec& depuis, const Vec& vers, float* directe, float* reverb);

}  // namespace son_detail
