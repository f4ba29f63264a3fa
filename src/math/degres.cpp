// Degree tables and their wrapping look-ups.
#include "math/degres.h"

#include <cmath>

float cosin[2][361];

void init_cosin() {
  for (int i = 0; i <= 360; i++) {
    const float x = static_cast<float>(i * 0.017453292519943);
    cosin[0][i] = static_cast<float>(std::cos(x));
    cosin[1][i] = static_cast<float>(std::sin(x));
  }
}

namespace {
// Whole turns are removed in one step; the result equals the repeated subtraction or addition
// of 360 that stops as soon as the angle lies in 0..360.
int ramene_angle(int degres) {
  long long a = degres;
  if (a > 360) {
    a -= ((a - 1) / 360) * 360;
  } else if (a < 0) {
    a += ((-a + 359) / 360) * 360;
  }
  return static_cast<int>(a);
}
}  // namespace

float cosinus(int degres) { return cosin[0][ramene_angle(degres)]; }
float sinus(int degres) { return cosin[1][ramene_angle(degres)]; }
