// In-memory form of a 3DS model: mesh objects with their vertices, faces, texture coordinates and
// normals, and the one material table shared by every model loaded at the same time.
#pragma once

#include <cstdint>
#include <vector>

#include "math/vector.h"

constexpr int TAILLE_NOM_3DS = 255;

// Header of the chunk being read: 6 bytes in the file (id, then length including the header).
struct tChunk {
  uint16_t id = 0;
  uint32_t length = 0;
  uint32_t bytesRead = 0;
};

struct tMaterialInfo {
  char name[TAILLE_NOM_3DS] = {0};
  char fileName[TAILLE_NOM_3DS] = {0};  // empty when the material has no texture map
  unsigned char color[3] = {0, 0, 0};   // diffuse red, green, blue
  int textureSlot = 0;                  // index of its texture, set after the import
};

// Shared material table, used as a stack: models append on load and are freed in reverse order.
struct tMateriaux {
  int materialCount = 0;
  std::vector<tMaterialInfo> materials;  // size() == materialCount
};

struct tFace {
  CVector3 normal{0, 0, 0};
  int vertexIndex[3] = {0, 0, 0};  // texture coordinates share the vertex indices
};

struct tTexCoord {
  float u = 0, v = 0;
};

struct t3DObject {
  int vertexCount = 0;
  int faceCount = 0;
  int texVertexCount = 0;
  int materialIndex = 0;  // index in the shared table, -1 when the object names no known material
  bool hasTexture = false;
  char name[TAILLE_NOM_3DS] = {0};
  uint8_t surfaceType = 0;     // set after loading from the first letter of the name
  std::vector<int> indices;    // three per face; only in the octree's end-node copies
  std::vector<int> faceIds;    // each face's number in the circuit object; only in end-node copies
  std::vector<CVector3> vertices;
  std::vector<CVector3> normals;  // one unit normal per vertex
  std::vector<tTexCoord> texCoords;
  std::vector<tFace> faces;
};

struct t3DModel {
  int objectCount = 0;
  int firstMaterial = 0;  // table count when the import began
  int endMaterial = 0;    // table count when it ended: own materials are first..end-1
  std::vector<t3DObject> objects;
};
