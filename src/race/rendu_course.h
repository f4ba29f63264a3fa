// Drawing of a race frame: the scene, the overlays, and the lone loading message. None of them
// presents the frame except `message`.
#pragma once

// The start of every scene frame: frame count, clear, camera, frustum, the circuit.
void debut_scene();
// The plants, the ships and the bonuses in view, after debut_scene.
void dessine_objets_scene();
void RenderClean();
void RenderInfos();
void message(const char* texte);
