// Octree queries of the simulation: ground under a moving object, walls it runs into, and the
// circuit geometry the camera must be pushed out of. Read-only on the tree; no OpenGL.
#include <algorithm>

#include "world/camera.h"
#include "world/octree.h"
#include "world/surfaces.h"

namespace {

// Vertex indices of triangle j of the node's object; false when the node does not match the
// circuit it is asked about.
bool indices_triangle(const t3DObject& circuitObj, const t3DObject& noeudObj, int j, int* v) {
  const size_t base = static_cast<size_t>(j) * 3;
  if (base + 2 >= noeudObj.indices.size()) return false;
  const int nv = static_cast<int>(circuitObj.vertices.size());
  for (int c = 0; c < 3; c++) {
    v[c] = noeudObj.indices[base + c];
    if (v[c] < 0 || v[c] >= nv) return false;
  }
  return true;
}

bool coins_triangle(const t3DObject& circuitObj, const t3DObject& noeudObj, int j, CVector3* coins) {
  int v[3];
  if (!indices_triangle(circuitObj, noeudObj, j, v)) return false;
  for (int c = 0; c < 3; c++) coins[c] = circuitObj.vertices[v[c]];
  return true;
}

// True when the sphere cannot touch the triangle: its box misses the triangle's box widened by
// the slack of InsidePolygon's angle sum (points within about 0.8 % of an edge's length outside
// still count as inside). Skips the costly polygon and edge tests on coplanar neighbours.
bool hors_de_portee(const CVector3* t, const CVector3& c, float r) {
  const float minx = std::min({t[0].x, t[1].x, t[2].x}), maxx = std::max({t[0].x, t[1].x, t[2].x});
  const float miny = std::min({t[0].y, t[1].y, t[2].y}), maxy = std::max({t[0].y, t[1].y, t[2].y});
  const float minz = std::min({t[0].z, t[1].z, t[2].z}), maxz = std::max({t[0].z, t[1].z, t[2].z});
  const float marge = r + 0.01f * ((maxx - minx) + (maxy - miny) + (maxz - minz));
  return c.x < minx - marge || c.x > maxx + marge || c.y < miny - marge || c.y > maxy + marge ||
         c.z < minz - marge || c.z > maxz + marge;
}

int nombre_faces(const t3DObject& noeudObj) {
  return std::min<int>(noeudObj.faceCount, static_cast<int>(noeudObj.faces.size()));
}

}  // namespace

bool COctree::ChercheSolObjet(CObjetMonde* object, t3DModel* circuit) {
  if (!object || !circuit) return false;
  if (!object->OverlappsCube(center.x, center.y, center.z, width / 2, 1, 0.0f)) return false;
  if (subdivided) {
    for (COctree* c : children) {
      if (c && c->ChercheSolObjet(object, circuit)) return true;
    }
    return false;
  }
  if (!world) return false;
  for (int i : objectList) {
    if (i >= static_cast<int>(circuit->objects.size()) || i >= static_cast<int>(world->objects.size())) continue;
    const t3DObject& W = circuit->objects[i];
    if (!est_sol(W.surfaceType)) continue;
    const t3DObject& N = world->objects[i];
    const int n = nombre_faces(N);
    for (int j = 0; j < n; j++) {
      CVector3 coins[3];
      if (!coins_triangle(W, N, j, coins)) continue;
      const CVector3 normale = N.faces[j].normal;
      if (object->Analise_contact(coins, normale)) {
        object->set_Contact(i, 3 * j, W.name, W.surfaceType);
        if (normale.y >= 0.15f) {
          object->Set_Roule();
        } else {
          object->Set_Chute();  // too steep to ride
        }
        return true;
      }
      const CVector3 pos = object->GetVectorPosition();
      if (IsPointDansTriangleXZ(pos, coins)) {
        const float bas = std::min({coins[0].y, coins[1].y, coins[2].y});
        object->Analise_contact_ombre(CVector3(pos.x, bas, pos.z), coins, normale);
        object->set_Ombre_Contact(i, 3 * j, W.name, W.surfaceType);
      }
    }
  }
  return false;
}

bool COctree::CollisionsObjetmonde(CObjetMonde* object, t3DModel* circuit) {
  if (!object || !circuit) return false;
  if (!object->OverlappsCube(center.x, center.y, center.z, width / 2, 2, 0.0f)) return false;
  if (subdivided) {
    for (COctree* c : children) {
      if (c && c->CollisionsObjetmonde(object, circuit)) return true;
    }
    return false;
  }
  if (!world) return false;
  CVector3 total(0, 0, 0);
  bool touche = false;
  // The object does not move before the end of the node: its sphere and course are read once.
  CVector3 c = object->GetPositionCollision();
  const float r = object->GetRadius();
  const CVector3 deplacement = object->GetVectorDeplacement();
  for (int i : objectList) {
    if (i >= static_cast<int>(circuit->objects.size()) || i >= static_cast<int>(world->objects.size())) continue;
    const t3DObject& W = circuit->objects[i];
    if (W.surfaceType != SURFACE_MUR) continue;
    const t3DObject& N = world->objects[i];
    const int n = nombre_faces(N);
    for (int j = 0; j < n; j++) {
      int v[3];
      if (!indices_triangle(W, N, j, v)) continue;
      CVector3 coins[3];
      coins[0] = W.vertices[v[0]];
      CVector3 normale = N.faces[j].normal;
      float d = 0;
      if (ClassifySphere(c, normale, coins[0], r, d) != INTERSECTS) continue;
      coins[1] = W.vertices[v[1]];
      coins[2] = W.vertices[v[2]];
      if (hors_de_portee(coins, c, r)) continue;
      const CVector3 p = c - normale * d;
      if (!InsidePolygon(p, coins, 3) && !EdgeSphereCollision(c, coins, 3, r)) continue;
      // An object already leaving the wall is not pushed back into the track.
      if (Dot(deplacement, normale) < 0.3f) {
        touche = true;
        total += GetCollisionOffset(normale, r, d);
      }
    }
  }
  if (touche) {
    object->SetContactDecor(true, total);
    object->Set_Collision();
  }
  return false;
}

bool COctree::CollisionsmondeCamera(CCamera* camera, t3DModel* circuit) {
  if (!camera || !circuit) return false;
  if (!camera->OverlappsCube(center.x, center.y, center.z, width / 2)) return false;
  if (subdivided) {
    for (COctree* c : children) {
      if (c) c->CollisionsmondeCamera(camera, circuit);
    }
    return false;
  }
  if (!world) return false;
  for (int i : objectList) {
    if (i >= static_cast<int>(circuit->objects.size()) || i >= static_cast<int>(world->objects.size())) continue;
    const t3DObject& W = circuit->objects[i];
    const t3DObject& N = world->objects[i];
    const int n = nombre_faces(N);
    for (int j = 0; j < n; j++) {
      CVector3 coins[3];
      if (!coins_triangle(W, N, j, coins)) continue;
      CVector3 normale = N.faces[j].normal;
      CVector3 c = camera->GetPositionCollision();  // moves with every push
      const float r = camera->GetRadius();
      float d = 0;
      if (ClassifySphere(c, normale, coins[0], r, d) != INTERSECTS || hors_de_portee(coins, c, r)) continue;
      const CVector3 p = c - normale * d;
      if (InsidePolygon(p, coins, 3) || EdgeSphereCollision(c, coins, 3, 0.75f * r)) {
        camera->SetContactDecor(GetCollisionOffset(normale, r, d));
      }
    }
  }
  return false;
}
