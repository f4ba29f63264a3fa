// The frustum of the current OpenGL matrices.
#include <GL/gl.h>

#include "math/frustum.h"

void CFrustum::CalculateFrustum() {
  float proj[16], modl[16];
  glGetFloatv(GL_PROJECTION_MATRIX, proj);
  glGetFloatv(GL_MODELVIEW_MATRIX, modl);
  CalculateFrustum(proj, modl);
}
