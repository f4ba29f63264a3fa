// Generated models, glyphs and circuits, read back through the game's loader, octree and text layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "assetgen/charge_modele.h"
#include "assetgen/circuits/circuits.h"
#include "assetgen/circuits/interne.h"
#include "assetgen/modeles/modeles.h"
#include "assetgen/police/police.h"
#include "assetgen/textures/textures.h"
#include "audio/effets_son.h"
#include "common/fichier.h"
#include "ui/texte3d.h"
#include "world/decorations.h"
#include "world/minimap.h"
#include "world/monde.h"
#include "world/octree.h"
#include "world/trajectoire.h"

namespace {

struct tBoite {
  CVector3 mn{1e30f, 1e30f, 1e30f}, mx{-1e30f, -1e30f, -1e30f};
  float portee = 0;  // farthest vertex from the origin
  int faces = 0;
};

tBoite boite(const t3DModel& m) {
  tBoite b;
  for (const t3DObject& o : m.objects) {
    b.faces += o.faceCount;
    for (const CVector3& p : o.vertices) {
      b.mn = CVector3(std::min(b.mn.x, p.x), std::min(b.mn.y, p.y), std::min(b.mn.z, p.z));
      b.mx = CVector3(std::max(b.mx.x, p.x), std::max(b.mx.y, p.y), std::max(b.mx.z, p.z));
      b.portee = std::max(b.portee, Magnitude(p));
    }
  }
  return b;
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
                        "missile", "explo"})
    attendus.push_back(std::string("objets/") + f + ".3DS");
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
      EXPECT_TRUE(entre(o.materialIndex, m.firstMaterial, m.endMaterial - 1));  // one of its own file's
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
    const tBoite b = boite(m);
    EXPECT_TRUE(entre(b.faces, 300, 1500));
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
  for (const char* f : {"objets/anneau.3DS", "objets/mine.3DS"}) EXPECT_EQ(modele(f).objects[0].name[0], 'A');
  // Weapons fit their collision radii; the missile flies along z and the blast is a sphere.
  const tBoite mine = boite(modele("objets/mine.3DS"));
  EXPECT_LE(std::max(mine.mx.x, mine.mx.z), 4.2f);
  EXPECT_GE(mine.mn.y, 0.f);
  const tBoite missile = boite(modele("objets/missile.3DS"));
  EXPECT_LE(missile.portee, 3.3f + 1.3f);
  EXPECT_GT(missile.mx.z - missile.mn.z, 2.f * (missile.mx.x - missile.mn.x));
  EXPECT_GE(missile.mn.y, 0.f);
  const t3DModel& m = modele("objets/explo.3DS");
  EXPECT_NEAR(boite(m).faces, 200, 20);
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
  EXPECT_TRUE(glyphe(' ').faceCount == 0 && glyphe(' ').vertexCount > 0) << "the space: an advance, no ink";
  for (char c = '!'; c <= '~'; c++) {
    SCOPED_TRACE(std::string(1, c));
    const t3DObject& o = glyphe(c);
    ASSERT_GT(o.faceCount, 0);
    for (const CVector3& p : o.vertices) ASSERT_EQ(p.z, 0.f);
    for (const tFace& f : o.faces) ASSERT_GT(f.normal.z, 0.999f) << "faces the viewer";
    // the advances of a bold face, with all the ink within them
    const float w = texte_.GetLargeur(c - 32);
    EXPECT_TRUE(entre(w, 0.06f, 0.42f));
    EXPECT_GE(w, encre(c).x1 - 1e-5f);
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
  EXPECT_TRUE(entre(texte_.GetLargeur(0), 0.05f, 0.15f)) << "space";
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
      ASSERT_GT(places[1].decalage + encre(b).x0 - encre(a).x1, -0.01f) << a << b;
    }
  }
}

// One circuit as the game sees it: the loaded model with its octree, and the minimap model.
struct tCharge {
  tCircuit c;
  tMateriaux table;
  t3DModel monde, carte;
  COctree arbre;
};

tCharge& circuit(int i) {
  static std::unique_ptr<tCharge> cache[NOMBRE_CIRCUITS + 1];
  if (!cache[i]) {
    cache[i] = std::make_unique<tCharge>();
    tCharge& t = *cache[i];
    construit_circuit(i, &t.c);
    EXPECT_EQ(relit_modele(t.c.carte, &t.table, &t.carte, "carte").resultat, IMPORT_OK);
    EXPECT_EQ(relit_modele(t.c.piste, &t.table, &t.monde, "piste").resultat, IMPORT_OK);
    set_type_surfaces(&t.monde);
    t.arbre.GetSceneDimensions(&t.monde);
    t.arbre.CreateNode(&t.monde, t.arbre.GetSceneTriangleCount(&t.monde), t.arbre.GetCenter(), t.arbre.GetWidth());
  }
  return *cache[i];
}

// Visits every face of the end nodes whose cube passes `garde(centre, demi_largeur)`.
template <class G, class V>
void parcourt(const COctree* n, const t3DModel& monde, G garde, V visite) {
  if (!n || !garde(n->GetCenter(), n->GetWidth() / 2)) return;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) parcourt(n->GetChild(k), monde, garde, visite);
    return;
  }
  for (int i : n->GetObjectList()) {
    const t3DObject& w = monde.objects[i];
    for (const tFace& f : n->GetWorld()->objects[i].faces) {
      CVector3 t[3] = {w.vertices[f.vertexIndex[0]], w.vertices[f.vertexIndex[1]], w.vertices[f.vertexIndex[2]]};
      visite(w, t);
    }
  }
}

struct tImpact {
  float y;
  unsigned char surface;
  char lettre;
};

// Everything a vertical line through (x, z) meets, from the top down.
std::vector<tImpact> verticale(tCharge& t, float x, float z) {
  std::vector<tImpact> r;
  const CVector3 o(x, 1e4f, z), d(0, -1, 0);
  parcourt(&t.arbre, t.monde,
           [&](CVector3 c, float h) { return std::fabs(x - c.x) <= h + 0.01f && std::fabs(z - c.z) <= h + 0.01f; },
           [&](const t3DObject& w, const CVector3* tri) {
             const double l = touche(o, d, tri);
             if (l >= 0) r.push_back({static_cast<float>(1e4 - l), w.surfaceType, w.name[0]});
           });
  std::sort(r.begin(), r.end(), [](const tImpact& a, const tImpact& b) { return a.y > b.y; });
  return r;
}

// To the plane when p lies over the triangle, else to its nearest edge.
float distance_au_triangle(CVector3 p, const CVector3* t) {
  const CVector3 n = Normalize(Cross(t[1] - t[0], t[2] - t[0]));
  bool dedans = true;
  float d = 1e9f;
  for (int k = 0; k < 3; k++) {
    dedans &= Dot(Cross(t[(k + 1) % 3] - t[k], p - t[k]), n) >= 0;
    d = std::min(d, Distance(p, ClosestPointOnLine(t[k], t[(k + 1) % 3], p)));
  }
  return dedans ? std::fabs(Dot(p - t[0], n)) : d;
}

// Nearest wall to p, leaving out walls across `sens`: a jump's lip is flown over, not into.
float distance_aux_murs(tCharge& t, CVector3 p, float rayon, CVector3 sens = CVector3(0, 0, 0)) {
  float d = 1e9f;
  parcourt(&t.arbre, t.monde,
           [&](CVector3 c, float h) {
             return std::fabs(p.x - c.x) <= h + rayon && std::fabs(p.y - c.y) <= h + rayon && std::fabs(p.z - c.z) <= h + rayon;
           },
           [&](const t3DObject& w, const CVector3* tri) {
             if (w.surfaceType != SURFACE_MUR) return;
             const CVector3 n = Normalize(Cross(tri[1] - tri[0], tri[2] - tri[0]));
             if (std::fabs(Dot(n, sens)) > 0.9f) return;
             d = std::min(d, distance_au_triangle(p, tri));
           });
  return d;
}

std::optional<tImpact> premier_sol_sous(const std::vector<tImpact>& v, float y = 1e9f) {
  const auto i = std::find_if(v.begin(), v.end(),
                              [&](const tImpact& s) { return s.y <= y && est_sol(s.surface); });
  return i == v.end() ? std::nullopt : std::optional<tImpact>(*i);
}

// Edges keyed by their ends to the hundredth, to find the edges faces share.
using tCle = std::tuple<long, long, long>;
tCle cle(CVector3 v) { return {std::lround(v.x * 100), std::lround(v.y * 100), std::lround(v.z * 100)}; }

class Circuits : public ::testing::TestWithParam<int> {};

TEST_P(Circuits, RacingLineRunsOverRoadClearOfWallsUnderHighRoofsOnTheMinimapAndPlantsStandAside) {
  tCharge& t = circuit(GetParam());
  const std::vector<tPointLigne>& l = t.c.ligne;
  ASSERT_TRUE(entre(l.size(), 40, 120));
  // Ahead of the grid first, behind it last.
  const CVector3 premier = l.front().position, dernier = l.back().position;
  EXPECT_TRUE(premier.x < 20 && dernier.x > 120 && std::max(std::fabs(premier.z), std::fabs(dernier.z)) < 20);
  // The six places of the grid stand on flat road.
  for (int place = 0; place < 6; place++) {
    for (float dx : {-12.0f, 0.0f, 12.0f}) {
      const auto s = premier_sol_sous(verticale(t, 20 + 20 * place + dx, place % 2 ? -7 : 7), 3);
      ASSERT_TRUE(s);
      EXPECT_TRUE(s->lettre == 'R' && std::fabs(s->y) < 0.1) << s->lettre << " at " << s->y;
    }
  }
  // Lap length as the game measures it from the racing line.
  const std::vector<uint8_t> f = encode_ligne(l);
  ASSERT_TRUE(lit_trajectoire(f.data(), f.size()));
  calcule_trajectoire();
  EXPECT_TRUE(entre(LONGUEUR_CIRCUIT, 1500, 3500));
  Effacement_liste_point_t();
  for (size_t k = 0; k < l.size(); k++) {
    SCOPED_TRACE("point " + std::to_string(k));
    const CVector3 p = l[k].position, suivant = l[(k + 1) % l.size()].position;
    const std::vector<tImpact> v = verticale(t, p.x, p.z);
    const auto s = premier_sol_sous(v, p.y);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->lettre == 'R' || s->lettre == 'L') << s->lettre;
    EXPECT_NEAR(p.y - s->y, 3, 0.5);
    // Whatever hangs over the road leaves room for the chase camera.
    for (const tImpact& i : v)
      EXPECT_TRUE(i.y <= p.y || i.y - s->y >= 20) << i.lettre << " at " << i.y - s->y << " over the road";
    EXPECT_GE(distance_aux_murs(t, p, 10), 8);
    EXPECT_TRUE(entre(Distance(p, suivant), 30, 150));
    EXPECT_NEAR(Magnitude(l[k].normale), 1, 1e-4);
    EXPECT_GT(Dot(l[k].normale, Normalize(suivant - p)), 0.9999f);
    // A pilot drives the chord between two points: it keeps clear of the walls too.
    const int pas = static_cast<int>(Distance(p, suivant) / 4);
    for (int j = 1; j < pas; j++) {
      const CVector3 q = p + (suivant - p) * (float(j) / pas);
      EXPECT_GE(distance_aux_murs(t, q, 10, Normalize(suivant - p)), 8) << "between points " << k << " and " << k + 1;
    }
  }

  CMinimap carte;
  carte.Set3Dobj(&t.carte);
  ASSERT_EQ(t.carte.objectCount, 1);
  const CVector3 place = position_minimap(GetParam());
  const float ax = -10 * 3.14159265f / 180, ay = 10 * 3.14159265f / 180, az = -5 * 3.14159265f / 180;
  for (const t3DObject& o : t.carte.objects) {
    for (const tFace& f : o.faces) {
      CVector3 centre(0, 0, 0);
      for (int k = 0; k < 3; k++) centre += o.vertices[f.vertexIndex[k]] / 3;
      for (int k = 0; k <= 3; k++) {
        const CVector3 p = k < 3 ? o.vertices[f.vertexIndex[k]] : centre;
        ASSERT_GE(p.y, 0);
        // Over the track, and under no ground: the highest ground there is below it.
        const auto sol = premier_sol_sous(verticale(t, p.x, p.z));
        ASSERT_TRUE(sol && sol->y <= p.y) << "minimap off the track at " << p.x << ", " << p.z;
        // The map as the race draws it: scaled, turned about z, y then x, moved before the eye.
        CVector3 q = p * 0.002f;
        q = CVector3(q.x * std::cos(az) - q.y * std::sin(az), q.x * std::sin(az) + q.y * std::cos(az), q.z);
        q = CVector3(q.x * std::cos(ay) + q.z * std::sin(ay), q.y, -q.x * std::sin(ay) + q.z * std::cos(ay));
        q = CVector3(q.x, q.y * std::cos(ax) - q.z * std::sin(ax), q.y * std::sin(ax) + q.z * std::cos(ax));
        q += place;
        ASSERT_LT(q.z, -1);
        EXPECT_LE(std::fabs(q.x / -q.z), 1.33f * 0.98f);
        EXPECT_LE(std::fabs(q.y / -q.z), 0.98f);
      }
    }
  }
  // Bonuses are scattered where the map says there is track: every racing-line point is on it.
  for (const tPointLigne& p : t.c.ligne) {
    float y = -1;
    EXPECT_TRUE(carte.PointSurPiste(p.position.x, p.position.z, &y)) << p.position.x << ", " << p.position.z;
    EXPECT_GE(y, p.position.y - 3);
  }
  ASSERT_TRUE(entre(t.c.decos.size(), 60, 200));
  for (const tDeco& d : t.c.decos) {
    EXPECT_TRUE(entre(d.type, 1, 9) && entre(d.echelle, 0.6f, 1.6f)) << d.type << " at scale " << d.echelle;
    for (const tImpact& i : verticale(t, d.position.x, d.position.z))
      EXPECT_FALSE(est_sol(i.surface) || i.surface == SURFACE_MUR)
          << "plant on the track at (" << d.position.x << ", " << d.position.z << "): " << i.lettre;
  }
}

TEST_P(Circuits, ModelIsWholeAndSoundFitsTheSharedTableAndHasItsSoundEnvironment) {
  tCharge& t = circuit(GetParam());
  // The models share the 100 slots too (their test keeps them under 60).
  EXPECT_LE(t.table.materialCount, 26);
  std::set<std::string> connues;
  for (const tTextureConnue& k : textures_connues()) connues.insert(k.nom);
  for (const tMaterialInfo& m : t.table.materials)
    EXPECT_TRUE(!m.fileName[0] || connues.count(m.fileName)) << m.fileName;
  // Edges used by one ground triangle only must run along a wall or at a jump's gap.
  std::map<std::pair<tCle, tCle>, int> aretes;
  int triangles = 0;
  for (const t3DObject& o : t.monde.objects) {
    EXPECT_GE(o.materialIndex, 0) << o.name;
    for (const tFace& f : o.faces) {
      triangles++;
      const CVector3 a = o.vertices[f.vertexIndex[0]], b = o.vertices[f.vertexIndex[1]], c = o.vertices[f.vertexIndex[2]];
      ASSERT_GT(Magnitude(Cross(b - a, c - a)) / 2, 0.01f) << o.name;
      if (!est_sol(o.surfaceType)) continue;
      EXPECT_GE(f.normal.y, 0.7f) << o.name;
      for (int k = 0; k < 3; k++) {
        auto u = cle(o.vertices[f.vertexIndex[k]]), w = cle(o.vertices[f.vertexIndex[(k + 1) % 3]]);
        aretes[{std::min(u, w), std::max(u, w)}]++;
      }
    }
  }
  EXPECT_TRUE(entre(triangles, 5000, 60000));
  const std::vector<tSection>& sec = t.c.sections;
  int bords = 0;
  for (const auto& [arete, nombre] : aretes) {
    EXPECT_LE(nombre, 2);
    if (nombre != 1) continue;
    const CVector3 m((std::get<0>(arete.first) + std::get<0>(arete.second)) / 200.0f, 0,
                     (std::get<2>(arete.first) + std::get<2>(arete.second)) / 200.0f);
    size_t i = 0;
    for (size_t j = 1; j < sec.size(); j++) {
      if (Distance(CVector3(sec[j].c.x, 0, sec[j].c.z), m) < Distance(CVector3(sec[i].c.x, 0, sec[i].c.z), m)) i = j;
    }
    const int n = static_cast<int>(sec.size());
    const bool saut = (sec[i].zone | sec[(i + 1) % n].zone | sec[(i + n - 1) % n].zone) & ZONE_SAUT;
    const float cote = std::fabs(Dot(m - CVector3(sec[i].c.x, 0, sec[i].c.z), sec[i].n));
    EXPECT_TRUE(saut || cote > sec[i].largeur / 2 - 2) << "crack at (" << m.x << ", " << m.z << "): " << cote;
    bords++;
  }
  EXPECT_GT(bords, 0);
  // A reverb on every circuit; tunnels and canyons add their own and their occluders.
  int reverbs = 0, occlusions = 0;
  for (const tEffetSon& e : t.c.effets) {
    ASSERT_TRUE(e.type == 1 || e.type == 2);
    (e.type == 2 ? reverbs : occlusions)++;
    EXPECT_TRUE(e.type == 1 || (entre(e.preset, 1, 6) && e.min_dist < e.max_dist)) << e.preset;
    EXPECT_TRUE(e.type == 2 || Magnitude(Cross(e.sommets[0], e.sommets[2])) > 1.0f);
  }
  bool couvert = false;
  for (const tSection& s : sec) couvert |= (s.zone & (ZONE_TUNNEL | ZONE_CANYON)) != 0;
  EXPECT_GE(reverbs, couvert ? 2 : 1);
  EXPECT_GE(occlusions, couvert ? 4 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cinq, Circuits, ::testing::Range(1, NOMBRE_CIRCUITS + 1));

// The game's readers take the files whole and write them back unchanged.
TEST(CircuitFiles, SameBytesOnEveryBuildInTheGamesLayoutsAndAnUnwritableFolderIsReported) {
  const DossierTemporaire d;
  std::string erreur;
  ASSERT_TRUE(genere_circuits(d.chemin(), &erreur)) << erreur;
  for (int i = 1; i <= NOMBRE_CIRCUITS; i++) {
    SCOPED_TRACE("circuit " + std::to_string(i));
    const tCircuit& c = circuit(i).c;
    const std::string n = std::to_string(i), o = d.chemin() + "/objets/";
    std::vector<uint8_t> traj, deco, efson, kan, carte;
    const std::tuple<std::string, std::vector<uint8_t>*, std::vector<uint8_t>> fichiers[] = {
        {o + "traj_" + n + ".dat", &traj, encode_ligne(c.ligne)},
        {o + "deco_" + n + ".dat", &deco, encode_decos(c.decos)},
        {o + "efson_" + n + ".dat", &efson, encode_effets(c.effets)},
        {o + "kan_" + n + ".3ds", &kan, ecrit_3ds(c.piste)},
        {o + "kan_m1_" + n + ".3ds", &carte, ecrit_3ds(c.carte)}};
    for (const auto& [nom, lu, attendu] : fichiers) {
      ASSERT_TRUE(lit_fichier(nom, *lu)) << nom;
      EXPECT_EQ(*lu, attendu) << nom;
    }

    ASSERT_TRUE(lit_trajectoire(traj.data(), traj.size()));
    ASSERT_EQ(nb_point_t, static_cast<int>(c.ligne.size()));
    EXPECT_EQ(encode_trajectoire(), traj);
    int k = 0;
    for (Point_Traj* p = prem_list_ptraj; p; p = p->suivant, k++)
      EXPECT_EQ(Distance(p->position, c.ligne[k].position) + Distance(p->normale, c.ligne[k].normale), 0);
    Effacement_liste_point_t();

    ASSERT_TRUE(lit_deco(deco.data(), deco.size()));
    ASSERT_EQ(nb_deco, static_cast<int>(c.decos.size()));
    EXPECT_EQ(encode_deco(), deco);
    k = 0;
    for (const CObjetDeco* d = prem_list_deco; d; d = d->GetSuivant(), k++) {
      EXPECT_EQ(Distance(CVector3(d->GetPosX(), d->GetPosY(), d->GetPosZ()), c.decos[k].position), 0);
      EXPECT_EQ(std::make_tuple(d->GetAngY(), d->GetEchelle(), d->GetType()),
                std::make_tuple(c.decos[k].angles.y, c.decos[k].echelle, c.decos[k].type));
    }
    Effacement_liste_deco();

    ASSERT_TRUE(lit_effetSons(efson.data(), efson.size()));
    ASSERT_EQ(nb_effetSon, static_cast<int>(c.effets.size()));
    EXPECT_EQ(encode_effetSon(), efson);
    k = 0;
    for (const SEffetSon* e = prem_list_effetSon; e; e = e->suivant, k++) {
      const tEffetSon& f = c.effets[k];
      EXPECT_EQ(Distance(e->position, f.position) + Distance(e->sommets[1], f.sommets[0]), 0);
      EXPECT_EQ(std::tie(e->type, e->min_dist, e->preset), std::tie(f.type, f.min_dist, f.preset));
    }
    Effacement_liste_effetSon();

    // Every texture the circuit names is there (what it holds is the textures' test's business).
    for (const tMateriauMaillage& m : c.piste.materiaux)
      EXPECT_TRUE(m.fichier.empty() || std::filesystem::is_regular_file(d.chemin() + "/maps/" + m.fichier))
          << m.fichier;
  }
  erreur.clear();
  EXPECT_FALSE(genere_circuits("/proc/veltra-nowhere", &erreur));
  EXPECT_FALSE(erreur.empty());
}

TEST(CircuitSet, EveryFeatureIsBuiltAndArchesAndPiersAreClosedOutwardSolids) {
  // Every side of a box is two triangles facing out: each edge is crossed once each way.
  int zones = 0;
  for (int i = 1; i <= NOMBRE_CIRCUITS; i++) {
    for (const tSection& s : circuit(i).c.sections) zones |= s.zone;
    // The bridge deck's underside is a strip, open at its sides; arches and piers are not.
    bool pont = false;
    for (const tObjetMaillage& p : circuit(i).c.piste.objets) pont |= p.nom == "Lpont";
    for (const tObjetMaillage& o : circuit(i).c.piste.objets) {
      if (o.nom != "Ouvrage") continue;
      std::map<std::pair<tCle, tCle>, int> sens;
      for (const auto& f : o.faces)
        for (int k = 0; k < 3; k++) sens[{cle(o.sommets[f[k]]), cle(o.sommets[f[(k + 1) % 3]])}]++;
      int ouverts = 0;
      for (const auto& [arete, nombre] : sens) {
        EXPECT_EQ(nombre, 1) << "circuit " << i;
        ouverts += !sens.count({arete.second, arete.first});
      }
      EXPECT_TRUE(pont || ouverts == 0) << "circuit " << i << ": " << ouverts << " open edges";
    }
  }
  // The set holds one of each: the tests above check them where they are.
  EXPECT_EQ(zones, ZONE_TUNNEL | ZONE_CANYON | ZONE_PONT | ZONE_RAMPE | ZONE_SAUT | ZONE_ARCHE);
}

}  // namespace
