// The sound bank: the system start-up in the game's order, the twelve effects, and the shutdown.
#include "audio/son.h"

HSysteme g_SystemeSon;
int result = SON_OK;
HSon sound;
HCanal channel;

HSon SON_BOUTON, SON_CLICK, SON_MOTEUR, SON_MISSILE, SON_EXPLOSION, SON_CHOC, SON_BONUS, SON_BOOST, SON_SLIDE,
    SON_CHRONO, SON_DEPART, SON_PRET;
HSon SON_MUSIQUE;
HCanal channel_SON_MUSIQUE;
char FICHIER_MUSIQUE[32] = "";

namespace {

constexpr unsigned MODE_2D = SON_MODE_DEFAUT;
constexpr unsigned MODE_3D = SON_MODE_3D | SON_MODE_LOGICIEL;

struct EffetBanque {
  HSon* son;
  const char* fichier;
  unsigned mode;
  float min, max;
  bool boucle;
};

// Load order; release runs it backwards.
const EffetBanque k_banque[] = {
    {&SON_BOUTON, "./sons/bouton.wav", MODE_2D, 0, 0, false},
    {&SON_CLICK, "./sons/CLICK.WAV", MODE_2D, 0, 0, false},
    {&SON_MOTEUR, "./sons/vaisseau.wav", MODE_3D, 30, 100, true},
    {&SON_MISSILE, "./sons/missile.wav", MODE_3D, 30, 100, true},
    {&SON_EXPLOSION, "./sons/explode.wav", MODE_3D, 60, 180, false},
    {&SON_CHOC, "./sons/choc.wav", MODE_3D, 20, 50, false},
    {&SON_BONUS, "./sons/bonus.wav", MODE_3D, 30, 60, false},
    {&SON_BOOST, "./sons/boost.wav", MODE_3D, 15, 40, true},
    {&SON_SLIDE, "./sons/slide.wav", MODE_3D, 5, 20, true},
    {&SON_CHRONO, "./sons/chrono.wav", MODE_2D, 0, 0, false},
    {&SON_DEPART, "./sons/depart.wav", MODE_2D, 0, 0, false},
    {&SON_PRET, "./sons/pret.wav", MODE_2D, 0, 0, false},
};

const char* raison(int r) {
  switch (r) {
    case SON_ERR_FICHIER_INTROUVABLE:
      return "missing or unreadable";
    case SON_ERR_FORMAT:
      return "not a sound the game can read";
    default:
      return "the sound system refused it";
  }
}

}  // namespace

bool verifie_version_son(unsigned version, std::FILE* sortie) {
  if (version >= SON_VERSION_REQUISE) return true;
  std::fprintf(sortie, "Error!  You are using an old version of the sound layer %08x.  This program requires %08x\n",
               version, SON_VERSION_REQUISE);
  return false;
}

int Init_son() {
  result = son_systeme_cree(&g_SystemeSon);
  unsigned version = 0;
  result = son_systeme_version(g_SystemeSon, &version);
  if (!verifie_version_son(version, stdout)) return result;

  unsigned caps = 0;
  int mode_hp = SON_HP_STEREO;
  result = son_systeme_caps_pilote(g_SystemeSon, 0, &caps, &mode_hp);
  result = son_systeme_set_mode_hp(g_SystemeSon, mode_hp);
  if (caps & SON_CAPS_EMULATION) result = son_systeme_set_tampon(g_SystemeSon, 1024, 10);

  result = son_systeme_init(g_SystemeSon, 100, SON_INIT_OCCLUSION | SON_INIT_HRTF);
  if (result == SON_ERR_TAMPON_SORTIE) {
    // The speaker mode was refused: plain stereo, no extras.
    result = son_systeme_set_mode_hp(g_SystemeSon, SON_HP_STEREO);
    result = son_systeme_init(g_SystemeSon, 100, SON_INIT_NORMAL);
  }
  result = son_systeme_set_reverb_ambiante(g_SystemeSon, &SON_REVERB_CARPETEDHALLWAY);
  return result;
}

void Charge_sons(std::FILE* erreurs) {
  int echec = SON_OK;
  for (const EffetBanque& e : k_banque) {
    const int r = son_cree_son(g_SystemeSon, e.fichier, e.mode, e.son);
    if (r != SON_OK) {
      // Only this effect stays silent: its plays fail and their callers skip them.
      *e.son = HSon{};
      if (echec == SON_OK) echec = r;
      if (erreurs) std::fprintf(erreurs, "veltra: sound %s not loaded (%s), it stays silent\n", e.fichier, raison(r));
      continue;
    }
    if (e.mode & SON_MODE_3D) son_son_set_distances_3d(*e.son, e.min, e.max);
    if (e.boucle) son_son_set_mode(*e.son, SON_MODE_BOUCLE);
  }
  result = echec;
}

void Delete_sons() {
  for (size_t i = sizeof k_banque / sizeof k_banque[0]; i-- > 0;) {
    HSon& h = *k_banque[i].son;
    // Effects that never loaded are skipped, so one missing file does not keep the rest in memory.
    if (son_handle_vide(h)) continue;
    result = son_son_libere(h);
    if (result != SON_OK) return;
    h = HSon{};
  }
}

int Ferme_son() {
  result = son_systeme_ferme(g_SystemeSon);
  return result;
}

int Libere_son() {
  result = son_systeme_libere(g_SystemeSon);
  if (result == SON_OK) g_SystemeSon = HSysteme{};
  return result;
}
