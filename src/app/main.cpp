// Entry point of the game.
#include <allegro.h>

#include <cstdio>

#include "app/demarrage.h"

int main(int argc, char** argv) {
  if (!va_dossier_programme()) std::fprintf(stderr, "veltra: cannot enter the program's folder\n");
  return lance_jeu(argc, argv);
}
END_OF_MAIN()
