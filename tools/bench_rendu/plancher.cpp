// The floor of a race frame, from OpenGL's feedback of the frame itself.
#define GL_GLEXT_PROTOTYPES
#include "bench_rendu/plancher.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <chrono>

std::vector<float> triangles_image(const std::function<void()>& dessine) {
  std::vector<GLfloat> retour(1 << 20);
  for (;;) {
    glFeedbackBuffer(static_cast<GLsizei>(retour.size()), GL_3D, retour.data());
    glRenderMode(GL_FEEDBACK);
    dessine();
    const GLint n = glRenderMode(GL_RENDER);
    if (n >= 0) {
      retour.resize(static_cast<size_t>(n));
      break;
    }
    if (retour.size() >= (size_t{1} << 28)) return {};  // a frame that big says nothing
    retour.resize(retour.size() * 2);
  }
  std::vector<float> triangles;
  triangles.reserve(retour.size());
  size_t i = 0;
  auto sommet = [&](size_t k) {
    for (int c = 0; c < 3; c++) triangles.push_back(retour[k + static_cast<size_t>(c)]);
  };
  while (i < retour.size()) {
    const auto jeton = static_cast<GLenum>(retour[i++]);
    switch (jeton) {
      case GL_POLYGON_TOKEN: {
        const auto nb = static_cast<size_t>(retour[i++]);
        if (i + nb * 3 > retour.size()) return triangles;
        // A clipped triangle comes back as a convex polygon: a fan of triangles.
        for (size_t k = 2; k < nb; k++) {
          sommet(i);
          sommet(i + (k - 1) * 3);
          sommet(i + k * 3);
        }
        i += nb * 3;
        break;
      }
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN: i += 6; break;
      case GL_POINT_TOKEN:
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN: i += 3; break;
      case GL_PASS_THROUGH_TOKEN: i += 1; break;
      default: return triangles;  // not a token: the buffer cannot be read further
    }
  }
  return triangles;
}

double dessine_plancher(const std::vector<float>& triangles, int largeur, int hauteur) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, largeur, 0, hauteur, 0, -1);  // window x, y; depth 0..1 as it came back
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glDisable(GL_FOG);
  glDisable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glColor3f(0.5f, 0.5f, 0.5f);
  GLuint tampon = 0;
  glGenBuffers(1, &tampon);
  glBindBuffer(GL_ARRAY_BUFFER, tampon);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(triangles.size() * sizeof(float)), triangles.data(),
               GL_STATIC_DRAW);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, nullptr);
  glFinish();

  const auto t0 = std::chrono::steady_clock::now();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(triangles.size() / 3));
  glFinish();
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();

  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glDeleteBuffers(1, &tampon);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopClientAttrib();
  glPopAttrib();
  return ms;
}
