// Minimap: height shading, extent, and the on-track test used to place bonuses.
#include <gtest/gtest.h>

#include <vector>

#include "world/minimap.h"
#include "world/scene_octree.h"

namespace {

class Minimap : public ::testing::Test {
 protected:
  // Two triangles sharing the edge x = z, the second one higher.
  void SetUp() override {
    const CVector3 a(0, 0, 0), b(10, 2, 0), s(10, 4, 10), d(0, 8, 10);
    ajoute_objet(m, "carte", {a, b, s, a, s, d});
    c.Set3Dobj(&m);
  }
  t3DModel m;
  CMinimap c;
};

TEST_F(Minimap, ShadesFromTheBaseColourToWhite) {
  c.setColors(173, 111, 6, 160);
  c.init();
  const auto rgb = [this](float hauteur) {
    int r, g, b;
    c.couleur(hauteur, &r, &g, &b);
    return std::vector<int>{r, g, b};
  };
  EXPECT_EQ(rgb(8), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(rgb(0), (std::vector<int>{173, 111, 6}));
  // A flat map keeps its base colour instead of dividing by zero.
  for (auto& v : m.objects[0].vertices) v.y = 0;
  c.init();
  EXPECT_EQ(rgb(0), (std::vector<int>{173, 111, 6}));
}

TEST_F(Minimap, SharedEdgeAnswersWithTheFirstFace) {
  float y = -1;
  ASSERT_TRUE(c.PointSurPiste(5, 5, &y));
  EXPECT_FLOAT_EQ(y, 4);  // highest corner of the first face
  ASSERT_TRUE(c.PointSurPiste(2, 8, &y));
  EXPECT_FLOAT_EQ(y, 8);
  y = -1;
  EXPECT_FALSE(c.PointSurPiste(20, 5, &y));
  EXPECT_EQ(y, -1);
}

TEST_F(Minimap, ExtentAlwaysIncludesTheOrigin) {
  for (auto& v : m.objects[0].vertices) v.x += 50;
  c.Set3Dobj(&m);
  float minx, maxx, minz, maxz;
  c.GetVal(&minx, &maxx, &minz, &maxz);
  EXPECT_EQ(std::vector<float>({minx, maxx, minz, maxz}), (std::vector<float>{0, 60, 0, 10}));
  c.setPositionJoueurs(5, CVector3(1, 2, 3));
  c.setPositionJoueurs(9, CVector3(1, 2, 3));  // out of range: ignored
  EXPECT_FLOAT_EQ(c.GetPositionJoueur(5).z, 3);
  EXPECT_EQ(position_minimap(3).x, -1.85f);
  EXPECT_EQ(position_minimap(42).y, -2.0f);
}

}  // namespace
