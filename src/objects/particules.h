// Particles of a race: spark bursts, growing explosion spheres and missile smoke, in one list,
// aged once per drawn frame; and the three one-shot positional sounds of impacts.
//
//   creation_partic(PARTIC_EXPLOSION, x, y, z);  // an explosion, heard at once
//   avance_particules(true);                     // once per drawn frame: age, free the dead, draw the rest
//   Effacement_liste_partic();                   // end of a race event
#pragma once

#include "math/vector.h"
#include "world/modele3d.h"

class CParticules {
 public:
  CParticules() = default;
  virtual ~CParticules() = default;

  // One frame of life; false once the particle is over.
  virtual bool action();
  virtual void render();

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
  void render() override;
  float angle_rotation = 0;
};

// A puff of smoke that rises and swells (missile trails).
class CPartFumee : public CParticules {
 public:
  bool action() override;
  void render() override;
  float angle_rotation = 0;
};

extern CParticules* prem_list_partic;
extern CParticules* haut_list_partic;
extern CParticules* act_partic;
extern int nb_partic;

// The kinds of particle creation_partic makes.
enum {
  PARTIC_ETINCELLE = 1,        // spark
  PARTIC_ETINCELLE_BOOST = 2,  // orange spark of a boosting ship
  PARTIC_CHOC = 3,             // spark of an impact, with its sound
  PARTIC_SPHERE = 4,           // growing sphere
  PARTIC_FUMEE = 5,            // missile smoke
  PARTIC_EXPLOSION = 6,        // growing sphere, with the explosion's sound
  PARTIC_ETINCELLE_ROUGE = 7,  // falling red spark
};

// Creates a particle of `kind` (a PARTIC_ value) at (x, y, z) at the end of the list (it becomes
// current); any other kind makes a plain spark and says so.
void creation_partic(int kind, float x, float y, float z);
void Destruct_partic(CParticules* p);
void Effacement_liste_partic();

// Once per drawn frame, from the last particle to the first: one frame of life, the dead freed,
// the living drawn when `dessiner` and their sphere is inside g_Frustum. Returns how many died.
int avance_particules(bool dessiner);

// One-shot sounds at a world position; 1 when the sound could not be played.
int Son_Explosion(float x, float y, float z);
int Son_Choc(float x, float y, float z);
int Son_Bonus(float x, float y, float z);
// How many of these three sounds were started since the program began (played or not).
int nb_sons_impact();
