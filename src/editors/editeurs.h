// The editing modes entered from a race: 2 racing line (F10), 3 decorations (F11), 4 sound
// environment (F12). Each runs until Escape and returns 0.
#pragma once

int lance_editeur(int mode);
// Sound-environment mode with nothing loaded yet: the circuit's elements, for editing.
void prepare_editeur_effetSon();
