// Geometry primitives: the per-triangle cost that ground and wall queries pay.
#include <benchmark/benchmark.h>

#include "math/degres.h"
#include "math/frustum.h"
#include "math/vector.h"

static void BM_SpherePolygonCollision(benchmark::State& state) {
  CVector3 tri[3] = {CVector3(-10, 0, -10), CVector3(10, 0, -10), CVector3(0, 0, 10)};
  CVector3 centre(1, 0.5f, 1);
  CVector3 point, normal;
  float distance;
  for (auto _ : state) {
    bool c = SpherePolygonCollisionCoord(tri, centre, 3, 1.0f, &point, &normal, &distance);
    benchmark::DoNotOptimize(c);
    benchmark::DoNotOptimize(point);
  }
}
BENCHMARK(BM_SpherePolygonCollision);

static void BM_CubeInFrustum(benchmark::State& state) {
  // A 90-degree view from the origin down -z, far plane 400.
  const float proj[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1.005f, -1, 0, 0, -2.005f, 0};
  const float modl[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  CFrustum f;
  f.CalculateFrustum(proj, modl);
  float x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.CubeInFrustum(x, 0, -50, 10));
    x += 0.1f;
    if (x > 300) x = -300;
  }
}
BENCHMARK(BM_CubeInFrustum);

static void BM_RotAxeY(benchmark::State& state) {
  init_cosin();
  CVector3 v(1, 2, 3);
  int a = 0;
  for (auto _ : state) {
    v = Rot_axe_Y(v, a++);
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_RotAxeY);
