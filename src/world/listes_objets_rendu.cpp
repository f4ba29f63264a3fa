// Display lists of model objects, made on first drawing and kept until their model is freed.
#include "world/listes_objets.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "world/materiaux.h"

namespace {

// A list stays tied to the arrays it was made from: an object whose arrays moved or changed size
// since is compiled again.
struct Entree {
  const void* sommets = nullptr;
  const void* faces = nullptr;
  size_t nb_sommets = 0, nb_faces = 0;
  GLuint liste = 0;  // 0: the object is drawn immediately (no list could be made of it)
};

std::map<std::pair<const t3DObject*, bool>, Entree>& listes() {
  static std::map<std::pair<const t3DObject*, bool>, Entree> l;
  return l;
}

// VELTRA_SANS_LISTES=1 draws every object immediately, to compare the pictures of both ways.
bool listes_permises() {
  static const bool permises = [] {
    const char* v = std::getenv("VELTRA_SANS_LISTES");
    return !(v && std::strcmp(v, "1") == 0);
  }();
  return permises;
}

bool meme_objet(const Entree& e, const t3DObject& o) {
  return e.sommets == o.vertices.data() && e.faces == o.faces.data() && e.nb_sommets == o.vertices.size() &&
         e.nb_faces == o.faces.size();
}

// The faces as indices, when every vertex they use has what the immediate drawing reads.
bool indices_complets(const t3DObject& o, bool uv, std::vector<GLuint>* indices) {
  const int n = o.vertexCount;
  if (n < 0 || o.vertices.size() < static_cast<size_t>(n) || o.normals.size() < static_cast<size_t>(n)) return false;
  if (uv && (o.texVertexCount < n || o.texCoords.size() < static_cast<size_t>(n))) return false;
  indices->reserve(o.faces.size() * 3);
  for (const tFace& f : o.faces) {
    for (int v : f.vertexIndex) {
      if (v < 0 || v >= n) return false;
      indices->push_back(static_cast<GLuint>(v));
    }
  }
  return true;
}

GLuint compile(const t3DObject& o, bool uv) {
  std::vector<GLuint> indices;
  if (!indices_complets(o, uv, &indices)) return 0;
  const GLuint liste = glGenLists(1);
  if (liste == 0) return 0;
  // Array pointers are client state: they act now and the list keeps the vertices they give.
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(CVector3), o.vertices.data());
  glEnableClientState(GL_NORMAL_ARRAY);
  glNormalPointer(GL_FLOAT, sizeof(CVector3), o.normals.data());
  if (uv) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(tTexCoord), o.texCoords.data());
  }
  glNewList(liste, GL_COMPILE);
  if (!indices.empty()) {
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
  }
  glEndList();
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  return liste;
}

}  // namespace

bool appelle_liste_objet(const t3DObject& o, bool uv) {
  if (!g_ContexteGL || !listes_permises()) return false;
  auto [it, nouvelle] = listes().try_emplace({&o, uv});
  Entree& e = it->second;
  if (!nouvelle && !meme_objet(e, o)) {
    if (e.liste != 0) glDeleteLists(e.liste, 1);
    nouvelle = true;
  }
  if (nouvelle) {
    e.liste = compile(o, uv);
    e.sommets = o.vertices.data();
    e.faces = o.faces.data();
    e.nb_sommets = o.vertices.size();
    e.nb_faces = o.faces.size();
  }
  if (e.liste == 0) return false;
  glCallList(e.liste);
  return true;
}

void oublie_listes_modele(const t3DModel& model) {
  auto& l = listes();
  for (const t3DObject& o : model.objects) {
    for (bool uv : {false, true}) {
      auto it = l.find({&o, uv});
      if (it == l.end()) continue;
      if (g_ContexteGL && it->second.liste != 0) glDeleteLists(it->second.liste, 1);
      l.erase(it);
    }
  }
}

void oublie_toutes_listes() {
  for (auto& [cle, e] : listes()) {
    if (g_ContexteGL && e.liste != 0) glDeleteLists(e.liste, 1);
  }
  listes().clear();
}
