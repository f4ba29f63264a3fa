// Geometry: the cases where the exact rules matter (boundaries, bounds, quadrants).
#include <gtest/gtest.h>

#include <cmath>

#include "math/degres.h"
#include "math/vector.h"

namespace {

class Geometrie : public ::testing::Test {
 protected:
  void SetUp() override { init_cosin(); }
};

void expect_vec(CVector3 v, float x, float y, float z, float eps = 1e-5f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

TEST_F(Geometrie, DegreeTablesWrapByWholeTurnsAndKeep360) {
  const struct {
    int table, degres, indice;  // table 0 is the cosine, 1 the sine
  } cas[] = {{0, 720, 360}, {0, 360, 360}, {0, 1080, 360}, {1, -30, 330},
             {1, 361, 1},    {1, -360, 0},   {1, -361, 359}};
  for (const auto& c : cas) {
    EXPECT_EQ((c.table ? sinus : cosinus)(c.degres), cosin[c.table][c.indice]) << c.degres;
  }
  // Extreme arguments must land inside the table rather than overflow.
  EXPECT_TRUE(std::isfinite(sinus(2147483647)));
  EXPECT_TRUE(std::isfinite(sinus(-2147483647 - 1)));
  EXPECT_FLOAT_EQ(cosin[0][90], static_cast<float>(std::cos(static_cast<float>(90 * 0.017453292519943))));
  EXPECT_NEAR(cosin[1][90], 1.0f, 1e-7f);
}

TEST_F(Geometrie, OperatorsAndBasicFunctions) {
  CVector3 a(1, 2, 3), b(4, 5, 6);
  expect_vec(b / 2 - a * 2, 0, -1.5f, -3);
  a += b;
  expect_vec(a, 5, 7, 9);
  a = 1.5f;
  expect_vec(a, 1.5f, 1.5f, 1.5f);
  EXPECT_EQ(Absolute(-0.5f), 0.5f);
  expect_vec(Cross(CVector3(1, 0, 0), CVector3(0, 1, 0)), 0, 0, 1);
  EXPECT_FLOAT_EQ(Dot(CVector3(1, 2, 3), CVector3(4, -5, 6)), 12);
  EXPECT_FLOAT_EQ(Distance(CVector3(1, 1, 1), CVector3(4, 5, 1)), 5);
  EXPECT_FLOAT_EQ(PlaneDistance(CVector3(0, 1, 0), CVector3(7, 3, -2)), -3);
  EXPECT_EQ(AngleBetweenVectors(CVector3(0, 0, 0), CVector3(1, 0, 0)), 0.0f);  // NaN becomes 0
  EXPECT_NEAR(AngleBetweenVectors(CVector3(1, 0, 0), CVector3(0, 0, 2)), M_PI / 2, 1e-6);
}

TEST_F(Geometrie, ClosestPointIsClampedToTheSegmentEnds) {
  CVector3 a(0, 0, 0), b(10, 0, 0);
  expect_vec(ClosestPointOnLine(a, b, CVector3(15, 3, 0)), 10, 0, 0, 0);
  expect_vec(ClosestPointOnLine(a, b, CVector3(-5, 3, 0)), 0, 0, 0, 0);
  expect_vec(ClosestPointOnLine(a, b, CVector3(10, 3, 0)), 10, 0, 0, 0);
  expect_vec(ClosestPointOnLine(a, b, CVector3(4, 3, 0)), 4, 0, 0);
}

TEST_F(Geometrie, InsidePolygonAndEdgeSphereAtTheirBounds) {
  CVector3 tri[3] = {CVector3(0, 0, 0), CVector3(4, 0, 0), CVector3(0, 4, 0)};
  EXPECT_TRUE(InsidePolygon(CVector3(1, 1, 0), tri, 3));
  EXPECT_TRUE(InsidePolygon(CVector3(2, 0, 0), tri, 3));  // on an edge: pi + the other two
  EXPECT_FALSE(InsidePolygon(CVector3(5, 5, 0), tri, 3));
  EXPECT_FALSE(InsidePolygon(CVector3(-0.1f, 1, 0), tri, 3));
  CVector3 c(2, -0.5f, 0);
  EXPECT_TRUE(EdgeSphereCollision(c, tri, 3, 1.0f));
  c = CVector3(2, -1.0f, 0);
  EXPECT_FALSE(EdgeSphereCollision(c, tri, 3, 1.0f));  // exactly the radius is not closer
  CVector3 n(0, 1, 0);
  expect_vec(GetCollisionOffset(n, 2.0f, 0.0f), 0, -2, 0);
  expect_vec(GetCollisionOffset(n, 2.0f, 0.5f), 0, 1.5f, 0);
  expect_vec(GetCollisionOffset(n, 2.0f, -0.5f), 0, -1.5f, 0);
}

TEST_F(Geometrie, ClassifySphereAtExactlyTheRadius) {
  const struct {
    float y;
    int cote;
  } cas[] = {{1, FRONT}, {-1, BEHIND}, {0.5f, INTERSECTS}, {3, FRONT}};
  CVector3 n(0, 1, 0), p(0, 0, 0);
  for (const auto& c : cas) {
    CVector3 centre(0, c.y, 0);
    float d = 99;
    EXPECT_EQ(ClassifySphere(centre, n, p, 1.0f, d), c.cote) << c.y;
    EXPECT_EQ(d, c.y);
  }
}

TEST_F(Geometrie, SphereContactBehindAFaceStopsAtThreeUnits) {
  // Large face in the plane y = 0, counter-clockwise seen from above: normal +y.
  CVector3 face[3] = {CVector3(-100, 0, 100), CVector3(100, 0, 100), CVector3(0, 0, -100)};
  EXPECT_GT(Normal(face).y, 0.99f);
  CVector3 point(7, 7, 7), normal(7, 7, 7);
  float dist = 7;
  CVector3 c(0, -2.9f, 0);
  ASSERT_TRUE(SpherePolygonCollisionCoord(face, c, 3, 1.0f, &point, &normal, &dist));
  EXPECT_NEAR(dist, -2.9f, 1e-5f);
  expect_vec(point, 0, 0, 0);
  expect_vec(normal, 0, 1, 0);
  c = CVector3(0, -3.0f, 0);
  point = 7;
  dist = 7;
  EXPECT_FALSE(SpherePolygonCollisionCoord(face, c, 3, 1.0f, &point, &normal, &dist));
  expect_vec(point, 7, 7, 7, 0);  // untouched on a miss
  EXPECT_EQ(dist, 7);
  // Above the face, within the radius: contact; beyond the outline: none.
  c = CVector3(0, 0.5f, 0);
  EXPECT_TRUE(SpherePolygonCollisionCoord(face, c, 3, 1.0f, &point, &normal, &dist));
  c = CVector3(500, 0.5f, 0);
  EXPECT_FALSE(SpherePolygonCollisionCoord(face, c, 3, 1.0f, &point, &normal, &dist));

  // With the face's normal given, the distance is always written and the bound is 3.5.
  point = 7;
  c = CVector3(0, 5, 0);  // in front, no contact
  EXPECT_FALSE(SpherePolygonCollisionCoordNorm(face, c, 3, 1.0f, &point, &normal, &dist, CVector3(0, 1, 0)));
  EXPECT_FLOAT_EQ(dist, 5);
  expect_vec(point, 7, 7, 7, 0);
  c = CVector3(0, -3.4f, 0);
  EXPECT_TRUE(SpherePolygonCollisionCoordNorm(face, c, 3, 1.0f, &point, &normal, &dist, CVector3(0, 1, 0)));
  EXPECT_NEAR(dist, -3.4f, 1e-5f);
  c = CVector3(0, -3.5f, 0);
  EXPECT_FALSE(SpherePolygonCollisionCoordNorm(face, c, 3, 1.0f, &point, &normal, &dist, CVector3(0, 1, 0)));
}

TEST_F(Geometrie, PointInTriangleSeenFromAbove) {
  CVector3 tri[3] = {CVector3(0, 5, 0), CVector3(10, -3, 0), CVector3(0, 0, 10)};
  EXPECT_TRUE(IsPointDansTriangleXZ(CVector3(2, 1000, 2), tri));
  EXPECT_TRUE(IsPointDansTriangleXZ(CVector3(2, -1000, 2), tri));
  EXPECT_TRUE(IsPointDansTriangleXZ(CVector3(5, 0, 0), tri));  // on the border
  EXPECT_TRUE(IsPointDansTriangleXZ(CVector3(0, 0, 0), tri));  // a corner
  EXPECT_FALSE(IsPointDansTriangleXZ(CVector3(6, 0, 6), tri));
}

TEST_F(Geometrie, HeadingInAllFourQuadrantsAndWholeDegreeRotations) {
  const struct {
    float dx, dz, cap;
  } caps[] = {{0, 1, 0},          {0, -1, 180},       {1, 0, 89.9988f},   {-1, 0, 270.0012f},
              {-1, 1, 315.0006f}, {1, 1, 44.9994f},   {1, -1, 135.0006f}, {-1, -1, 224.9994f}};
  for (const auto& c : caps) EXPECT_NEAR(get_angle(0, 0, c.dx, c.dz), c.cap, 1e-3f) << c.dx << " " << c.dz;
  EXPECT_NEAR(get_angle(5, 5, 5 + std::sqrt(3.0f), 6), 59.9988f, 1e-3f);
  EXPECT_FLOAT_EQ(get_angle(0, 0, 0, 1), 0);
  EXPECT_FLOAT_EQ(get_angle(0, 0, 0, -1), 180);

  expect_vec(Rot_axe_Y(CVector3(1, 0, 0), 90), 0, 0, -1);
  expect_vec(Rot_axe_Y(CVector3(0, 0, 1), 90), 1, 0, 0);
  expect_vec(Rot_axe_X(CVector3(0, 1, 0), 90), 0, 0, 1);
  expect_vec(Rot_axe_Z(CVector3(1, 0, 0), -270), 0, 1, 0);
  expect_vec(Rot_axe_X(CVector3(3, 1, 0), 180), 3, -1, 0);
}

}  // namespace
