// config.cfg of any content through every reader of start-up, into values the game can use.
#include <allegro.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/config.h"
#include "common/globals.h"

// Allegro's configuration functions with no system driver, reading text as the game does.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  textes_octet_par_octet();
  install_allegro(SYSTEM_NONE, &errno, atexit);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > INT_MAX) return 0;
  set_config_data(reinterpret_cast<const char*>(data), static_cast<int>(size));
  FORCE_SCREEN = 0;
  lit_config_ecran();
  lit_config_volumes();
  lit_config_touches();
  lit_config_type_controle();
  init_globales();
  lit_nom_joueur();
  const auto termine = [](const char* nom) { return std::memchr(nom, '\0', TAILLE_NOM) != nullptr; };
  char nom[TAILLE_NOM];
  for (int k = 0; k <= 6; k++) {
    lit_nom_cpu(k, nom);
    if (!termine(nom)) std::abort();
  }
  if (!termine(NOM_JOUEUR) || !termine(LANG) || RESOL < 0 || RESOL > NB_TYPE_RESOL) std::abort();
  if ((LANGUAGE != 0 && LANGUAGE != 1) || TYPE_JEU < 0 || TYPE_JEU > 2) std::abort();
  return 0;
}
