// Mesh builder shapes as the loader sees them: front faces turned outwards, split parts whole.
#include <gtest/gtest.h>

#include "assetgen/ecrit3ds.h"
#include "world/load3ds.h"

namespace {

t3DModel charge(const CMaillage& m, tMateriaux* table) {
  t3DModel model;
  const std::vector<uint8_t> octets = ecrit_3ds(m);
  EXPECT_EQ(CLoad3DS().Import3DSMemoire(table, &model, octets.data(), octets.size(), "maillage"), IMPORT_OK);
  return model;
}

TEST(Maillage, BoxFacesPointOutwardsAndGroundFacesUp) {
  CMaillage m;
  CMaillage::boite(m.objet("Dboite"), CVector3(1, 2, 3), CVector3(4, 8, 5));
  CMaillage::grille(m.objet("Rsol"), CVector3(0, 0, 0), 4, 3, 2.0f, [](float x, float z) { return 0.1f * x + 0.2f * z; });
  tMateriaux table;
  const t3DModel model = charge(m, &table);
  const CVector3 centre(2.5f, 5, 4);
  const t3DObject& boite = model.objects[0];
  ASSERT_EQ(boite.faceCount, 12);
  for (const tFace& f : boite.faces) {
    const CVector3 milieu =
        (boite.vertices[f.vertexIndex[0]] + boite.vertices[f.vertexIndex[1]] + boite.vertices[f.vertexIndex[2]]) / 3.0f;
    EXPECT_GT(Dot(f.normal, milieu - centre), 0.0f);
  }
  const t3DObject& sol = model.objects[1];
  ASSERT_EQ(sol.faceCount, 4 * 3 * 2);
  for (const tFace& f : sol.faces) EXPECT_GT(f.normal.y, 0.9f);
  for (const CVector3& n : sol.normals) EXPECT_GT(n.y, 0.9f);
}

TEST(Maillage, SplitPartsKeepEveryTriangleWithItsCoordinates) {
  CMaillage m;
  m.materiau("herbe", 1, 2, 3, "herbe.jpg");
  tObjetMaillage& o = m.objet("Gvaste", "herbe", true);
  CMaillage::grille(o, CVector3(0, 0, 0), 260, 140, 1.0f, [](float x, float z) { return x * 0.01f + z; });
  const size_t total = o.faces.size();
  tMateriaux table;
  const t3DModel model = charge(m, &table);
  size_t lues = 0;
  for (const t3DObject& p : model.objects) {
    EXPECT_EQ(p.name[0], 'G');
    EXPECT_EQ(p.materialIndex, 0);
    EXPECT_TRUE(p.hasTexture);
    EXPECT_LE(p.vertexCount, 65535);
    EXPECT_EQ(p.texVertexCount, p.vertexCount);
    for (const tFace& f : p.faces) {
      // Each corner keeps the texture coordinates of its place in the grid.
      for (int i : f.vertexIndex) {
        EXPECT_FLOAT_EQ(p.texCoords[i].u, p.vertices[i].x / 260.0f);
        EXPECT_FLOAT_EQ(p.texCoords[i].v, p.vertices[i].z / 140.0f);
      }
    }
    lues += p.faces.size();
  }
  EXPECT_EQ(lues, total);
  EXPECT_GE(model.objectCount, 2);
}

}  // namespace
