// 3DS loader: axes, materials, round trips, split objects, and bad input stopped cleanly.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "assetgen/ecrit3ds.h"
#include "common/binio.h"
#include "world/load3ds.h"

namespace {

// One import from memory with its error lines, and hand-made chunks the writer would never produce.
struct Import {
  tMateriaux table;
  t3DModel model;
  tResultat3DS r;
  std::string erreurs;
  explicit Import(const std::vector<uint8_t>& octets, tMateriaux* t = nullptr) {  // t: a shared table
    testing::internal::CaptureStderr();
    r = CLoad3DS().Import3DSMemoire(t ? t : &table, &model, octets.data(), octets.size(), "test");
    erreurs = testing::internal::GetCapturedStderr();
  }
};

// A vector as a whole value, to compare it at once.
inline std::vector<float> xyz(const CVector3& v) { return {v.x, v.y, v.z}; }

// Same length and bytes (memcmp takes no null, which an empty vector may hold).
template <class A, class B>
bool memes_octets(const std::vector<A>& a, const std::vector<B>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(A)) == 0);
}

// A chunk: id, then length (header included) unless `longueur` forces another value.
inline std::vector<uint8_t> chunk(uint16_t id, const std::vector<uint8_t>& corps, int64_t longueur = -1) {
  Ecrivain e;
  e.u16(id);
  e.u32(longueur < 0 ? static_cast<uint32_t>(corps.size() + 6) : static_cast<uint32_t>(longueur));
  e.octets(corps.data(), corps.size());
  return e.donnees();
}

inline std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> r;
  for (const auto& p : parts) r.insert(r.end(), p.begin(), p.end());
  return r;
}

inline std::vector<uint8_t> texte(const std::string& s) {
  return std::vector<uint8_t>(s.c_str(), s.c_str() + s.size() + 1);
}

inline std::vector<uint8_t> u16s(std::initializer_list<uint16_t> v) {
  Ecrivain e;
  for (uint16_t x : v) e.u16(x);
  return e.donnees();
}

inline std::vector<uint8_t> f32s(std::initializer_list<float> v) {
  Ecrivain e;
  for (float x : v) e.f32(x);
  return e.donnees();
}

// A whole file: primary chunk around an editor block holding `contenu`.
inline std::vector<uint8_t> fichier3ds(const std::vector<uint8_t>& contenu) {
  Ecrivain mv;
  mv.u32(3);
  return chunk(0x4D4D, chunk(0x3D3D, concat({chunk(0x3D3E, mv.donnees()), contenu})));
}

// A named object holding one triangle mesh with the given sub-chunks.
inline std::vector<uint8_t> objet3ds(const std::string& nom, const std::vector<uint8_t>& maillage) {
  return chunk(0x4000, concat({texte(nom), chunk(0x4100, maillage)}));
}

inline std::vector<uint8_t> sommets3ds(std::initializer_list<float> xyz) {
  return chunk(0x4110, concat({u16s({static_cast<uint16_t>(xyz.size() / 3)}), f32s(xyz)}));
}

// Faces (three indices each) followed, inside the face chunk, by an optional material chunk.
inline std::vector<uint8_t> faces3ds(std::initializer_list<uint16_t> abc, const std::string& materiau = "") {
  Ecrivain e;
  e.u16(static_cast<uint16_t>(abc.size() / 3));
  int k = 0;
  for (uint16_t i : abc) {
    e.u16(i);
    if (++k % 3 == 0) e.u16(7);
  }
  std::vector<uint8_t> corps = e.donnees();
  if (!materiau.empty()) {
    const auto m = chunk(0x4130, concat({texte(materiau), u16s({0})}));
    corps.insert(corps.end(), m.begin(), m.end());
  }
  return chunk(0x4120, corps);
}

// Game (x, y, z) is file (x, -z, y); the writer's way back is held by the round trip below.
TEST(Load3DS, FilesAreZUpAndFlatFacesPointUp) {
  const auto sol = concat({sommets3ds({1, 2, 3, 2, 2, 3, 1, 3, 3}), faces3ds({0, 1, 2})});
  Import i(fichier3ds(objet3ds("Rsol", sol)));
  ASSERT_EQ(i.r, IMPORT_OK);
  ASSERT_EQ(i.model.objectCount, 1);
  const t3DObject& t = i.model.objects[0];
  EXPECT_EQ(xyz(t.vertices[0]), (std::vector<float>{1, 3, -2}));
  EXPECT_EQ(xyz(t.faces[0].normal), (std::vector<float>{0, 1, 0}));
  for (const CVector3& n : t.normals) EXPECT_EQ(n.y, 1.0f);
  EXPECT_EQ(t.materialIndex, -1);  // no face-material chunk
}

TEST(Load3DS, ObjectMaterialsAreFoundByNameInTheWholeTable) {
  CMaillage a;
  a.materiau("Pierre", 10, 20, 30, "pierre.jpg");
  a.materiau("Nu", 1, 2, 3);
  a.objet("Rroute", "Pierre");
  a.objet("Dmur", "Nu");
  a.objet("inconnu", "Absent");
  tMateriaux table;
  Import i(ecrit_3ds(a), &table);
  ASSERT_EQ(i.r, IMPORT_OK);
  const std::pair<int, bool> attendu[] = {{0, true}, {1, false}, {-1, false}};
  for (int k = 0; k < 3; k++) {
    const t3DObject& o = i.model.objects[k];
    EXPECT_EQ(std::make_pair(o.materialIndex, o.hasTexture), attendu[k]) << k;
  }

  // A second model defining "Pierre" again appends its own copy, but its object finds the first.
  CMaillage b;
  b.materiau("Autre", 0, 0, 0);
  b.materiau("Pierre", 99, 99, 99);
  b.objet("Rpont", "Pierre");
  Import j(ecrit_3ds(b), &table);
  EXPECT_EQ(std::vector<int>({j.model.firstMaterial, j.model.endMaterial, table.materialCount}),
            (std::vector<int>{2, 4, 4}));
  EXPECT_EQ(j.model.objects[0].materialIndex, 0);
}

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

TEST(Load3DS, RandomMeshesSurviveTheWriterExactly) {
  std::mt19937 rng(1234);
  std::uniform_real_distribution<float> reel(-500, 500);
  for (int essai = 0; essai < 20; essai++) {
    CMaillage m;
    const int nmat = static_cast<int>(rng() % 5);
    for (int k = 0; k < nmat; k++) {
      m.materiau("mat" + std::to_string(k), rng() % 256, rng() % 256, rng() % 256,
                 (k % 2) ? "tex" + std::to_string(k) + ".jpg" : "");
    }
    const int nobj = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < nobj; k++) {
      const std::string mat = nmat ? "mat" + std::to_string(rng() % nmat) : "";
      tObjetMaillage& o = m.objet(std::string(1, "RLGDx"[k % 5]) + std::to_string(k), mat, rng() % 2);
      const int nv = 3 + static_cast<int>(rng() % 60);
      for (int v = 0; v < nv; v++) CMaillage::sommet(o, CVector3(reel(rng), reel(rng), reel(rng)), reel(rng), reel(rng));
      const int nf = static_cast<int>(rng() % 80);
      for (int f = 0; f < nf; f++) CMaillage::face(o, rng() % nv, rng() % nv, rng() % nv);
    }
    Import i(ecrit_3ds(m));
    ASSERT_EQ(i.r, IMPORT_OK);
    ASSERT_EQ(i.table.materialCount, nmat);
    for (int k = 0; k < nmat; k++) {
      EXPECT_EQ(m.materiaux[k].nom, i.table.materials[k].name);
      EXPECT_EQ(m.materiaux[k].fichier, i.table.materials[k].fileName);
      EXPECT_EQ(0, std::memcmp(m.materiaux[k].couleur, i.table.materials[k].color, 3));
    }
    ASSERT_EQ(i.model.objectCount, nobj);
    for (int k = 0; k < nobj; k++) {
      const tObjetMaillage& a = m.objets[k];
      const t3DObject& b = i.model.objects[k];
      EXPECT_EQ(a.nom, b.name);
      EXPECT_TRUE(memes_octets(a.sommets, b.vertices));
      EXPECT_TRUE(memes_octets(a.uv, b.texCoords));
      ASSERT_EQ(a.faces.size(), b.faces.size());
      for (size_t f = 0; f < b.faces.size(); f++) {
        for (int c = 0; c < 3; c++) EXPECT_EQ(a.faces[f][c], b.faces[f].vertexIndex[c]);
      }
      EXPECT_EQ(b.materialIndex, a.materiau.empty() ? -1 : std::stoi(a.materiau.substr(3)));
    }
    verifie_coherence(i);
  }
}

// What the loader takes in its stride: a newer version (with a warning), an empty scene, unknown
// chunks at every level, and an object's chunks in any order: faces (with their material) before
// the vertices they index, texture coordinates first of all.
TEST(Load3DS, NewerVersionsEmptyScenesUnknownChunksAndAnyChunkOrderLoad) {
  Import vide(chunk(0x4D4D, concat({chunk(0x0002, u16s({4, 0})), chunk(0x3D3D, {})})));
  EXPECT_NE(vide.erreurs.find("This 3DS file is over version 3 so it may load incorrectly Warning"),
            std::string::npos);
  EXPECT_EQ(vide.r, IMPORT_OK);
  EXPECT_EQ(vide.model.objectCount, 0);

  const auto inconnu = chunk(0x1234, {1, 2, 3, 4, 5});
  const auto uv = chunk(0x4140, concat({u16s({3}), f32s({0, 0, 1, 0, 0, 1})}));
  const auto materiau = chunk(0xAFFF, chunk(0xA000, texte("Vert")));
  const auto tri = sommets3ds({0, 0, 0, 1, 0, 0, 0, 1, 0});
  const auto octets = fichier3ds(concat({
      inconnu, chunk(0xB000, {9, 9}), materiau,
      objet3ds("Rpremier", concat({inconnu, uv, faces3ds({0, 1, 2}, "Vert"), tri})),
      objet3ds("Rsecond", concat({sommets3ds({0, 0, 0, 0, 0, 1, 1, 0, 0}), faces3ds({0, 1, 2})})),
  }));
  Import i(octets);
  EXPECT_EQ(i.erreurs, "");
  EXPECT_EQ(i.r, IMPORT_OK);
  ASSERT_EQ(i.model.objectCount, 2);
  const t3DObject& a = i.model.objects[0];
  EXPECT_EQ(std::vector<int>({a.faceCount, a.vertexCount, a.texVertexCount, a.materialIndex}),
            (std::vector<int>{1, 3, 3, 0}));
  EXPECT_FLOAT_EQ(a.faces[0].normal.y, 1.0f);  // computed on the vertices read after the faces
  EXPECT_EQ(i.model.objects[1].faceCount, 1);
}

// Objects over 65535 faces are written in parts.
TEST(Maillage, SplitPartsKeepEveryTriangleWithItsCoordinates) {
  CMaillage m;
  m.materiau("herbe", 1, 2, 3, "herbe.jpg");
  tObjetMaillage& o = m.objet("Gvaste", "herbe", true);
  CMaillage::grille(o, CVector3(0, 0, 0), 260, 140, 1.0f, [](float x, float z) { return x * 0.01f + z; });
  const size_t total = o.faces.size();
  Import i(ecrit_3ds(m));
  ASSERT_EQ(i.r, IMPORT_OK);
  size_t lues = 0;
  for (const t3DObject& p : i.model.objects) {
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
  EXPECT_GE(i.model.objectCount, 2);
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
      {chunk(0x4000, texte("Rmal"), 0), "chunk length below its header size"},
      {mal(chunk(0x4110, concat({u16s({1000}), f32s({1, 2, 3})}))), "count larger than the bytes left"},
      {mal(chunk(0x4120, u16s({500, 0, 1, 2, 0}))), "count larger than the bytes left"},
      {mal(chunk(0x4140, concat({u16s({60000}), f32s({0.5f})}))), "count larger than the bytes left"},
      {mal(chunk(0x4110, {})), "list without its count"},
      {chunk(0x4000, nom_long), "name without a terminator"},
      {chunk(0xAFFF, chunk(0xA000, nom_long)), "name without a terminator"},
      {mal(chunk(0x4130, {'a', 'b'})), "name without a terminator"},
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
  // A full-length name that does end in time is fine.
  Import ok(fichier3ds(objet3ds(std::string(254, 'L'), sommets3ds({0, 0, 0}))));
  EXPECT_EQ(ok.r, IMPORT_OK);
  EXPECT_EQ(std::strlen(ok.model.objects[0].name), 254u);
  // No more materials than texture slots.
  CMaillage m;
  for (int k = 0; k < MAX_TEXTURES + 5; k++) m.materiau("m" + std::to_string(k), 1, 2, 3);
  Import trop(ecrit_3ds(m));
  EXPECT_EQ(trop.r, IMPORT_CORROMPU);
  EXPECT_EQ(trop.table.materialCount, MAX_TEXTURES);
  EXPECT_EQ(trop.model.endMaterial, MAX_TEXTURES);
  EXPECT_STREQ(trop.table.materials[MAX_TEXTURES - 1].name, "m99");
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
