// MainLoop: preparation, countdown, race phase, end of the race.
#include "race/boucle.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "audio/son.h"
#include "common/globals.h"
#include "objects/cpu_bot.h"
#include "objects/joueur.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/rendu_course.h"
#include "race/replays.h"
#include "common/controle_replay.h"
#include "ui/texte3d.h"
#include "world/camera.h"

tCrochetsCourse g_CrochetsCourse;

namespace {

void presente() {
  glFlush();
  allegro_gl_flip();
}

void attend_relache(int touche) {
  while (key[touche]) rest(1);
}


// Grey until the last sixtieths of a second, then red, orange and green.
void couleur_decompte(int seuil, int* r, int* g, int* b, int* a) {
  if (CHRONO_MILISECONDES > seuil) {
    *r = *g = *b = *a = 128;
  } else if (CHRONO_SECONDES > 2) {
    *r = 237, *g = 25, *b = 25, *a = 250;
  } else if (CHRONO_SECONDES >= 1) {
    *r = 237, *g = 137, *b = 25, *a = 250;
  } else {
    *r = 90, *g = 237, *b = 25, *a = 250;
  }
}

// Over each frame of a replay.
void marque_replay() {
  Texte.print_spe(2, CVector3(0, 1.25f, -4.0f), "REPLAY", true, 255, 13, 0, 220, true, 0);
}

// One countdown frame. A beep that cannot be played (its file missing) leaves that second silent:
// the countdown and the race go on.
void pas_decompte(int compteur_secondes, int* compteur_sons, bool replay) {
  etape_pilotes();
  RenderClean();
  RenderInfos();
  int r, g, b, a;
  couleur_decompte(3, &r, &g, &b, &a);
  char nombre[16];
  std::snprintf(nombre, sizeof nombre, "%i", CHRONO_SECONDES);
  Texte.print_spe(2, CVector3(0, 0.5f, -1.2f - CHRONO_MILISECONDES / 20.0f), nombre, false, r, g, b, a, true, 0);
  joue_son_decompte(compteur_secondes, compteur_sons);
  couleur_decompte(7, &r, &g, &b, &a);
  Texte.print_spe(2, CVector3(0, 0.5f, -1.2f), "[ ]", false, r, g, b, a, true, 0);
  if (replay) marque_replay();
  presente();
}

// Escape prompt: the frame stays on screen while the race is frozen. Returns the end code.
int invite_sortie() {
  attend_relache(KEY_ESC);
  const bool fini = Joueurs[JOUEUR_HUMAIN] && Joueurs[JOUEUR_HUMAIN]->GetFinish();
  RenderClean();
  if (g_CrochetsCourse.scene) g_CrochetsCourse.scene();
  RenderInfos();
  if (g_CrochetsCourse.infos) g_CrochetsCourse.infos();
  const char* texte = fini ? texte_langue("Fini ?", "Finish ?") : texte_langue("Sortie ?", "Exit ?");
  Texte.print_spe(2, CVector3(0, 0, -1.5f), texte, false, 250, 10, 10, 150, true, 0);
  presente();
  int fin = FIN_EN_COURS;
  for (;;) {
    if (key[KEY_ESC]) {
      attend_relache(KEY_ESC);
      break;
    }
    if (key[KEY_ENTER]) {
      attend_relache(KEY_ENTER);
      fin = FIN_CONFIRMEE;
      if (fini) {
        const int vides = complete_classement();
        if (vides > 0) allegro_message("Il manque %i joueur au classement, sa va planter !", vides);
      }
      break;
    }
    rest(1);
  }
  clear_keybuf();
  return fin;
}

// With VELTRA_AUTOPILOT=1 the human's ship drives itself for the length of a race (demonstrations
// and end-to-end tests); the menus keep reading the player's controller. Not in a replay.
class PiloteAutomatique {
 public:
  explicit PiloteAutomatique(bool actif) {
    const char* v = std::getenv("VELTRA_AUTOPILOT");
    if (!actif || !v || std::strcmp(v, "1") != 0 || !Joueurs[JOUEUR_HUMAIN]) return;
    ancien_ = controle;
    bot_ = std::make_unique<CcontrolBot>(Joueurs[JOUEUR_HUMAIN]);
    controle = bot_.get();
  }
  ~PiloteAutomatique() {
    if (bot_) controle = ancien_;
  }
  PiloteAutomatique(const PiloteAutomatique&) = delete;
  PiloteAutomatique& operator=(const PiloteAutomatique&) = delete;

 private:
  Ccontrol* ancien_ = nullptr;
  std::unique_ptr<CcontrolBot> bot_;
};

// VELTRA_PROFIL=1 prints, at the end of each race, the mean time of a race step's logic and of
// its drawing (scene and overlays, before the frame is presented).
class Profil {
 public:
  Profil() : actif_(std::getenv("VELTRA_PROFIL") && std::strcmp(std::getenv("VELTRA_PROFIL"), "1") == 0) {}
  ~Profil() {
    if (!actif_ || pas_ == 0) return;
    std::printf("veltra: %d race steps, logic %.1f us, drawing %.2f ms per step\n", pas_, logique_ / pas_ * 1e6,
                dessin_ / pas_ * 1e3);
    std::fflush(stdout);
  }
  bool actif() const { return actif_; }
  using Horloge = std::chrono::steady_clock;
  void compte(Horloge::time_point t0, Horloge::time_point t1, Horloge::time_point t2) {
    logique_ += std::chrono::duration<double>(t1 - t0).count();
    dessin_ += std::chrono::duration<double>(t2 - t1).count();
    pas_++;
  }

 private:
  bool actif_;
  int pas_ = 0;
  double logique_ = 0, dessin_ = 0;
};

void arrete_sons() {
  for (CObjJoueur* p : Joueurs) {
    if (!p) continue;
    p->StopMoteur();
    p->StopBoost();
    p->StopSlide();
  }
  son_systeme_update(g_SystemeSon);
  if (!son_handle_vide(channel_SON_MUSIQUE)) {
    son_canal_stop(channel_SON_MUSIQUE);
    channel_SON_MUSIQUE = HCanal();
  }
  if (!son_handle_vide(SON_MUSIQUE)) {
    son_son_libere(SON_MUSIQUE);
    SON_MUSIQUE = HSon();
  }
}

}  // namespace

void brouillard_course() {
  glClearColor(0.14f, 0.37f, 0.36f, 1.0f);
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogfv(GL_FOG_COLOR, InGameFogColor);
  glFogf(GL_FOG_DENSITY, 1.0f);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
  glFogf(GL_FOG_START, PROFONDEUR_CHAMP_CAM - 150);
  glFogf(GL_FOG_END, PROFONDEUR_CHAMP_CAM);
}

namespace {

bool joue_son(HSon son) {
  result = son_joue(g_SystemeSon, son, false, &channel);
  if (result != SON_OK) return false;
  son_canal_set_volume(channel, VOLUME_SONS);
  return true;
}

}  // namespace

bool joue_son_decompte(int compteur_secondes, int* compteur_sons) {
  const int son = son_decompte(compteur_secondes, compteur_sons);
  return son == 0 || joue_son(son == 1 ? SON_CHRONO : SON_DEPART);
}

bool joue_depart_manque(int compteur_sons) { return compteur_sons < 0 || joue_son(SON_DEPART); }

int Scan_clavier() {
  if (mouse_b & 1) {
    g_RenderMode = !g_RenderMode;
    glPolygonMode(GL_FRONT_AND_BACK, g_RenderMode ? GL_FILL : GL_LINE);
  }
  if (mouse_b & 2) {
    g_bLighting = !g_bLighting;
    if (g_bLighting) {
      glEnable(GL_LIGHTING);
    } else {
      glDisable(GL_LIGHTING);
    }
  }
  return key[KEY_ESC] ? FIN_ECHAP : FIN_EN_COURS;
}

namespace {

// Which pilot the camera follows next: C or Tab, on their press.
class ChoixCamera {
 public:
  bool presse() {
    const bool bas = key[KEY_C] || key[KEY_TAB];
    const bool nouveau = bas && !avant_;
    avant_ = bas;
    return nouveau;
  }

 private:
  bool avant_ = false;
};

// The race: countdown, steps until the player ends it. A replay plays `rejeu` instead of the
// player's controller and records nothing.
int deroule_course(CcontrolReplay* rejeu) {
  PiloteAutomatique autopilote(rejeu == nullptr);
  const tCrochetsCourse crochets = rejeu ? tCrochetsCourse() : g_CrochetsCourse;
  Ccontrol* ancien_controle = controle;
  if (rejeu) controle = rejeu;
  std::unique_ptr<CEnregistreur> enregistreur;
  if (!rejeu) enregistreur = std::make_unique<CEnregistreur>();
  auto note = [&enregistreur] {
    if (enregistreur && controle) enregistreur->note(*controle);
  };
  fps = nb_fps = 0;
  brouillard_course();
  if (CObjJoueur* h = Joueurs[JOUEUR_HUMAIN]) g_Camera.InitSurJoueur(h->GetVectorPosition(), h->GetAngleDeplacement());
  son_cree_flux(g_SystemeSon, FICHIER_MUSIQUE, SON_MODE_BOUCLE, &SON_MUSIQUE);  // music loops for the whole race
  son_joue(g_SystemeSon, SON_MUSIQUE, true, &channel_SON_MUSIQUE);
  place_auditeur();
  game_CHRONO = 0;
  CHRONO_MILISECONDES = 59;
  CHRONO_SECONDES = 5;
  CHRONO_MINUTES = 0;
  prepare_pilotes();
  for (CObjJoueur* p : Joueurs) {
    if (p) p->BeginMoteur();
  }

  // Countdown: 5 down to 0, one second each.
  int compteur_secondes = 5, compteur_sons = 5;
  bool depart = false;
  while (!depart) {
    if (game_time < 2) {
      rest(1);
      continue;
    }
    game_time = 0;
    // The race's clock counts steps, so a slow machine gets the same race, only slower.
    game_CHRONO += 2;
    depart = chrono_compte_a_rebours(&compteur_secondes);
    if (depart) {
      etape_pilotes();  // the countdown's last step; the race's first frame shows it
    } else {
      pas_decompte(compteur_secondes, &compteur_sons, rejeu != nullptr);
    }
    note();
  }
  joue_depart_manque(compteur_sons);

  demarre_course();
  son_canal_set_volume(channel_SON_MUSIQUE, VOLUME_MUSIQUE);
  son_canal_set_pause(channel_SON_MUSIQUE, false);
  game_CHRONO = 0;
  CHRONO_SECONDES = 0;
  CHRONO_MINUTES = 0;

  EtatCourse etat;
  Profil profil;
  ChoixCamera camera;
  int fin = FIN_EN_COURS;
  int pas_sans_image = 0;
  while (fin == FIN_EN_COURS) {
    fin = Scan_clavier();
    if (rejeu && camera.presse()) {
      // The next pilot, the camera put straight behind it (rather than flying there through
      // the walls), the circling after an arrival starting again.
      etat.suivi = (etat.suivi + 1) % NB_JOUEURS;
      etat.pas_depuis_arrivee = 0;
      if (CObjJoueur* p = Joueurs[etat.suivi]) g_Camera.InitSurJoueur(p->GetVectorPosition(), p->GetAngleDeplacement());
    }
    if (game_time >= 2) {
      game_time = 0;
      game_CHRONO += 2;
      chrono_course();
      const auto t0 = Profil::Horloge::now();
      etape_course(etat);
      note();
      if (crochets.apres_etape) crochets.apres_etape();
      const auto t1 = Profil::Horloge::now();
      // Sped up, most steps are not drawn: the race runs ahead of the frames.
      if (++pas_sans_image >= ACCELERATION) {
        pas_sans_image = 0;
        RenderClean();
        if (crochets.scene) crochets.scene();
        RenderInfos();
        if (crochets.infos) crochets.infos();
        if (rejeu) marque_replay();
        if (profil.actif()) glFinish();  // so that the drawing time is the drawing, not its queueing
        profil.compte(t0, t1, Profil::Horloge::now());
        presente();
      }
    } else {
      rest(1);
    }
    if (rejeu) continue;  // Escape leaves a replay at once; no editing from one
    if (fin == FIN_ECHAP) fin = invite_sortie();
    if (key[KEY_F10]) fin = FIN_EDITEUR_TRAJ;
    if (key[KEY_F11]) fin = FIN_EDITEUR_DECO;
    if (key[KEY_F12]) fin = FIN_EDITEUR_SON;
  }

  arrete_sons();
  controle = ancien_controle;
  if (rejeu) {
    attend_relache(KEY_ESC);
    clear_keybuf();
    return FIN_HORS_PODIUM;
  }
  if (fin == FIN_CONFIRMEE) {
    enregistreur->termine();
    RenderClean();
    return humain_sur_podium() ? FIN_PODIUM : FIN_HORS_PODIUM;
  }
  // The editing mode asked for; the race is left abandoned.
  return fin;
}

}  // namespace

int MainLoop() { return deroule_course(nullptr); }

void boucle_replay(CcontrolReplay& rejeu) { deroule_course(&rejeu); }
