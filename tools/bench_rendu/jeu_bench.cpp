// The game started, loaded and raced by the render benchmark, with the game's own functions.
#include "bench_rendu/jeu_bench.h"

#include "bench_rendu/plancher.h"

#include <GL/gl.h>
#include <allegro.h>
#include <alleggl.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "app/config.h"
#include "app/demarrage.h"
#include "app/ecran.h"
#include "audio/son.h"
#include "common/globals.h"
#include "math/degres.h"
#include "math/frustum.h"
#include "objects/bonus.h"
#include "objects/cpu.h"
#include "objects/cpu_bot.h"
#include "objects/humain.h"
#include "objects/particules.h"
#include "preview/png_ecrit.h"
#include "race/boucle.h"
#include "race/classement.h"
#include "race/course.h"
#include "race/evenement.h"
#include "race/rendu_course.h"
#include "ui/controle.h"
#include "ui/texte3d.h"
#include "world/camera.h"
#include "world/decorations.h"
#include "world/materiaux.h"
#include "world/minimap.h"
#include "world/modeles.h"
#include "world/monde.h"
#include "world/octree.h"

namespace {

using Horloge = std::chrono::steady_clock;

std::string copie;  // the private copy of the game folder

double ms_cpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double ms_depuis(Horloge::time_point t0) {
  return std::chrono::duration<double, std::milli>(Horloge::now() - t0).count();
}

// Data folders are linked, config.cfg is copied: the game writes only its own config.cfg.
bool prepare_copie(const std::string& dossier, std::string* erreur) {
  char modele[] = "/tmp/veltra_bench_XXXXXX";
  if (!mkdtemp(modele)) {
    *erreur = "no temporary folder";
    return false;
  }
  copie = modele;
  for (const char* d : {"objets", "maps", "sons", "files", "hiscores"}) {
    const std::string src = dossier + "/" + d;
    if (access(src.c_str(), F_OK) == 0) {
      if (symlink(src.c_str(), (copie + "/" + d).c_str()) != 0) {
        *erreur = "cannot link " + src;
        return false;
      }
    }
  }
  const std::string cfg = dossier + "/config.cfg";
  if (FILE* f = std::fopen(cfg.c_str(), "rb")) {
    FILE* g = std::fopen((copie + "/config.cfg").c_str(), "wb");
    char tampon[4096];
    size_t n;
    while (g && (n = std::fread(tampon, 1, sizeof tampon, f)) > 0) std::fwrite(tampon, 1, n, g);
    if (g) std::fclose(g);
    std::fclose(f);
  }
  if (chdir(copie.c_str()) != 0) {
    *erreur = "cannot enter " + copie;
    return false;
  }
  return true;
}

void efface_copie() {
  if (copie.empty()) return;
  for (const char* f : {"objets", "maps", "sons", "files", "hiscores", "config.cfg"}) {
    unlink((copie + "/" + f).c_str());
  }
  rmdir(copie.c_str());
  copie.clear();
}

void sons_pilote(CObjJoueur* p) {
  p->SetSonMoteur(SON_MOTEUR);
  p->StopMoteur();
  p->SetSonBoost(SON_BOOST);
  p->StopBoost();
  p->SetSonSlide(SON_SLIDE);
  p->StopSlide();
}

bool ecrit_png(const std::string& chemin) {
  const int l = SCREEN_W, h = SCREEN_H;
  std::vector<uint8_t> pixels(static_cast<size_t>(l) * h * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, l, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return ::ecrit_png(chemin, l, h, pixels);
}

// RenderClean then RenderInfos, in the same order, each part finished and timed.
void dessine_en_parties(MesureImage& m) {
  auto partie = [](double& duree, auto&& dessin) {
    const auto t = Horloge::now();
    dessin();
    glFinish();
    duree = ms_depuis(t);
  };
  partie(m.fond, [] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); });
  partie(m.monde, [] {
    glLoadIdentity();
    g_Camera.Look();
    g_Frustum.CalculateFrustum();
    g_Octree.DrawOctree(&g_Octree, &g_World);
  });
  partie(m.decos, [] {
    for (CObjetDeco* d = prem_list_deco; d; d = d->suivant) {
      if (g_Frustum.SphereInFrustum(d->position.x, d->position.y, d->position.z, d->GetRadius()))
        d->render(&g_Materiaux);
    }
  });
  partie(m.vaisseaux, [] {
    for (CObjJoueur* p : Joueurs) {
      if (p) p->render(&g_Materiaux);
    }
  });
  partie(m.bonus_particules, [] {
    for (CObjBonus* b = prem_list_bonus; b; b = b->suivant) {
      if (g_Frustum.SphereInFrustum(b->position.x, b->position.y, b->position.z, b->GetRadius()))
        b->render(&g_Materiaux);
    }
    avance_particules(true);
  });
  partie(m.infos, [] { RenderInfos(); });
}

// The frame as RenderClean and RenderInfos draw it, without counting it nor ageing the particles.
void redessine_image() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  g_Camera.Look();
  g_Frustum.CalculateFrustum();
  g_Octree.DrawOctree(&g_Octree, &g_World);
  dessine_objets_scene();
  CParticules* p = prem_list_partic;
  while (p && p->GetSuivant()) p = p->GetSuivant();
  for (; p; p = p->GetPrecedent()) {
    if (g_Frustum.SphereInFrustum(p->GetPositionX(), p->GetPositionY(), p->GetPositionZ(), p->GetRadius())) p->render();
  }
  RenderInfos();
}

// The overlays alone on black, and a disc of radius 0.3 at the middle of the screen, 2 in front of
// the eye: what a layout test looks for in a picture (a round thing stays round).
void dessine_infos_et_disque() {
  GLfloat fond[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, fond);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glClearColor(fond[0], fond[1], fond[2], fond[3]);
  glLoadIdentity();
  g_Camera.Look();
  RenderInfos();
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_FOG);
  glDisable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  glPushMatrix();
  glLoadIdentity();
  glColor3ub(255, 255, 255);
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(0, 0, -2);
  for (int k = 0; k <= 96; k++) {
    const double a = k * 2 * M_PI / 96;
    glVertex3f(static_cast<float>(0.3 * std::cos(a)), static_cast<float>(0.3 * std::sin(a)), -2);
  }
  glEnd();
  glPopMatrix();
  glPopAttrib();
}

size_t faces(const t3DModel* m) {
  size_t n = 0;
  if (m) {
    for (const t3DObject& o : m->objects) n += o.faces.size();
  }
  return n;
}

// End nodes in the frustum and their triangles.
void noeuds_visibles(const COctree* n, int* noeuds, size_t* triangles) {
  if (!n) return;
  const CVector3 c = n->GetCenter();
  if (!g_Frustum.CubeInFrustum(c.x, c.y, c.z, n->GetWidth() / 2)) return;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) noeuds_visibles(n->GetChild(k), noeuds, triangles);
    return;
  }
  if (!n->GetWorld()) return;
  (*noeuds)++;
  for (const t3DObject& o : n->GetWorld()->objects) *triangles += o.indices.size() / 3;
}

}  // namespace

void imprime_statistiques() {
  int nb = 0, vues = 0;
  size_t tri = 0, tri_vues = 0;
  for (CObjetDeco* d = prem_list_deco; d; d = d->suivant) {
    nb++;
    tri += faces(d->modele);
    if (g_Frustum.SphereInFrustum(d->position.x, d->position.y, d->position.z, d->GetRadius())) {
      vues++;
      tri_vues += faces(d->modele);
    }
  }
  int noeuds = 0;
  size_t tri_monde = 0;
  noeuds_visibles(&g_Octree, &noeuds, &tri_monde);
  size_t vaisseaux = 0;
  for (CObjJoueur* p : Joueurs) vaisseaux += p ? faces(p->obj3D) : 0;
  std::printf("stat_circuit_triangles %zu\nstat_end_nodes %d\nstat_nodes_drawn %d\nstat_circuit_triangles_drawn %zu\n",
              faces(&g_World), g_EndNodeCount, noeuds, tri_monde);
  std::printf("stat_decorations %d\nstat_decoration_triangles %zu\nstat_decorations_drawn %d\n"
              "stat_decoration_triangles_drawn %zu\nstat_ship_triangles %zu\nstat_font_triangles %zu\n"
              "stat_minimap_triangles %zu\n",
              nb, tri, vues, tri_vues, vaisseaux, faces(&Police), faces(&Minimap));
}

bool demarre_jeu(const std::string& dossier, int largeur, int hauteur, std::string* erreur) {
  if (!prepare_copie(dossier, erreur)) return false;
  char l[16], h[16];
  std::snprintf(l, sizeof l, "%d", largeur);
  std::snprintf(h, sizeof h, "%d", hauteur);
  char nom[] = "veltra";
  char* argv[] = {nom, l, h, nullptr};
  lit_ligne_commande(3, argv);
  if (Init_alleggl() != 1) {
    *erreur = "no OpenGL window";
    return false;
  }
  // The benchmark keeps the clocks itself, so that every run draws the same frames.
  remove_int(fps_counter);
  remove_int(game_timer);
  if (!demarre_sons_controles_police()) {
    *erreur = "font model missing";
    return false;
  }
  for (int i = 0; i < NB_PILOTES_CPU; i++) Joueurs[i] = new CJoueurCPU;
  Joueurs[JOUEUR_HUMAIN] = new CJoueurHumain;
  for (int k = 1; k <= NB_PILOTES_CPU; k++) {
    char n[TAILLE_NOM];
    lit_nom_cpu(k, n);
    Joueurs[k - 1]->SetNom(n);
  }
  lit_nom_joueur();
  for (CObjJoueur* p : Joueurs) sons_pilote(p);
  tRapports3DS rapports = charge_mesh_joueurs();
  t3DModel* vaisseaux[NB_JOUEURS] = {&Joueur_2, &Joueur_3, &Joueur_4, &Joueur_5, &Joueur_6, &Joueur_1};
  for (int i = 0; i < NB_JOUEURS; i++) Joueurs[i]->Set3Dobj(vaisseaux[i]);
  for (const tRapports3DS& r : {charge_mesh_deco(), charge_mesh_bonus()}) rapports.insert(rapports.end(), r.begin(), r.end());
  for (const tRapport3DS& r : rapports) {
    if (r.resultat == IMPORT_ABSENT) {
      *erreur = "missing model " + r.chemin;
      return false;
    }
  }
  return true;
}

void termine_jeu() {
  arrete_jeu();
  efface_copie();
}

double charge_circuit(int circuit) {
  LEVEL_ACTIF = circuit;
  const auto t0 = Horloge::now();
  charge_course(message, 1);  // the same bonus places every run
  place_grille(Joueurs);
  glFinish();
  return ms_depuis(t0);
}

void libere_circuit() { libere_course(); }

std::vector<MesureImage> course_mesuree(int images, int pas_par_image, bool detail, const std::string& capture,
                                        int capture_image, int plancher_tous, bool capture_infos) {
  seme_course(1);
  CcontrolBot bot(Joueurs[JOUEUR_HUMAIN]);
  Ccontrol* ancien = controle;
  controle = &bot;
  brouillard_course();
  // The main menu leaves the camera's up vector vertical before any race; without the menu the
  // camera would keep its constructor's and draw every frame rolled.
  g_Camera.PositionCamera(30, 10, 65, -50, 10, 35, 0, 1, 0);
  g_Camera.InitSurJoueur(Joueurs[JOUEUR_HUMAIN]->GetVectorPosition(), Joueurs[JOUEUR_HUMAIN]->GetAngleDeplacement());
  if (!std::getenv("VELTRA_BENCH_SANS_MUSIQUE")) {
    son_cree_flux(g_SystemeSon, FICHIER_MUSIQUE, SON_MODE_BOUCLE, &SON_MUSIQUE);
    son_joue(g_SystemeSon, SON_MUSIQUE, false, &channel_SON_MUSIQUE);
  }
  place_auditeur();
  prepare_pilotes();
  for (CObjJoueur* p : Joueurs) p->BeginMoteur();
  for (int i = 0; i < 6 * 30; i++) etape_pilotes();
  demarre_course();
  game_CHRONO = 0;
  CHRONO_MINUTES = CHRONO_SECONDES = CHRONO_MILISECONDES = 0;

  std::vector<MesureImage> mesures;
  mesures.reserve(static_cast<size_t>(images));
  EtatCourse etat;
  for (int i = 0; i < images; i++) {
    MesureImage m;
    for (int k = 1; k < pas_par_image; k++) {
      game_CHRONO += 2;
      chrono_course();
      etape_course(etat);
    }
    game_CHRONO += 2;
    chrono_course();
    auto t = Horloge::now();
    etape_course(etat);
    m.logique = ms_depuis(t);
    t = Horloge::now();
    const double c0 = ms_cpu();
    if (detail) {
      dessine_en_parties(m);
    } else {
      RenderClean();
      RenderInfos();
      glFinish();
    }
    m.dessin = ms_depuis(t);
    m.dessin_cpu = ms_cpu() - c0;
    if (!capture.empty() && i == capture_image && capture_infos) dessine_infos_et_disque();
    if (!capture.empty() && i == capture_image && !ecrit_png(capture)) {
      std::fprintf(stderr, "veltra-bench-rendu: cannot write %s\n", capture.c_str());
    }
    if (plancher_tous > 0 && i % plancher_tous == 0) {
      const std::vector<float> tri = triangles_image(redessine_image);
      m.triangles = tri.size() / 9;
      const double c1 = ms_cpu();
      m.plancher = dessine_plancher(tri, SCREEN_W, SCREEN_H);
      m.plancher_cpu = ms_cpu() - c1;
      // The floor's picture beside the frame's, to see that it is the same picture.
      if (!capture.empty() && i == capture_image) ecrit_png(capture + ".floor.png");
    }
    t = Horloge::now();
    glFlush();
    allegro_gl_flip();
    m.presente = ms_depuis(t);
    mesures.push_back(m);
  }

  for (CObjJoueur* p : Joueurs) {
    p->StopMoteur();
    p->StopBoost();
    p->StopSlide();
  }
  if (!son_handle_vide(channel_SON_MUSIQUE)) son_canal_stop(channel_SON_MUSIQUE);
  channel_SON_MUSIQUE = HCanal();
  if (!son_handle_vide(SON_MUSIQUE)) son_son_libere(SON_MUSIQUE);
  SON_MUSIQUE = HSon();
  controle = ancien;
  return mesures;
}

double ligne_status_mo(const char* cle) {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return 0;
  char ligne[256];
  double ko = 0;
  const size_t n = std::strlen(cle);
  while (std::fgets(ligne, sizeof ligne, f)) {
    if (std::strncmp(ligne, cle, n) == 0) ko = std::atof(ligne + n);
  }
  std::fclose(f);
  return ko / 1024.0;
}

double memoire_pointe_mo() { return ligne_status_mo("VmHWM:"); }

double memoire_fichiers_mo() { return ligne_status_mo("RssFile:"); }
