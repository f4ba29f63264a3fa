// World octree: the circuit split into cubes holding a bounded share of its triangles, drawn by
// the end nodes in view, and the ground, wall and camera searches of moving objects.
//
//   g_Octree.GetSceneDimensions(&g_World);
//   g_Octree.CreateNode(&g_World, g_Octree.GetSceneTriangleCount(&g_World),
//                       g_Octree.GetCenter(), g_Octree.GetWidth());
//   // GPU step, skipped by headless runs:
//   g_Octree.CreateDisplayList(&g_Materiaux, &g_Octree, &g_World, 0);
//   ...
//   g_Octree.ChercheSolObjet(pilot, &g_World); g_Octree.CollisionsObjetmonde(pilot, &g_World);
//
// The tree is read-only once built. The queries and the build call no OpenGL; drawing and
// display lists live in octree_rendu.cpp.
#pragma once

#include <vector>

#include "math/vector.h"
#include "world/debug.h"
#include "world/modele3d.h"
#include "world/objet_monde.h"

class CCamera;

// Working list of one octant during a split, per circuit object: which faces go to the octant.
struct tFaceList {
  std::vector<bool> pFaceList;
  int totalFaceCount = 0;
};

class COctree {
 public:
  COctree();
  ~COctree();
  COctree(const COctree&) = delete;
  COctree& operator=(const COctree&) = delete;

  bool IsSubDivided() const { return subdivided; }
  int GetDisplayListID() const { return displayListId; }
  void SetDisplayListID(int id) { displayListId = id; }
  int GetEndNodeIndex() const { return endNodeIndex; }
  float GetWidth() const { return width; }
  CVector3 GetCenter() const { return center; }
  int GetTriangleCount() const { return triangleCount; }
  COctree* GetChild(int k) const { return (k >= 0 && k < 8) ? children[k] : nullptr; }
  // End nodes: the node's own faces and indices per circuit object (vertices stay in the circuit).
  const t3DModel* GetWorld() const { return world; }
  const std::vector<int>& GetObjectList() const { return objectList; }

  // Building: centre and width of the root cube, then the tree.
  void GetSceneDimensions(t3DModel* world);
  int GetSceneTriangleCount(t3DModel* world);
  void CreateNode(t3DModel* world, int triangleCount, CVector3 center, float width);
  // Octant table; any k outside 0..7 gives (0, 0, 0).
  CVector3 GetNewNodeCenter(CVector3 center, float width, int k) const;
  void DestroyOctree();

  // GPU step: uploads the circuit's vertices for drawing and numbers the end nodes below node
  // from firstList. libere_rendu_circuit() frees what it made.
  void CreateDisplayList(tMateriaux* materials, COctree* node, t3DModel* world, int firstList);

  // Queries, starting from this node; world is the circuit the tree was built from.
  bool ChercheSolObjet(CObjetMonde* object, t3DModel* world);
  bool CollisionsObjetmonde(CObjetMonde* object, t3DModel* world);
  bool CollisionsmondeCamera(CCamera* camera, t3DModel* world);

  // Drawing (GL context needed).
  void DrawOctree(COctree* node, t3DModel* world);
  void DrawActiveNodeOctree(COctree* node, t3DModel* world, CVector3 point);

 private:
  struct Selection;  // faces of the circuit reaching a node during the build

  void Construit(const t3DModel& circuit, const Selection& faces, int count, CVector3 c, float w);
  void Subdivise(const t3DModel& circuit, const Selection& faces);
  void CreateNewNode(const t3DModel& circuit, const Selection& faces, const std::vector<tFaceList>& list,
                     int triangleCount, int k);
  void AssignTrianglesToNode(const t3DModel& circuit, const Selection& faces, int triangleCount);
  void AddObjectIndexToList(int index);

  bool subdivided = false;
  float width = 0;
  int triangleCount = 0;
  CVector3 center{0, 0, 0};
  t3DModel* world = nullptr;
  std::vector<int> objectList;
  int displayListId = 0;
  int endNodeIndex = 0;  // rank among the end nodes; the root's list id may overwrite displayListId
  COctree* children[8] = {};
};

extern COctree g_Octree;
extern int g_CurrentSubdivision;
extern int g_EndNodeCount;

// Frees the circuit's vertex buffers made by CreateDisplayList (GL context needed when one was made).
void libere_rendu_circuit();
