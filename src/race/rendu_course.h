// Drawing of a race frame: the scene, the overlays, and the lone loading message. None of them
// presents the frame except `message`.
#pragma once

void RenderClean();
void RenderInfos();
void message(const char* texte);
