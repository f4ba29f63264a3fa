// Ships: states, the wall bounce and its push, the player's wrong way and targets; the gauge; the lean.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "math/degres.h"
#include "objects/humain.h"
#include "objects/inclinaison.h"
#include "objects/jauge.h"
#include "objects/joueur.h"
#include "support/outils_essai.h"
#include "world/trajectoire.h"

namespace {

class Vaisseau : public ::testing::Test {
 protected:
  void SetUp() override {
    init_cosin();
    h.angle = h.angle_deplacement = 0;
    h.face_sol.normale = CVector3(0, 1, 0);
  }
  void TearDown() override { Effacement_liste_point_t(); }
  CObjJoueur p;
  ControleEssai clavier;
  CJoueurHumain h;  // the player's
};

TEST_F(Vaisseau, StateGuardsFinishIsFinalButExplosionStillKicks) {
  p.SetMove();
  p.Set_Roule();
  p.Set_Explode();
  p.Set_Roule();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Explode);
  p.Set_Chute();  // only Finish resists a fall
  EXPECT_EQ(p.GetEtat(), EtatPilote::Saute);
  p.Set_Roule();
  p.contact_sol = p.contact_decor = p.contact_ombre = true;
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Saute);
  EXPECT_FALSE(p.contact_sol || p.contact_decor || p.contact_ombre);
  p.Set_Finish();
  p.Set_Roule();
  p.Set_Chute();
  p.normale_decor = CVector3(-1, 0, 0);
  p.Set_Collision();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Finish);
  p.position = CVector3(0, 1, 0);
  p.deplacement = CVector3();
  p.Set_Explode();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Finish);
  EXPECT_FLOAT_EQ(p.position.y, 1.6f);
  EXPECT_FLOAT_EQ(p.deplacement.y, 0.8f);
  // Before the start, Set_Roule waits, even from Finish.
  p.StopMove();
  p.Set_Roule();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Attend);
}

TEST_F(Vaisseau, WallBounceMirrorsOnceAndCutsSpeed) {
  p.SetMove();
  p.Set_Roule();
  p.vitesse = 2.0f;
  p.deplacement = Normalize(CVector3(1, 0, 1));
  p.SetContactDecor(true, CVector3(-1, 0, 0));
  EXPECT_NEAR(Distance(p.position, CVector3(-1.1f, 0, 0)), 0, 1e-4f);
  p.Set_Collision();
  EXPECT_NEAR(Distance(p.deplacement, CVector3(-0.70710678f, 0, 0.70710678f)), 0, 2e-3f);
  EXPECT_FLOAT_EQ(p.vitesse, 1.3f);
  EXPECT_EQ(p.GetEtat(), EtatPilote::CollisionRoule);
  // A second one while colliding changes nothing.
  p.Set_Collision();
  EXPECT_FLOAT_EQ(p.vitesse, 1.3f);
  EXPECT_NEAR(Distance(p.deplacement, CVector3(-0.70710678f, 0, 0.70710678f)), 0, 2e-3f);
  // Many faces at once add up to a huge push: it is cut to the ship's radius.
  CObjJoueur m;
  m.SetContactDecor(true, CVector3(0, 60, 0));
  EXPECT_NEAR(m.position.y, 4.5f * 1.1f, 1e-4f);
  EXPECT_NEAR(Magnitude(m.normale_decor), 4.5f, 1e-4f);
  // Head-on: straight back (the normal kept un-normalised, used normalised); no normal: no bounce.
  for (auto [normale, apres] : {std::pair{CVector3(-3, 0, 0), -1.0f}, {CVector3(0, 0, 0), 1.0f}}) {
    CObjJoueur q;
    q.deplacement = CVector3(1, 0, 0);
    q.normale_decor = normale;
    q.Set_Collision();
    EXPECT_NEAR(Distance(q.deplacement, CVector3(apres, 0, 0)), 0, 1e-4f);
  }
}

TEST_F(Vaisseau, WrongWayBlinksAfter30StepsAndAPointPassedBesideIsStillReached) {
  h.dir_traj = CVector3(0, 0, 1);
  h.deplacement = CVector3(0, 0, -1);
  h.Set_Attend();
  for (int i = 1; i <= 80; i++) {
    h.action();
    EXPECT_EQ(h.sens_interdit, (i >= 31 && i <= 55) || i >= 67) << "step " << i;
  }
  h.deplacement = CVector3(0, 0, 1);
  h.action();
  EXPECT_FALSE(h.sens_interdit);
  // A point passed beside is still reached.
  creation_point_t(0, 0, 0, 0);
  creation_point_t(0, 0, 100, 1);
  creation_point_t(100, 0, 100, 2);
  calcule_trajectoire();
  h.position = CVector3(25, 0, 80);
  h.set_ptr_destination(prem_list_ptraj->suivant);
  EXPECT_EQ(h.point_valide, 1);
  EXPECT_EQ(h.point_courant, 2);
  // Abreast of the point, 25 units to the side (625 > 225), then moving away.
  h.position = CVector3(25, 0, 100);
  h.action();
  EXPECT_EQ(h.point_courant, 2);
  h.position = CVector3(25, 0, 110);
  h.action();
  EXPECT_EQ(h.point_courant, 3);
  EXPECT_EQ(h.point_valide, 2);
  EXPECT_FLOAT_EQ(h.dir_traj.z, prem_list_ptraj->suivant->normale.z);
  // The first point of the line takes the last point's direction and reports -1.
  h.set_ptr_destination(prem_list_ptraj);
  EXPECT_EQ(h.point_valide, -1);
}

constexpr double DEG = M_PI / 180.0;

// How far round the dial a point is, clockwise from pointing left, in degrees: 90 straight up,
// 180 pointing right, past 180 below the right.
double tour(PointJauge p) {
  const double a = std::atan2(p.y, -p.x) / DEG;
  return a < -90 ? a + 360 : a;
}

TEST(Jauge, LitDotsRunUpToTheNeedle) {
  const float vmax = 2.5f;
  for (float v : {0.0f, 0.4f, 1.25f, 2.0f, 2.5f, 3.0f, 4.0f}) {
    SCOPED_TRACE(v);
    PointJauge c[3];
    aiguille_jauge(angle_aiguille(v, vmax), c);
    const double aiguille = tour({(c[0].x + c[1].x) / 2, (c[0].y + c[1].y) / 2});
    // The needle climbs over the top.
    EXPECT_TRUE(v <= 0 || v > vmax || (c[0].y + c[1].y) / 2 > 0);
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
    EXPECT_GE(dernier, std::min(aiguille, vmax * 66.0) - vmax * 66.0 / (NB_GRADUATIONS - 1) - 1e-3);
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
    const float m[16] = {1 / r, 0, 0, 0, 0, 1 / t, 0, 0, 0, 0, 0, -1};
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
