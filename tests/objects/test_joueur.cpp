// Ship base: state guards, the wall bounce, pushes between ships, the world box, ground contact,
// cube overlap and the engine pitch floor.
#include <gtest/gtest.h>

#include <cmath>

#include "math/degres.h"
#include "objects/joueur.h"

namespace {

// Exposes the per-step helpers the pilot kinds call.
class PiloteEssai : public CObjJoueur {
 public:
  using CObjJoueur::applique_choc;
  using CObjJoueur::contraint_limites;
};

void expect_vec(CVector3 v, float x, float y, float z, float eps = 1e-4f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

class Vaisseau : public ::testing::Test {
 protected:
  void SetUp() override { init_cosin(); }
};

TEST_F(Vaisseau, FinishIsFinalButExplosionStillKicks) {
  PiloteEssai p;
  p.SetMove();
  p.Set_Finish();
  p.Set_Roule();
  p.Set_Chute();
  p.normale_decor = CVector3(-1, 0, 0);
  p.Set_Collision();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Finish);
  p.position = CVector3(0, 1, 0);
  p.Set_Explode();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Finish);
  EXPECT_TRUE(p.GetFinish());
  EXPECT_FLOAT_EQ(p.position.y, 1.6f);
  EXPECT_FLOAT_EQ(p.deplacement.y, 0.8f);
  // Before the start, Set_Roule waits, even from Finish.
  p.StopMove();
  p.Set_Roule();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Attend);
}

TEST_F(Vaisseau, StateGuardsWhileCollidingOrExploding) {
  PiloteEssai p;
  p.SetMove();
  p.Set_Roule();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Roule);
  p.Set_Explode();
  p.Set_Roule();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Explode);
  p.Set_Chute();  // only Finish resists a fall
  EXPECT_EQ(p.GetEtat(), EtatPilote::Saute);
  p.Set_Roule();
  p.ResetContacts();
  EXPECT_EQ(p.GetEtat(), EtatPilote::Saute);
  p.contact_sol = p.contact_decor = p.contact_ombre = true;
  p.ResetContacts();
  EXPECT_FALSE(p.contact_sol || p.contact_decor || p.contact_ombre);
}

TEST_F(Vaisseau, WallBounceMirrorsOnceAndCutsSpeed) {
  PiloteEssai p;
  p.SetMove();
  p.Set_Roule();
  p.vitesse = 2.0f;
  p.deplacement = Normalize(CVector3(1, 0, 1));
  p.SetContactDecor(true, CVector3(-1, 0, 0));
  expect_vec(p.position, -1.1f, 0, 0);
  p.Set_Collision();
  expect_vec(p.deplacement, -0.70710678f, 0, 0.70710678f, 2e-3f);
  EXPECT_FLOAT_EQ(p.vitesse, 1.3f);
  EXPECT_EQ(p.GetEtat(), EtatPilote::CollisionRoule);
  // A second one while colliding changes nothing.
  const CVector3 d = p.deplacement;
  p.Set_Collision();
  EXPECT_FLOAT_EQ(p.vitesse, 1.3f);
  expect_vec(p.deplacement, d.x, d.y, d.z, 0);
  // Many faces at once add up to a huge push: it is cut to the ship's radius.
  PiloteEssai m;
  m.SetContactDecor(true, CVector3(0, 60, 0));
  EXPECT_NEAR(m.position.y, 4.5f * 1.1f, 1e-4f);
  EXPECT_NEAR(Magnitude(m.normale_decor), 4.5f, 1e-4f);
  // Head-on: straight back.
  PiloteEssai q;
  q.deplacement = CVector3(1, 0, 0);
  q.normale_decor = CVector3(-3, 0, 0);  // kept un-normalised, used normalised
  q.Set_Collision();
  expect_vec(q.deplacement, -1, 0, 0);
  // No wall normal: no bounce, no non-finite direction.
  PiloteEssai r;
  r.deplacement = CVector3(1, 0, 0);
  r.Set_Collision();
  expect_vec(r.deplacement, 1, 0, 0);
}

TEST_F(Vaisseau, PushesFromBehindHeadOnAndSide) {
  // Hit from behind by a faster ship.
  PiloteEssai a;
  a.deplacement = CVector3(0, 0, 1);
  a.vitesse = 1.0f;
  a.SetChoc(CVector3(0, 0, 2), 4.0f, CVector3(0, 0, 1), 2.0f);
  EXPECT_FLOAT_EQ(a.vitesse, 1.0f - 1.0f * 0.45f);
  EXPECT_FLOAT_EQ(a.force_choc, (1 + 1.0f / 2.5f) * 1.5f);
  expect_vec(a.dir_choc, 0, 0, 1);
  expect_vec(a.position, 0, 0, 2 / 2.1f);
  // Hit from behind by a slower ship.
  PiloteEssai b;
  b.deplacement = CVector3(0, 0, 1);
  b.vitesse = 2.0f;
  b.SetChoc(CVector3(0, 0, 1), 1.0f, CVector3(0, 0, 1), 1.0f);
  EXPECT_FLOAT_EQ(b.vitesse, 2.35f);
  EXPECT_FLOAT_EQ(b.force_choc, 1.0f / 2.5f * 1.5f);
  // Driving into a ship going the same way keeps the old push direction.
  PiloteEssai c;
  c.deplacement = CVector3(0, 0, 1);
  c.vitesse = 2.0f;
  c.dir_choc = CVector3(1, 0, 0);
  c.SetChoc(CVector3(0, 0, -1), 1.0f, CVector3(0, 0, 1), 1.0f);
  EXPECT_FLOAT_EQ(c.vitesse, 2.0f - 0.65f);
  expect_vec(c.dir_choc, 1, 0, 0);
  // Head on: never below 0.
  PiloteEssai d;
  d.deplacement = CVector3(0, 0, 1);
  d.vitesse = 0.5f;
  d.SetChoc(CVector3(0, 0, -1), 1.0f, CVector3(0, 0, -1), 2.0f);
  EXPECT_FLOAT_EQ(d.vitesse, 0);
  EXPECT_FLOAT_EQ(d.force_choc, 2.0f / 2.5f);
  expect_vec(d.dir_choc, 0, 0, -1);
  // Side contact.
  PiloteEssai e;
  e.deplacement = CVector3(0, 0, 1);
  e.vitesse = 2.0f;
  e.SetChoc(CVector3(1, 0, 0), 1.0f, CVector3(0, 0, 1), 1.0f);
  EXPECT_FLOAT_EQ(e.vitesse, 1.35f);
  EXPECT_FLOAT_EQ(e.force_choc, 1.5f);
  // The push wears off by 0.2 a step, never below 0.
  e.position = CVector3(0, 0, 0);
  for (int i = 0; i < 10; i++) e.applique_choc();
  EXPECT_EQ(e.force_choc, 0);
  EXPECT_NEAR(e.position.x, 1.5f + 1.3f + 1.1f + 0.9f + 0.7f + 0.5f + 0.3f + 0.1f, 1e-3f);
}

TEST_F(Vaisseau, ShipsExactlyTouchingDoNotPush) {
  PiloteEssai a, b;
  a.position_collision = CVector3(0, 0, 0);
  b.position_collision = CVector3(std::sqrt(2.0f) * 4.5f, 0, 0);
  a.rayon = b.rayon = 4.5f;
  b.position_collision.x = std::sqrt(a.GetRadiusCarre() + b.GetRadiusCarre());
  EXPECT_FALSE(pousse_vaisseaux(&a, &b));
  EXPECT_EQ(a.force_choc, 0);
  b.position_collision.x -= 0.5f;
  EXPECT_TRUE(pousse_vaisseaux(&a, &b));
  EXPECT_LT(a.position.x, 0);  // pushed away from b
  EXPECT_GT(b.position.x, 0);
}

TEST_F(Vaisseau, FallingOutOfTheBoxDropsBackInFromTheTop) {
  PiloteEssai p;
  p.SetMondeLimits(-100, 100, 0, 50, -200, 200);
  p.position = CVector3(10, -5.5f, 20);
  p.vitesse = 1.7f;
  p.deplacement = CVector3(0, -1, 0);
  p.contraint_limites();
  expect_vec(p.position, 10, 50, 20, 0);
  EXPECT_FLOAT_EQ(p.vitesse, 1.7f);
  p.position = CVector3(10, -4.9f, 20);  // less than 5 below: stays
  p.contraint_limites();
  EXPECT_FLOAT_EQ(p.position.y, -4.9f);
  p.position = CVector3(103, 0, -203);
  p.contraint_limites();
  expect_vec(p.position, 100, 0, -200, 0);
  p.position = CVector3(101.5f, 0, 0);  // within the 2-unit margin
  p.contraint_limites();
  EXPECT_FLOAT_EQ(p.position.x, 101.5f);
}

TEST_F(Vaisseau, GroundProbeSettlesOnTheFaceAndCastsAShadow) {
  CVector3 sol[3] = {CVector3(-50, 0, 50), CVector3(50, 0, 50), CVector3(0, 0, -50)};
  PiloteEssai p;
  p.position = CVector3(0, -0.5f, 0);
  ASSERT_TRUE(p.Analise_contact(sol, CVector3(0, 1, 0)));
  EXPECT_TRUE(p.contact_sol);
  EXPECT_TRUE(p.contact_ombre);
  expect_vec(p.position, 0, 0, 0);  // lifted onto the contact point
  p.position = CVector3(0, 0.1f, 0);
  ASSERT_TRUE(p.Analise_contact(sol, CVector3(0, 1, 0)));
  EXPECT_NEAR(p.position.y, 0.05f, 1e-5f);  // settles by 0.05
  p.position = CVector3(0, 0.03f, 0);
  ASSERT_TRUE(p.Analise_contact(sol, CVector3(0, 1, 0)));
  EXPECT_FLOAT_EQ(p.position.y, 0);  // never below the face
  p.position = CVector3(0, 20, 0);
  EXPECT_FALSE(p.Analise_contact(sol, CVector3(0, 1, 0)));
  EXPECT_TRUE(p.Analise_contact_ombre(CVector3(), sol, CVector3(0, 1, 0)));
  expect_vec(p.face_ombre.point, 0, 0, 0);
  p.position = CVector3(0, -1, 0);
  p.contact_ombre = false;
  EXPECT_FALSE(p.Analise_contact_ombre(CVector3(), sol, CVector3(0, 1, 0)));
  EXPECT_FALSE(p.contact_ombre);
}

TEST_F(Vaisseau, CubeOverlapUsesTheProbeOrTheCollisionSphere) {
  PiloteEssai p;
  p.position = CVector3(0, 0, 0);
  // Collision sphere: centre (0, 2.2, 0), radius 4.5.
  EXPECT_TRUE(p.OverlappsCube(0, 0, 0, 1, 2, 0));
  EXPECT_TRUE(p.OverlappsCube(5.5f, 2.2f, 0, 1, 2, 0));   // exactly touching
  EXPECT_FALSE(p.OverlappsCube(5.6f, 2.2f, 0, 1, 2, 0));
  // Ground probe: centre (0, 2.7 + margin, 0), radius 3.
  EXPECT_TRUE(p.OverlappsCube(0, 6.7f, 0, 1, 1, 0));
  EXPECT_FALSE(p.OverlappsCube(0, 6.8f, 0, 1, 1, 0));
  EXPECT_TRUE(p.OverlappsCube(0, 7.7f, 0, 1, 1, 1.0f));
}

TEST_F(Vaisseau, EnginePitchHasAFloorAtLowSpeed) {
  PiloteEssai p;
  p.frequence_moteur = 44100;
  p.vitesse_max = 2.5f;
  p.vitesse = 0.1f;
  EXPECT_FLOAT_EQ(p.frequence_moteur_voulue(), 44100 * 0.3f / 2.5f);
  p.vitesse = -2.0f;  // reversing
  EXPECT_FLOAT_EQ(p.frequence_moteur_voulue(), 44100 * 0.3f / 2.5f);
  p.vitesse = 2.5f;
  EXPECT_FLOAT_EQ(p.frequence_moteur_voulue(), 44100);
}

TEST_F(Vaisseau, ResetPositionClearsTheRace) {
  PiloteEssai p;
  p.tour = 3;
  p.bonus = 2;
  p.boost = 1;
  p.vitesse = 2;
  p.point_valide = 40;
  p.multiplicateur = 1.2f;
  p.glisse_active = true;
  p.ResetPosition(20, 3, 7, 270);
  EXPECT_EQ(p.tour, 0);
  EXPECT_EQ(p.bonus, 0);
  EXPECT_EQ(p.boost, 0);
  EXPECT_EQ(p.vitesse, 0);
  EXPECT_EQ(p.point_valide, -1);
  EXPECT_FLOAT_EQ(p.angle_deplacement, 270);
  EXPECT_FLOAT_EQ(p.multiplicateur, 1.2f);  // the pilot kinds reset it
  EXPECT_FALSE(p.glisse_active);
  expect_vec(p.position, 20, 3, 7, 0);
}

}  // namespace
