// Reads a generated model back through the game's 3DS loader, noting anything it complained about.
#pragma once

#include <cstdio>
#include <string>

#include "assetgen/ecrit3ds.h"
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
