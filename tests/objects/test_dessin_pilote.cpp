// The geometry behind the pilot's drawing: the speed gauge against its needle and the edges of the
// view, and the lean of a ship on sloping ground.
#include <gtest/gtest.h>

#include <cmath>

#include "objects/jauge.h"
#include "objects/inclinaison.h"

namespace {

constexpr double DEG = M_PI / 180.0;

// How far round the dial a point is, clockwise from pointing left, in degrees: 90 straight up,
// 180 pointing right, past 180 below the right.
double tour(PointJauge p) {
  const double a = std::atan2(p.y, -p.x) / DEG;
  return a < -90 ? a + 360 : a;
}

TEST(Jauge, LitDotsRunUpToTheNeedle) {
  const float vmax = 2.5f;
  const double pas = vmax * 66.0 / (NB_GRADUATIONS - 1);
  for (float v : {0.0f, 0.4f, 1.25f, 2.0f, 2.5f, 3.0f, 4.0f}) {
    SCOPED_TRACE(v);
    PointJauge c[3];
    aiguille_jauge(angle_aiguille(v, vmax), c);
    const double aiguille = tour({(c[0].x + c[1].x) / 2, (c[0].y + c[1].y) / 2});
    if (v > 0 && v <= vmax) {
      EXPECT_GT((c[0].y + c[1].y) / 2, 0);  // the needle climbs over the top
    }
    double dernier = -1;
    for (int k = 0; k < NB_GRADUATIONS; k++) {
      const double t = tour(graduation(k, vmax));
      if (graduation_allumee(k, vmax, angle_aiguille(v, vmax))) {
        EXPECT_LE(t, aiguille + 1e-3) << "dot " << k;
        dernier = t;
      } else {
        EXPECT_GT(t, aiguille) << "dot " << k;
      }
    }
    // The lit scale ends at the needle, or at the last dot once the needle is past it.
    EXPECT_GE(dernier, std::min(aiguille, vmax * 66.0) - pas - 1e-3);
  }
}

TEST(Jauge, WholeDialSitsInTheBottomRightCornerOfAnyView) {
  // The needle at every speed stays within the dial's radius, outline included.
  for (float v = 0; v < 5; v += 0.05f) {
    PointJauge c[3];
    aiguille_jauge(angle_aiguille(v, 2.5f), c);
    for (const PointJauge& p : c) EXPECT_LE(std::hypot(p.x, p.y) + 0.03f, RAYON_JAUGE);
  }
  // Right and top of the near plane at 1: 4:3 as the game sets it, then other window shapes.
  const float boites[][2] = {{1.33f, 1}, {1.25f, 1}, {1.778f, 1}, {1.33f, 0.75f}, {0.8f, 1}, {1, 1.25f}};
  for (const auto& [r, t] : boites) {
    SCOPED_TRACE(r / t);
    // The centred frustum's entries the dial reads, columns first.
    float m[16] = {};
    m[0] = 1 / r;
    m[5] = 1 / t;
    m[11] = -1;
    const PointJauge c = centre_jauge(m);
    const float d = PROFONDEUR_JAUGE;
    EXPECT_LE(c.x + RAYON_JAUGE, r * d);
    EXPECT_GE(c.y - RAYON_JAUGE, -t * d);
    // Tucked into the corner, not floating towards the middle.
    EXPECT_GT(c.x + RAYON_JAUGE, r * d - 0.05f);
    EXPECT_LT(c.y - RAYON_JAUGE, -t * d + 0.05f);
  }
}

TEST(Inclinaison, ShipUpAxisStandsOnTheGroundNormal) {
  // Banked sideways either way, sloping forwards, and both at once.
  const CVector3 sols[] = {{0.3f, 0.954f, 0}, {-0.42f, 0.907f, 0}, {0, 0.954f, 0.3f}, {0.25f, 0.93f, -0.27f}};
  for (const CVector3& n : sols) {
    SCOPED_TRACE(testing::Message() << n.x << " " << n.y << " " << n.z);
    const Inclinaison i = inclinaison_sol(n);
    // (0, 1, 0) turned about x, then about z, as glRotatef turns it.
    const double z = i.autour_z * DEG, x = i.autour_x * DEG;
    const double haut[3] = {-std::cos(x) * std::sin(z), std::cos(x) * std::cos(z), std::sin(x)};
    const CVector3 u = Normalize(n);
    // Whole degrees: a degree off at most per turn.
    for (int k = 0; k < 3; k++) EXPECT_NEAR(haut[k], (k == 0 ? u.x : k == 1 ? u.y : u.z), 0.04) << k;
  }
}

}  // namespace
