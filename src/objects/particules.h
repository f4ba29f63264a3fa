// Particles of a race: spark bursts, growing explosion spheres and missile smoke, in one list,
// aged once per drawn frame; and the three one-shot positional sounds of impacts.
//
//   creation_partic(6, x, y, z);      // an explosion, heard at once
//   avance_particules(dessine_particule);  // once per drawn frame: age, free the dead, draw the rest
//   Effacement_liste_partic();        // end of a race event
#pragma once

#include "math/vector.h"
#include "world/modele3d.h"

class CParticules {
 public:
  CParticules() = default;
  virtual ~CParticules() = default;

  // One frame of life; false once the particle is over.
  virtual bool action();
  // Drawing (particules_rendu.cpp); dessine_particule picks the one of the particle's class.
  void render();

  CParticules* GetSuivant() const { return suivant; }
  CParticules* GetPrecedent() const { return precedent; }
  void SetSuivant(CParticules* p) { suivant = p; }
  void SetPrecedent(CParticules* p) { precedent = p; }
  void Set3Dobj(t3DModel* m) { obj3D = m; }
  void SetPosition(float x, float y, float z) { position = CVector3(x, y, z); }
  float GetPositionX() const { return position.x; }
  float GetPositionY() const { return position.y; }
  float GetPositionZ() const { return position.z; }
  void SetEchelle(float e) { echelle = e; }
  void SetRadius(float r) { rayon = r; }
  float GetRadius() const { return rayon * echelle; }
  void SetColor(int r, int g, int b, int a, float largeur);
  void SetDeplacement(bool avec_gravite, CVector3 direction, float v);

  CParticules* suivant = nullptr;
  CParticules* precedent = nullptr;
  t3DModel* obj3D = nullptr;
  CVector3 position{0, 0, 0};
  CVector3 deplacement{0, 0, 0};
  bool mobile = false;
  bool gravite = false;
  float echelle = 1.0f;
  float vitesse = 0;
  float rayon = 1.0f;
  int couleur[4] = {0, 0, 0, 0};
  float epaisseur = 0;
  int age = 0;
};

// A red sphere that grows, turns, darkens and fades (explosions).
class CPartSphere : public CParticules {
 public:
  bool action() override;
  void render();
  float angle_rotation = 0;
};

// A puff of smoke that rises and swells (missile trails).
class CPartFumee : public CParticules {
 public:
  bool action() override;
  void render();
  float angle_rotation = 0;
};

extern CParticules* prem_list_partic;
extern CParticules* haut_list_partic;
extern CParticules* act_partic;
extern int nb_partic;

// Creates a particle of `kind` at (x, y, z) at the end of the list (it becomes current).
// Kinds: 1 spark, 2 boost spark, 3 impact spark with its sound, 4 sphere, 5 smoke, 6 explosion
// with its sound, 7 falling red sparks; any other kind makes a plain spark and returns false.
bool creation_partic(int kind, float x, float y, float z);
void Destruct_partic(CParticules* p);
void Effacement_liste_partic();

// Once per drawn frame, from the last particle to the first: one frame of life, the dead freed,
// and, when `dessine` is given, each living one whose sphere is inside g_Frustum handed to it in
// the same pass (sparks are drawn and smoke moves from the same random generator, in this order).
// Returns how many died.
int avance_particules(void (*dessine)(CParticules&) = nullptr);
// Draws a particle as its class looks (particules_rendu.cpp, GL context needed).
void dessine_particule(CParticules& p);

// One-shot sounds at a world position; 1 when the sound could not be played.
int Son_Explosion(float x, float y, float z);
int Son_Choc(float x, float y, float z);
int Son_Bonus(float x, float y, float z);
// How many of these three sounds were started since the program began (played or not).
int nb_sons_impact();
