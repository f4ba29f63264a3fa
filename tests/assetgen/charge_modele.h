// Helpers the generator tests share.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "assetgen/ecrit3ds.h"
#include "support/outils_essai.h"
#include "world/load3ds.h"

struct tModeleRelu {
  tResultat3DS resultat = IMPORT_PAS_3DS;
  std::string plaintes;  // what the loader printed; empty when the file is sound
};

inline tModeleRelu relit_modele(const CMaillage& m, tMateriaux* table, t3DModel* modele, const char* nom) {
  tModeleRelu r;
  const std::vector<uint8_t> octets = ecrit_3ds(m);
  std::FILE* sortie = std::tmpfile();
  CLoad3DS::SortieMessages(sortie);
  r.resultat = CLoad3DS().Import3DSMemoire(table, modele, octets.data(), octets.size(), nom);
  CLoad3DS::SortieMessages(stderr);
  if (sortie) {
    std::rewind(sortie);
    char ligne[512];
    while (std::fgets(ligne, sizeof ligne, sortie)) r.plaintes += ligne;
    std::fclose(sortie);
  }
  return r;
}

// Distance along the ray o + l * d to the triangle (in lengths of d), or a negative value when missed.
inline double touche(CVector3 o, CVector3 d, const CVector3* t) {
  const double e1[3] = {t[1].x - t[0].x, t[1].y - t[0].y, t[1].z - t[0].z};
  const double e2[3] = {t[2].x - t[0].x, t[2].y - t[0].y, t[2].z - t[0].z};
  const double p[3] = {d.y * e2[2] - d.z * e2[1], d.z * e2[0] - d.x * e2[2], d.x * e2[1] - d.y * e2[0]};
  const double det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
  if (std::fabs(det) < 1e-12) return -1;
  const double s[3] = {o.x - t[0].x, o.y - t[0].y, o.z - t[0].z};
  const double u = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) / det;
  if (u < -1e-6 || u > 1 + 1e-6) return -1;
  const double q[3] = {s[1] * e1[2] - s[2] * e1[1], s[2] * e1[0] - s[0] * e1[2], s[0] * e1[1] - s[1] * e1[0]};
  const double v = (d.x * q[0] + d.y * q[1] + d.z * q[2]) / det;
  if (v < -1e-6 || u + v > 1 + 1e-6) return -1;
  return (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / det;
}

// bas <= v <= haut, with the value in the message when it is not.
inline ::testing::AssertionResult entre(double v, double bas, double haut) {
  if (v >= bas && v <= haut) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << v << " is outside [" << bas << ", " << haut << "]";
}
