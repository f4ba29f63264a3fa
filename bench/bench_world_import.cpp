// 3DS import of a 100,000-triangle circuit-sized model, normals included, from memory.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "assetgen/ecrit3ds.h"
#include "world/load3ds.h"

namespace {

// A rolling textured ground of 250 x 200 cells: 100,000 triangles, split by the writer into
// objects of at most 65535 faces.
const std::vector<uint8_t>& modele_100k() {
  static const std::vector<uint8_t> octets = [] {
    CMaillage m;
    m.materiau("route", 90, 90, 90, "route.jpg");
    tObjetMaillage& o = m.objet("Rroute", "route", true);
    CMaillage::grille(o, CVector3(-1250, 0, -1000), 250, 200, 10.0f,
                      [](float x, float z) { return 8.0f * std::sin(x * 0.01f) * std::cos(z * 0.013f); });
    return ecrit_3ds(m);
  }();
  return octets;
}

void BM_Import3DS_100k(benchmark::State& state) {
  const std::vector<uint8_t>& octets = modele_100k();
  int triangles = 0;
  for (auto _ : state) {
    tMateriaux table;
    t3DModel model;
    CLoad3DS loader;
    loader.Import3DSMemoire(&table, &model, octets.data(), octets.size(), "bench");
    triangles = 0;
    for (const t3DObject& o : model.objects) triangles += o.faceCount;
    benchmark::DoNotOptimize(model.objects.data());
  }
  state.counters["triangles"] = triangles;
  state.counters["bytes"] = static_cast<double>(octets.size());
}
BENCHMARK(BM_Import3DS_100k)->Unit(benchmark::kMillisecond);

void BM_ComputeNormals_100k(benchmark::State& state) {
  const std::vector<uint8_t>& octets = modele_100k();
  tMateriaux table;
  t3DModel model;
  CLoad3DS loader;
  loader.Import3DSMemoire(&table, &model, octets.data(), octets.size(), "bench");
  for (auto _ : state) {
    CLoad3DS::ComputeNormals(&model);
    benchmark::DoNotOptimize(model.objects.data());
  }
}
BENCHMARK(BM_ComputeNormals_100k)->Unit(benchmark::kMillisecond);

}  // namespace
