// Racing-line list, its file, and the editor's operations on it.
#include "world/trajectoire.h"

#include <cstdio>

#include "common/chemins.h"
#include "common/binio.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "common/liste.h"

Point_Traj* prem_list_ptraj = nullptr;
Point_Traj* haut_list_ptraj = nullptr;
Point_Traj* act_ptraj = nullptr;
int nb_point_t = 0;
float LONGUEUR_CIRCUIT = 0;
float LONGUEUR_CHAMPIONNAT = 0;

namespace {

ListeObjets<Point_Traj> liste() {
  return ListeObjets<Point_Traj>(prem_list_ptraj, haut_list_ptraj, act_ptraj, nb_point_t, Insertion::ApresActuel,
                                 ApresRetrait::SuivantSinonPrecedent);
}

constexpr size_t TAILLE_POINT = 24;  // position and direction, six floats

}  // namespace

void creation_point_t(float x, float y, float z, int n) {
  Point_Traj* p = new Point_Traj;
  p->position = CVector3(x, y, z);
  p->numero = n + 1;
  liste().insere(p);
}

void Destruct_point_t(Point_Traj* p) { liste().retire(p); }

void Effacement_liste_point_t() { liste().efface(); }

void set_ptraj_normale(float x, float y, float z) {
  if (act_ptraj) act_ptraj->normale = CVector3(x, y, z);
}

Point_Traj* ptraj_suivant(Point_Traj* p) { return liste().suivant_boucle(p); }
Point_Traj* ptraj_precedent(Point_Traj* p) { return liste().precedent_boucle(p); }

std::string chemin_trajectoire() {
  char chemin[64];
  std::snprintf(chemin, sizeof chemin, "./objets/traj_%i.dat", LEVEL_ACTIF);
  return chemin;
}

bool lit_trajectoire(const uint8_t* data, size_t taille) {
  Effacement_liste_point_t();
  Lecteur lec(data, taille);
  int32_t n;
  if (!lec.i32(n)) return false;
  // A file shorter than its count keeps its complete records only.
  for (int32_t i = 0; i < n && lec.reste() >= TAILLE_POINT; i++) {
    float v[6];
    for (float& f : v) lec.f32(f);
    creation_point_t(v[0], v[1], v[2], i);
    set_ptraj_normale(v[3], v[4], v[5]);
  }
  return true;
}

void calcule_trajectoire() {
  LONGUEUR_CIRCUIT = 0;
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
    const CVector3 t = ptraj_suivant(p)->position;
    p->longueur = Distance(p->position, t);
    p->lateral = Normalize(Cross(t - p->position, CVector3(0, 1, 0)));
    LONGUEUR_CIRCUIT += p->longueur;
  }
}

bool charge_trajectoire() {
  std::vector<uint8_t> octets;
  const bool lue = lit_fichier(chemin_lecture(chemin_trajectoire()), octets, 16u << 20);
  if (lue) {
    lit_trajectoire(octets.data(), octets.size());
  } else {
    Effacement_liste_point_t();
    creation_point_t(0, 0, 0, 0);
  }
  calcule_trajectoire();
  LONGUEUR_CHAMPIONNAT += LONGUEUR_CIRCUIT;
  return lue;
}

std::vector<uint8_t> encode_trajectoire() {
  Ecrivain e;
  e.i32(nb_point_t);
  for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant) {
    e.f32(p->position.x);
    e.f32(p->position.y);
    e.f32(p->position.z);
    e.f32(p->normale.x);
    e.f32(p->normale.y);
    e.f32(p->normale.z);
  }
  return e.donnees();
}

bool sauve_trajectoire() {
  const std::string chemin = chemin_ecriture(chemin_trajectoire());
  if (nb_point_t <= 0) {
    std::remove(chemin.c_str());
    return true;
  }
  const std::vector<uint8_t> octets = encode_trajectoire();
  return ecrit_fichier_atomique(chemin, octets.data(), octets.size());
}

void insere_ptraj() {
  if (!act_ptraj) return;
  creation_point_t(act_ptraj->position.x, act_ptraj->position.y, act_ptraj->position.z, 0);
}

void supprime_ptraj() {
  if (act_ptraj) Destruct_point_t(act_ptraj);
}

void ptraj_actif_suivant() {
  if (act_ptraj) act_ptraj = ptraj_suivant(act_ptraj);
}

void ptraj_actif_precedent() {
  if (act_ptraj) act_ptraj = ptraj_precedent(act_ptraj);
}

void deplace_ptraj(float dx, float dy, float dz) {
  if (!act_ptraj) return;
  act_ptraj->position += CVector3(dx, dy, dz);
  Point_Traj* suiv = ptraj_suivant(act_ptraj);
  Point_Traj* prec = ptraj_precedent(act_ptraj);
  if (suiv == act_ptraj) return;  // a lone point has no direction
  act_ptraj->normale = Normalize(suiv->position - act_ptraj->position);
  prec->normale = Normalize(act_ptraj->position - prec->position);
}
