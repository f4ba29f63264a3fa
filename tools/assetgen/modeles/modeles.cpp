// The model list and the writing of every model file.
#include "assetgen/modeles/modeles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "assetgen/ecrit3ds.h"
#include "assetgen/modeles/interne.h"

namespace {

struct tRecette {
  tModeleConnu modele;
  std::function<void(CMaillage&)> construit;
};

const std::vector<tRecette>& recettes() {
  static const std::vector<tRecette> liste = [] {
    std::vector<tRecette> r;
    for (int i = 1; i <= 6; i++) {
      r.push_back({{"objets/vaisseau" + std::to_string(i) + "_1.3ds", FAMILLE_VAISSEAU, 0.f},
                   [i](CMaillage& m) { construit_vaisseau(i, m); }});
    }
    r.push_back({{"objets/fougere.3DS", FAMILLE_DECOR, 15.f}, [](CMaillage& m) { construit_fougere(m, 0); }});
    r.push_back({{"objets/fougere_1.3DS", FAMILLE_DECOR, 16.f}, [](CMaillage& m) { construit_fougere(m, 1); }});
    r.push_back({{"objets/herbe.3DS", FAMILLE_DECOR, 6.f}, [](CMaillage& m) { construit_herbe(m, 0); }});
    r.push_back({{"objets/herbe_1.3DS", FAMILLE_DECOR, 5.f}, [](CMaillage& m) { construit_herbe(m, 1); }});
    r.push_back({{"objets/arbre.3DS", FAMILLE_DECOR, 32.f}, construit_arbre});
    r.push_back({{"objets/orchidee.3DS", FAMILLE_DECOR, 17.f}, [](CMaillage& m) { construit_orchidee(m, 0); }});
    r.push_back({{"objets/orchidee_2.3DS", FAMILLE_DECOR, 17.f}, [](CMaillage& m) { construit_orchidee(m, 1); }});
    r.push_back({{"objets/palmier.3DS", FAMILLE_DECOR, 32.f}, construit_palmier});
    r.push_back({{"objets/clochettes.3DS", FAMILLE_DECOR, 6.f}, construit_clochettes});
    r.push_back({{"objets/anneau.3DS", FAMILLE_BONUS, 4.7f}, construit_anneau});
    r.push_back({{"objets/b_speed.3DS", FAMILLE_BONUS, 4.7f}, construit_bonus_vitesse});
    r.push_back({{"objets/b_mine.3DS", FAMILLE_BONUS, 4.7f}, construit_bonus_mine});
    r.push_back({{"objets/b_missile.3DS", FAMILLE_BONUS, 4.7f}, construit_bonus_missile});
    r.push_back({{"objets/mine.3DS", FAMILLE_BONUS, 4.2f}, construit_mine});
    r.push_back({{"objets/missile.3DS", FAMILLE_BONUS, 3.2f}, construit_missile});
    r.push_back({{"objets/explo.3DS", FAMILLE_BONUS, 1.f}, construit_explosion});
    return r;
  }();
  return liste;
}

}  // namespace

const std::vector<tModeleConnu>& modeles_connus() {
  static const std::vector<tModeleConnu> liste = [] {
    std::vector<tModeleConnu> l;
    for (const tRecette& r : recettes()) l.push_back(r.modele);
    return l;
  }();
  return liste;
}

bool construit_modele(const std::string& fichier, CMaillage* m) {
  for (const tRecette& r : recettes()) {
    if (r.modele.fichier == fichier) {
      *m = CMaillage();
      r.construit(*m);
      return true;
    }
  }
  return false;
}

bool genere_modeles(const std::string& dossier, std::string* erreur) {
  const std::string objets = dossier + "/objets";
  if (mkdir(dossier.c_str(), 0755) != 0 && errno != EEXIST) {
    if (erreur) *erreur = "cannot create " + dossier + ": " + std::strerror(errno);
    return false;
  }
  if (mkdir(objets.c_str(), 0755) != 0 && errno != EEXIST) {
    if (erreur) *erreur = "cannot create " + objets + ": " + std::strerror(errno);
    return false;
  }
  for (const tRecette& r : recettes()) {
    CMaillage m;
    r.construit(m);
    const std::string chemin = dossier + "/" + r.modele.fichier;
    if (!ecrit_3ds_fichier(chemin, m)) {
      if (erreur) *erreur = "cannot write " + chemin;
      return false;
    }
  }
  return true;
}
