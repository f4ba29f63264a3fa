// Debug line store: segments gathered while building (node cubes) and drawn on demand.
#pragma once

#include <vector>

#include "math/vector.h"

class CDebug {
 public:
  void AddDebugLine(CVector3 a, CVector3 b);
  // The twelve edges of the box of these full dimensions around centre.
  void AddDebugRectangle(CVector3 centre, float width, float height, float depth);
  // Draws every segment as a yellow line (needs a GL context).
  void RenderDebugLines() const;
  void Clear();

  const std::vector<CVector3>& Lines() const { return m_vLines; }  // read in pairs

 private:
  std::vector<CVector3> m_vLines;
};

extern CDebug g_Debug;
extern bool g_bDisplayNodes;
