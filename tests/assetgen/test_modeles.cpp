// The generated models and the font's glyphs as the game loads, sizes and lays them out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "assetgen/charge_modele.h"
#include "assetgen/modeles/modeles.h"
#include "assetgen/police/police.h"
#include "assetgen/textures/textures.h"
#include "common/fichier.h"
#include "ui/texte3d.h"

namespace {

struct tBoite {
  CVector3 mn{1e30f, 1e30f, 1e30f}, mx{-1e30f, -1e30f, -1e30f};
  float portee = 0;  // farthest vertex from the origin
};

tBoite boite(const t3DModel& m) {
  tBoite b;
  for (const t3DObject& o : m.objects) {
    for (const CVector3& p : o.vertices) {
      b.mn = CVector3(std::min(b.mn.x, p.x), std::min(b.mn.y, p.y), std::min(b.mn.z, p.z));
      b.mx = CVector3(std::max(b.mx.x, p.x), std::max(b.mx.y, p.y), std::max(b.mx.z, p.z));
      b.portee = std::max(b.portee, Magnitude(p));
    }
  }
  return b;
}

int triangles(const t3DModel& m) {
  int n = 0;
  for (const t3DObject& o : m.objects) n += o.faceCount;
  return n;
}

// Every model loaded once, in the game's order, into one shared table as at start-up.
class ModelesGeneres : public ::testing::Test {
 protected:
  struct tJeu {
    tMateriaux table;
    std::map<std::string, t3DModel> modeles;
    std::map<std::string, tModeleRelu> plaintes;
    std::map<std::string, std::vector<uint8_t>> octets;
    void ajoute(const std::string& f, const CMaillage& m) {
      octets[f] = ecrit_3ds(m);
      plaintes[f] = relit_modele(m, &table, &modeles[f], f.c_str());
    }
    tJeu() {
      CMaillage police;
      std::string erreur;
      EXPECT_TRUE(construit_police(&police, &erreur)) << erreur;
      ajoute(FICHIER_POLICE, police);
      for (const tModeleConnu& c : modeles_connus()) {
        CMaillage m;
        EXPECT_TRUE(construit_modele(c.fichier, &m)) << c.fichier;
        ajoute(c.fichier, m);
      }
    }
  };
  static tJeu& jeu() {
    static tJeu* j = new tJeu;
    return *j;
  }
  static const t3DModel& modele(const std::string& f) { return jeu().modeles.at(f); }
  tMateriaux* const table_ = &jeu().table;
};

TEST_F(ModelesGeneres, EveryFileLoadsWholeWithFewMaterialsOfItsOwnAndNoSliverFaces) {
  // Every file start-up loads, under its exact name: the six ships, then the rest.
  std::vector<std::string> attendus, connus;
  for (int n = 1; n <= 6; n++) attendus.push_back("objets/vaisseau" + std::to_string(n) + "_1.3ds");
  for (const char* f : {"fougere", "fougere_1", "herbe", "herbe_1", "arbre", "orchidee", "orchidee_2",
                        "palmier", "clochettes", "anneau", "b_speed", "b_mine", "b_missile", "mine",
                        "missile", "explo"}) {
    attendus.push_back(std::string("objets/") + f + ".3DS");
  }
  for (const tModeleConnu& c : modeles_connus()) connus.push_back(c.fichier);
  EXPECT_EQ(connus, attendus);
  CMaillage minuscules;
  EXPECT_FALSE(construit_modele("objets/fougere.3ds", &minuscules)) << "names are case-sensitive on Linux";
  // a circuit and its map take up to 26 of the 100 texture slots after them
  EXPECT_LT(table_->materialCount, 60);
  std::set<std::string> connues, noms, textures;
  for (const tTextureConnue& k : textures_connues()) connues.insert(k.nom);
  for (int i = 0; i < table_->materialCount; i++) {
    const tMaterialInfo& m = table_->materials[i];
    EXPECT_TRUE(noms.insert(m.name).second) << m.name << ": a later model would draw with an earlier one's";
    if (m.fileName[0]) textures.insert(m.fileName);
    EXPECT_TRUE(!m.fileName[0] || connues.count(m.fileName)) << m.fileName;
  }
  EXPECT_GE(textures.size(), 10u);
  for (const auto& [fichier, relu] : jeu().plaintes) {
    SCOPED_TRACE(fichier);
    EXPECT_EQ(relu.resultat, IMPORT_OK);
    EXPECT_EQ(relu.plaintes, "");
    const t3DModel& m = modele(fichier);
    ASSERT_GT(m.objectCount, 0);
    for (const t3DObject& o : m.objects) {
      SCOPED_TRACE(o.name);
      // each object uses a material of its own file
      EXPECT_GE(o.materialIndex, m.firstMaterial);
      EXPECT_LT(o.materialIndex, m.endMaterial);
      EXPECT_TRUE(!o.hasTexture || o.texVertexCount == o.vertexCount);
      // A sliver face would leave a normal that is not a unit vector.
      for (const tFace& f : o.faces) {
        ASSERT_NEAR(Magnitude(f.normal), 1.f, 1e-3f);
        for (int k = 0; k < 3; k++) ASSERT_NEAR(Magnitude(o.normals[f.vertexIndex[k]]), 1.f, 1e-3f);
      }
    }
  }
}

// Does the segment from `a` to `b` cross a triangle of the model?
bool traverse(const t3DModel& m, CVector3 a, CVector3 b) {
  for (const t3DObject& o : m.objects) {
    for (const tFace& f : o.faces) {
      const CVector3 t[3] = {o.vertices[f.vertexIndex[0]], o.vertices[f.vertexIndex[1]],
                             o.vertices[f.vertexIndex[2]]};
      const double l = touche(a, b - a, t);
      if (l >= 0 && l <= 1) return true;
    }
  }
  return false;
}

TEST_F(ModelesGeneres, ShipsFitTheirShadowsWearTheirOwnLiveryAndShowReactorAndBrakeLights) {
  std::set<std::string> livrees;
  for (int n = 1; n <= 6; n++) {
    const std::string f = "objets/vaisseau" + std::to_string(n) + "_1.3ds";
    SCOPED_TRACE(f);
    const t3DModel& m = modele(f);
    // the computer pilots' ships draw untextured objects plain white
    for (const t3DObject& o : m.objects) EXPECT_TRUE(o.hasTexture) << o.name;
    for (int i = m.firstMaterial; i < m.endMaterial; i++) {
      const std::string nom = table_->materials[i].fileName;
      if (nom.rfind("livree", 0) == 0) livrees.insert(nom);
    }
    EXPECT_TRUE(entre(triangles(m), 300, 1500));
    const tBoite b = boite(m);
    EXPECT_NEAR(b.mx.x - b.mn.x, 10.f, 1.f) << "width";
    // About 8 long and 3.5 high; the brake lights' bar (up to y 3.7) lifts the tallest near 4.
    EXPECT_NEAR(b.mx.z - b.mn.z, 8.f, 1.f) << "length";
    EXPECT_NEAR(b.mn.x, -b.mx.x, 1e-3f) << "symmetric";
    EXPECT_GT(b.mx.z, 4.f) << "nose along +z";
    EXPECT_NEAR(b.mn.y, 0.2f, 0.25f) << "flat underside near the ground";
    EXPECT_NEAR(b.mx.y, 3.5f, 0.5f) << "height";
    // the flame starts at the back of the reactor and runs backwards from there
    EXPECT_FALSE(traverse(m, CVector3(0, 1.75f, -2.31f), CVector3(0, 1.75f, -30.f)));
    EXPECT_TRUE(traverse(m, CVector3(0, 1.75f, -2.31f), CVector3(0, 1.75f, -1.5f)));
    // brake lights: seen from behind, and mounted on something just in front of them
    const float y = n == 1 ? 2.9f : 3.4f, z = n == 1 ? -1.9f : -2.3f;
    for (float x : {-0.85f, 0.85f}) {
      EXPECT_FALSE(traverse(m, CVector3(x, y, z - 0.01f), CVector3(x, y + 3.f, -30.f))) << "x " << x;
      EXPECT_TRUE(traverse(m, CVector3(x, y, z), CVector3(x, y, z + 0.3f))) << "x " << x;
    }
  }
  EXPECT_EQ(livrees.size(), 6u);
}

TEST_F(ModelesGeneres, PlantsPickUpsAndWeaponsFitTheRadiiTheGameGivesThem) {
  for (const tModeleConnu& c : modeles_connus()) {
    if (c.famille != FAMILLE_DECOR) continue;
    SCOPED_TRACE(c.fichier);
    const tBoite b = boite(modele(c.fichier));
    // within the radius the frustum test uses, and not too small for it
    EXPECT_TRUE(entre(b.portee, 0.6f * c.rayon, c.rayon));
    EXPECT_NEAR(b.mn.y, 0.f, 0.35f) << "stands on its base";
  }
  // Pick-ups: a glowing ring around a solid icon.
  for (const char* f : {"objets/b_speed.3DS", "objets/b_mine.3DS", "objets/b_missile.3DS"}) {
    SCOPED_TRACE(f);
    const t3DModel& m = modele(f);
    ASSERT_GE(m.objectCount, 2);
    // drawn from the last object to the first: the glow goes on top
    EXPECT_EQ(m.objects[0].name[0], 'A');
    EXPECT_NE(m.objects.back().name[0], 'A');
    const tBoite b = boite(m);
    EXPECT_LE(std::max({std::fabs(b.mn.x), b.mx.x, std::fabs(b.mn.z), b.mx.z}), 4.7f);
    EXPECT_TRUE(entre(b.mn.y, 0, 6) && entre(b.mx.y, 0, 6));
  }
  EXPECT_EQ(modele("objets/anneau.3DS").objects[0].name[0], 'A');
  EXPECT_EQ(modele("objets/mine.3DS").objects[0].name[0], 'A');
  // Weapons fit their collision radii; the missile flies along z and the blast is a sphere.
  const tBoite mine = boite(modele("objets/mine.3DS"));
  EXPECT_LE(std::max(mine.mx.x, mine.mx.z), 4.2f);
  EXPECT_GE(mine.mn.y, 0.f);
  const tBoite missile = boite(modele("objets/missile.3DS"));
  EXPECT_LE(missile.portee, 3.3f + 1.3f);
  EXPECT_GT(missile.mx.z - missile.mn.z, 2.f * (missile.mx.x - missile.mn.x));
  EXPECT_GE(missile.mn.y, 0.f);
  // the explosion: a unit sphere of about two hundred faces
  const t3DModel& m = modele("objets/explo.3DS");
  EXPECT_NEAR(triangles(m), 200, 20);
  for (const t3DObject& o : m.objects)
    for (const CVector3& p : o.vertices) EXPECT_NEAR(Magnitude(p), 1.f, 1e-4f);
}

TEST_F(ModelesGeneres, WrittenFilesAreTheSameBytesAsAnotherBuildAndAFolderItCannotCreateIsReported) {
  const DossierTemporaire d;
  std::string erreur;
  ASSERT_TRUE(genere_modeles(d.chemin(), &erreur)) << erreur;
  ASSERT_TRUE(genere_police(d.chemin(), &erreur)) << erreur;
  for (const auto& [f, octets] : jeu().octets) {
    std::vector<uint8_t> lu;
    ASSERT_TRUE(lit_fichier(d.chemin() + "/" + f, lu)) << f;
    EXPECT_TRUE(lu == octets) << f;
  }
  erreur.clear();
  EXPECT_FALSE(genere_modeles("/proc/veltra-interdit", &erreur));
  EXPECT_NE(erreur.find("/proc/veltra-interdit"), std::string::npos);
}

// The font as the game's text object measures and lays it out: glyph k is the character 32 + k.
class PoliceGeneree : public ModelesGeneres {
 protected:
  void SetUp() override {
    ASSERT_EQ(modele(FICHIER_POLICE).objectCount, 95);
    texte_.init(&jeu().modeles.at(FICHIER_POLICE), 255, 123, 51, 255);
  }
  Ctext texte_;
  static const t3DObject& glyphe(char c) {
    return modele(FICHIER_POLICE).objects[static_cast<size_t>(c - 32)];
  }

  struct tEncre {
    float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
    float aire = 0;  // signed: a face drawn twice or turned away shows
  };
  // Extent of what is drawn (the faces' corners, not the advance vertex).
  static tEncre encre(char c) {
    tEncre e;
    const t3DObject& o = glyphe(c);
    for (const tFace& f : o.faces) {
      const CVector3 a = o.vertices[f.vertexIndex[0]], b = o.vertices[f.vertexIndex[1]],
                     d = o.vertices[f.vertexIndex[2]];
      e.aire += 0.5f * ((b.x - a.x) * (d.y - a.y) - (b.y - a.y) * (d.x - a.x));
      for (const CVector3& p : {a, b, d}) {
        e.x0 = std::min(e.x0, p.x), e.x1 = std::max(e.x1, p.x);
        e.y0 = std::min(e.y0, p.y), e.y1 = std::max(e.y1, p.y);
      }
    }
    return e;
  }
};

TEST_F(PoliceGeneree, FlatGlyphsWithCountersOpenInTheProportionsOfABoldFaceAndAMissingTypefaceIsReported) {
  EXPECT_EQ(glyphe(' ').faceCount, 0);
  EXPECT_GT(glyphe(' ').vertexCount, 0);
  for (char c = '!'; c <= '~'; c++) {
    SCOPED_TRACE(std::string(1, c));
    const t3DObject& o = glyphe(c);
    ASSERT_GT(o.faceCount, 0);
    for (const CVector3& p : o.vertices) ASSERT_EQ(p.z, 0.f);
    for (const tFace& f : o.faces) ASSERT_GT(f.normal.z, 0.999f) << "faces the viewer";
  }
  EXPECT_EQ(modele(FICHIER_POLICE).endMaterial - modele(FICHIER_POLICE).firstMaterial, 1);
  // Rectangles are covered exactly once; a ring with its counter filled covers over 0.78 of its box.
  for (char c : {'I', '-', 'l', 'O', 'o', '0', 'D', 'e'}) {
    const tEncre e = encre(c);
    const double boite = (e.x1 - e.x0) * (e.y1 - e.y0);
    const bool plein = c == 'I' || c == '-' || c == 'l';
    EXPECT_TRUE(entre(e.aire, plein ? boite - 1e-4 : 0.4 * boite, plein ? boite + 1e-4 : 0.7 * boite)) << c;
  }
  CMaillage m;
  std::string erreur;
  EXPECT_FALSE(construit_police(&m, &erreur, "/nonexistent/font.ttf"));
  EXPECT_NE(erreur.find("/nonexistent/font.ttf"), std::string::npos);

  // Capitals stand a quarter high on the baseline.
  EXPECT_NEAR(texte_.GetHauteur('H' - 32), 0.25f, 0.002f);
  EXPECT_NEAR(encre('H').y0, 0.f, 1e-4f);
  EXPECT_NEAR(encre('x').y1, 0.25f * 0.75f, 0.03f) << "x height";
  for (char c : {'g', 'p', 'y', 'j'}) EXPECT_LT(encre(c).y0, -0.04f) << c << " descends";
  EXPECT_LT(encre('_').y1, 0.f);
  EXPECT_TRUE(entre(texte_.GetMaxH(), 0.25f, 0.32f));
  // widths: the advances of a bold face
  EXPECT_TRUE(entre(texte_.GetLargeur(0), 0.05f, 0.15f)) << "space";
  for (char c = '!'; c <= '~'; c++) {
    const float w = texte_.GetLargeur(c - 32);
    EXPECT_TRUE(entre(w, 0.06f, 0.42f)) << c;
    EXPECT_GE(w, encre(c).x1 - 1e-5f) << c << ": ink past the measured width";
  }
  // proportional, not monospaced
  EXPECT_GT(texte_.GetLargeur('W' - 32), 2.f * texte_.GetLargeur('i' - 32));
  // digits share one advance so that times and counters do not jiggle
  for (char c = '1'; c <= '9'; c++) EXPECT_FLOAT_EQ(texte_.GetLargeur(c - 32), texte_.GetLargeur('0' - 32));
}

TEST_F(PoliceGeneree, TextSetWithTheGameSpacingNeverRunsGlyphsTogether) {
  for (char a = '!'; a <= '~'; a++) {
    for (char b = '!'; b <= '~'; b++) {
      const char paire[3] = {a, b, 0};
      std::vector<tGlyphePlace> places;
      texte_.place_texte(paire, &places);
      ASSERT_EQ(places.size(), 2u);
      const float ecart = places[1].decalage + encre(b).x0 - encre(a).x1;
      ASSERT_GT(ecart, -0.01f) << a << b;
    }
  }
}

}  // namespace
