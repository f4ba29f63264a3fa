// Hiscore tables, their files and their merge rules.
#include "race/hiscores.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/chemins.h"
#include "common/binio.h"
#include "common/fichier.h"
#include "objects/joueur.h"
#include "race/classement.h"

tCompteChamp LISTE_CHAMP[6];
char CLASSEMENT_NOM[NB_RANGS][TAILLE_NOM];
int CLASSEMENTS_POINTS[NB_RANGS][5];
unsigned char CLASSEMENT_LITE[NB_RANGS];
char CLASSEMENT_NOM_CHAMP[NB_RANGS][TAILLE_NOM];
int CLASSEMENTS_POINTS_CHAMP[NB_RANGS][5];
unsigned char CLASSEMENT_LITE_CHAMP[NB_RANGS];

namespace {

constexpr size_t TAILLE_RANG_SIMPLE = 48;
constexpr size_t TAILLE_RANG_CHAMP = 52;

// Row fields of the single-race table.
enum { S_MIN = 0, S_SEC, S_SOIX, S_TOTAL };
// Row fields of the standings on screen.
enum { C_POINTS = 0, C_MIN, C_SEC, C_SOIX, C_TOTAL };
// Row fields of the championship hiscores.
enum { H_MIN = 0, H_SEC, H_SOIX, H_POINTS, H_TOTAL };

int total(int m, int s, int ss) { return m * 3600 + s * 60 + ss; }

// A 32-byte name field: always terminated, whatever the file holds.
void lit_nom(Lecteur& lec, char (&nom)[TAILLE_NOM]) {
  lec.octets(nom, TAILLE_NOM);
  nom[TAILLE_NOM - 1] = '\0';
}

void ecrit_nom(Ecrivain& e, const char* nom) {
  char champ[TAILLE_NOM] = {0};
  std::strncpy(champ, nom, TAILLE_NOM - 1);
  e.octets(champ, TAILLE_NOM);
}

// The table on screen stays whatever happens; a file that cannot be written is said on stderr.
bool sauve(const std::string& chemin, const std::vector<uint8_t>& octets) {
  assure_dossier_hiscores();
  if (ecrit_fichier_atomique(chemin, octets.data(), octets.size())) return true;
  std::fprintf(stderr, "veltra: hiscores not saved, %s could not be written\n", chemin.c_str());
  return false;
}

enum class Etat { absent, bon, abime };

// What stands where a hiscore file of `taille` bytes should be.
Etat examine(const std::string& chemin, size_t taille) {
  struct stat st;
  if (stat(chemin.c_str(), &st) != 0) return Etat::absent;
  return st.st_size == static_cast<off_t>(taille) ? Etat::bon : Etat::abime;
}

// A file of the wrong size may be one that merely grew and still holds every real record: it is
// renamed <file>.bad, replacing an older one, before the default table is written in its place.
// False when it could not be moved; it must then stay as it is.
bool met_de_cote(const std::string& chemin) {
  const std::string cote = chemin + ".bad";
  if (std::rename(chemin.c_str(), cote.c_str()) != 0) {
    std::fprintf(stderr, "veltra: %s has the wrong size and could not be kept as %s (%s); it is left as it is "
                 "and the new results are not saved\n", chemin.c_str(), cote.c_str(), std::strerror(errno));
    return false;
  }
  std::fprintf(stderr, "veltra: %s has the wrong size; kept as %s, the default table takes its place\n",
               chemin.c_str(), cote.c_str());
  return true;
}

}  // namespace

void assure_dossier_hiscores() { cree_dossier(chemin_utilisateur("./hiscores")); }

void convert_temp(int rang, float longueur, int* minutes, int* secondes, int* soixantiemes) {
  const float t = (rang * 100 + longueur) * 1.1f;
  int m = static_cast<int>(t / 3600);
  int s = static_cast<int>((t - m * 3600) / 60);
  int ss = static_cast<int>(t - m * 3600 - s * 60);
  if (ss > 59) {
    s += ss / 60;
    ss %= 60;
  }
  if (s > 59) {
    m += s / 60;
    s %= 60;
  }
  *minutes = m;
  *secondes = s;
  *soixantiemes = ss;
}

void DecalGeneral(int rang) {
  for (int j = NB_RANGS - 1; j > rang; j--) {
    std::memcpy(CLASSEMENT_NOM[j], CLASSEMENT_NOM[j - 1], TAILLE_NOM);
    std::memcpy(CLASSEMENTS_POINTS[j], CLASSEMENTS_POINTS[j - 1], sizeof CLASSEMENTS_POINTS[j]);
    CLASSEMENT_LITE[j] = CLASSEMENT_LITE[j - 1];
  }
}

void DecalGeneralChamp(int rang) {
  for (int j = NB_RANGS - 1; j > rang; j--) {
    std::memcpy(CLASSEMENT_NOM_CHAMP[j], CLASSEMENT_NOM_CHAMP[j - 1], TAILLE_NOM);
    std::memcpy(CLASSEMENTS_POINTS_CHAMP[j], CLASSEMENTS_POINTS_CHAMP[j - 1], sizeof CLASSEMENTS_POINTS_CHAMP[j]);
  }
}

std::string chemin_hiscores_simple() {
  char c[64];
  std::snprintf(c, sizeof c, "./hiscores/s_%i_%i.dat", LEVEL_ACTIF, NOMBRE_TOURS);
  return chemin_utilisateur(c);
}

std::string chemin_hiscores_champ() {
  char c[64];
  std::snprintf(c, sizeof c, "./hiscores/c_%i_%i.dat", CHAMPIONNAT_ACTIF, NOMBRE_TOURS);
  return chemin_utilisateur(c);
}

void hiscores_simple_defaut(float longueur) {
  for (int i = 0; i < NB_RANGS; i++) {
    copie_nom(CLASSEMENT_NOM[i], "Tazul");
    int* r = CLASSEMENTS_POINTS[i];
    convert_temp(i, longueur, &r[S_MIN], &r[S_SEC], &r[S_SOIX]);
    r[S_TOTAL] = total(r[S_MIN], r[S_SEC], r[S_SOIX]);
    r[4] = 0;
  }
}

void lit_hiscores_simple(const uint8_t* data, size_t taille) {
  Lecteur lec(data, taille);
  for (int i = 0; i < NB_RANGS && lec.reste() >= TAILLE_RANG_SIMPLE; i++) {
    lit_nom(lec, CLASSEMENT_NOM[i]);
    for (int k = 0; k < 4; k++) lec.i32(CLASSEMENTS_POINTS[i][k]);
  }
}

std::vector<uint8_t> encode_hiscores_simple() {
  Ecrivain e;
  for (int i = 0; i < NB_RANGS; i++) {
    ecrit_nom(e, CLASSEMENT_NOM[i]);
    for (int k = 0; k < 4; k++) e.i32(CLASSEMENTS_POINTS[i][k]);
  }
  return e.donnees();
}

void fusionne_arrivees_simple() {
  for (int a = 0; a < 3; a++) {
    CObjJoueur* p = tab_arrive[a];
    if (!p) continue;
    const tTemps& t = tab_temps[a];
    for (int j = 0; j < NB_RANGS; j++) {
      if (CLASSEMENTS_POINTS[j][S_TOTAL] <= t.total) continue;
      DecalGeneral(j);
      copie_nom(CLASSEMENT_NOM[j], p->GetNom());
      int* r = CLASSEMENTS_POINTS[j];
      r[S_MIN] = t.minutes;
      r[S_SEC] = t.secondes;
      r[S_SOIX] = t.soixantiemes;
      r[S_TOTAL] = t.total;
      r[4] = 0;
      CLASSEMENT_LITE[j] = p == Joueurs[JOUEUR_HUMAIN];
      break;
    }
  }
}

bool maj_hiscores_simple(float longueur) { return maj_hiscores_simple_dans(chemin_hiscores_simple(), longueur); }

bool maj_hiscores_simple_dans(const std::string& chemin, float longueur) {
  std::memset(CLASSEMENT_LITE, 0, sizeof CLASSEMENT_LITE);
  std::vector<uint8_t> octets;
  bool enregistre = true;
  switch (examine(chemin, NB_RANGS * TAILLE_RANG_SIMPLE)) {
    case Etat::absent:
      hiscores_simple_defaut(longueur);
      break;
    case Etat::abime:  // wrong size, however large
      hiscores_simple_defaut(longueur);
      enregistre = met_de_cote(chemin);
      break;
    case Etat::bon:
      if (lit_fichier(chemin, octets, NB_RANGS * TAILLE_RANG_SIMPLE)) {
        hiscores_simple_defaut(longueur);
        lit_hiscores_simple(octets.data(), octets.size());
      }
      break;
  }
  fusionne_arrivees_simple();
  return enregistre && sauve(chemin, encode_hiscores_simple());
}

void score_course_championnat() {
  static const int points[3] = {4, 2, 1};
  for (int i = 0; i < NB_JOUEURS; i++) {
    if (!Joueurs[i]) continue;
    const int r = Joueurs[i]->GetClassement() - 1;
    if (r < 0 || r >= NB_JOUEURS) continue;
    tCompteChamp& c = LISTE_CHAMP[i];
    if (r < 3) c.points += points[r];
    const tTemps& t = tab_temps[r];
    c.soixantiemes += t.soixantiemes;
    c.secondes += t.secondes;
    c.minutes += t.minutes;
    if (c.soixantiemes > 59) {
      c.secondes += c.soixantiemes / 60;
      c.soixantiemes %= 60;
    }
    if (c.secondes > 59) {
      c.minutes += c.secondes / 60;
      c.secondes %= 60;
    }
    c.total += t.total;
  }
}

void classement_championnat() {
  std::memset(CLASSEMENTS_POINTS, 0, sizeof CLASSEMENTS_POINTS);
  std::memset(CLASSEMENT_LITE, 0, sizeof CLASSEMENT_LITE);
  std::memset(CLASSEMENT_NOM, 0, sizeof CLASSEMENT_NOM);
  for (int i = 0; i < NB_JOUEURS; i++) {
    const tCompteChamp& c = LISTE_CHAMP[i];
    for (int j = 0; j < NB_JOUEURS; j++) {
      const int* r = CLASSEMENTS_POINTS[j];
      const bool devant = r[C_POINTS] < c.points ||
                          (r[C_POINTS] == c.points && (r[C_TOTAL] == 0 || r[C_TOTAL] > c.total));
      if (!devant) continue;
      DecalGeneral(j);
      copie_nom(CLASSEMENT_NOM[j], Joueurs[i] ? Joueurs[i]->GetNom() : "");
      int* w = CLASSEMENTS_POINTS[j];
      w[C_POINTS] = c.points;
      w[C_MIN] = c.minutes;
      w[C_SEC] = c.secondes;
      w[C_SOIX] = c.soixantiemes;
      w[C_TOTAL] = c.total;
      CLASSEMENT_LITE[j] = i == JOUEUR_HUMAIN;
      break;
    }
  }
}

void hiscores_champ_defaut(float longueur) {
  for (int i = 0; i < NB_RANGS; i++) {
    copie_nom(CLASSEMENT_NOM_CHAMP[i], "Tazul");
    int* r = CLASSEMENTS_POINTS_CHAMP[i];
    convert_temp(i, longueur, &r[H_MIN], &r[H_SEC], &r[H_SOIX]);
    r[H_TOTAL] = total(r[H_MIN], r[H_SEC], r[H_SOIX]);
    r[H_POINTS] = 1;
  }
}

void lit_hiscores_champ(const uint8_t* data, size_t taille) {
  Lecteur lec(data, taille);
  for (int i = 0; i < NB_RANGS && lec.reste() >= TAILLE_RANG_CHAMP; i++) {
    lit_nom(lec, CLASSEMENT_NOM_CHAMP[i]);
    for (int k = 0; k < 5; k++) lec.i32(CLASSEMENTS_POINTS_CHAMP[i][k]);
  }
}

std::vector<uint8_t> encode_hiscores_champ() {
  Ecrivain e;
  for (int i = 0; i < NB_RANGS; i++) {
    ecrit_nom(e, CLASSEMENT_NOM_CHAMP[i]);
    for (int k = 0; k < 5; k++) e.i32(CLASSEMENTS_POINTS_CHAMP[i][k]);
  }
  return e.donnees();
}

void fusionne_classement_champ() {
  // The human's standings rows carry their flag into the hiscore rows they enter; the flags
  // move down with the rows they mark. The standings keep theirs: the last race's are still to
  // be shown.
  std::memset(CLASSEMENT_LITE_CHAMP, 0, sizeof CLASSEMENT_LITE_CHAMP);
  unsigned char* drapeaux = CLASSEMENT_LITE_CHAMP;
  for (int a = 0; a < 3; a++) {
    const int* s = CLASSEMENTS_POINTS[a];
    for (int j = 0; j < NB_RANGS; j++) {
      const int* h = CLASSEMENTS_POINTS_CHAMP[j];
      const bool devant = h[H_POINTS] < s[C_POINTS] || (h[H_POINTS] == s[C_POINTS] && h[H_TOTAL] > s[C_TOTAL]);
      if (!devant) continue;
      DecalGeneralChamp(j);
      for (int k = NB_RANGS - 1; k > j; k--) drapeaux[k] = drapeaux[k - 1];
      std::memcpy(CLASSEMENT_NOM_CHAMP[j], CLASSEMENT_NOM[a], TAILLE_NOM);
      int* w = CLASSEMENTS_POINTS_CHAMP[j];
      w[H_MIN] = s[C_MIN];
      w[H_SEC] = s[C_SEC];
      w[H_SOIX] = s[C_SOIX];
      w[H_POINTS] = s[C_POINTS];
      w[H_TOTAL] = s[C_TOTAL];
      drapeaux[j] = CLASSEMENT_LITE[a];
      break;
    }
  }
}

bool maj_hiscores_championnat(float longueur_championnat) {
  const std::string chemin = chemin_hiscores_champ();
  std::vector<uint8_t> octets;
  bool enregistre = true;
  switch (examine(chemin, NB_RANGS * TAILLE_RANG_CHAMP)) {
    case Etat::absent:
      hiscores_champ_defaut(longueur_championnat);
      break;
    case Etat::abime:  // wrong size, however large
      hiscores_champ_defaut(longueur_championnat);
      enregistre = met_de_cote(chemin);
      break;
    case Etat::bon:
      std::memset(CLASSEMENT_NOM_CHAMP, 0, sizeof CLASSEMENT_NOM_CHAMP);
      std::memset(CLASSEMENTS_POINTS_CHAMP, 0, sizeof CLASSEMENTS_POINTS_CHAMP);
      if (lit_fichier(chemin, octets, NB_RANGS * TAILLE_RANG_CHAMP)) lit_hiscores_champ(octets.data(), octets.size());
      break;
  }
  fusionne_classement_champ();
  return enregistre && sauve(chemin, encode_hiscores_champ());
}
