// Builds the five circuits and writes their files.
#include "assetgen/circuits/circuits.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "assetgen/circuits/interne.h"
#include "assetgen/ecrit3ds.h"
#include "assetgen/textures/textures.h"
#include "common/fichier.h"

namespace {

constexpr float PAS_SECTION = 4.0f;

bool ecrit(const std::string& chemin, const std::vector<uint8_t>& octets, std::string* erreur) {
  if (ecrit_fichier_atomique(chemin, octets.data(), octets.size())) return true;
  if (erreur) *erreur = "cannot write " + chemin;
  return false;
}

bool cree_dossier(const std::string& chemin, std::string* erreur) {
  if (mkdir(chemin.c_str(), 0755) == 0 || errno == EEXIST) return true;
  if (erreur) *erreur = "cannot create " + chemin + ": " + std::strerror(errno);
  return false;
}

}  // namespace

void construit_circuit(int numero, tCircuit* c) {
  *c = tCircuit();
  c->numero = numero;
  c->plan = plan_circuit(numero);
  c->sections = echantillonne(c->plan, PAS_SECTION, &c->longueur);
  const CRelief relief(*c);
  construit_piste(c);
  construit_terrain(c, relief);
  construit_carte(c);
  construit_ligne(c);
  construit_decos(c, relief);
  construit_effets(c);
}

bool genere_circuits(const std::string& dossier, std::string* erreur) {
  if (!cree_dossier(dossier, erreur) || !cree_dossier(dossier + "/objets", erreur)) return false;
  std::set<std::string> textures;
  for (int i = 1; i <= NOMBRE_CIRCUITS; i++) {
    tCircuit c;
    construit_circuit(i, &c);
    const std::string base = dossier + "/objets/";
    const std::string n = std::to_string(i);
    if (!ecrit(base + "kan_" + n + ".3ds", ecrit_3ds(c.piste), erreur) ||
        !ecrit(base + "kan_m1_" + n + ".3ds", ecrit_3ds(c.carte), erreur) ||
        !ecrit(base + "traj_" + n + ".dat", encode_ligne(c.ligne), erreur) ||
        !ecrit(base + "deco_" + n + ".dat", encode_decos(c.decos), erreur) ||
        !ecrit(base + "efson_" + n + ".dat", encode_effets(c.effets), erreur)) {
      return false;
    }
    for (const tMateriauMaillage& m : c.piste.materiaux) {
      if (!m.fichier.empty()) textures.insert(m.fichier);
    }
  }
  for (const std::string& t : textures) {
    if (!genere_texture(dossier, t, erreur)) return false;
  }
  return true;
}
