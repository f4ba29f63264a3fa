// The minimap's colours, ship dots and track queries; minimap_rendu.cpp draws it.
#include "world/minimap.h"

CMinimap g_Minimap;

CVector3 position_minimap(int circuit) {
  switch (circuit) {
    case 1: return CVector3(-2.2f, -1.85f, -2.0f);
    case 2: return CVector3(-2.1f, -1.8f, -2.0f);
    case 3: return CVector3(-1.85f, -1.65f, -2.0f);
    case 4: return CVector3(-1.9f, -1.8f, -2.0f);
    case 5: return CVector3(-1.4f, -1.8f, -2.0f);
    default: return CVector3(-2.2f, -2.0f, -2.0f);
  }
}

void CMinimap::setColors(int r, int g, int b, int a) {
  generation++;
  rouge = r;
  vert = g;
  bleu = b;
  alpha = a;
}

void CMinimap::init() {
  generation++;
  if (!modele) return;
  float h = 0;
  for (const t3DObject& o : modele->objects) {
    for (const tFace& f : o.faces) {
      for (int v : f.vertexIndex) {
        if (v >= 0 && v < o.vertexCount && o.vertices[v].y > h) h = o.vertices[v].y;
      }
    }
  }
  // A flat map keeps its base colour everywhere.
  if (h <= 0) {
    facteurRouge = facteurVert = facteurBleu = 0;
    return;
  }
  facteurRouge = (255 - rouge) / h;
  facteurVert = (255 - vert) / h;
  facteurBleu = (255 - bleu) / h;
}

void CMinimap::setPositionJoueurs(int i, CVector3 p) {
  if (i >= 0 && i < 6) positionsJoueurs[i] = p;
}

void CMinimap::couleur(float y, int* r, int* g, int* b) const {
  *r = static_cast<int>(y * facteurRouge) + rouge;
  *g = static_cast<int>(y * facteurVert) + vert;
  *b = static_cast<int>(y * facteurBleu) + bleu;
}

void CMinimap::GetVal(float* minX, float* maxX, float* minZ, float* maxZ) const {
  *minX = *maxX = *minZ = *maxZ = 0;
  if (!modele) return;
  for (const t3DObject& o : modele->objects) {
    for (const CVector3& v : o.vertices) {
      if (v.x > *maxX) {
        *maxX = v.x;
      } else if (v.x < *minX) {
        *minX = v.x;
      }
      if (v.z > *maxZ) {
        *maxZ = v.z;
      } else if (v.z < *minZ) {
        *minZ = v.z;
      }
    }
  }
}

bool CMinimap::PointSurPiste(float x, float z, float* y) const {
  if (!modele) return false;
  const CVector3 p(x, 0, z);
  for (const t3DObject& o : modele->objects) {
    for (const tFace& f : o.faces) {
      CVector3 tri[3];
      bool valide = true;
      for (int k = 0; k < 3; k++) {
        const int v = f.vertexIndex[k];
        if (v < 0 || v >= o.vertexCount) {
          valide = false;
          break;
        }
        tri[k] = o.vertices[v];
      }
      if (!valide || !IsPointDansTriangleXZ(p, tri)) continue;
      float h = tri[0].y;
      if (tri[1].y > h) h = tri[1].y;
      if (tri[2].y > h) h = tri[2].y;
      *y = h;
      return true;
    }
  }
  return false;
}
