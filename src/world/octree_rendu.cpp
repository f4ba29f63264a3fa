// Octree drawing: the circuit's vertices uploaded once per object, the faces of the end nodes in
// the frustum drawn nearest first in one call per object, and the debug view of the node around a
// point.
#define GL_GLEXT_PROTOTYPES  // vertex buffers are core since OpenGL 1.5
#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "common/globals.h"
#include "math/frustum.h"
#include "world/materiaux.h"
#include "world/lots_circuit.h"
#include "world/octree.h"

namespace {

// One circuit object on the GPU: its vertices interleaved in one buffer (or in memory where the
// driver has no buffers) and the state its faces are drawn with.
struct SommetCircuit {
  float position[3];
  float normale[3];
  float coord[2];
};

struct ObjetCircuit {
  GLuint tampon = 0;
  std::vector<SommetCircuit> sommets;  // kept only without buffers
  bool texture = false;
  GLuint nom_texture = 0;
  bool couleur_materiau = false;
  unsigned char couleur[3] = {255, 255, 255};
  bool normales = false;
  bool coords = false;
};

std::vector<ObjetCircuit> objets_gpu;
LotsCircuit lots;

void libere_objets() {
  for (ObjetCircuit& o : objets_gpu) {
    if (o.tampon != 0 && g_ContexteGL) glDeleteBuffers(1, &o.tampon);
  }
  objets_gpu.clear();
  lots.vide();
}

// End nodes keep the numbers their lists had: first + rank among the end nodes.
void numerote_noeuds(COctree* n, int premier) {
  if (!n) return;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) numerote_noeuds(n->GetChild(k), premier);
    return;
  }
  if (n->GetWorld()) n->SetDisplayListID(premier + n->GetEndNodeIndex());
}

bool tampons_disponibles() {
  const char* v = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  int majeur = 0, mineur = 0;
  if (!v || std::sscanf(v, "%d.%d", &majeur, &mineur) != 2) return false;
  return majeur > 1 || (majeur == 1 && mineur >= 5);
}

void prepare_objets(const tMateriaux* materials, const t3DModel& circuit) {
  libere_objets();
  const bool tampons = tampons_disponibles();
  objets_gpu.resize(circuit.objects.size());
  for (size_t i = 0; i < circuit.objects.size(); i++) {
    const t3DObject& W = circuit.objects[i];
    ObjetCircuit& o = objets_gpu[i];
    const size_t nv = W.vertices.size();
    o.texture = W.hasTexture && W.materialIndex >= 0 && W.materialIndex < MAX_TEXTURES;
    if (o.texture) o.nom_texture = g_Texture[W.materialIndex];
    if (materials && materials->materialCount > 0 && W.materialIndex >= 0 &&
        W.materialIndex < static_cast<int>(materials->materials.size())) {
      o.couleur_materiau = true;
      const unsigned char* c = materials->materials[W.materialIndex].color;
      o.couleur[0] = c[0], o.couleur[1] = c[1], o.couleur[2] = c[2];
    }
    // An array the object lacks (or holds short) stays off, as it always has.
    o.normales = W.normals.size() >= nv;
    o.coords = W.texCoords.size() >= nv;
    std::vector<SommetCircuit> s(nv);
    for (size_t k = 0; k < nv; k++) {
      s[k].position[0] = W.vertices[k].x, s[k].position[1] = W.vertices[k].y, s[k].position[2] = W.vertices[k].z;
      if (o.normales) s[k].normale[0] = W.normals[k].x, s[k].normale[1] = W.normals[k].y, s[k].normale[2] = W.normals[k].z;
      if (o.coords) s[k].coord[0] = W.texCoords[k].u, s[k].coord[1] = W.texCoords[k].v;
    }
    if (tampons && nv > 0) {
      glGenBuffers(1, &o.tampon);
      glBindBuffer(GL_ARRAY_BUFFER, o.tampon);
      glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(nv * sizeof(SommetCircuit)), s.data(), GL_STATIC_DRAW);
      glBindBuffer(GL_ARRAY_BUFFER, 0);
    } else {
      o.sommets = std::move(s);
    }
  }
  lots.prepare(circuit);
}

// Draws what lots gathered: one call per object, in the state its node lists used to set.
void dessine_lots() {
  glEnableClientState(GL_VERTEX_ARRAY);
  for (int i : lots.ordre()) {
    if (i < 0 || i >= static_cast<int>(objets_gpu.size())) continue;
    const ObjetCircuit& o = objets_gpu[static_cast<size_t>(i)];
    const std::vector<uint32_t>& idx = lots.indices(i);
    if (o.texture) {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, o.nom_texture);
    } else {
      glDisable(GL_TEXTURE_2D);
    }
    if (o.couleur_materiau) {
      glColor4ub(o.couleur[0], o.couleur[1], o.couleur[2], 255);
    } else {
      glColor4ub(255, 255, 255, 255);
    }
    glBindBuffer(GL_ARRAY_BUFFER, o.tampon);
    const char* base = o.tampon ? nullptr : reinterpret_cast<const char*>(o.sommets.data());
    glVertexPointer(3, GL_FLOAT, sizeof(SommetCircuit), base + offsetof(SommetCircuit, position));
    if (o.normales) {
      glEnableClientState(GL_NORMAL_ARRAY);
      glNormalPointer(GL_FLOAT, sizeof(SommetCircuit), base + offsetof(SommetCircuit, normale));
    } else {
      glDisableClientState(GL_NORMAL_ARRAY);
    }
    if (o.coords) {
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glTexCoordPointer(2, GL_FLOAT, sizeof(SommetCircuit), base + offsetof(SommetCircuit, coord));
    } else {
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(idx.size()), GL_UNSIGNED_INT, idx.data());
  }
  if (!objets_gpu.empty()) glBindBuffer(GL_ARRAY_BUFFER, 0);
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
  const t3DModel* noeud;
};

// End nodes in the frustum with their faces, in tree order.
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
  visibles->push_back({-z, n->GetWorld()});
}

}  // namespace

void COctree::CreateDisplayList(tMateriaux* materials, COctree* node, t3DModel* circuit, int firstList) {
  if (!node || !circuit) return;
  numerote_noeuds(node, firstList);
  prepare_objets(materials, *circuit);
}

void libere_rendu_circuit() { libere_objets(); }

void COctree::DrawOctree(COctree* node, t3DModel* circuit) {
  (void)circuit;
  // Nearest nodes first within each object: what they hide then fails the depth test before it is
  // shaded, which is most of a frame's cost on a software renderer. Opaque and depth-tested, the
  // picture is the same in any order.
  static std::vector<NoeudVisible> visibles;
  static std::vector<const t3DModel*> noeuds;
  visibles.clear();
  GLfloat vue[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, vue);
  noeuds_visibles(node, vue, &visibles);
  std::stable_sort(visibles.begin(), visibles.end(),
                   [](const NoeudVisible& a, const NoeudVisible& b) { return a.profondeur < b.profondeur; });
  noeuds.clear();
  for (const NoeudVisible& v : visibles) noeuds.push_back(v.noeud);
  lots.rassemble(noeuds);
  dessine_lots();
}

void COctree::DrawActiveNodeOctree(COctree* node, t3DModel* circuit, CVector3 point) {
  if (!circuit) return;
  cherche_noeud_actif(node, *circuit, point);
}
