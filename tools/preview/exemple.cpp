// Example content for the preview: a ship-like model and a square circuit with every surface class.
#include "exemple.h"

#include <allegro.h>
#include <jpgalleg.h>
#include <sys/stat.h>

#include "assetgen/ecrit3ds.h"

namespace {

float plat(float, float) { return 0.0f; }

bool ecrit_damier(const std::string& chemin) {
  BITMAP* b = create_bitmap_ex(24, 64, 64);
  if (!b) return false;
  for (int y = 0; y < 8; y++) {
    for (int x = 0; x < 8; x++) {
      const int c = ((x + y) % 2) ? makecol24(230, 230, 220) : makecol24(60, 60, 70);
      rectfill(b, x * 8, y * 8, x * 8 + 7, y * 8 + 7, c);
    }
  }
  const bool ok = save_jpg(chemin.c_str(), b, nullptr) == 0;
  destroy_bitmap(b);
  return ok;
}

CMaillage vaisseau() {
  CMaillage m;
  m.materiau("coque", 255, 255, 255, "damier.jpg");
  m.materiau("verre", 60, 120, 230);
  m.materiau("reacteur", 255, 140, 20);
  CMaillage::boite(m.objet("coque", "coque", true), CVector3(-2, 0, -4), CVector3(2, 1.5f, 4));
  CMaillage::boite(m.objet("aile", "coque", true), CVector3(-5, 0.5f, -3), CVector3(5, 1, 0));
  CMaillage::boite(m.objet("cockpit", "verre"), CVector3(-1, 1.5f, 0), CVector3(1, 3.5f, 2.5f));
  CMaillage::boite(m.objet("Areacteur", "reacteur"), CVector3(-1, 1, -4.6f), CVector3(1, 2.5f, -4));
  return m;
}

// A square ring of road 60 wide around a grass square, walls outside, a ramp, a tower and an arch.
CMaillage circuit(bool minimap) {
  // Material names are searched in the whole shared table: the minimap's must differ from the
  // circuit's, or the circuit would find the minimap's untextured copy first.
  CMaillage m;
  const char* route = minimap ? "carte" : "route";
  m.materiau(route, 255, 255, 255, minimap ? "" : "damier.jpg");
  tObjetMaillage& r = m.objet("Rroute", route, !minimap);
  CMaillage::grille(r, CVector3(-160, 0, 100), 32, 6, 10.0f, plat);
  CMaillage::grille(r, CVector3(-160, 0, -160), 32, 6, 10.0f, plat);
  CMaillage::grille(r, CVector3(-160, 0, -100), 6, 20, 10.0f, plat);
  if (minimap) {
    CMaillage::grille(r, CVector3(100, 0, -100), 6, 20, 10.0f, plat);
    return m;
  }
  m.materiau("herbe", 70, 160, 60);
  m.materiau("beton", 150, 150, 160);
  m.materiau("brique", 170, 80, 50);
  m.materiau("sable", 220, 200, 120);
  CMaillage::grille(m.objet("Lrampe", "sable"), CVector3(100, 0, -100), 6, 20, 10.0f,
                    [](float, float z) { return z > -40 && z < 40 ? 6.0f * (1 - (z * z) / 1600.0f) : 0.0f; });
  CMaillage::grille(m.objet("Gherbe", "herbe"), CVector3(-100, 0, -100), 10, 10, 20.0f, plat);
  tObjetMaillage& d = m.objet("Dmurs", "beton");
  CMaillage::boite(d, CVector3(-164, 0, -164), CVector3(164, 12, -160));
  CMaillage::boite(d, CVector3(-164, 0, 160), CVector3(164, 12, 164));
  CMaillage::boite(d, CVector3(-164, 0, -160), CVector3(-160, 12, 160));
  CMaillage::boite(d, CVector3(160, 0, -160), CVector3(164, 12, 160));
  tObjetMaillage& t = m.objet("tour", "brique");
  CMaillage::boite(t, CVector3(-15, 0, -15), CVector3(15, 60, 15));
  CMaillage::boite(t, CVector3(-160, 0, 110), CVector3(-150, 40, 120));
  CMaillage::boite(t, CVector3(-110, 0, 110), CVector3(-100, 40, 120));
  CMaillage::boite(t, CVector3(-160, 40, 110), CVector3(-100, 46, 120));
  return m;
}

}  // namespace

bool ecrit_exemples(const std::string& dossier) {
  mkdir(dossier.c_str(), 0755);
  mkdir((dossier + "/objets").c_str(), 0755);
  mkdir((dossier + "/maps").c_str(), 0755);
  return ecrit_damier(dossier + "/maps/damier.jpg") && ecrit_3ds_fichier(dossier + "/objets/exemple.3ds", vaisseau()) &&
         ecrit_3ds_fichier(dossier + "/objets/kan_1.3ds", circuit(false)) &&
         ecrit_3ds_fichier(dossier + "/objets/kan_m1_1.3ds", circuit(true));
}
