// Display lists of model objects: the faces of an object compiled once, on first drawing, and
// replayed afterwards, so that a decoration, a ship or a bonus costs one call a frame instead of
// three per vertex.
//
//   if (!appelle_liste_objet(o, uv)) { ...immediate drawing... }
//   ...
//   oublie_listes_modele(model);  // before the model's objects are freed
//
// Drawing side only (listes_objets_rendu.cpp). A list holds the geometry only (normals, texture coordinates when asked, vertices, in face
// order); colour, texture and blending are set by the caller around it.
#pragma once

#include "world/modele3d.h"

// Draws the faces of `o` through its list, compiling it the first time. False, drawing nothing,
// when there is no GL context or the object cannot be drawn the same way from arrays (an index
// out of range, or normals or texture coordinates missing for some vertex): the caller then draws
// it immediately, as before. VELTRA_SANS_LISTES=1 in the environment makes it always false.
bool appelle_liste_objet(const t3DObject& o, bool uv);

// Deletes the lists of the objects of `model` (its objects are about to be freed or replaced).
void oublie_listes_modele(const t3DModel& model);
// Deletes every list (shutdown).
void oublie_toutes_listes();
