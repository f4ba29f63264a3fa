// The sound-environment list and its file.
#include "audio/effets_son.h"

#include <cstdio>

#include "common/chemins.h"
#include "common/binio.h"
#include "common/fichier.h"
#include "common/globals.h"
#include "common/liste.h"

SEffetSon* prem_list_effetSon = nullptr;
SEffetSon* haut_list_effetSon = nullptr;
SEffetSon* act_effetSon = nullptr;
int nb_effetSon = 0;
int nb_occlu = 0;
int nb_reverb = 0;
int file_nb_effetSon = 0, file_nb_occlu = 0, file_nb_reverb = 0;
int point_effetSon_actif = 0;

namespace {

constexpr size_t k_entete = 12;
constexpr size_t k_record = 84;
constexpr size_t k_champs = 72;  // the fields; the last 12 bytes of a record are reserved, zero

ListeObjets<SEffetSon> liste() {
  return ListeObjets<SEffetSon>(prem_list_effetSon, haut_list_effetSon, act_effetSon, nb_effetSon,
                                Insertion::ApresActuel, ApresRetrait::SuivantSinonPrecedent);
}

bool lit_vecteur(Lecteur& lec, CVector3& v) { return lec.f32(v.x) && lec.f32(v.y) && lec.f32(v.z); }

void ecrit_vecteur(Ecrivain& ec, const CVector3& v) {
  ec.f32(v.x);
  ec.f32(v.y);
  ec.f32(v.z);
}

}  // namespace

void creation_effetSon(float x, float y, float z, int numero) {
  SEffetSon* e = new SEffetSon;
  e->position = CVector3(x, y, z);
  e->numero = numero + 1;
  liste().insere(e);
  nb_occlu++;
}

void set_type_effetSon(int type) {
  if (act_effetSon) act_effetSon->type = type;
}

void set_verts_effetSon(int i, float x, float y, float z) {
  if (act_effetSon && i >= 0 && i < 4) act_effetSon->sommets[i] = CVector3(x, y, z);
}

void set_effetSon(float directe, float reverb) {
  if (!act_effetSon) return;
  act_effetSon->occlusion_directe = directe;
  act_effetSon->occlusion_reverb = reverb;
}

void set_reverb(float min_dist, float max_dist, int preset) {
  if (!act_effetSon) return;
  act_effetSon->min_dist = min_dist;
  act_effetSon->max_dist = max_dist;
  act_effetSon->preset = preset;
}

void Destruct_effetSon(SEffetSon* e) { liste().retire(e); }

void Effacement_liste_effetSon() {
  liste().efface();
  nb_occlu = 0;
  nb_reverb = 0;
}

SEffetSon* effetSon_suivant(SEffetSon* e) { return liste().suivant_boucle(e); }
SEffetSon* effetSon_precedent(SEffetSon* e) { return liste().precedent_boucle(e); }

const char* nom_preset_reverb(int preset) {
  static const char* const noms[6] = {"BATHROOM", "STONEROOM", "CAVE", "HANGAR", "SEWERPIPE", "STONECORRIDOR"};
  return (preset >= 1 && preset <= 6) ? noms[preset - 1] : noms[0];
}

std::string chemin_effetSon(int circuit) {
  char nom[64];
  std::snprintf(nom, sizeof nom, "./objets/efson_%i.dat", circuit);
  return nom;
}

bool lit_effetSons(const uint8_t* data, size_t taille) {
  file_nb_effetSon = file_nb_occlu = file_nb_reverb = 0;
  Effacement_liste_effetSon();
  Lecteur lec(data, taille);
  int32_t n = 0, no = 0, nr = 0;
  if (!lec.i32(n) || !lec.i32(no) || !lec.i32(nr)) return false;
  file_nb_effetSon = n;
  file_nb_occlu = no;
  file_nb_reverb = nr;
  // A header that promises more than the bytes hold keeps the complete records only.
  for (int32_t k = 0; k < n && lec.reste() >= k_record; k++) {
    int32_t type = 0, preset = 0;
    CVector3 pos, s1, s2, s3;
    float directe = 0, reverb = 0, min_dist = 0, max_dist = 0;
    lec.i32(type);
    lit_vecteur(lec, pos);
    lit_vecteur(lec, s1);
    lit_vecteur(lec, s2);
    lit_vecteur(lec, s3);
    lec.f32(directe);
    lec.f32(reverb);
    lec.f32(min_dist);
    lec.f32(max_dist);
    lec.i32(preset);
    lec.saute(k_record - k_champs);
    creation_effetSon(pos.x, pos.y, pos.z, k);
    set_type_effetSon(type);
    set_verts_effetSon(1, s1.x, s1.y, s1.z);
    set_verts_effetSon(2, s2.x, s2.y, s2.z);
    set_verts_effetSon(3, s3.x, s3.y, s3.z);
    set_effetSon(directe, reverb);
    set_reverb(min_dist, max_dist, preset);
  }
  return true;
}

std::vector<uint8_t> encode_effetSon() {
  nb_effetSon = nb_occlu = nb_reverb = 0;
  for (SEffetSon* e = prem_list_effetSon; e; e = e->suivant) {
    nb_effetSon++;
    if (e->type == EFSON_OCCLUSION) nb_occlu++;
    if (e->type == EFSON_REVERB) nb_reverb++;
  }
  Ecrivain ec;
  ec.i32(nb_effetSon);
  ec.i32(nb_occlu);
  ec.i32(nb_reverb);
  for (SEffetSon* e = prem_list_effetSon; e; e = e->suivant) {
    ec.i32(e->type);
    ecrit_vecteur(ec, e->position);
    for (int i = 1; i < 4; i++) ecrit_vecteur(ec, e->sommets[i]);
    ec.f32(e->occlusion_directe);
    ec.f32(e->occlusion_reverb);
    ec.f32(e->min_dist);
    ec.f32(e->max_dist);
    ec.i32(e->preset);
    for (size_t k = k_champs; k < k_record; k += 4) ec.i32(0);
  }
  return ec.donnees();
}

bool charge_effetSons() {
  std::vector<uint8_t> data;
  if (lit_fichier(chemin_lecture(chemin_effetSon(LEVEL_ACTIF)), data, k_entete + k_record * 1000000u) &&
      lit_effetSons(data.data(), data.size()))
    return true;
  file_nb_effetSon = file_nb_occlu = file_nb_reverb = 0;
  Effacement_liste_effetSon();
  creation_effetSon(0, 0, 0, 0);
  return false;
}

bool sauve_effetSon() {
  const std::vector<uint8_t> data = encode_effetSon();
  const std::string chemin = chemin_ecriture(chemin_effetSon(LEVEL_ACTIF));
  if (nb_effetSon == 0) {
    std::remove(chemin.c_str());
    return true;
  }
  return ecrit_fichier_atomique(chemin, data.data(), data.size());
}
