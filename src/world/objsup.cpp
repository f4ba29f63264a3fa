// How a placed model lays its objects over the scene.
#include "world/objsup.h"

#include "world/surfaces.h"

FusionOeil fusion_oeil(const t3DObject& o) {
  return o.surfaceType == SURFACE_BRILLANTE ? FusionOeil::additive : FusionOeil::opaque;
}
