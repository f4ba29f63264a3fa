// World octree on a 100,000-triangle circuit: build time, one ground + wall search for a ship,
// and the share of the circuit's triangles such a search tests.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "world/octree.h"

namespace {

constexpr int GRILLE = 220;       // 220 x 220 ground cells, two triangles each
constexpr float TAILLE = 3000.0f;  // ground side
constexpr int SEGMENTS_MUR = 820;  // per wall, two rows of two triangles

float relief(float x, float z) { return 5.0f * std::sin(x / 100.0f) * std::cos(z / 80.0f); }

void ajoute(t3DModel& m, const char* nom, unsigned char type, const std::vector<CVector3>& sommets,
            const std::vector<std::array<int, 3>>& faces) {
  t3DObject o;
  std::strncpy(o.name, nom, sizeof o.name - 1);
  o.surfaceType = type;
  o.vertices = sommets;
  o.vertexCount = static_cast<int>(sommets.size());
  for (const auto& f : faces) {
    tFace t;
    for (int c = 0; c < 3; c++) t.vertexIndex[c] = f[c];
    CVector3 coins[3] = {sommets[f[0]], sommets[f[1]], sommets[f[2]]};
    t.normal = Normal(coins);
    o.faces.push_back(t);
  }
  o.faceCount = static_cast<int>(o.faces.size());
  m.objects.push_back(std::move(o));
  m.objectCount = static_cast<int>(m.objects.size());
}

// Ground split in two objects by rows (road band in the middle, grass around), and two walls
// along x at z = -30 and z = +30.
const t3DModel& circuit() {
  static t3DModel m;
  if (m.objectCount) return m;
  const float pas = TAILLE / GRILLE;
  for (int partie = 0; partie < 2; partie++) {
    std::vector<CVector3> s;
    std::vector<std::array<int, 3>> f;
    const int z0 = partie * GRILLE / 2, z1 = z0 + GRILLE / 2;
    for (int j = z0; j <= z1; j++) {
      for (int i = 0; i <= GRILLE; i++) {
        const float x = -TAILLE / 2 + i * pas, z = -TAILLE / 2 + j * pas;
        s.push_back(CVector3(x, relief(x, z), z));
      }
    }
    for (int j = 0; j < z1 - z0; j++) {
      for (int i = 0; i < GRILLE; i++) {
        const int a = j * (GRILLE + 1) + i, b = a + 1, c = a + GRILLE + 1, d = c + 1;
        f.push_back({a, c, d});
        f.push_back({a, d, b});
      }
    }
    ajoute(m, partie ? "Rroute" : "Gherbe", partie ? 3 : 7, s, f);
  }
  for (int cote = -1; cote <= 1; cote += 2) {
    std::vector<CVector3> s;
    std::vector<std::array<int, 3>> f;
    const float z = 30.0f * cote, lm = TAILLE / SEGMENTS_MUR;
    for (int i = 0; i <= SEGMENTS_MUR; i++) {
      const float x = -TAILLE / 2 + i * lm;
      for (int h = 0; h <= 2; h++) s.push_back(CVector3(x, relief(x, z) - 1 + 6.0f * h, z));
    }
    for (int i = 0; i < SEGMENTS_MUR; i++) {
      for (int h = 0; h < 2; h++) {
        const int a = i * 3 + h, b = a + 1, c = a + 3, d = c + 1;
        if (cote > 0) {  // facing -z, towards the track
          f.push_back({a, b, d});
          f.push_back({a, d, c});
        } else {
          f.push_back({a, d, b});
          f.push_back({a, c, d});
        }
      }
    }
    ajoute(m, cote > 0 ? "Dnord" : "Dsud", 31, s, f);
  }
  return m;
}

int triangles(const t3DModel& m) {
  int n = 0;
  for (const auto& o : m.objects) n += o.faceCount;
  return n;
}

// A ship with the game's probe and collision spheres; counts the triangles it is tested against.
struct Vaisseau : CObjetMonde {
  CVector3 position{0, 0, 0}, deplacement{1, 0, 0.3f};
  long testes = 0;
  static float ecart(float p, float c, float h) { return p < c - h ? c - h - p : (p > c + h ? p - c - h : 0.0f); }
  bool OverlappsCube(float cx, float cy, float cz, float h, int mode, float margin) override {
    const CVector3 c = position + CVector3(0, mode == 1 ? 2.7f + margin : 2.2f, 0);
    const float r = mode == 1 ? 3.0f : 4.5f;
    const float dx = ecart(c.x, cx, h), dy = ecart(c.y, cy, h), dz = ecart(c.z, cz, h);
    return dx * dx + dy * dy + dz * dz <= r * r;
  }
  bool Analise_contact(CVector3* t, CVector3 n) override {
    testes++;
    CVector3 sonde = position + CVector3(0, 2.7f, 0), p, nn;
    float d;
    return SpherePolygonCollisionCoordNorm(t, sonde, 3, 3.0f, &p, &nn, &d, n);
  }
  bool Analise_contact_ombre(CVector3, CVector3*, CVector3) override { return true; }
  void set_Contact(int, int, const char*, unsigned char) override {}
  void set_Ombre_Contact(int, int, const char*, unsigned char) override {}
  CVector3 GetVectorPosition() override { return position; }
  CVector3 GetPositionCollision() override { return position + CVector3(0, 2.2f, 0); }
  float GetRadius() override { return 4.5f; }
  CVector3 GetVectorDeplacement() override { return deplacement; }
  void Set_Roule() override {}
  void Set_Chute() override {}
  void SetContactDecor(bool, CVector3) override {}
  void Set_Collision() override {}
};

// Wall triangles a wall search tests: those of the walls in every end node its sphere reaches.
long murs_testes(const COctree* n, const t3DModel& m, Vaisseau& v) {
  if (!n) return 0;
  const CVector3 c = n->GetCenter();
  if (!v.OverlappsCube(c.x, c.y, c.z, n->GetWidth() / 2, 2, 0.0f)) return 0;
  long total = 0;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) total += murs_testes(n->GetChild(k), m, v);
    return total;
  }
  for (int i : n->GetObjectList()) {
    if (m.objects[i].surfaceType == 31) total += n->GetWorld()->objects[i].faceCount;
  }
  return total;
}

// Bytes held by the end nodes' copies: object records, faces and indices.
double octets_arbre(const COctree* n) {
  if (!n) return 0;
  double total = sizeof(COctree);
  for (int k = 0; k < 8; k++) total += octets_arbre(n->GetChild(k));
  if (const t3DModel* w = n->GetWorld()) {
    total += sizeof(t3DModel) + w->objects.capacity() * sizeof(t3DObject);
    for (const t3DObject& o : w->objects) total += o.faces.capacity() * sizeof(tFace) + o.indices.capacity() * sizeof(int);
  }
  return total;
}

void BM_OctreeBuild(benchmark::State& state) {
  const t3DModel& m = circuit();
  t3DModel& w = const_cast<t3DModel&>(m);
  COctree arbre;
  for (auto _ : state) {
    arbre.GetSceneDimensions(&w);
    arbre.CreateNode(&w, arbre.GetSceneTriangleCount(&w), arbre.GetCenter(), arbre.GetWidth());
  }
  state.counters["triangles"] = triangles(m);
  state.counters["end_nodes"] = g_EndNodeCount;
  state.counters["tree_MB"] = octets_arbre(&arbre) / 1e6;
}
BENCHMARK(BM_OctreeBuild)->Unit(benchmark::kMillisecond);

// state.range(0): 0 ground and wall, 1 ground only, 2 walls only.
void BM_GroundAndWallSearch(benchmark::State& state) {
  t3DModel& w = const_cast<t3DModel&>(circuit());
  COctree arbre;
  arbre.GetSceneDimensions(&w);
  arbre.CreateNode(&w, arbre.GetSceneTriangleCount(&w), arbre.GetCenter(), arbre.GetWidth());
  // Ships along the track, some of them scraping the north wall.
  std::vector<Vaisseau> flotte(64);
  for (size_t i = 0; i < flotte.size(); i++) {
    const float x = -1400.0f + 43.7f * i, z = (i % 4 == 0) ? 27.0f : -10.0f + (i % 7) * 4;
    flotte[i].position = CVector3(x, relief(x, z), z);
  }
  size_t i = 0;
  long recherches = 0;
  std::vector<long> passages(flotte.size(), 0);
  for (auto _ : state) {
    passages[i % flotte.size()]++;
    Vaisseau& v = flotte[i++ % flotte.size()];
    if (state.range(0) != 2) benchmark::DoNotOptimize(arbre.ChercheSolObjet(&v, &w));
    if (state.range(0) != 1) arbre.CollisionsObjetmonde(&v, &w);
    recherches++;
  }
  long testes = 0;  // ground triangles handed to the probe, plus the wall triangles classified
  for (size_t k = 0; k < flotte.size(); k++) {
    testes += flotte[k].testes;
    if (state.range(0) != 1) testes += passages[k] * murs_testes(&arbre, w, flotte[k]);
  }
  state.counters["tested_per_search"] = static_cast<double>(testes) / recherches;
  state.counters["share_vs_scan_pct"] = 100.0 * testes / recherches / triangles(w);
}
BENCHMARK(BM_GroundAndWallSearch)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
