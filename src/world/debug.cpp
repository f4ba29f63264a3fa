// Debug segments: gathered without OpenGL, drawn as yellow lines when asked.
#include "world/debug.h"

#include <GL/gl.h>

#include <cstddef>

#include "common/globals.h"

CDebug g_Debug;
bool g_bDisplayNodes = false;

void CDebug::AddDebugLine(CVector3 a, CVector3 b) {
  m_vLines.push_back(a);
  m_vLines.push_back(b);
}

void CDebug::AddDebugRectangle(CVector3 c, float width, float height, float depth) {
  const float w = width / 2, h = height / 2, d = depth / 2;
  const CVector3 hautAvantG(c.x - w, c.y + h, c.z + d), hautAvantD(c.x + w, c.y + h, c.z + d);
  const CVector3 hautArriereG(c.x - w, c.y + h, c.z - d), hautArriereD(c.x + w, c.y + h, c.z - d);
  const CVector3 basAvantG(c.x - w, c.y - h, c.z + d), basAvantD(c.x + w, c.y - h, c.z + d);
  const CVector3 basArriereG(c.x - w, c.y - h, c.z - d), basArriereD(c.x + w, c.y - h, c.z - d);
  AddDebugLine(hautAvantG, hautAvantD);
  AddDebugLine(hautAvantD, hautArriereD);
  AddDebugLine(hautArriereD, hautArriereG);
  AddDebugLine(hautArriereG, hautAvantG);
  AddDebugLine(basAvantG, basAvantD);
  AddDebugLine(basAvantD, basArriereD);
  AddDebugLine(basArriereD, basArriereG);
  AddDebugLine(basArriereG, basAvantG);
  AddDebugLine(hautAvantG, basAvantG);
  AddDebugLine(hautAvantD, basAvantD);
  AddDebugLine(hautArriereG, basArriereG);
  AddDebugLine(hautArriereD, basArriereD);
}

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

void CDebug::Clear() { m_vLines.clear(); }
