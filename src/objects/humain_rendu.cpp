// Drawing of the player's ship (shadow, hull, reactor flame, brake lights) and its head-up display.
#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "common/globals.h"
#include "objects/humain.h"
#include "ui/texte3d.h"

namespace {

// Outline of a ship's shadow, as a quad strip of (x, z) pairs.
const float ombre_vaisseau[20][2] = {
    {-4.4f, -2.2f}, {-5.0f, 1.9f},  {-3.9f, -1.3f}, {-4.6f, 2.3f},  {-3.5f, -1.0f}, {-3.9f, 0.3f}, {-0.4f, -2.1f},
    {-2.35f, 1.7f}, {-0.05f, -2.8f}, {-1.1f, 4.7f}, {0.05f, -2.8f}, {1.1f, 4.7f},   {0.4f, -2.1f}, {2.35f, 1.7f},
    {3.5f, -1.0f},  {3.9f, 0.3f},   {3.9f, -1.3f},  {4.6f, 2.3f},   {4.4f, -2.2f},  {5.0f, 1.9f}};

float degres_inclinaison(float c) {
  c = c > 1 ? 1 : (c < -1 ? -1 : c);
  return static_cast<float>(static_cast<int>(std::asin(c) * 57.2957));
}

// Tilts the drawing to a ground normal, then turns it to the heading.
void incline(CVector3 n, float cap, bool ombre) {
  glRotatef(degres_inclinaison(ombre ? -n.x : n.x), 0, 0, 1);
  glRotatef(degres_inclinaison(n.z), 1, 0, 0);
  glRotatef(cap, 0, 1, 0);
}

void rapproche(float& v, float cible, float pas) {
  if (v < cible - pas) {
    v += pas;
  } else if (v > cible + pas) {
    v -= pas;
  } else {
    v = cible;
  }
}

}  // namespace

void CJoueurHumain::render(tMateriaux* materiaux) {
  SFace_contact& f = face_sol;
  rapproche(f.normale_affichee.x, f.normale.x, 0.05f);
  rapproche(f.normale_affichee.z, f.normale.z, 0.05f);

  // Shadow.
  glPushMatrix();
  glTranslatef(face_ombre.point.x, face_ombre.point.y, face_ombre.point.z);
  incline(face_ombre.normale, angle, true);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4ub(20, 20, 20, 100);
  glBegin(GL_QUAD_STRIP);
  for (const auto& p : ombre_vaisseau) glVertex3f(p[0], 0.3f, p[1]);
  glEnd();
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glPopMatrix();

  // Hull.
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  incline(f.normale_affichee, angle, false);
  const CVector3 p = position;
  position = CVector3(0, 0, 0);
  CObjJoueur::render(materiaux);
  position = p;

  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  if (accelere) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBegin(GL_TRIANGLE_FAN);
    if (boost) {
      glColor4ub(254, 59, 43, 128);
    } else {
      glColor4ub(207, 38, 255, 60);
    }
    glVertex3f(0, 1.75f, -2.3f - vitesse);
    if (boost) {
      glColor4ub(200, 235, 210, 60);
    } else {
      glColor4ub(100, 235, 253, 80);
    }
    glVertex3f(-0.7f, 1.5f, -2.3f);
    glVertex3f(0, 2.0f, -2.3f);
    glVertex3f(0.7f, 1.5f, -2.3f);
    glEnd();
  }
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (freinage) {
    glColor4ub(230, 43, 43, 200);
  } else {
    glColor4ub(20, 20, 20, 180);
  }
  glBegin(GL_TRIANGLES);
  for (float cote : {1.0f, -1.0f}) {
    glVertex3f(0.4f * cote, 2.9f, -1.9f);
    glVertex3f(1.1f * cote, 3.2f, -1.9f);
    glVertex3f(1.1f * cote, 2.6f, -1.9f);
  }
  glEnd();
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void CJoueurHumain::affiche_coord(tMateriaux*, int, int minutes, int secondes, int soixantiemes) {
  // Speed gauge, in camera space.
  float aiguille = vitesse * -66.0f;
  if (aiguille > 0) aiguille = 0;
  if (vitesse > vitesse_max + 1) aiguille = (vitesse_max + 0.8f) * -66.0f;
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glTranslatef(2.1f, -1.6f, -2.0f);
  // The scale: an arc of radius 0.4, lit up to the needle.
  const float pas = vitesse_max * -66.0f / 11.0f;
  glPointSize(4);
  glBegin(GL_POINTS);
  for (int i = 0; i <= 11; i++) {
    const float a = pas * i;
    if (a >= aiguille) {
      glColor4ub(253, 59, 43, 250);
    } else {
      glColor4ub(60, 60, 60, 150);
    }
    const float r = static_cast<float>((a + 180.0f) * M_PI / 180.0);
    glVertex3f(0.4f * std::cos(r), 0.4f * -std::sin(r), 0);
  }
  glEnd();
  glRotatef(aiguille, 0, 0, 1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4ub(120, 80, 80, 20);
  glBegin(GL_TRIANGLES);
  glVertex3f(-0.5f, 0.09f, 0);
  glVertex3f(-0.5f, -0.09f, 0);
  glVertex3f(-0.15f, 0, 0);
  glEnd();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float epaisseur = boost ? 10.0f : 7.0f;
  if (boost) {
    glColor4ub(253, 59, 43, 250);
  } else {
    glColor4ub(92, 4, 14, 250);
  }
  glLineWidth(epaisseur);
  glPointSize(epaisseur);
  for (GLenum mode : {GL_LINE_LOOP, GL_POINTS}) {
    glBegin(mode);
    glVertex3f(-0.5f, 0.09f, 0);
    glVertex3f(-0.5f, -0.09f, 0);
    glVertex3f(-0.15f, 0, 0);
    glEnd();
  }
  glLineWidth(1);
  glPointSize(1);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  glPopMatrix();

  rotation_bonus++;
  if (rotation_bonus > 360) rotation_bonus = 0;

  char ligne[64];
  const bool fr = LANGUAGE == 0;
  if (tour + 1 < nb_tours) {
    std::snprintf(ligne, sizeof ligne, fr ? "Tour: %i/%i" : "Lap: %i/%i", tour, nb_tours);
  } else {
    std::snprintf(ligne, sizeof ligne, fr ? "Tour: %i/%i Dernier !" : "Lap: %i/%i Last Lap !", tour, nb_tours);
  }
  Texte.print_spe(0, CVector3(-3.6f, 2.4f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  std::snprintf(ligne, sizeof ligne, fr ? "Position: %i" : "Rank: %i", classement);
  Texte.print_spe(0, CVector3(-3.6f, 2.1f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  std::snprintf(ligne, sizeof ligne, "%02i:%02i:%02i", minutes, secondes, soixantiemes);
  Texte.print_spe(0, CVector3(1.8f, 2.4f, -2.8f), ligne, false, 20, 188, 186, 100, true, 0);
  if (sens_interdit && !GetFinish()) {
    if (fr) {
      Texte.print_spe(2, CVector3(0, 0.5f, -2.5f), "Mauvaise direction !", false, 250, 10, 10, 128, true, 0);
    } else {
      Texte.print_spe(2, CVector3(0, 0.5f, -1.5f), "Wrong Way !", false, 250, 10, 10, 128, true, 0);
    }
  }
}
