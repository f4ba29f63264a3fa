// Drawing of the three editing modes: the circuit in the free camera with markers and labels for
// the edited objects. The caller flushes and presents.
#pragma once

class CObjetDeco;

void RenderScene_traj();
void RenderScene_deco();
void RenderScene_Occlu();
// Text panel of the sound-environment mode.
void Occlu_Infos();
// A translucent sphere with three outline circles at the current origin.
void DrawSphere(float rayon, int r, int g, int b);
// Coordinates of the current decoration, in front of the eye.
void AffCoord(const CObjetDeco* d, int nb);
