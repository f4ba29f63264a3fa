// Start-up and shutdown sequences of the game, in their fixed order.
#include "app/demarrage.h"

#include <allegro.h>
#include <alleggl.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/config.h"
#include "app/ecran.h"
#include "audio/son.h"
#include "common/globals.h"
#include "math/degres.h"
#include "ui/controle.h"

namespace {

volatile int fermeture_demandee = 0;
void clic_fermeture() { fermeture_demandee = 1; }
END_OF_FUNCTION(clic_fermeture)

int nombre_decimal(const char* texte) { return static_cast<int>(std::strtol(texte, nullptr, 10)); }

// Until the main menu takes over: the cleared window, paced like every other loop, left on
// Escape or the window's close button.
void attente_echap() {
  LOCK_FUNCTION(clic_fermeture);
  set_close_button_callback(clic_fermeture);
  for (;;) {
    if (game_time < 2) {
      rest(1);
      continue;
    }
    game_time = 0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    allegro_gl_flip();
    if (key[KEY_ESC] || fermeture_demandee) break;
  }
  set_close_button_callback(nullptr);
}

}  // namespace

bool va_dossier_programme() {
  char chemin[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
  if (n <= 0) return false;
  chemin[n] = '\0';
  std::string dossier(chemin);
  const size_t barre = dossier.rfind('/');
  if (barre == std::string::npos) return false;
  dossier.resize(barre == 0 ? 1 : barre);
  return chdir(dossier.c_str()) == 0;
}

void lit_ligne_commande(int argc, char** argv) {
  if (argc == 3) {
    SUPER_SCREEN_WIDTH = nombre_decimal(argv[1]);
    SUPER_SCREEN_HEIGHT = nombre_decimal(argv[2]);
    FORCE_SCREEN = 1;
  }
}

int lance_jeu(int argc, char** argv) {
  lit_ligne_commande(argc, argv);

  // Without a screen there is nothing to play on: stop after the message box.
  if (Init_alleggl() != 1) {
    allegro_exit();
    return 1;
  }
  Init_son();  // without sound the game goes on silently
  lit_config_volumes();
  Charge_sons();
  lit_config_touches();
  cree_controle(lit_config_type_controle());
  init_globales();
  init_cosin();
  lit_nom_joueur();

  attente_echap();

  ecrit_type_jeu();
  delete controle;
  controle = nullptr;
  Delete_sons();
  if (Ferme_son() != SON_OK) return 1;
  if (Libere_son() != SON_OK) return 1;
  deInit();
  return 0;
}
