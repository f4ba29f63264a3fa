// Button kinds: display texts, controller handling, drawing.
#include "ui/boutons.h"

#include <GL/gl.h>
#include <allegro.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "ui/controle.h"
#include "ui/texte3d.h"

namespace {

bool relache_haut() { return controle && controle->Relache_Haut(); }
bool relache_bas() { return controle && controle->Relache_Bas(); }
bool relache_droite() { return controle && controle->Relache_Droite(); }
bool relache_gauche() { return controle && controle->Relache_Gauche(); }

// Moves the focus on the up and down edges; 0 when neither came.
int navigation() {
  if (relache_haut()) return DLG_HAUT;
  if (relache_bas()) return DLG_BAS;
  return DLG_RIEN;
}

// Left and right step *valeur between lo and hi, wrapping; true when it changed.
bool choix_cyclique(int* valeur, int lo, int hi) {
  if (relache_droite()) {
    if (++*valeur > hi) *valeur = lo;
    return true;
  }
  if (relache_gauche()) {
    if (--*valeur < lo) *valeur = hi;
    return true;
  }
  return false;
}

void attend_relache_entree() {
  while (key[KEY_ENTER]) rest(1);
}

}  // namespace

CBaseBouton::CBaseBouton(const char* t, CVector3 p, char al, char ty, int i, int* v, int* m, char** mo)
    : texte(t), type(ty), id(i), align(al), pos(p), pos_origine(p), valeur(v), max(m), mots(mo) {
  centre(texte);
}

void CBaseBouton::centre(const char* t) {
  if (align == 2) pos.x = pos_origine.x - Texte.longueur_texte(t) / 2;
}

void CBaseBouton::dessine_texte(const char* t, CVector3 p, bool focus) const {
  if (type == 0) {
    Texte.print_outline(0, p, t, 1);
  } else if (focus) {
    Texte.print_outline(0, p, t, 0);
  } else {
    Texte.print(0, p, t, 0);
  }
}

int CBaseBouton::Actif() {
  DessineFocus();
  return Gere();
}

void CBaseBouton::DessineFocus() { dessine_texte(affichage_courant(), pos, true); }
void CBaseBouton::Affiche() { dessine_texte(affichage_courant(), pos, false); }
void CBaseBouton::Animation(CVector3 d) { dessine_texte(affichage_courant(), pos + d, false); }
int CBaseBouton::Gere() { return DLG_RIEN; }

CTitreBouton::CTitreBouton(const char* t, CVector3 p, char al) : CBaseBouton(t, p, al, 0, 0, nullptr, nullptr, nullptr) {}
void CTitreBouton::Affiche() { dessine_texte(texte, pos, true); }
void CTitreBouton::Animation(CVector3 d) { dessine_texte(texte, pos + d, true); }

CClickBouton::CClickBouton(const char* t, CVector3 p, char al, int i)
    : CBaseBouton(t, p, al, 1, i, nullptr, nullptr, nullptr) {}

int CClickBouton::Gere() {
  if (const int n = navigation()) return n;
  if (controle && controle->Relache_Valide()) return id;
  return DLG_RIEN;
}

CChoixNumBouton::CChoixNumBouton(const char* t, CVector3 p, char al, int i, int* v, int* m)
    : CBoutonAffichage(t, p, al, 1, i, v, m, nullptr) {
  maj_affichage();
}

void CChoixNumBouton::maj_affichage() { std::snprintf(affichage, sizeof affichage, "%s %i", texte, *valeur); }

int CChoixNumBouton::Gere() {
  if (const int n = navigation()) return n;
  if (!choix_cyclique(valeur, 1, *max)) return DLG_RIEN;
  maj_affichage();
  Recadre();
  return DLG_CHANGE;
}

CChoixControlBouton::CChoixControlBouton(const char* t, CVector3 p, char al, int i, int* v, int* m)
    : CBoutonAffichage(t, p, al, 1, i, v, m, nullptr) {
  maj_affichage();
}

void CChoixControlBouton::maj_affichage() {
  if (*valeur == 0) {
    std::snprintf(affichage, sizeof affichage, "%s clavier", texte);
  } else if (*valeur == 1) {
    std::snprintf(affichage, sizeof affichage, "%s Joystick", texte);
  } else {
    std::snprintf(affichage, sizeof affichage, "ERREUR");
  }
}

int CChoixControlBouton::Gere() {
  if (const int n = navigation()) return n;
  if (!choix_cyclique(valeur, 0, *max)) return DLG_RIEN;
  maj_affichage();
  Recadre();
  return id;
}

CChoixParMotBouton::CChoixParMotBouton(const char* t, CVector3 p, char al, int i, int* v, int* m, char** mo)
    : CBoutonAffichage(t, p, al, 1, i, v, m, mo) {
  maj_affichage();
}

void CChoixParMotBouton::maj_affichage() {
  const char* mot = (mots && *valeur >= 0 && *valeur <= *max) ? mots[*valeur] : "";
  std::snprintf(affichage, sizeof affichage, "%s%s", texte, mot);
}

int CChoixParMotBouton::Gere() {
  if (const int n = navigation()) return n;
  if (!choix_cyclique(valeur, 0, *max)) return DLG_RIEN;
  maj_affichage();
  Recadre();
  return id;
}

CConfigKeybT::CConfigKeybT(const char* t, CVector3 p, char al, int i, int* v)
    : CBoutonAffichage(t, p, al, 1, i, v, nullptr, nullptr) {
  maj_affichage();
}

void CConfigKeybT::maj_affichage() {
  if (capture) {
    std::snprintf(affichage, sizeof affichage, "%s", texte);
  } else {
    char nom[16];
    std::snprintf(affichage, sizeof affichage, "%s %s", texte, key_convert(nom, *valeur));
  }
}

int CConfigKeybT::termine_capture(int code) {
  if (code <= 0) return DLG_RIEN;
  const bool annulee = code == KEY_ESC;  // the old key stays
  if (!annulee) *valeur = code;
  capture = false;
  maj_affichage();
  Recadre();
  return annulee ? DLG_RIEN : id;
}

int CConfigKeybT::Gere() {
  if (!capture) {
    if (const int n = navigation()) return n;
    if (key[KEY_ENTER]) {
      attend_relache_entree();
      capture = true;
      maj_affichage();
      clear_keybuf();
    }
    return DLG_RIEN;
  }
  if (!keypressed()) return DLG_RIEN;
  const int r = termine_capture(get_all_key());
  if (!capture && r == DLG_RIEN) clear_keybuf();  // cancelled: nobody else takes that Escape
  return r;
}

CSaisieBouton::CSaisieBouton(const char* t, CVector3 p, char al, int i, char** mo)
    : CBoutonAffichage(t, p, al, 1, i, nullptr, nullptr, mo) {
  // The entry starts with the caller's text, cut to what an entry can hold.
  if (mots && *mots) std::snprintf(saisie, 15, "%s", *mots);
  maj_affichage();
}

void CSaisieBouton::maj_affichage() { std::snprintf(affichage, sizeof affichage, "%s %s", texte, saisie); }

void CSaisieBouton::commence_edition() {
  edition = true;
  std::snprintf(saisie, sizeof saisie, "_");
  longueur = 0;
  maj_affichage();
  Recadre();
}

int CSaisieBouton::traite_touche(int c) {
  if (c == 13) {
    attend_relache_entree();
    if (longueur == 0) {
      std::snprintf(saisie, sizeof saisie, "Nobody");
    } else {
      saisie[longueur] = '\0';  // the cursor goes
    }
    if (mots) *mots = saisie;
    edition = false;
    maj_affichage();
    Recadre();
    return id;
  }
  if (c == 27) {
    std::snprintf(saisie, sizeof saisie, "Nobody");
    edition = false;
  } else if (c == 8) {
    if (longueur > 0) {
      longueur--;
      saisie[longueur] = '_';
      saisie[longueur + 1] = '\0';
    }
  } else if (c >= 32 && c <= 125 && longueur <= 13) {
    saisie[longueur++] = static_cast<char>(c);
    saisie[longueur] = '_';
    saisie[longueur + 1] = '\0';
  }
  maj_affichage();
  Recadre();
  return DLG_RIEN;
}

int CSaisieBouton::Gere() {
  if (!edition) {
    if (const int n = navigation()) return n;
    if (key[KEY_ENTER]) {
      attend_relache_entree();
      commence_edition();
      clear_keybuf();
    }
    return DLG_RIEN;
  }
  while (keypressed()) {
    const int c = readkey() & 0xff;
    const int r = traite_touche(c);
    if (c == 13) return r;
    clear_keybuf();
    if (!edition) break;
  }
  return DLG_RIEN;
}

CSlideBouton::CSlideBouton(const char* t, CVector3 p, char al, int i, int* v, int* m, int n)
    : CBoutonAffichage(t, p, al, 1, i, v, m, nullptr), nb_pas(n) {
  pas = nb_pas > 0 ? static_cast<float>(*max) / nb_pas : 0;
  maj_affichage();
  largeur = Texte.longueur_texte(affichage);
  hauteur = Texte.GetMaxH();
  Recadre();
}

void CSlideBouton::maj_affichage() { std::snprintf(affichage, sizeof affichage, "%s ", texte); }

void CSlideBouton::Recadre() {
  centre(affichage);
  pos.x -= 1.0f;  // room for the 2-unit bar
}

int CSlideBouton::Gere() {
  if (const int n = navigation()) return n;
  const int saut = static_cast<int>(pas);
  if (controle && controle->Droite()) {
    *valeur += saut;
    if (*valeur > *max) *valeur = *max;
  } else if (controle && controle->Gauche()) {
    *valeur -= saut;
    if (*valeur < 1) *valeur = 1;
  }
  return DLG_RIEN;
}

void CSlideBouton::dessine_barre(CVector3 p, bool focus, float epaisseur) {
  const float c = *max != 0 ? *valeur * 2.0f / *max : 0;
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(p.x + largeur, p.y, p.z);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  auto traits = [&](float z, float largeur_ligne, float taille_point, bool halo) {
    glLineWidth(largeur_ligne);
    glPointSize(taille_point);
    for (GLenum mode : {GL_LINES, GL_POINTS}) {
      glBegin(mode);
      if (halo) {
        glColor4ub(255, 255, 255, 128);
      } else {
        glColor3ub(255, 123, 51);
      }
      glVertex3f(0, hauteur / 2, z);
      glVertex3f(2, hauteur / 2, z);
      if (!halo) glColor3ub(255, 13, 0);
      glVertex3f(c, 0, z + (halo ? 0 : 0.001f));
      glVertex3f(c, hauteur, z + (halo ? 0 : 0.001f));
      glEnd();
    }
  };
  if (focus) traits(-0.001f, 13, 12, true);
  traits(0, epaisseur, epaisseur, false);
  glLineWidth(1);
  glPointSize(1);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  glPopMatrix();
}

void CSlideBouton::DessineFocus() {
  dessine_texte(affichage, pos, true);
  dessine_barre(pos, true, 7);
}

void CSlideBouton::Affiche() {
  dessine_texte(affichage, pos, false);
  dessine_barre(pos, false, 7);
}

void CSlideBouton::Animation(CVector3 d) {
  const float z = std::fabs(d.z);
  dessine_texte(affichage, pos + d, false);
  dessine_barre(pos + d, false, z > 1 ? 7 / z : 7);
}
