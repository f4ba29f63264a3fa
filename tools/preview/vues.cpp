// Preview rendering with the game's own lighting; models drawn directly, circuits through the octree.
#include "vues.h"

#include <allegro.h>
#include <alleggl.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>

#include "math/frustum.h"
#include "world/materiaux.h"
#include "world/monde.h"
#include "world/octree.h"

namespace {

void eclairage() {
  const GLfloat position0[4] = {-36.0f, 80.0f, 57.0f, 0.0f};
  const GLfloat ambiante[4] = {0.35f, 0.33f, 0.30f, 1.0f};
  const GLfloat diffuse[4] = {0.97f, 0.92f, 0.70f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, position0);
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambiante);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}

void etat_gl() {
  glShadeModel(GL_SMOOTH);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glDisable(GL_FOG);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glEnable(GL_NORMALIZE);
  glClearColor(0.5f, 0.55f, 0.7f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// The model as the game's display lists draw it: material colour tinting an optional texture.
void dessine_modele(const t3DModel& model) {
  for (const t3DObject& o : model.objects) {
    const bool texture = o.hasTexture && o.materialIndex >= 0 && g_Texture[o.materialIndex] != 0 &&
                         o.texVertexCount >= o.vertexCount;
    if (texture) {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, g_Texture[o.materialIndex]);
    } else {
      glDisable(GL_TEXTURE_2D);
    }
    if (o.materialIndex >= 0 && o.materialIndex < g_Materiaux.materialCount) {
      const unsigned char* c = g_Materiaux.materials[o.materialIndex].color;
      glColor4ub(c[0], c[1], c[2], 255);
    } else {
      glColor4ub(255, 255, 255, 255);
    }
    glBegin(GL_TRIANGLES);
    for (const tFace& f : o.faces) {
      for (int i : f.vertexIndex) {
        if (texture) glTexCoord2f(o.texCoords[i].u, o.texCoords[i].v);
        glNormal3f(o.normals[i].x, o.normals[i].y, o.normals[i].z);
        glVertex3f(o.vertices[i].x, o.vertices[i].y, o.vertices[i].z);
      }
    }
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);
}

std::vector<uint8_t> lit_pixels(int largeur, int hauteur) {
  std::vector<uint8_t> rgb(size_t(largeur) * hauteur * 3);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, largeur, hauteur, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

bool fichier_existe(const char* chemin) {
  std::FILE* f = std::fopen(chemin, "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

}  // namespace

bool ouvre_fenetre(int largeur, int hauteur) {
  if (allegro_init() != 0 || install_allegro_gl() != 0) {
    std::fprintf(stderr, "veltra-preview: cannot start the graphics library\n");
    return false;
  }
  allegro_gl_clear_settings();
  allegro_gl_set(AGL_DOUBLEBUFFER, 1);
  allegro_gl_set(AGL_COLOR_DEPTH, 24);
  allegro_gl_set(AGL_Z_DEPTH, 24);
  allegro_gl_set(AGL_WINDOWED, TRUE);
  allegro_gl_set(AGL_SUGGEST, AGL_DOUBLEBUFFER | AGL_COLOR_DEPTH | AGL_Z_DEPTH | AGL_WINDOWED);
  set_color_depth(24);
  if (set_gfx_mode(GFX_OPENGL_WINDOWED, largeur, hauteur, 0, 0) != 0) {
    std::fprintf(stderr, "veltra-preview: no OpenGL window (%s; %s). Is DISPLAY set (Xvfb)?\n", allegro_error,
                 allegro_gl_error);
    return false;
  }
  g_ContexteGL = true;
  return true;
}

void charge_textures_presentes(t3DModel* model) {
  attribue_slots(model);
  for (int i = model->firstMaterial; i < model->endMaterial; i++) {
    const char* nom = g_Materiaux.materials[i].fileName;
    if (nom[0] == 0) continue;
    char chemin[300];
    std::snprintf(chemin, sizeof chemin, "./maps/%s", nom);
    if (fichier_existe(chemin))
      CreateTexture(g_Texture, nom, i);
    else
      std::fprintf(stderr, "veltra-preview: texture %s missing, material %d drawn in its colour\n", chemin, i);
  }
}

std::vector<uint8_t> rendu_tourniquet(const t3DModel& model, int largeur, int hauteur) {
  CVector3 mn(0, 0, 0), mx(0, 0, 0);
  bool premier = true;
  for (const t3DObject& o : model.objects) {
    for (const CVector3& v : o.vertices) {
      if (premier) mn = mx = v;
      premier = false;
      mn = CVector3(std::fmin(mn.x, v.x), std::fmin(mn.y, v.y), std::fmin(mn.z, v.z));
      mx = CVector3(std::fmax(mx.x, v.x), std::fmax(mx.y, v.y), std::fmax(mx.z, v.z));
    }
  }
  const CVector3 centre = (mn + mx) * 0.5f;
  float rayon = Magnitude(mx - mn) * 0.5f;
  if (!(rayon > 0)) rayon = 1;
  etat_gl();
  const int l = largeur / 2, h = hauteur / 2;
  for (int k = 0; k < 4; k++) {
    glViewport((k % 2) * l, (1 - k / 2) * h, l, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, double(l) / h, rayon * 0.05, rayon * 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double a = (45.0 + 90.0 * k) * M_PI / 180.0, e = 25.0 * M_PI / 180.0, d = rayon * 3.0;
    gluLookAt(centre.x + d * std::cos(e) * std::sin(a), centre.y + d * std::sin(e), centre.z + d * std::cos(e) * std::cos(a),
              centre.x, centre.y, centre.z, 0, 1, 0);
    eclairage();
    dessine_modele(model);
  }
  return lit_pixels(largeur, hauteur);
}

std::vector<uint8_t> rendu_circuit(int largeur, int hauteur, CVector3 oeil, CVector3 cible) {
  etat_gl();
  const int l = largeur / 2;
  // From above: an orthographic view of the whole bounding box, +x to the right, -z up.
  const float cx = (wminx + wmaxx) / 2, cz = (wminz + wmaxz) / 2;
  float demi = std::fmax(wmaxx - wminx, wmaxz - wminz) * 0.55f;
  if (!(demi > 0)) demi = 1;
  const double rapport = double(l) / hauteur;
  glViewport(0, 0, l, hauteur);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-demi * rapport, demi * rapport, -demi, demi, 1, (wmaxy - wminy) + 200);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(cx, wmaxy + 100, cz, cx, wminy, cz, 0, 0, -1);
  eclairage();
  g_Frustum.CalculateFrustum();
  g_Octree.DrawOctree(&g_Octree, &g_World);

  glViewport(l, 0, largeur - l, hauteur);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, double(largeur - l) / hauteur, 1.0, 5000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(oeil.x, oeil.y, oeil.z, cible.x, cible.y, cible.z, 0, 1, 0);
  eclairage();
  g_Frustum.CalculateFrustum();
  g_Octree.DrawOctree(&g_Octree, &g_World);
  return lit_pixels(largeur, hauteur);
}
