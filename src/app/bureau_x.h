// The "Desktop" screen mode: a borderless window over the whole desktop, which needs no mode
// switch from the display.
#pragma once

// Takes the frame off the game's (already open) window and places it over the desktop, at
// (0, 0) and LARGEUR x HAUTEUR.
void fenetre_couvre_bureau(int largeur, int hauteur);
