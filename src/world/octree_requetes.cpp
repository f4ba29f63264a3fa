// Octree queries of the simulation: ground under a moving object, walls it runs into, and the
// circuit geometry the camera must be pushed out of. Read-only on the tree; no OpenGL.
#include <algorithm>

#include "world/camera.h"
#include "world/octree.h"

namespace {

bool est_sol(unsigned char type) { return type == 3 || type == 7 || type == 15; }
constexpr unsigned char TYPE_MUR = 31;

// Corners of triangle j of the node's object, read from the circuit's vertices; false when the
// node does not match the circuit it is asked about.
bool coins_triangle(const t3DObject& circuitObj, const t3DObject& noeudObj, int j, CVector3* coins) {
  const size_t base = static_cast<size_t>(j) * 3;
  if (base + 2 >= noeudObj.indices.size()) return false;
  for (int c = 0; c < 3; c++) {
    const int v = noeudObj.indices[base + c];
    if (v < 0 || v >= static_cast<int>(circuitObj.vertices.size())) return false;
    coins[c] = circuitObj.vertices[v];
  }
  return true;
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
  for (int i : objectList) {
    if (i >= static_cast<int>(circuit->objects.size()) || i >= static_cast<int>(world->objects.size())) continue;
    const t3DObject& W = circuit->objects[i];
    if (W.surfaceType != TYPE_MUR) continue;
    const t3DObject& N = world->objects[i];
    const int n = nombre_faces(N);
    for (int j = 0; j < n; j++) {
      CVector3 coins[3];
      if (!coins_triangle(W, N, j, coins)) continue;
      CVector3 normale = N.faces[j].normal;
      CVector3 c = object->GetPositionCollision();
      const float r = object->GetRadius();
      float d = 0;
      if (ClassifySphere(c, normale, coins[0], r, d) != INTERSECTS) continue;
      const CVector3 p = c - normale * d;
      if (!InsidePolygon(p, coins, 3) && !EdgeSphereCollision(c, coins, 3, r)) continue;
      // An object already leaving the wall is not pushed back into the track.
      if (Dot(object->GetVectorDeplacement(), normale) < 0.3f) {
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
      if (ClassifySphere(c, normale, coins[0], r, d) != INTERSECTS) continue;
      const CVector3 p = c - normale * d;
      if (InsidePolygon(p, coins, 3) || EdgeSphereCollision(c, coins, 3, 0.75f * r)) {
        camera->SetContactDecor(GetCollisionOffset(normale, r, d));
      }
    }
  }
  return false;
}
