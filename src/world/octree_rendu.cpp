// Octree drawing: one display list per end node with client arrays over the circuit's own
// vertices, frustum-culled drawing, and the debug view of the node around a point.
#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "common/globals.h"
#include "math/frustum.h"
#include "world/materiaux.h"
#include "world/octree.h"

namespace {

void compile_noeud(const tMateriaux* materials, const t3DModel& noeud, const std::vector<int>& objets,
                   const t3DModel& circuit) {
  for (int i : objets) {
    if (i >= static_cast<int>(circuit.objects.size()) || i >= static_cast<int>(noeud.objects.size())) continue;
    const t3DObject& W = circuit.objects[i];
    const t3DObject& N = noeud.objects[i];
    if (W.vertices.empty() || N.indices.empty()) continue;
    const size_t nv = W.vertices.size();
    if (W.hasTexture && W.materialIndex >= 0 && W.materialIndex < MAX_TEXTURES) {
      glEnable(GL_TEXTURE_2D);
      glColor4ub(255, 255, 255, 255);
      glBindTexture(GL_TEXTURE_2D, g_Texture[W.materialIndex]);
    } else {
      glDisable(GL_TEXTURE_2D);
      glColor4ub(255, 255, 255, 255);
    }
    if (materials && materials->materialCount > 0 && W.materialIndex >= 0 &&
        W.materialIndex < static_cast<int>(materials->materials.size())) {
      const unsigned char* c = materials->materials[W.materialIndex].color;
      glColor4ub(c[0], c[1], c[2], 255);
    }
    // An array the object lacks (or holds short) stays off, so no list reads another's.
    if (W.texCoords.size() >= nv) {
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glTexCoordPointer(2, GL_FLOAT, sizeof(tTexCoord), W.texCoords.data());
    } else {
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(CVector3), W.vertices.data());
    if (W.normals.size() >= nv) {
      glEnableClientState(GL_NORMAL_ARRAY);
      glNormalPointer(GL_FLOAT, sizeof(CVector3), W.normals.data());
    } else {
      glDisableClientState(GL_NORMAL_ARRAY);
    }
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(N.indices.size()), GL_UNSIGNED_INT, N.indices.data());
  }
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
}

// Squared distance from a point to the box of half width h around c.
float OvlappCub(float cx, float cy, float cz, float h, CVector3 p) {
  auto ecart = [h](float v, float c) {
    if (v < c - h) return (c - h) - v;
    if (v > c + h) return v - (c + h);
    return 0.0f;
  };
  const float dx = ecart(p.x, cx), dy = ecart(p.y, cy), dz = ecart(p.z, cz);
  return dx * dx + dy * dy + dz * dz;
}

void dessine_noeud_actif(const COctree& n, const t3DModel& circuit) {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glLineWidth(1.5f);
  glColor3ub(255, 5, 5);
  const t3DModel* noeud = n.GetWorld();
  for (int i : n.GetObjectList()) {
    if (!noeud || i >= static_cast<int>(circuit.objects.size()) || i >= static_cast<int>(noeud->objects.size()))
      continue;
    const t3DObject& W = circuit.objects[i];
    const std::vector<int>& idx = noeud->objects[i].indices;
    for (size_t t = 0; t + 2 < idx.size(); t += 3) {
      glBegin(GL_LINE_LOOP);
      for (int c = 0; c < 3; c++) {
        const int v = idx[t + c];
        if (v >= 0 && v < static_cast<int>(W.vertices.size()))
          glVertex3f(W.vertices[v].x, W.vertices[v].y + 0.1f, W.vertices[v].z);
      }
      glEnd();
    }
  }
  const CVector3 c = n.GetCenter();
  const float h = n.GetWidth() / 2;
  const float x0 = c.x - h, x1 = c.x + h, y0 = c.y - h, y1 = c.y + h, z0 = c.z - h, z1 = c.z + h;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glBegin(GL_QUADS);
  glColor4ub(5, 190, 5, 90);
  glVertex3f(x0, y0, z1), glVertex3f(x1, y0, z1), glVertex3f(x1, y1, z1), glVertex3f(x0, y1, z1);
  glColor4ub(190, 5, 5, 90);
  glVertex3f(x0, y0, z0), glVertex3f(x0, y1, z0), glVertex3f(x1, y1, z0), glVertex3f(x1, y0, z0);
  glColor4ub(5, 5, 190, 90);
  glVertex3f(x0, y0, z0), glVertex3f(x0, y0, z1), glVertex3f(x0, y1, z1), glVertex3f(x0, y1, z0);
  glColor4ub(190, 5, 190, 90);
  glVertex3f(x1, y0, z0), glVertex3f(x1, y1, z0), glVertex3f(x1, y1, z1), glVertex3f(x1, y0, z1);
  glEnd();
  glDisable(GL_BLEND);
  glColor3ub(0, 0, 0);
  glBegin(GL_LINES);
  glVertex3f(x0, y0, z0), glVertex3f(x0, y1, z0);
  glVertex3f(x1, y0, z0), glVertex3f(x1, y1, z0);
  glVertex3f(x0, y0, z1), glVertex3f(x0, y1, z1);
  glVertex3f(x1, y0, z1), glVertex3f(x1, y1, z1);
  glEnd();
  glLineWidth(1.0f);
  if (g_bLighting) glEnable(GL_LIGHTING);
}

bool cherche_noeud_actif(const COctree* n, const t3DModel& circuit, CVector3 point) {
  if (!n) return false;
  const CVector3 c = n->GetCenter();
  if (OvlappCub(c.x, c.y, c.z, n->GetWidth() / 2, point) > 1.0f) return false;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) {
      if (cherche_noeud_actif(n->GetChild(k), circuit, point)) return true;
    }
    return false;
  }
  dessine_noeud_actif(*n, circuit);
  return true;
}

struct NoeudVisible {
  float profondeur;  // distance of the node's centre in front of the eye
  GLuint liste;
};

// End nodes in the frustum with their lists, in tree order.
void noeuds_visibles(const COctree* n, const GLfloat* vue, std::vector<NoeudVisible>* visibles) {
  if (!n) return;
  const CVector3 c = n->GetCenter();
  if (!g_Frustum.CubeInFrustum(c.x, c.y, c.z, n->GetWidth() / 2)) return;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) noeuds_visibles(n->GetChild(k), vue, visibles);
    return;
  }
  if (!n->GetWorld()) return;
  const float z = vue[2] * c.x + vue[6] * c.y + vue[10] * c.z + vue[14];
  visibles->push_back({-z, static_cast<GLuint>(n->GetDisplayListID())});
}

}  // namespace

void COctree::CreateDisplayList(tMateriaux* materials, COctree* node, t3DModel* circuit, int firstList) {
  if (!node || !circuit) return;
  if (node->subdivided) {
    for (COctree* c : node->children) CreateDisplayList(materials, c, circuit, firstList);
    return;
  }
  if (!node->world) return;
  node->displayListId = firstList + node->endNodeIndex;
  glNewList(static_cast<GLuint>(node->displayListId), GL_COMPILE);
  compile_noeud(materials, *node->world, node->objectList, *circuit);
  glEndList();
}

void COctree::DrawOctree(COctree* node, t3DModel* circuit) {
  (void)circuit;
  // Nearest nodes first: what they hide then fails the depth test before it is shaded, which is
  // most of a frame's cost on a software renderer. Opaque and depth-tested, the picture is the same.
  static std::vector<NoeudVisible> visibles;
  visibles.clear();
  GLfloat vue[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, vue);
  noeuds_visibles(node, vue, &visibles);
  std::stable_sort(visibles.begin(), visibles.end(),
                   [](const NoeudVisible& a, const NoeudVisible& b) { return a.profondeur < b.profondeur; });
  for (const NoeudVisible& v : visibles) glCallList(v.liste);
}

void COctree::DrawActiveNodeOctree(COctree* node, t3DModel* circuit, CVector3 point) {
  if (!circuit) return;
  cherche_noeud_actif(node, *circuit, point);
}
