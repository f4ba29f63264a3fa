// The shape of the view: how wide the picture is at depth 1 for the window's size, and where
// things laid out for a 4:3 window go on a wider or narrower one.
#pragma once

// Half-width of the view at depth 1 (its height is -1..1): the window's width over its height,
// except that a 4:3 window keeps the 1.33 the game was drawn for.
double demi_largeur_vue(int largeur, int hauteur);
// The same for the current window (SCREEN_WIDTH x SCREEN_HEIGHT).
double demi_largeur_vue();

// How far a point placed for a 4:3 window at eye depth Z (negative in front of the camera) moves
// along x to keep its distance to the right edge of the current window; its negative keeps the
// distance to the left edge. 0 in a 4:3 window.
float ecart_bord_droit(float z);
inline float ecart_bord_gauche(float z) { return -ecart_bord_droit(z); }

// The same for a solid thing, as a shift of the whole picture (in units of half the window's
// width) that keeps it seen from the very angle it is seen from in a 4:3 window: moved in eye
// space instead, a tilted model near the edge of a wide window would be seen from the side.
// Towards the left edge; 0 in a 4:3 window.
float decalage_image_gauche();

// Factor (1 or more) by which something centred at eye depth Z and HALF_WIDTH wide on each side
// must be pushed away (x, y and z multiplied together, so it keeps its place on the screen) to fit
// within the central MARGIN share of the current window's width.
float recul_pour_largeur(float demi_largeur, float z, float marge = 0.95f);

// The window size of a listed entry of tab_resol; false for "User", "Desktop" and any other index.
bool taille_de_resol(int resol, int* largeur, int* hauteur);
// The desktop's size (Allegro must be started); false when the system cannot tell.
bool taille_bureau(int* largeur, int* hauteur);
