// Screen set-up through AllegroGL, the 60 Hz counters, and the orderly teardown.
#include "app/ecran.h"

#include <allegro.h>
#include <alleggl.h>

#include <cstdio>
#include <cstdlib>

#include "app/bureau_x.h"
#include "app/config.h"
#include "common/globals.h"
#include "common/vue.h"
#include "world/materiaux.h"

// Timer callbacks run on Allegro's timer thread: they only count.
void fps_counter() { fps_count++; }
END_OF_FUNCTION(fps_counter)
void game_timer() { game_time++; }
END_OF_FUNCTION(game_timer)

namespace {

// VELTRA_ACCELERE=N (2 to 8) runs the game's clock N times faster: zooms and countdowns come as
// fast as the frames allow, and a race draws one step in N. A race counts its steps, so it is
// the same race, sooner (long demonstrations, the tests' autopilot races).
int lit_acceleration() {
  const char* v = std::getenv("VELTRA_ACCELERE");
  if (!v) return 1;
  char* fin = nullptr;
  const long n = std::strtol(v, &fin, 10);
  if (fin == v || *fin != '\0' || n < 1 || n > 8) {
    std::fprintf(stderr, "veltra: VELTRA_ACCELERE=%s ignored: a whole number from 1 to 8 is expected\n", v);
    return 1;
  }
  return static_cast<int>(n);
}

bool ouvre_ecran() {
  // "Desktop" is a window, whatever the full-screen setting: no mode switch to be refused.
  const bool bureau = RESOL == RESOL_BUREAU;
  const int plein = bureau ? 0 : FULL_SCREEN;
  allegro_gl_clear_settings();
  allegro_gl_set(AGL_DOUBLEBUFFER, 1);
  allegro_gl_set(AGL_COLOR_DEPTH, 32);
  allegro_gl_set(AGL_Z_DEPTH, 16);
  allegro_gl_set(AGL_RENDERMETHOD, 1);
  allegro_gl_set(plein ? AGL_FULLSCREEN : AGL_WINDOWED, TRUE);
  allegro_gl_set(AGL_SUGGEST, AGL_DOUBLEBUFFER | AGL_COLOR_DEPTH | AGL_Z_DEPTH | AGL_RENDERMETHOD |
                                  (plein ? AGL_FULLSCREEN : AGL_WINDOWED));
  set_color_depth(32);
  if (plein) {
    if (set_gfx_mode(GFX_OPENGL_FULLSCREEN, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0) {
      allegro_message("Error setting OpenGL full screen graphics mode:\n%s\nAllegro GL error : %s\n", allegro_error,
                      allegro_gl_error);
      ecrit_config_ecran_repli();
      return false;
    }
  } else if (set_gfx_mode(GFX_OPENGL_WINDOWED, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) != 0) {
    allegro_message("Error setting OpenGL windowed graphics mode:\n%s\nAllegro GL error : %s\n", allegro_error,
                    allegro_gl_error);
    return false;
  }
  if (bureau) fenetre_couvre_bureau(SCREEN_WIDTH, SCREEN_HEIGHT);
  return true;
}

}  // namespace

void init_etat_opengl() {
  glShadeModel(GL_SMOOTH);
  glEnable(GL_POINT_SMOOTH);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_TEXTURE_2D);
  glPolygonMode(GL_FRONT, GL_FILL);
  glDisable(GL_DITHER);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);

  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogfv(GL_FOG_COLOR, MenuFogColor);
  glFogf(GL_FOG_DENSITY, 1.0f);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
  glFogf(GL_FOG_START, PROFONDEUR_CHAMP_CAM - 100.0f);
  glFogf(GL_FOG_END, PROFONDEUR_CHAMP_CAM);

  glViewport(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // The height seen at depth 1 is -1..1 whatever the window; the width follows its shape.
  const double demi = demi_largeur_vue();
  glFrustum(-demi, demi, -1.0, 1.0, 1.0, PROFONDEUR_CHAMP_CAM);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  const GLfloat position0[4] = {-36.0f, 80.0f, 57.0f, 0.5f};
  const GLfloat position1[4] = {-36.0f, -80.0f, 57.0f, 1.0f};
  const GLfloat ambiante[4] = {0.10f, 0.07f, 0.04f, 1.0f};
  const GLfloat diffuse[4] = {0.97f, 0.92f, 0.43f, 1.0f};
  const GLfloat speculaire[4] = {0.9f, 0.86f, 0.42f, 1.0f};
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glEnable(GL_COLOR_MATERIAL);
  glLightfv(GL_LIGHT0, GL_POSITION, position0);
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambiante);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
  glEnable(GL_LIGHT1);
  glLightfv(GL_LIGHT1, GL_POSITION, position1);
  glLightfv(GL_LIGHT1, GL_AMBIENT, ambiante);
  glMaterialfv(GL_FRONT, GL_SPECULAR, speculaire);
  glMateriali(GL_FRONT, GL_SHININESS, 10);
  glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
  glClearColor(0.5f, 0.55f, 0.7f, 1.0f);
}

int Init_alleggl() {
  // Without a display (no X server) the library does not start and none of it may be called,
  // not even its message box: the screen error goes to the standard error instead.
  if (allegro_init() != 0 || !system_driver || system_driver->id == SYSTEM_NONE) {
    std::fprintf(stderr, "Error setting OpenGL windowed graphics mode:\n%s\nAllegro GL error : %s\n", allegro_error,
                 "");
    return -1;
  }
  install_allegro_gl();
  install_timer();
  install_keyboard();
  install_mouse();

  check_config();
  set_config_file(fichier_config());

  lit_config_ecran();
  if (!ouvre_ecran()) return -1;
  g_ContexteGL = true;  // textures and display lists can be made from now on

  allegro_gl_use_mipmapping(TRUE);
  init_etat_opengl();

  LOCK_FUNCTION(fps_counter);
  LOCK_FUNCTION(game_timer);
  install_int_ex(fps_counter, BPS_TO_TIMER(60));
  ACCELERATION = lit_acceleration();
  install_int_ex(game_timer, BPS_TO_TIMER(60 * ACCELERATION));
  return 1;
}

void deInit() {
  remove_int(fps_counter);
  remove_int(game_timer);
  remove_mouse();
  remove_keyboard();
  remove_timer();
  allegro_gl_clear_settings();
  remove_allegro_gl();
  g_ContexteGL = false;
  allegro_exit();
}
