// Edge detection over Allegro's key state.
#include "editors/touches.h"

#include <allegro.h>

namespace {
bool precedent[KEY_MAX];
}

bool touche(int k) { return k > 0 && k < KEY_MAX && key[k]; }

bool touche_une_fois(int k) { return touche(k) && !precedent[k]; }

bool shift_tenu() { return (key_shifts & KB_SHIFT_FLAG) != 0; }
bool ctrl_tenu() { return (key_shifts & KB_CTRL_FLAG) != 0; }

void touches_fin_pas() {
  for (int k = 0; k < KEY_MAX; k++) precedent[k] = key[k] != 0;
}

void touches_reinit() { touches_fin_pas(); }
