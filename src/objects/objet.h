// Cobjet: base of every moving object of a race (ships, bonuses, projectiles): position, motion,
// collision spheres, the ground and shadow contacts the world octree fills in, and the world box.
#pragma once

#include "common/globals.h"
#include "math/vector.h"
#include "world/modele3d.h"
#include "world/objet_monde.h"
#include "world/surfaces.h"

// One ground contact: the circuit face under the object.
struct SFace_contact {
  int objet = 0;  // mesh object of the circuit model
  int face = 0;   // position of the triangle in the end node's index list (3 x its number)
  char nom[TAILLE_NOM_3DS] = " ";
  unsigned char type_sol = 0;
  CVector3 point{0, 0, 0};
  CVector3 normale{0, 1, 0};
  CVector3 normale_affichee{0, 1, 0};  // eased towards normale by the renderers
  float distance = 0;

  void reset();
};

class Cobjet : public CObjetMonde {
 public:
  Cobjet();
  Cobjet(float x, float y, float z, float cap);

  // Unit cube of the debug renderer: 8 corners and 6 quads.
  static const float Vertices[8][3];
  static const int Indices[6][4];

  void SetContactDecor(bool, CVector3) override {}
  virtual void action() {}
  virtual void render(tMateriaux* materiaux);
  virtual void affiche_coord(tMateriaux*, int, int, int, int) {}
  void Set_Chute() override {}
  void Set_Roule() override {}
  void Set_Collision() override {}

  // Octree hooks.
  bool OverlappsCube(float cx, float cy, float cz, float h, int mode, float margin) override;
  bool Analise_contact(CVector3* triangle, CVector3 normal) override;
  bool Analise_contact_ombre(CVector3 point, CVector3* triangle, CVector3 normal) override;
  void set_Contact(int objet, int face, const char* nom, unsigned char type_sol) override;
  void set_Ombre_Contact(int objet, int face, const char* nom, unsigned char type_sol) override;

  float GetPositionX() const { return position.x; }
  float GetPositionY() const { return position.y; }
  float GetPositionZ() const { return position.z; }
  CVector3 GetVectorPosition() override { return position; }
  CVector3 GetPositionCollision() override { return position_collision; }
  CVector3 GetVectorDeplacement() override { return deplacement; }
  bool GetContactSol() const { return contact_sol; }
  float GetRadius() override { return rayon; }
  void SetRadius(float r) { rayon = r; }
  float GetRadiusCarre() const { return rayon * rayon; }
  float GetCollisionCarree() const { return rayon * rayon; }
  const char* GetNom() const { return nom; }
  void SetNom(const char* n) { copie_nom(nom, n); }
  void Set3Dobj(t3DModel* m) { obj3D = m; }

  void SetMondeLimits(float xmin, float xmax, float ymin, float ymax, float zmin, float zmax);
  // Puts the object back at a place and heading with its motion and contacts cleared.
  void ResetPos(float x, float y, float z, float cap);

  t3DModel* obj3D = nullptr;
  char nom[TAILLE_NOM] = {0};
  CVector3 position{0, 0, 0};
  CVector3 position_collision{0, 0, 0};
  CVector3 deplacement{0, 0, 0};
  CVector3 ancien_deplacement{0, 0, 0};  // its y carries the vertical speed while airborne
  CVector3 rotation{0, 0, 0};
  float echelle = 1.0f;
  float vitesse = 0;
  float angle = 0;
  float hauteur_collision = 2.2f;
  float rayon = 4.5f;
  float hauteur_sol = 2.7f;
  float rayon_sol = 3.0f;
  bool contact_ombre = false;
  bool contact_sol = false;
  bool contact_decor = false;
  int type = 0;
  SFace_contact face_sol;
  SFace_contact face_ombre;
  float limites[6] = {-1, 1, -1, 1, -1, 1};

 protected:
  // Brings the position back into the world box: below the floor it drops in from the top.
  void contraint_limites();
};
