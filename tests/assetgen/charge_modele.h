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
  const CVector3 e1 = t[1] - t[0], e2 = t[2] - t[0], p = Cross(d, e2), s = o - t[0], q = Cross(s, e1);
  const double det = Dot(e1, p);
  if (std::fabs(det) < 1e-12) return -1;
  const double u = Dot(s, p) / det, v = Dot(d, q) / det;
  if (u < -1e-6 || v < -1e-6 || u + v > 1 + 1e-6) return -1;
  return Dot(e2, q) / det;
}

// bas <= v <= haut, with the value in the message when it is not.
inline ::testing::AssertionResult entre(double v, double bas, double haut) {
  if (v >= bas && v <= haut) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << v << " is outside [" << bas << ", " << haut << "]";
}
