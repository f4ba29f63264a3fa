// The game's sound layer: one system, sounds and streams, 100 virtual channels, a 3D listener,
// ambient reverb and reverb zones, occlusion polygons. Built on OpenAL Soft (+ EFX), libsndfile and
// libopenmpt. Every call returns a result code, SON_OK (0) on success; a null or stale handle gives
// SON_ERR_HANDLE_INVALIDE and never touches freed memory.
//
//   HSysteme sys;
//   son_systeme_cree(&sys);
//   son_systeme_init(sys, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF);
//   HSon s; son_cree_son(sys, "./sons/choc.wav", SON_MODE_3D | SON_MODE_LOGICIEL, &s);
//   HCanal c; son_joue(sys, s, false, &c);
//   son_canal_set_3d(c, &pos, &vel);   // left-handed vectors: the game's z negated
//   son_systeme_update(sys);            // once per step, after the listener moved
//
// Vectors given to the layer are left-handed (z negated relative to the game's world); the layer
// turns them back for OpenAL. Calls may come from any thread: the layer locks internally.
#pragma once

#include <cstdint>

// Result codes. SON_ERR_TAMPON_SORTIE keeps the value callers test to retry in stereo.
enum {
  SON_OK = 0,
  SON_ERR_HANDLE_INVALIDE = 1,  // null, released or stale handle
  SON_ERR_PARAMETRE = 2,        // bad argument (null pointer, out of range, not a number)
  SON_ERR_FICHIER_INTROUVABLE = 3,
  SON_ERR_FORMAT = 4,          // the file is not a sound the layer can decode
  SON_ERR_NON_INITIALISE = 5,  // the system has not been initialised (or was closed)
  SON_ERR_DEJA_INITIALISE = 6,
  SON_ERR_BESOIN_3D = 7,      // a 3D call on a 2D channel
  SON_ERR_PLUS_DE_PLACE = 8,  // geometry full
  SON_ERR_PERIPHERIQUE = 10,  // OpenAL refused an operation
  SON_ERR_PRESET_INCONNU = 11,
  SON_ERR_TAMPON_SORTIE = 56,  // the output buffer cannot be created with these settings
};

// Version of this layer (major.minor.patch in bytes 2..0).
constexpr unsigned SON_VERSION = 0x00050100;

// Sound modes (bit flags). Loop flags replace each other, as do 2D and 3D.
enum : unsigned {
  SON_MODE_DEFAUT = 0x00,
  SON_MODE_BOUCLE_OFF = 0x01,
  SON_MODE_BOUCLE = 0x02,
  SON_MODE_2D = 0x08,
  SON_MODE_3D = 0x10,
  SON_MODE_LOGICIEL = 0x40,  // accepted and ignored: all mixing is done in software
};

// The mode of a sound after `nouveau` is applied over `ancien` (what creating a sound over the
// default 2D, non-looping mode and son_son_set_mode do).
unsigned son_mode_combine(unsigned ancien, unsigned nouveau);

// Init flags.
enum : unsigned {
  SON_INIT_NORMAL = 0x00,
  SON_INIT_OCCLUSION = 0x08,  // occlusion geometry is tested on update
  SON_INIT_HRTF = 0x10,       // head-related filtering, where the device offers it
};

// Driver capabilities.
enum : unsigned {
  SON_CAPS_AUCUNE = 0x00,
  SON_CAPS_EMULATION = 0x02,  // no real output: the null output stands in
};

// Speaker modes.
enum {
  SON_HP_BRUT = 0,
  SON_HP_MONO = 1,
  SON_HP_STEREO = 2,
  SON_HP_QUAD = 3,
  SON_HP_SURROUND = 4,
  SON_HP_5_1 = 5,
  SON_HP_7_1 = 6,
};

// Output choice, before init.
enum {
  SON_SORTIE_AUTO = 0,    // the default device, or the null output when none opens
  SON_SORTIE_NULLE = 1,   // always the null output (silent; time runs as with a device)
  SON_SORTIE_RENDU = 2,   // mixed only when asked (son_systeme_rendu): offline capture, no clock
  SON_SORTIE_MUETTE = 3,  // no OpenAL at all: the silent mode (below), as when nothing opens
};
// The silent mode: when neither a device nor the null output can be opened (or when asked for),
// init still succeeds and so does every later call. Nothing is mixed; channels keep their state
// (pause, frequency, position) and a sound that does not loop ends after its length, by the clock.

// Handles: an index and a serial that is never reused, so a released object's handle stays stale.
struct HSysteme {
  uint32_t index = 0, serie = 0;
};
struct HSon {
  uint32_t index = 0, serie = 0;
};
struct HCanal {
  uint32_t index = 0, serie = 0;
};
struct HReverb {
  uint32_t index = 0, serie = 0;
};
struct HGeometrie {
  uint32_t index = 0, serie = 0;
};

template <class H>
inline bool son_handle_vide(H h) {
  return h.serie == 0;
}

struct SonVecteur {
  float x, y, z;
};

// Reverb properties in the classic environmental-audio units: levels in millibels, times in
// seconds, environment size in metres, diffusion and density in percent.
struct SonProprietesReverb {
  int instance;
  int environnement;
  float taille_env;
  float diffusion_env;
  int piece, piece_hf, piece_lf;
  float duree_decroissance, rapport_hf_decroissance, rapport_lf_decroissance;
  int reflexions;
  float delai_reflexions;
  float pan_reflexions[3];
  int reverb;
  float delai_reverb;
  float pan_reverb[3];
  float duree_echo, profondeur_echo;
  float duree_modulation, profondeur_modulation;
  float absorption_air_hf;
  float reference_hf, reference_lf;
  float facteur_attenuation_piece;
  float diffusion, densite;
  unsigned drapeaux;
};

// Reverb off: no wet signal.
extern const SonProprietesReverb SON_REVERB_AUCUNE;
// Carpeted hallway, the game's ambient.
extern const SonProprietesReverb SON_REVERB_CARPETEDHALLWAY;

// System.
int son_systeme_cree(HSysteme* sys);
int son_systeme_version(HSysteme sys, unsigned* version);
int son_systeme_set_sortie(HSysteme sys, int sortie);
int son_systeme_caps_pilote(HSysteme sys, int pilote, unsigned* caps, int* mode_hp_panneau);
int son_systeme_set_mode_hp(HSysteme sys, int mode_hp);
int son_systeme_set_tampon(HSysteme sys, unsigned longueur, int nombre);
int son_systeme_init(HSysteme sys, int nb_canaux, unsigned drapeaux);
int son_systeme_set_reverb_ambiante(HSysteme sys, const SonProprietesReverb* prop);
int son_systeme_set_auditeur(HSysteme sys, int auditeur, const SonVecteur* pos, const SonVecteur* vel,
                             const SonVecteur* avant, const SonVecteur* haut);
int son_systeme_update(HSysteme sys);
int son_systeme_set_taille_monde(HSysteme sys, float taille);
int son_systeme_ferme(HSysteme sys);   // releases every object; the handle stays for init or release
int son_systeme_libere(HSysteme sys);  // closes when needed, then frees the handle
int son_systeme_hrtf_active(HSysteme sys, bool* active);
int son_systeme_sortie_nulle(HSysteme sys, bool* nulle);  // true on the null output or in the silent mode
// Render output only: mixes the next `trames` frames, stereo interleaved floats at
// SON_FREQUENCE_RENDU, into `sortie`. Nothing plays between two calls: sounds advance exactly by
// what was rendered, so a capture follows the caller's steps and not the clock.
constexpr int SON_FREQUENCE_RENDU = 44100;
int son_systeme_rendu(HSysteme sys, float* sortie, int trames);

// Sounds and streams.
int son_cree_son(HSysteme sys, const char* fichier, unsigned mode, HSon* son);
int son_cree_flux(HSysteme sys, const char* fichier, unsigned mode, HSon* son);
int son_son_set_mode(HSon son, unsigned mode);
int son_son_get_mode(HSon son, unsigned* mode);
int son_son_set_distances_3d(HSon son, float min, float max);
int son_son_get_distances_3d(HSon son, float* min, float* max);
int son_son_duree(HSon son, double* secondes);  // length of one pass; streams of modules: estimate
int son_son_libere(HSon son);

// Channels.
int son_joue(HSysteme sys, HSon son, bool en_pause, HCanal* canal);
int son_canal_set_volume(HCanal canal, float volume);
int son_canal_set_pause(HCanal canal, bool pause);
int son_canal_get_pause(HCanal canal, bool* pause);
int son_canal_en_cours(HCanal canal, bool* en_cours);
int son_canal_stop(HCanal canal);
int son_canal_get_frequence(HCanal canal, float* frequence);
int son_canal_set_frequence(HCanal canal, float frequence);
int son_canal_set_3d(HCanal canal, const SonVecteur* pos, const SonVecteur* vel);
int son_systeme_canaux_joues(HSysteme sys, int* nb);

// Reverb zones: a sphere at a position, full inside min, fading to the ambient at max.
int son_reverb_cree(HSysteme sys, HReverb* reverb);
int son_reverb_set_3d(HReverb reverb, const SonVecteur* pos, float min, float max);
// Presets by their standard names: BATHROOM, STONEROOM, CAVE, HANGAR, SEWERPIPE, STONECORRIDOR,
// CARPETEDHALLWAY, HALLWAY, GENERIC and a few outdoor ones (son_efx.cpp has the list).
int son_reverb_set_preset(HReverb reverb, const char* nom);
int son_reverb_set_active(HReverb reverb, bool active);
int son_reverb_libere(HReverb reverb);

// Occlusion geometry.
int son_geometrie_cree(HSysteme sys, int max_polygones, int max_sommets, HGeometrie* geo);
int son_geometrie_ajoute_polygone(HGeometrie geo, float occlusion_directe, float occlusion_reverb, bool double_face,
                                  int nb_sommets, const SonVecteur* sommets, int* index);
int son_geometrie_libere(HGeometrie geo);
