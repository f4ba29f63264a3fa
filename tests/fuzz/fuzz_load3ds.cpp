// Any bytes through the 3DS loader, which must stay inside them and keep its records consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "world/load3ds.h"

// Every bad input would print a report; the sanitizers keep the standard error to themselves.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  CLoad3DS::SortieMessages(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tMateriaux table;
  t3DModel model;
  CLoad3DS loader;
  loader.Import3DSMemoire(&table, &model, data, size, "fuzz");
  if (table.materialCount != static_cast<int>(table.materials.size()) || table.materialCount > MAX_TEXTURES)
    std::abort();
  for (const t3DObject& o : model.objects) {
    if (o.vertexCount != static_cast<int>(o.vertices.size()) ||
        o.faceCount != static_cast<int>(o.faces.size()) || o.normals.size() != o.vertices.size() ||
        (o.texVertexCount != 0 && o.texVertexCount < o.vertexCount) || o.materialIndex < -1 ||
        o.materialIndex >= table.materialCount)
      std::abort();
    for (const tFace& f : o.faces)
      for (int k : f.vertexIndex)
        if (k < 0 || k >= o.vertexCount) std::abort();
  }
  return 0;
}
