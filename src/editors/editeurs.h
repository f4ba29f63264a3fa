// The editing modes entered from a race: FIN_EDITEUR_TRAJ racing line (F10), FIN_EDITEUR_DECO
// decorations (F11), FIN_EDITEUR_SON sound environment (F12), the codes the race loop ends with.
// Each runs until Escape, on the circuit the race left loaded.
#pragma once

#include "race/boucle.h"

void lance_editeur(int mode);
// Sound-environment mode with nothing loaded yet: the circuit's elements, for editing.
void prepare_editeur_effetSon();
