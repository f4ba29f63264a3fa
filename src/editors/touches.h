// Keyboard reading of the editing modes: held keys act on every step, "once" keys act on the step
// they go down. Read straight from Allegro's key state, so tests drive them by setting key[].
#pragma once

// Whether the key is down.
bool touche(int k);
// True on the first step a key is down; it must be released before it acts again.
bool touche_une_fois(int k);
bool shift_tenu();
bool ctrl_tenu();
// Remembers this step's key state; the command handlers call it once at the end of their step.
void touches_fin_pas();
// Forgets which keys were down (a key still held when a mode starts does not act).
void touches_reinit();
