// Vertex normals: the one-pass computation gives, bit for bit, what a scan of every face for
// every vertex gives.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "world/load3ds.h"

namespace {

// The plain rule: for each vertex, every face that uses it, in face order.
std::vector<CVector3> normales_par_balayage(const t3DObject& o) {
  std::vector<CVector3> p;
  for (const tFace& f : o.faces) {
    const CVector3 a = o.vertices[f.vertexIndex[0]], b = o.vertices[f.vertexIndex[1]], c = o.vertices[f.vertexIndex[2]];
    p.push_back(Cross(b - a, c - a));
  }
  std::vector<CVector3> n(o.vertexCount, CVector3(0, 0, 0));
  for (int i = 0; i < o.vertexCount; i++) {
    CVector3 somme(0, 0, 0);
    int compte = 0;
    for (size_t j = 0; j < o.faces.size(); j++) {
      const int* v = o.faces[j].vertexIndex;
      if (v[0] == i || v[1] == i || v[2] == i) {
        somme = somme + p[j];
        compte++;
      }
    }
    if (compte) n[i] = Normalize(somme / static_cast<float>(compte));
  }
  return n;
}

TEST(Normales, OnePassEqualsTheScanBitForBit) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<float> reel(-1000, 1000);
  for (int essai = 0; essai < 50; essai++) {
    t3DModel m;
    m.objects.resize(1 + rng() % 3);
    for (t3DObject& o : m.objects) {
      o.vertexCount = 1 + static_cast<int>(rng() % 200);
      for (int v = 0; v < o.vertexCount; v++) o.vertices.push_back(CVector3(reel(rng), reel(rng), reel(rng)));
      o.faceCount = static_cast<int>(rng() % 600);
      for (int f = 0; f < o.faceCount; f++) {
        tFace face;
        // Few distinct vertices per face now and then, so repeated corners are covered.
        const int etendue = (rng() % 8 == 0) ? 2 : o.vertexCount;
        for (int& idx : face.vertexIndex) idx = static_cast<int>(rng() % etendue);
        o.faces.push_back(face);
      }
    }
    m.objectCount = static_cast<int>(m.objects.size());
    CLoad3DS::ComputeNormals(&m);
    for (const t3DObject& o : m.objects) {
      const std::vector<CVector3> attendu = normales_par_balayage(o);
      ASSERT_EQ(o.normals.size(), attendu.size());
      ASSERT_EQ(0, std::memcmp(o.normals.data(), attendu.data(), attendu.size() * sizeof(CVector3)));
      for (const tFace& f : o.faces) {
        const CVector3 a = o.vertices[f.vertexIndex[0]];
        const CVector3 n = Normal(std::vector<CVector3>{a, o.vertices[f.vertexIndex[1]], o.vertices[f.vertexIndex[2]]}.data());
        ASSERT_EQ(0, std::memcmp(&n, &f.normal, sizeof n));
      }
    }
  }
}

}  // namespace
