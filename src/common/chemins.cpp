// Choice of the data and writing folders, and the paths of the files the game writes.
#include "common/chemins.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

tDossiers g_dossiers;
std::string g_fichier_config = "config.cfg";

// An XDG base folder: the variable when it holds an absolute path (a relative one is ignored, as
// the XDG rules say), else the default under the home folder.
std::string base_xdg(const tSysteme& sys, const char* variable, const char* defaut) {
  const std::string v = sys.variable(variable);
  if (!v.empty() && v[0] == '/') return v;
  const std::string home = sys.variable("HOME");
  if (home.empty()) return std::string();
  return home + "/" + defaut;
}

std::string sans_point(const std::string& relatif) {
  return relatif.compare(0, 2, "./") == 0 ? relatif.substr(2) : relatif;
}

bool est_fichier(const std::string& chemin) {
  struct stat st;
  return stat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

tDossiers choisit_dossiers(const std::string& programme, const std::string& imposees,
                           const std::vector<std::string>& installees, const tSysteme& sys) {
  tDossiers d;
  if (!imposees.empty()) {
    d.donnees = imposees;
    d.donnees_trouvees = sys.a_donnees(imposees);
  } else if (sys.a_donnees(programme)) {
    d.donnees = programme;
  } else {
    d.donnees = programme;
    d.donnees_trouvees = false;
    for (const std::string& dossier : installees) {
      if (sys.a_donnees(dossier)) {
        d.donnees = dossier;
        d.donnees_trouvees = true;
        break;
      }
    }
  }
  d.portable = sys.a_donnees(programme) && sys.inscriptible(programme);
  if (d.portable) {
    // Beside the program; named only when the game works from another data folder.
    if (d.donnees != programme) d.config = d.utilisateur = programme;
    return d;
  }
  const std::string config = base_xdg(sys, "XDG_CONFIG_HOME", ".config");
  const std::string donnees = base_xdg(sys, "XDG_DATA_HOME", ".local/share");
  if (!config.empty()) d.config = config + "/veltra";
  if (!donnees.empty()) d.utilisateur = donnees + "/veltra";
  return d;
}

tSysteme systeme_reel() {
  tSysteme s;
  s.variable = [](const char* nom) {
    const char* v = std::getenv(nom);
    if (v && *v) return std::string(v);
    if (std::string(nom) == "HOME") {
      if (const passwd* pw = getpwuid(getuid())) return std::string(pw->pw_dir ? pw->pw_dir : "");
    }
    return std::string();
  };
  s.a_donnees = [](const std::string& dossier) {
    struct stat st;
    return stat((dossier + "/objets").c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  };
  s.inscriptible = [](const std::string& dossier) { return access(dossier.c_str(), W_OK) == 0; };
  return s;
}

void fixe_dossiers(const tDossiers& d) {
  g_dossiers = d;
  g_fichier_config = d.config.empty() ? "config.cfg" : d.config + "/config.cfg";
}

const tDossiers& dossiers() { return g_dossiers; }

const char* fichier_config() { return g_fichier_config.c_str(); }

std::string chemin_utilisateur(const std::string& relatif) {
  if (g_dossiers.utilisateur.empty()) return relatif;
  return g_dossiers.utilisateur + "/" + sans_point(relatif);
}

std::string chemin_ecriture(const std::string& relatif) {
  const std::string chemin = chemin_utilisateur(relatif);
  const size_t barre = chemin.rfind('/');
  if (barre != std::string::npos && barre > 0) cree_dossier(chemin.substr(0, barre));
  return chemin;
}

std::string chemin_lecture(const std::string& relatif) {
  if (g_dossiers.utilisateur.empty()) return relatif;
  const std::string perso = chemin_utilisateur(relatif);
  return est_fichier(perso) ? perso : relatif;
}

bool cree_dossier(const std::string& dossier) {
  std::error_code erreur;
  std::filesystem::create_directories(dossier, erreur);
  return !erreur && std::filesystem::is_directory(dossier, erreur);
}
