// Debug segments, gathered while building; debug_rendu.cpp draws them.
#include "world/debug.h"

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

void CDebug::Clear() { m_vLines.clear(); }
