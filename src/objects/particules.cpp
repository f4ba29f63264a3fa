// Particle kinds, their life per frame, the particle list and the impact sounds.
#include "objects/particules.h"

#include <allegro.h>

#include "audio/son.h"
#include "common/globals.h"
#include "common/hasard.h"
#include "common/liste.h"
#include "math/frustum.h"
#include "world/modeles.h"

CParticules* prem_list_partic = nullptr;
CParticules* haut_list_partic = nullptr;
CParticules* act_partic = nullptr;
int nb_partic = 0;

namespace {

ListeObjets<CParticules> liste_partic() {
  return ListeObjets<CParticules>(prem_list_partic, haut_list_partic, act_partic, nb_partic, Insertion::Fin,
                                  ApresRetrait::PrecedentSinonSuivant);
}

// A random value lo, lo + 0.01, ... below lo + n / 100.
float au_hasard(float lo, int n) { return lo + g_HasardDecor.entier(n) / 100.0f; }

int compteur_sons = 0;

int joue_impact(HSon son, float x, float y, float z) {
  compteur_sons++;
  HCanal canal;
  if (son_joue(g_SystemeSon, son, false, &canal) != SON_OK) return 1;
  son_canal_set_volume(canal, VOLUME_SONS);
  const SonVecteur pos{x, y, -z};
  const SonVecteur vel{0, 0, 0};
  son_canal_set_3d(canal, &pos, &vel);
  return 0;
}

}  // namespace

void CParticules::SetColor(int r, int g, int b, int a, float largeur) {
  couleur[0] = r;
  couleur[1] = g;
  couleur[2] = b;
  couleur[3] = a;
  epaisseur = largeur;
}

void CParticules::SetDeplacement(bool avec_gravite, CVector3 direction, float v) {
  mobile = true;
  gravite = avec_gravite;
  deplacement = direction;
  vitesse = v;
}

bool CParticules::action() {
  if (mobile) {
    if (gravite) {
      deplacement.y -= 0.025f;
      if (deplacement.y < -1) deplacement.y = -1;
    }
    position += deplacement * vitesse;
  }
  age++;
  return age < 36;
}

bool CPartSphere::action() {
  angle_rotation += 10;
  if (angle_rotation >= 360) angle_rotation -= 360;
  echelle += 0.2f;
  age++;
  return age < 61;
}

bool CPartFumee::action() {
  angle_rotation += 10;
  if (angle_rotation >= 360) angle_rotation -= 360;
  deplacement = CVector3(au_hasard(-0.45f, 90), au_hasard(0.5f, 200), au_hasard(-0.45f, 90));
  position += deplacement;
  echelle *= 1.1f;
  age++;
  return age < 26;
}

void creation_partic(int kind, float x, float y, float z) {
  CParticules* p = nullptr;
  switch (kind) {
    case PARTIC_SPHERE:
    case PARTIC_EXPLOSION:
      p = new CPartSphere;
      p->Set3Dobj(&explosion);
      break;
    case PARTIC_FUMEE:
      p = new CPartFumee;
      p->Set3Dobj(&explosion);
      break;
    default:
      p = new CParticules;
      break;
  }
  p->SetPosition(x, y, z);
  p->SetColor(250, 250, 250, 100, 5);
  p->SetEchelle(1.2f);
  switch (kind) {
    case PARTIC_ETINCELLE: p->SetEchelle(1.0f); break;
    case PARTIC_ETINCELLE_BOOST:
      p->SetColor(240, 119, 21, 100, 6);
      p->SetEchelle(1.8f);
      break;
    case PARTIC_CHOC: Son_Choc(x, y, z); break;
    case PARTIC_SPHERE:
    case PARTIC_FUMEE: break;
    case PARTIC_EXPLOSION: Son_Explosion(x, y, z); break;
    case PARTIC_ETINCELLE_ROUGE: {
      p->SetColor(250, 50, 50, 100, 7);
      p->SetEchelle(3.0f);
      const CVector3 d(au_hasard(-0.25f, 50), 0.8f, au_hasard(-0.25f, 50));
      p->SetDeplacement(true, d, au_hasard(0.5f, 100));
      break;
    }
    default:
      p->SetEchelle(1.0f);
      allegro_message("on cree un default");
      break;
  }
  liste_partic().insere(p);
}

void Destruct_partic(CParticules* p) { liste_partic().retire(p); }

void Effacement_liste_partic() { liste_partic().efface(); }

int avance_particules(bool dessiner) {
  int morts = 0;
  CParticules* p = haut_list_partic;
  while (p) {
    CParticules* prec = p->precedent;
    if (!p->action()) {
      Destruct_partic(p);
      morts++;
    } else if (dessiner && g_Frustum.SphereInFrustum(p->position.x, p->position.y, p->position.z, p->GetRadius())) {
      p->render();
    }
    p = prec;
  }
  return morts;
}

int Son_Explosion(float x, float y, float z) { return joue_impact(SON_EXPLOSION, x, y, z); }
int Son_Choc(float x, float y, float z) { return joue_impact(SON_CHOC, x, y, z); }
int Son_Bonus(float x, float y, float z) { return joue_impact(SON_BONUS, x, y, z); }
int nb_sons_impact() { return compteur_sons; }
