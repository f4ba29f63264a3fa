// Drawing of the debug segments as yellow lines.
#include <GL/gl.h>

#include <cstddef>

#include "common/globals.h"
#include "world/debug.h"

void CDebug::RenderDebugLines() const {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glBegin(GL_LINES);
  glColor3ub(255, 255, 0);
  for (size_t i = 0; i + 1 < m_vLines.size(); i += 2) {
    glVertex3f(m_vLines[i].x, m_vLines[i].y, m_vLines[i].z);
    glVertex3f(m_vLines[i + 1].x, m_vLines[i + 1].y, m_vLines[i + 1].z);
  }
  glEnd();
  if (g_bLighting) glEnable(GL_LIGHTING);
}
