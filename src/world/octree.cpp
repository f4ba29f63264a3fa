// Octree building and freeing: the root cube, the octant split with its straddling rule, end
// nodes holding faces and vertex indices only. No OpenGL here.
#include "world/octree.h"

#include <algorithm>
#include <cstdlib>

#include "common/globals.h"

COctree g_Octree;
int g_CurrentSubdivision = 0;
int g_EndNodeCount = 0;

struct COctree::Selection {
  std::vector<std::vector<int>> faces;  // per circuit object, indices into its face list
};

namespace {

struct Octant {
  int sx, sy, sz;
  int q, h;  // weights of its XZ quadrant and its Y half, read by the straddling rule
};

constexpr Octant kOctants[8] = {
    {-1, +1, +1, 1, 5},  {-1, +1, -1, 5, 5},  {+1, +1, -1, 20, 5}, {+1, +1, +1, 70, 5},
    {-1, -1, +1, 1, 1},  {-1, -1, -1, 5, 1},  {+1, -1, -1, 20, 1}, {+1, -1, +1, 70, 1},
};

bool dans_octant(const CVector3& v, const CVector3& c, const Octant& o) {
  const bool okx = o.sx < 0 ? v.x <= c.x : v.x >= c.x;
  const bool oky = o.sy < 0 ? v.y <= c.y : v.y >= c.y;
  const bool okz = o.sz < 0 ? v.z <= c.z : v.z >= c.z;
  return okx && oky && okz;
}

bool face_valide(const t3DObject& obj, const tFace& f) {
  const int n = static_cast<int>(obj.vertices.size());
  for (int v : f.vertexIndex) {
    if (v < 0 || v >= n) return false;
  }
  return true;
}

// Extra octants a face crosses without having a corner in them, from the quadrant weights Q and
// the half weights H of its corners. Returns a bit mask of octants.
unsigned straddle(int Q, int H, bool centreDansFace) {
  struct Regle {
    int q1, q2;
    bool centre;
    unsigned dessous, dessus, autre;
  };
  static const Regle regles[] = {
      {76, 76, true, 1u << 6, 1u << 2, 0xFFu},
      {26, 26, true, 1u << 7, 1u << 3, 0xFFu},
      {91, 91, true, 1u << 5, 1u << 1, 0xFFu},
      {95, 95, true, 1u << 4, 1u << 0, 0xFFu},
      {22, 41, false, (1u << 7) | (1u << 5), (1u << 3) | (1u << 1), 0},
      {80, 145, false, (1u << 4) | (1u << 6), (1u << 0) | (1u << 2), 0},
  };
  for (const Regle& r : regles) {
    if (Q != r.q1 && Q != r.q2) continue;
    if (r.centre && !centreDansFace) return 0;
    if (H == 3) return r.dessous;
    if (H == 15) return r.dessus;
    return r.autre;
  }
  return 0;
}

// Separating-axis test of a triangle against the closed box [c - h, c + h]; touching counts.
bool triangle_touche_cube(const CVector3* t, const CVector3& c, float h) {
  const CVector3 v[3] = {t[0] - c, t[1] - c, t[2] - c};
  auto separe = [&](const CVector3& axe) {
    const float p0 = Dot(v[0], axe), p1 = Dot(v[1], axe), p2 = Dot(v[2], axe);
    const float r = h * (Absolute(axe.x) + Absolute(axe.y) + Absolute(axe.z));
    return std::min({p0, p1, p2}) > r || std::max({p0, p1, p2}) < -r;
  };
  const CVector3 axes[3] = {CVector3(1, 0, 0), CVector3(0, 1, 0), CVector3(0, 0, 1)};
  for (const CVector3& a : axes) {
    if (separe(a)) return false;
  }
  const CVector3 aretes[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
  if (separe(Cross(aretes[0], aretes[1]))) return false;
  for (const CVector3& a : axes) {
    for (const CVector3& e : aretes) {
      if (separe(Cross(a, e))) return false;
    }
  }
  return true;
}

}  // namespace

COctree::COctree() = default;

COctree::~COctree() { DestroyOctree(); }

void COctree::GetSceneDimensions(t3DModel* scene) {
  center = CVector3(0, 0, 0);
  width = 0;
  if (!scene) return;
  double sx = 0, sy = 0, sz = 0;
  long n = 0;
  for (const t3DObject& obj : scene->objects) {
    for (const CVector3& v : obj.vertices) {
      sx += v.x;
      sy += v.y;
      sz += v.z;
      n++;
    }
  }
  if (n == 0) return;
  center = CVector3(static_cast<float>(sx / n), static_cast<float>(sy / n), static_cast<float>(sz / n));
  int mx = 0, my = 0, mz = 0;
  for (const t3DObject& obj : scene->objects) {
    for (const CVector3& v : obj.vertices) {
      mx = std::max(mx, std::abs(static_cast<int>(v.x - center.x)));
      my = std::max(my, std::abs(static_cast<int>(v.y - center.y)));
      mz = std::max(mz, std::abs(static_cast<int>(v.z - center.z)));
    }
  }
  // The largest extent, one unit more than its truncated value so that the cube holds every
  // vertex (two equal extents must not fall through to the third).
  width = 2.0f * static_cast<float>(std::max({mx, my, mz}) + 1);
}

int COctree::GetSceneTriangleCount(t3DModel* scene) {
  if (!scene) return 0;
  int total = 0;
  for (const t3DObject& obj : scene->objects) total += std::min<int>(obj.faceCount, static_cast<int>(obj.faces.size()));
  return total;
}

CVector3 COctree::GetNewNodeCenter(CVector3 c, float w, int k) const {
  if (k < 0 || k > 7) return CVector3(0, 0, 0);
  const Octant& o = kOctants[k];
  return CVector3(c.x + o.sx * w / 4, c.y + o.sy * w / 4, c.z + o.sz * w / 4);
}

void COctree::CreateNode(t3DModel* scene, int count, CVector3 c, float w) {
  DestroyOctree();
  if (g_CurrentSubdivision == 0) {
    // A new tree: the cubes and end nodes of the previous circuit go.
    g_Debug.Clear();
    g_EndNodeCount = 0;
  }
  Selection sel;
  if (scene) {
    sel.faces.resize(scene->objects.size());
    for (size_t i = 0; i < scene->objects.size(); i++) {
      const t3DObject& obj = scene->objects[i];
      const int n = std::min<int>(obj.faceCount, static_cast<int>(obj.faces.size()));
      for (int j = 0; j < n; j++) {
        if (face_valide(obj, obj.faces[j])) sel.faces[i].push_back(j);
      }
    }
  }
  static const t3DModel vide;
  Construit(scene ? *scene : vide, sel, count, c, w);
}

void COctree::Construit(const t3DModel& circuit, const Selection& faces, int count, CVector3 c, float w) {
  center = c;
  width = w;
  g_Debug.AddDebugRectangle(c, w, w, w);
  if (count > g_MaxTriangles && g_CurrentSubdivision < g_MaxSubdivisions) {
    subdivided = true;
    triangleCount = count;
    Subdivise(circuit, faces);
    return;
  }
  AssignTrianglesToNode(circuit, faces, count);
}

void COctree::Subdivise(const t3DModel& circuit, const Selection& faces) {
  const size_t nobj = faces.faces.size();
  std::vector<tFaceList> listes[8];
  for (auto& l : listes) {
    l.resize(nobj);
    for (size_t i = 0; i < nobj; i++) l[i].pFaceList.assign(faces.faces[i].size(), false);
  }
  const float demi = width / 4;  // half width of a child cube
  for (size_t i = 0; i < nobj; i++) {
    const t3DObject& obj = circuit.objects[i];
    const std::vector<int>& sel = faces.faces[i];
    for (size_t p = 0; p < sel.size(); p++) {
      const tFace& f = obj.faces[sel[p]];
      CVector3 coins[3] = {obj.vertices[f.vertexIndex[0]], obj.vertices[f.vertexIndex[1]],
                           obj.vertices[f.vertexIndex[2]]};
      int Q = 0, H = 0;
      unsigned masque = 0;
      for (const CVector3& v : coins) {
        for (int k = 0; k < 8; k++) {
          if (dans_octant(v, center, kOctants[k])) {
            masque |= 1u << k;
            Q += kOctants[k].q;
            H += kOctants[k].h;
          }
        }
      }
      const bool centre_dedans = (Q == 76 || Q == 26 || Q == 91 || Q == 95) && IsPointDansTriangleXZ(center, coins);
      masque |= straddle(Q, H, centre_dedans);
      // Corners in several octants: the face may still cross an octant the table leaves out
      // (a sloping wall crossing the Y plane and a vertical one), so test each other cube.
      if ((masque & (masque - 1)) != 0) {
        for (int k = 0; k < 8; k++) {
          if (!(masque & (1u << k)) && triangle_touche_cube(coins, GetNewNodeCenter(center, width, k), demi)) {
            masque |= 1u << k;
          }
        }
      }
      for (int k = 0; k < 8; k++) {
        if (masque & (1u << k)) {
          listes[k][i].pFaceList[p] = true;
          listes[k][i].totalFaceCount++;
        }
      }
    }
  }
  for (int k = 0; k < 8; k++) {
    int total = 0;
    for (const tFaceList& l : listes[k]) total += l.totalFaceCount;
    CreateNewNode(circuit, faces, listes[k], total, k);
  }
}

void COctree::CreateNewNode(const t3DModel& circuit, const Selection& faces, const std::vector<tFaceList>& list,
                            int count, int k) {
  if (count == 0) return;
  Selection enfant;
  enfant.faces.resize(faces.faces.size());
  for (size_t i = 0; i < faces.faces.size(); i++) {
    enfant.faces[i].reserve(list[i].totalFaceCount);
    for (size_t p = 0; p < faces.faces[i].size(); p++) {
      if (list[i].pFaceList[p]) enfant.faces[i].push_back(faces.faces[i][p]);
    }
  }
  children[k] = new COctree;
  g_CurrentSubdivision++;
  children[k]->Construit(circuit, enfant, count, GetNewNodeCenter(center, width, k), width / 2);
  g_CurrentSubdivision--;
}

void COctree::AssignTrianglesToNode(const t3DModel& circuit, const Selection& faces, int count) {
  subdivided = false;
  triangleCount = count;
  world = new t3DModel;
  world->objectCount = static_cast<int>(faces.faces.size());
  world->objects.resize(faces.faces.size());
  for (size_t i = 0; i < faces.faces.size(); i++) {
    const t3DObject& src = circuit.objects[i];
    t3DObject& dst = world->objects[i];
    const std::vector<int>& sel = faces.faces[i];
    dst.materialIndex = src.materialIndex;
    dst.hasTexture = src.hasTexture;
    dst.faceCount = static_cast<int>(sel.size());
    dst.faces.reserve(sel.size());
    dst.indices.reserve(sel.size() * 3);
    dst.faceIds.reserve(sel.size());
    for (int j : sel) {
      dst.faces.push_back(src.faces[j]);
      dst.faceIds.push_back(j);
      for (int v : src.faces[j].vertexIndex) dst.indices.push_back(v);
    }
    if (dst.faceCount > 0) AddObjectIndexToList(static_cast<int>(i));
  }
  displayListId = g_EndNodeCount;
  endNodeIndex = g_EndNodeCount;
  g_EndNodeCount++;
}

void COctree::AddObjectIndexToList(int index) {
  if (std::find(objectList.begin(), objectList.end(), index) == objectList.end()) objectList.push_back(index);
}

void COctree::DestroyOctree() {
  delete world;
  world = nullptr;
  objectList.clear();
  objectList.shrink_to_fit();
  for (COctree*& c : children) {
    delete c;
    c = nullptr;
  }
  displayListId = 0;
  endNodeIndex = 0;
  subdivided = false;
  width = 0;
  triangleCount = 0;
  center = CVector3(0, 0, 0);
}
