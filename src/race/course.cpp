// Race step logic.
#include "race/course.h"

#include <chrono>

#include "audio/son.h"
#include "common/globals.h"
#include "common/hasard.h"
#include "objects/bonus.h"
#include "objects/joueur.h"
#include "objects/particules.h"
#include "race/classement.h"
#include "world/camera.h"
#include "world/minimap.h"
#include "world/monde.h"
#include "world/octree.h"
#include "world/trajectoire.h"

uint32_t GRAINE_COURSE = 0;

void seme_course(uint32_t graine) {
  GRAINE_COURSE = graine;
  g_HasardCourse.seme(graine);
}

uint32_t graine_horloge() {
  const auto t = std::chrono::system_clock::now().time_since_epoch();
  const uint64_t n = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(t).count());
  return static_cast<uint32_t>(n ^ (n >> 32));
}

void prepare_pilotes() {
  init_classement();
  for (CObjJoueur* p : Joueurs) {
    if (!p) continue;
    p->StopMove();
    p->Set_Attend();
    p->ResetValide();
  }
}

void demarre_course() {
  for (CObjJoueur* p : Joueurs) {
    if (!p) continue;
    p->SetMove();
    p->Set_Roule();
  }
}

void etape_pilotes() {
  for (int i = 0; i < NB_JOUEURS; i++) {
    CObjJoueur* p = Joueurs[i];
    if (!p) continue;
    p->ResetContacts();
    g_Octree.ChercheSolObjet(p, &g_World);
    p->action();
    g_Octree.CollisionsObjetmonde(p, &g_World);
    g_Minimap.setPositionJoueurs(i, p->GetVectorPosition());
  }
}

namespace {

void pousse_paires() {
  for (int i = 0; i < NB_JOUEURS - 1; i++) {
    for (int j = i + 1; j < NB_JOUEURS; j++) {
      if (!Joueurs[i] || !Joueurs[j]) continue;
      const CVector3 milieu = (Joueurs[i]->GetPositionCollision() + Joueurs[j]->GetPositionCollision()) * 0.5f;
      if (pousse_vaisseaux(Joueurs[i], Joueurs[j])) {
        creation_partic(PARTIC_CHOC, milieu.x, milieu.y, milieu.z);
        creation_partic(PARTIC_CHOC, milieu.x, milieu.y, milieu.z);
      }
    }
  }
}

void suit_camera(EtatCourse& etat) {
  CObjJoueur* h = etat.suivi >= 0 && etat.suivi < NB_JOUEURS ? Joueurs[etat.suivi] : nullptr;
  if (!h) return;
  const CVector3 pos = h->GetVectorPosition();
  if (!h->GetFinish()) {
    g_Camera.SuitJoueur(pos, h->GetAngleDeplacement());
  } else if (etat.pas_depuis_arrivee++ == 0) {
    etat.decalage_camera = g_Camera.Position() - pos;
    g_Camera.SuitJoueur(pos, h->GetAngleDeplacement());
  } else {
    // After the finish the camera circles the ship at the distance it had.
    etat.decalage_camera = Rot_axe_Y(etat.decalage_camera, 1);
    g_Camera.SuitPoints(pos + etat.decalage_camera, pos);
  }
  g_Octree.CollisionsmondeCamera(&g_Camera, &g_World);
}

}  // namespace

void place_auditeur() {
  const float v = Joueurs[JOUEUR_HUMAIN] ? Joueurs[JOUEUR_HUMAIN]->GetVitesse() : 0;
  const CVector3 p = g_Camera.Position();
  const CVector3 d = g_Camera.Direction();
  const SonVecteur pos{p.x, p.y, -p.z};
  const SonVecteur vel{d.x * v, d.y * v, -d.z * v};
  const SonVecteur avant{d.x, d.y, -d.z};
  const SonVecteur haut{0, 1, 0};
  son_systeme_set_auditeur(g_SystemeSon, 0, &pos, &vel, &avant, &haut);
  son_systeme_update(g_SystemeSon);
}

void etape_course(EtatCourse& etat) {
  etape_pilotes();
  if (Joueurs[JOUEUR_HUMAIN]) act_ptraj = Joueurs[JOUEUR_HUMAIN]->GetPtrTraj();
  etape_bonus();
  contacts_pilotes_bonus();
  pousse_paires();
  classement_etape();
  suit_camera(etat);
  place_auditeur();
}

bool chrono_compte_a_rebours(int* compteur_secondes) {
  CHRONO_MILISECONDES = 60 - game_CHRONO;
  if (CHRONO_MILISECONDES > 0) return false;
  CHRONO_MILISECONDES += 60;
  CHRONO_SECONDES--;
  game_CHRONO = 0;
  (*compteur_secondes)--;
  return *compteur_secondes < 0;
}

void chrono_course() {
  CHRONO_MILISECONDES = game_CHRONO;
  if (CHRONO_MILISECONDES <= 59) return;
  CHRONO_MILISECONDES -= 60;
  game_CHRONO = 0;
  CHRONO_SECONDES++;
  if (CHRONO_SECONDES > 59) {
    CHRONO_SECONDES -= 60;
    CHRONO_MINUTES++;
  }
}

bool humain_sur_podium() {
  CObjJoueur* h = Joueurs[JOUEUR_HUMAIN];
  if (!h || !h->GetFinish()) return false;
  const int place = h->GetClassement();
  return place >= 1 && place <= 3;
}
