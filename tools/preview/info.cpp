// `--info`: loads a 3DS file headless and lists what the loader made of it.
#include "info.h"

#include "world/load3ds.h"
#include "world/monde.h"

namespace {

char lettre_surface(unsigned char classe) {
  switch (classe) {
    case SURFACE_RAPIDE: return 'R';
    case SURFACE_LENTE: return 'G';
    case SURFACE_SOL: return 'L';
    case SURFACE_MUR: return 'D';
    default: return '-';
  }
}

}  // namespace

int affiche_info(const char* chemin, std::FILE* sortie) {
  tMateriaux table;
  t3DModel model;
  CLoad3DS loader;
  const tResultat3DS r = loader.Import3DS(&table, &model, chemin);
  int faces = 0;
  for (const t3DObject& o : model.objects) faces += o.faceCount;
  std::fprintf(sortie, "%s: %d objects, %d triangles, %d materials%s\n", chemin, model.objectCount, faces,
               model.endMaterial - model.firstMaterial,
               r == IMPORT_OK        ? ""
               : r == IMPORT_ABSENT  ? " (no such file)"
               : r == IMPORT_PAS_3DS ? " (not a 3DS file)"
                                     : " (damaged: read up to the fault)");
  for (const t3DObject& o : model.objects) {
    const unsigned char classe = classe_surface(o.name);
    std::fprintf(sortie, "  object \"%s\": %d vertices, %d faces, %d texcoords, material %d", o.name, o.vertexCount,
                 o.faceCount, o.texVertexCount, o.materialIndex);
    if (o.materialIndex >= 0) std::fprintf(sortie, " \"%s\"", table.materials[o.materialIndex].name);
    std::fprintf(sortie, "%s, surface %c (%d)", o.hasTexture ? " textured" : "", lettre_surface(classe), classe);
    if (!o.vertices.empty()) {
      CVector3 mn = o.vertices[0], mx = o.vertices[0];
      for (const CVector3& v : o.vertices) {
        mn = CVector3(v.x < mn.x ? v.x : mn.x, v.y < mn.y ? v.y : mn.y, v.z < mn.z ? v.z : mn.z);
        mx = CVector3(v.x > mx.x ? v.x : mx.x, v.y > mx.y ? v.y : mx.y, v.z > mx.z ? v.z : mx.z);
      }
      std::fprintf(sortie, ", box (%.3f %.3f %.3f)-(%.3f %.3f %.3f)", mn.x, mn.y, mn.z, mx.x, mx.y, mx.z);
    }
    std::fprintf(sortie, "\n");
  }
  std::fprintf(sortie, "materials:\n");
  for (int i = 0; i < table.materialCount; i++) {
    const tMaterialInfo& m = table.materials[i];
    std::fprintf(sortie, "  %d \"%s\" colour %d %d %d, texture \"%s\"\n", i, m.name, m.color[0], m.color[1],
                 m.color[2], m.fileName);
  }
  return r == IMPORT_OK ? 0 : 2;
}
