// Decoration list, its file and the type table.
#include "world/decorations.h"

#include <cstdio>

#include "common/chemins.h"
#include "common/binio.h"
#include "common/fichier.h"
#include "common/liste.h"
#include "world/modeles.h"

CObjetDeco* prem_list_deco = nullptr;
CObjetDeco* haut_list_deco = nullptr;
CObjetDeco* act_deco = nullptr;
int nb_deco = 0;

namespace {

ListeObjets<CObjetDeco> liste() {
  return ListeObjets<CObjetDeco>(prem_list_deco, haut_list_deco, act_deco, nb_deco, Insertion::ApresActuel,
                                 ApresRetrait::PrecedentSinonSuivant);
}

constexpr size_t TAILLE_DECO = 36;

struct TypeDeco {
  t3DModel* modele;
  float rayon;
};

TypeDeco type_deco(int type) {
  switch (type) {
    case 2: return {&fougere_1, 16};
    case 3: return {&herbe, 6};
    case 4: return {&herbe_1, 5};
    case 5: return {&arbre, 32};
    case 6: return {&orchid, 17};
    case 7: return {&orchid_1, 17};
    case 8: return {&palmier, 32};
    case 9: return {&clochettes, 6};
    default: return {&fougere, 15};
  }
}

}  // namespace

t3DModel* modele_deco(int type) { return type_deco(type).modele; }
float rayon_deco(int type) { return type_deco(type).rayon; }

void CObjetDeco::applique_type() {
  modele = modele_deco(type);
  rayon = rayon_deco(type);
}

void creation_deco(float x, float y, float z) {
  CObjetDeco* d = new CObjetDeco;
  d->type = 1;
  d->applique_type();
  d->position = CVector3(x, y, z);
  liste().insere(d);
}

void Destruct_deco(CObjetDeco* d) { liste().retire(d); }

void Effacement_liste_deco() { liste().efface(); }

std::string chemin_deco(int circuit) {
  char c[64];
  std::snprintf(c, sizeof c, "./objets/deco_%i.dat", circuit);
  return c;
}

bool lit_deco(const uint8_t* data, size_t taille) {
  Effacement_liste_deco();
  Lecteur lec(data, taille);
  int32_t n;
  if (!lec.i32(n)) return false;
  for (int32_t i = 0; i < n && lec.reste() >= TAILLE_DECO; i++) {
    float v[8];
    for (float& f : v) lec.f32(f);
    int32_t type = 1;
    lec.i32(type);
    creation_deco(v[0], v[1], v[2]);
    act_deco->SetAngles(v[3], v[4], v[5]);
    act_deco->SetEchelle(v[6]);
    act_deco->SetType(type);
    act_deco->applique_type();  // the stored radius is not used
  }
  return true;
}

bool charge_deco(int circuit) {
  std::vector<uint8_t> octets;
  if (lit_fichier(chemin_lecture(chemin_deco(circuit)), octets, 16u << 20)) {
    lit_deco(octets.data(), octets.size());
    return true;
  }
  Effacement_liste_deco();
  creation_deco(0, 0, 0);
  return false;
}

std::vector<uint8_t> encode_deco() {
  Ecrivain e;
  e.i32(nb_deco);
  for (CObjetDeco* d = prem_list_deco; d; d = d->suivant) {
    e.f32(d->position.x);
    e.f32(d->position.y);
    e.f32(d->position.z);
    e.f32(d->angles.x);
    e.f32(d->angles.y);
    e.f32(d->angles.z);
    e.f32(d->echelle);
    e.f32(d->GetRadius());
    e.i32(d->type);
  }
  return e.donnees();
}

bool sauve_deco(int circuit) {
  const std::string chemin = chemin_ecriture(chemin_deco(circuit));
  if (nb_deco <= 0) {
    std::remove(chemin.c_str());
    return true;
  }
  const std::vector<uint8_t> octets = encode_deco();
  return ecrit_fichier_atomique(chemin, octets.data(), octets.size());
}
