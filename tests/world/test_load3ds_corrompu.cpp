// 3DS loader on bad input: every case stops cleanly, keeps what came before the fault and says so.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "assetgen/ecrit3ds.h"
#include "world/chunks3ds.h"

namespace {

// What any import must leave, whatever the bytes: every array as long as its count says, every
// face inside its vertices, texture coordinates for every vertex or none.
void verifie_coherence(const Import& i) {
  ASSERT_LE(i.table.materialCount, MAX_TEXTURES);
  for (const tMaterialInfo& mat : i.table.materials) ASSERT_LT(std::strlen(mat.name), 255u);
  for (const t3DObject& ob : i.model.objects) {
    ASSERT_EQ(ob.vertexCount, static_cast<int>(ob.vertices.size()));
    ASSERT_EQ(static_cast<int>(ob.normals.size()), ob.vertexCount);
    ASSERT_EQ(ob.faceCount, static_cast<int>(ob.faces.size()));
    ASSERT_EQ(ob.texVertexCount, static_cast<int>(ob.texCoords.size()));
    for (const tFace& f : ob.faces) {
      for (int c = 0; c < 3; c++) ASSERT_LT(f.vertexIndex[c], ob.vertexCount);
    }
    ASSERT_TRUE(ob.texVertexCount == 0 || ob.texVertexCount >= ob.vertexCount);
  }
}

TEST(Load3DSCorrompu, EachFaultIsToldAndWhatCameBeforeStays) {
  const auto tri = sommets3ds({0, 0, 0, 1, 0, 0, 0, 1, 0});
  const auto face = faces3ds({0, 1, 2});
  const auto bon = objet3ds("Rbon", concat({tri, face}));
  const auto mal = [](const std::vector<uint8_t>& c) {
    return objet3ds("Rmal", concat({sommets3ds({0, 0, 0}), c}));
  };
  const std::vector<uint8_t> nom_long(300, 'R');
  std::vector<uint8_t> profond = chunk(0x4110, u16s({0}));
  for (int k = 0; k < 2000; k++) profond = chunk(0x4100, profond);
  const struct {
    std::vector<uint8_t> apres;  // what follows the good object
    const char* message;
  } cas[] = {
      {chunk(0x4000, texte("Rmal"), 100000), "chunk length beyond its parent"},
      {chunk(0x4000, texte("Rmal"), 3), "chunk length below its header size"},
      {chunk(0x4000, texte("Rmal"), 0), "chunk length below its header size"},
      {mal(chunk(0x4110, concat({u16s({1000}), f32s({1, 2, 3})}))), "count larger than the bytes left"},
      {mal(chunk(0x4120, u16s({500, 0, 1, 2, 0}))), "count larger than the bytes left"},
      {mal(chunk(0x4140, concat({u16s({60000}), f32s({0.5f})}))), "count larger than the bytes left"},
      {mal(chunk(0x4110, {})), "list without its count"},
      {chunk(0x4000, nom_long), "name without a terminator"},
      {chunk(0xAFFF, chunk(0xA000, nom_long)), "name without a terminator"},
      {mal(chunk(0x4130, {'a', 'b'})), "name without a terminator"},
      {chunk(0x4000, {'R', 'o'}), "name without a terminator"},
      {objet3ds("Rmal", concat({sommets3ds({0, 0, 0, 1, 0, 0}), face})), "faces beyond its vertices"},
      // A second, shorter vertex list after the faces is caught before the normals are computed.
      {objet3ds("Rmal", concat({tri, face, sommets3ds({0, 0, 0})})), "faces beyond its vertices"},
      {objet3ds("Rx", concat({tri, chunk(0x4140, concat({u16s({1}), f32s({0.5f, 0.5f})})), face})),
       "fewer texture coordinates than vertices"},
      {chunk(0x4000, concat({texte("R"), profond})), "nested too deep"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.message);
    Import i(fichier3ds(concat({bon, c.apres})));
    EXPECT_EQ(i.r, IMPORT_CORROMPU);
    EXPECT_NE(i.erreurs.find(c.message), std::string::npos) << i.erreurs;
    ASSERT_GE(i.model.objectCount, 1);
    EXPECT_STREQ(i.model.objects[0].name, "Rbon");
    EXPECT_EQ(i.model.objects[0].faceCount, 1);
    verifie_coherence(i);
  }
  // The primary chunk itself claims more than the file holds.
  auto octets = fichier3ds(bon);
  octets[2] = 0xFF;
  Import p(octets);
  EXPECT_EQ(p.r, IMPORT_CORROMPU);
  EXPECT_EQ(p.model.objectCount, 0);
  // A full-length name that does end in time is fine.
  Import ok(fichier3ds(objet3ds(std::string(254, 'L'), sommets3ds({0, 0, 0}))));
  EXPECT_EQ(ok.r, IMPORT_OK);
  EXPECT_EQ(std::strlen(ok.model.objects[0].name), 254u);
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
    ASSERT_NO_FATAL_FAILURE(verifie_coherence(i)) << n;
  }
  std::mt19937 rng(7);
  for (int essai = 0; essai < 3000; essai++) {
    std::vector<uint8_t> abime = bon;
    const int n = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < n; k++) abime[rng() % abime.size()] = static_cast<uint8_t>(rng());
    ASSERT_NO_FATAL_FAILURE(verifie_coherence(Import(abime))) << essai;
  }
}

}  // namespace
