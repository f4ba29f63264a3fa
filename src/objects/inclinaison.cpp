// How a drawn ship leans on sloping ground.
#include "objects/inclinaison.h"

#include <cmath>

namespace {

float degres_inclinaison(float c) {
  c = c > 1 ? 1 : (c < -1 ? -1 : c);
  return static_cast<float>(static_cast<int>(std::asin(c) * 57.2957));
}

}  // namespace

// The turn about z takes up (0, 1, 0) to (-sin z, cos z, 0): asin(-n.x) brings its x onto n.x.
Inclinaison inclinaison_sol(CVector3 n) { return {degres_inclinaison(-n.x), degres_inclinaison(n.z)}; }
