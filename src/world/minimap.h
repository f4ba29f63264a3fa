// The minimap: a small tilted copy of the track surface in a corner of the screen, shaded by
// height, with a dot per ship. Also answers the extent of the track and whether a point is on it.
#pragma once

#include "world/objsup.h"

class CMinimap : public CObjSup {
 public:
  void setColors(int r, int g, int b, int a);
  // Colour gains per unit of height, from the model's highest corner.
  void init();
  void setPositionJoueurs(int i, CVector3 p);
  CVector3 GetPositionJoueur(int i) const { return (i >= 0 && i < 6) ? positionsJoueurs[i] : CVector3(0, 0, 0); }
  // Draws it in front of the eye (minimap_rendu.cpp).
  void renderSpe(tMateriaux* materiaux);
  // Extent of the model in x and z; always includes 0.
  void GetVal(float* minX, float* maxX, float* minZ, float* maxZ) const;
  // Whether (x, z) lies on the track seen from above, and the height there (the first face
  // containing it answers, with the greatest height of its corners).
  bool PointSurPiste(float x, float z, float* y) const;
  // Colour of a corner at height y.
  void couleur(float y, int* r, int* g, int* b) const;

  CVector3 positionsJoueurs[6] = {};
  int rouge = 0, vert = 0, bleu = 0, alpha = 255;
  float facteurRouge = 0, facteurVert = 0, facteurBleu = 0;
  int generation = 0;  // counts changes of colours and model (setColors, init): the drawing remakes its arrays
};

extern CMinimap g_Minimap;

// Placement of the minimap for a circuit: position relative to the eye.
CVector3 position_minimap(int circuit);
