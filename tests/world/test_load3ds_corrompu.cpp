// 3DS loader on bad input: every case stops cleanly, keeps what came before the fault and says so.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "assetgen/ecrit3ds.h"
#include "world/chunks3ds.h"

namespace {

const std::vector<uint8_t> BON = objet3ds("Rbon", concat({sommets3ds({0, 0, 0, 1, 0, 0, 0, 1, 0}), faces3ds({0, 1, 2})}));

TEST(Load3DSCorrompu, ChunkLengthsOutsideTheirParent) {
  // Beyond the file, then below the header size: the good object before the fault stays.
  for (int64_t longueur : {int64_t(100000), int64_t(3), int64_t(0)}) {
    Import i(fichier3ds(concat({BON, chunk(0x4000, texte("Rmal"), longueur)})));
    EXPECT_EQ(i.r, IMPORT_CORROMPU) << longueur;
    ASSERT_GE(i.model.objectCount, 1);
    EXPECT_STREQ(i.model.objects[0].name, "Rbon");
    EXPECT_EQ(i.model.objects[0].faceCount, 1);
    EXPECT_NE(i.erreurs.find("chunk length"), std::string::npos) << i.erreurs;
  }
  // The primary chunk itself claims more than the file holds.
  auto octets = fichier3ds(BON);
  octets[2] = 0xFF;
  Import p(octets);
  EXPECT_EQ(p.r, IMPORT_CORROMPU);
  EXPECT_EQ(p.model.objectCount, 0);
}

TEST(Load3DSCorrompu, CountsLargerThanTheBytesLeft) {
  const std::vector<std::vector<uint8_t>> mauvais = {
      chunk(0x4110, concat({u16s({1000}), f32s({1, 2, 3})})),           // vertices
      chunk(0x4120, u16s({500, 0, 1, 2, 0})),                             // faces
      chunk(0x4140, concat({u16s({60000}), f32s({0.5f, 0.5f})})),        // texture coordinates
      chunk(0x4110, {}),                                                  // no count at all
  };
  for (const auto& m : mauvais) {
    Import i(fichier3ds(concat({BON, objet3ds("Rmal", concat({sommets3ds({0, 0, 0}), m}))})));
    EXPECT_EQ(i.r, IMPORT_CORROMPU);
    ASSERT_EQ(i.model.objectCount, 2);
    EXPECT_EQ(i.model.objects[0].faceCount, 1);
    EXPECT_EQ(i.model.objects[1].vertexCount, static_cast<int>(i.model.objects[1].vertices.size()));
    EXPECT_EQ(i.model.objects[1].texVertexCount, static_cast<int>(i.model.objects[1].texCoords.size()));
    EXPECT_EQ(i.model.objects[1].faceCount, static_cast<int>(i.model.objects[1].faces.size()));
  }
}

TEST(Load3DSCorrompu, NamesWithoutATerminator) {
  const std::string long_nom(300, 'R');
  const std::vector<std::vector<uint8_t>> mauvais = {
      chunk(0x4000, std::vector<uint8_t>(long_nom.begin(), long_nom.end())),
      chunk(0xAFFF, chunk(0xA000, std::vector<uint8_t>(long_nom.begin(), long_nom.end()))),
      objet3ds("Rx", concat({sommets3ds({0, 0, 0}), chunk(0x4130, {'a', 'b'})})),
      chunk(0x4000, {'R', 'o'}),
  };
  for (const auto& m : mauvais) {
    Import i(fichier3ds(concat({BON, m})));
    EXPECT_EQ(i.r, IMPORT_CORROMPU);
    EXPECT_NE(i.erreurs.find("terminator"), std::string::npos) << i.erreurs;
    EXPECT_STREQ(i.model.objects[0].name, "Rbon");
    for (const tMaterialInfo& mat : i.table.materials) EXPECT_LT(std::strlen(mat.name), 255u);
  }
  // A full-length name that does end in time is fine.
  Import ok(fichier3ds(objet3ds(std::string(254, 'L'), sommets3ds({0, 0, 0}))));
  EXPECT_EQ(ok.r, IMPORT_OK);
  EXPECT_EQ(std::strlen(ok.model.objects[0].name), 254u);
}

TEST(Load3DSCorrompu, FaceIndicesBeyondTheVertices) {
  Import i(fichier3ds(concat({BON, objet3ds("Rmal", concat({sommets3ds({0, 0, 0, 1, 0, 0}), faces3ds({0, 1, 2})}))})));
  EXPECT_EQ(i.r, IMPORT_CORROMPU);
  EXPECT_EQ(i.model.objects[1].faceCount, 0);
  EXPECT_TRUE(i.model.objects[1].faces.empty());
  EXPECT_EQ(i.model.objects[0].faceCount, 1);

  // A second, shorter vertex list after the faces is caught before the normals are computed.
  Import j(fichier3ds(objet3ds("Rmal", concat({sommets3ds({0, 0, 0, 1, 0, 0, 0, 1, 0}), faces3ds({0, 1, 2}),
                                                sommets3ds({0, 0, 0})}))));
  EXPECT_EQ(j.r, IMPORT_CORROMPU);
  EXPECT_EQ(j.model.objects[0].faceCount, 0);
}

TEST(Load3DSCorrompu, FewerTextureCoordinatesThanVerticesAreDropped) {
  const auto uv = chunk(0x4140, concat({u16s({1}), f32s({0.5f, 0.5f})}));
  Import i(fichier3ds(objet3ds("Rx", concat({sommets3ds({0, 0, 0, 1, 0, 0, 0, 1, 0}), uv, faces3ds({0, 1, 2})}))));
  EXPECT_EQ(i.r, IMPORT_CORROMPU);
  EXPECT_EQ(i.model.objects[0].texVertexCount, 0);
  EXPECT_EQ(i.model.objects[0].faceCount, 1);
}

TEST(Load3DSCorrompu, NoMoreMaterialsThanTextureSlots) {
  CMaillage m;
  for (int k = 0; k < MAX_TEXTURES + 5; k++) m.materiau("m" + std::to_string(k), 1, 2, 3);
  Import i(ecrit_3ds(m));
  EXPECT_EQ(i.r, IMPORT_CORROMPU);
  EXPECT_EQ(i.table.materialCount, MAX_TEXTURES);
  EXPECT_EQ(i.model.endMaterial, MAX_TEXTURES);
  EXPECT_STREQ(i.table.materials[MAX_TEXTURES - 1].name, "m99");
}

TEST(Load3DSCorrompu, DeepNestingStops) {
  std::vector<uint8_t> c = chunk(0x4110, u16s({0}));
  for (int k = 0; k < 2000; k++) c = chunk(0x4100, c);
  Import i(fichier3ds(chunk(0x4000, concat({texte("R"), c}))));
  EXPECT_EQ(i.r, IMPORT_CORROMPU);
  EXPECT_NE(i.erreurs.find("nested"), std::string::npos);
}

TEST(Load3DSCorrompu, EveryTruncationAndRandomDamageReturnsCleanly) {
  CMaillage m;
  m.materiau("Roche", 100, 90, 80, "roche.jpg");
  tObjetMaillage& o = m.objet("Rsol", "Roche", true);
  CMaillage::grille(o, CVector3(0, 0, 0), 3, 2, 10.0f, [](float x, float) { return x * 0.1f; });
  CMaillage::boite(m.objet("Dmur", "Roche"), CVector3(0, 0, 0), CVector3(1, 2, 3));
  const std::vector<uint8_t> bon = ecrit_3ds(m);
  for (size_t n = 0; n < bon.size(); n++) {
    Import i(std::vector<uint8_t>(bon.begin(), bon.begin() + n));
    EXPECT_NE(i.r, IMPORT_OK) << n;
    for (const t3DObject& ob : i.model.objects) {
      EXPECT_EQ(ob.vertexCount, static_cast<int>(ob.vertices.size()));
      EXPECT_EQ(ob.faceCount, static_cast<int>(ob.faces.size()));
    }
  }
  std::mt19937 rng(7);
  for (int essai = 0; essai < 3000; essai++) {
    std::vector<uint8_t> abime = bon;
    const int n = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < n; k++) abime[rng() % abime.size()] = static_cast<uint8_t>(rng());
    Import i(abime);
    ASSERT_LE(i.table.materialCount, MAX_TEXTURES);
    for (const t3DObject& ob : i.model.objects) {
      ASSERT_EQ(ob.vertexCount, static_cast<int>(ob.vertices.size()));
      ASSERT_EQ(static_cast<int>(ob.normals.size()), ob.vertexCount);
      for (const tFace& f : ob.faces) {
        for (int c = 0; c < 3; c++) ASSERT_LT(f.vertexIndex[c], ob.vertexCount);
      }
      ASSERT_TRUE(ob.texVertexCount == 0 || ob.texVertexCount >= ob.vertexCount);
    }
  }
}

}  // namespace
