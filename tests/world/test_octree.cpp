// World octree: building, the octant rules, the searches, and the per-frame circuit batches.
#include <gtest/gtest.h>

#include <random>

#include "common/globals.h"
#include "world/camera.h"
#include "world/lots_circuit.h"
#include "world/octree.h"
#include "world/scene_octree.h"

namespace {

// `n` small ground triangles in the octant of signs (sx, sy, sz) of a node of width 100 at the origin.
void remplissage(t3DModel& m, int n, int sx, int sy, int sz) {
  std::vector<CVector3> coins;
  for (int i = 0; i < n; i++) {
    const float x = sx * (10.0f + (i % 7) * 4), y = sy * (10.0f + (i % 5) * 4), z = sz * (10.0f + (i % 3) * 4);
    coins.insert(coins.end(), {CVector3(x, y, z), CVector3(x, y, z + sz), CVector3(x + sx, y, z)});
  }
  ajoute_objet(m, "Rremplissage", coins);
}

// A width-100 tree at the origin: fillers in octants 3 and 5 (one end node each), `objet` under test.
struct ArbreUnNiveau {
  t3DModel m;
  COctree arbre;
  int objet = -1;

  explicit ArbreUnNiveau(const std::vector<CVector3>& triangle) {
    remplissage(m, 60, +1, +1, +1);
    remplissage(m, 60, -1, -1, -1);
    objet = ajoute_objet(m, "Rtest", triangle);
    arbre.CreateNode(&m, arbre.GetSceneTriangleCount(&m), CVector3(0, 0, 0), 100);
  }
  // Octants whose end node holds the triangle under test, as a bit mask.
  unsigned octants() const {
    unsigned masque = 0;
    for (int k = 0; k < 8; k++) {
      const COctree* c = arbre.GetChild(k);
      if (!c) continue;
      EXPECT_FALSE(c->IsSubDivided());
      for (int i : c->GetObjectList()) {
        if (i == objet) masque |= 1u << k;
      }
    }
    return masque;
  }
};

// Lowers the split threshold for one test, to get deep trees from few triangles.
struct SeuilTriangles {
  int ancien = g_MaxTriangles;
  explicit SeuilTriangles(int n) { g_MaxTriangles = n; }
  ~SeuilTriangles() { g_MaxTriangles = ancien; }
};

int compte_noeuds_terminaux(const COctree* n) {
  if (!n) return 0;
  if (!n->IsSubDivided()) return 1;
  int total = 0;
  for (int k = 0; k < 8; k++) total += compte_noeuds_terminaux(n->GetChild(k));
  return total;
}

// Puts in an end-node copy one object's faces: their numbers in the circuit, three indices each.
void pose(t3DModel& noeud, size_t objet, std::vector<int> faces, std::vector<int> indices) {
  if (noeud.objects.size() <= objet) noeud.objects.resize(objet + 1);
  noeud.objects[objet].faceIds = faces;
  noeud.objects[objet].indices = indices;
}

void construit(COctree& arbre, t3DModel& m) {
  arbre.GetSceneDimensions(&m);
  arbre.CreateNode(&m, arbre.GetSceneTriangleCount(&m), arbre.GetCenter(), arbre.GetWidth());
}

}  // namespace

TEST(Octree, SmallCircuitIsOneEndNodeHoldingEverything) {
  t3DModel m;
  remplissage(m, 100, 1, 1, 1);
  ajoute_objet(m, "Dvide", {});
  COctree arbre;
  construit(arbre, m);
  EXPECT_FALSE(arbre.IsSubDivided());
  EXPECT_EQ(g_EndNodeCount, 1);
  ASSERT_NE(arbre.GetWorld(), nullptr);
  const t3DObject& o = arbre.GetWorld()->objects[0];
  EXPECT_EQ(std::vector<int>({arbre.GetWorld()->objectCount, o.faceCount, static_cast<int>(o.indices.size()),
                              static_cast<int>(o.indices[4])}),
            (std::vector<int>{2, 100, 300, 4}));
  EXPECT_TRUE(o.vertices.empty());  // vertices stay in the circuit
  EXPECT_EQ(arbre.GetObjectList(), std::vector<int>{0});        // the empty object is not listed
  EXPECT_EQ(g_Debug.Lines().size(), 24u);                      // one cube, twelve edges

  remplissage(m, 1, 1, 1, 1);  // 101 triangles: split
  arbre.CreateNode(&m, arbre.GetSceneTriangleCount(&m), arbre.GetCenter(), arbre.GetWidth());
  EXPECT_TRUE(arbre.IsSubDivided());
  EXPECT_EQ(arbre.GetWorld(), nullptr);
  EXPECT_EQ(g_EndNodeCount, compte_noeuds_terminaux(&arbre));
  EXPECT_GT(g_Debug.Lines().size(), 24u);

  arbre.SetDisplayListID(12);
  arbre.DestroyOctree();  // resets the node whole
  EXPECT_FALSE(arbre.IsSubDivided());
  EXPECT_EQ(arbre.GetWidth() + arbre.GetTriangleCount() + arbre.GetDisplayListID(), 0.0f);
  for (int k = 0; k < 8; k++) EXPECT_EQ(arbre.GetChild(k), nullptr);
}

TEST(Octree, FaceGoesToTheOctantsItsCornersTouchOrItCrosses) {
  const struct {
    CVector3 a, b, c;
    unsigned octants;  // bit k: octant k
    const char* pourquoi;
  } cas[] = {
      {{-10, 10, 10}, {-20, 10, 20}, {-20, 12, 10}, 0x01u, "wholly inside octant 0"},
      {{0, 10, 10}, {-20, 10, 20}, {-20, 12, 10}, 0x09u, "a corner on the x = 0 plane"},
      {{0, 0, 0}, {-20, 10, 20}, {-20, 12, 10}, 0xFFu, "a corner at the centre"},
      // Flat faces: a quadrant without corner is crossed when the centre is inside, seen from above.
      {{-30, -5, 30}, {-20, -5, -30}, {30, -5, 30}, 0xF0u, "quadrants 1, 5, 70 below"},
      {{-30, 5, 30}, {-20, 5, -30}, {30, 5, 30}, 0x0Fu, "quadrants 1, 5, 70 above"},
      {{-30, -5, 30}, {-30, -5, -20}, {30, -5, 30}, 0xB0u, "three quadrants, centre outside"},
      {{-30, -5, 30}, {-30, 5, -30}, {30, -5, -20}, 0xFFu, "1, 5, 20 on both sides of the y plane"},
      {{-10, -5, 10}, {-20, -5, 5}, {10, -5, -10}, 0xF0u, "opposite quadrants 1 and 20"},
      {{-10, 5, -10}, {20, 5, 10}, {10, 5, 20}, 0x0Fu, "opposite quadrants 5 and 70"},
      {{-20, -10, 5}, {30, -10, 5}, {-20, 10, 5}, 0x99u, "sloping wall over octant 3"},
  };
  for (const auto& c : cas) EXPECT_EQ(ArbreUnNiveau({c.a, c.b, c.c}).octants(), c.octants) << c.pourquoi;
}

TEST(Octree, FacesWithBadVertexIndicesAreLeftOut) {
  t3DModel m;
  ajoute_objet(m, "Rsol", dalle(-10, -10, 10, 10, 0));
  m.objects[0].faces[1].vertexIndex[2] = 99;
  COctree arbre;
  arbre.CreateNode(&m, 2, CVector3(0, 0, 0), 40);
  ASSERT_NE(arbre.GetWorld(), nullptr);
  EXPECT_EQ(arbre.GetWorld()->objects[0].faceCount, 1);

  // Asked about a circuit that is not the one it was built from: no contact, no stray read.
  t3DModel autre;
  ajoute_objet(autre, "Rsol", {CVector3(0, 0, 0)});
  CObjetTest ship;
  EXPECT_FALSE(arbre.ChercheSolObjet(&ship, &autre));
  t3DModel vide;
  EXPECT_FALSE(arbre.ChercheSolObjet(&ship, &vide));
  arbre.CollisionsObjetmonde(&ship, &vide);
  EXPECT_TRUE(ship.journal.empty());
}

// --- Searches -------------------------------------------------------------------------------

class OctreeRecherche : public ::testing::Test {
 protected:
  t3DModel m;
  COctree arbre;
};

// One circuit for the ground search: road and grass side by side, a bridge over the road, a steep
// ramp off to the side.
TEST_F(OctreeRecherche, GroundContactCarriesObjectFaceNameClassAndSlopeShadowsFromBelow) {
  ajoute_objet(m, "Rroute", dalle(-50, -50, 0, 50, 0));
  const int herbe = ajoute_objet(m, "Gherbe", dalle(0, -50, 50, 50, 0));
  const int pont = ajoute_objet(m, "Rpont", dalle(-40, -20, -10, 20, 10));
  const float pente = 9.95f;  // normal (0.995, 0.1, 0) roughly: rising 10 per unit
  ajoute_objet(m, "Lrampe", {CVector3(60, 0, -10), CVector3(61, pente, 10), CVector3(61, pente, -10)});
  construit(arbre, m);

  CObjetTest ship(CVector3(25, 0.5f, 10));
  EXPECT_TRUE(arbre.ChercheSolObjet(&ship, &m));
  EXPECT_EQ(ship.objetSol, herbe);
  EXPECT_EQ(ship.typeSol, 7);
  EXPECT_EQ(ship.nomSol, "Gherbe");
  EXPECT_EQ(ship.faceSol % 3, 0);
  EXPECT_EQ(ship.journal, std::vector<std::string>{"Set_Roule"});

  CObjetTest sur_pont(CVector3(-30, 10.8f, 4));
  EXPECT_TRUE(arbre.ChercheSolObjet(&sur_pont, &m));
  EXPECT_EQ(sur_pont.objetSol, pont);

  CObjetTest vol(CVector3(-30, 5, 4));  // between the decks, touching neither: shadows only
  EXPECT_FALSE(arbre.ChercheSolObjet(&vol, &m));
  EXPECT_GE(vol.nbOmbres, 1);
  EXPECT_EQ(vol.objetSol, -1);

  CObjetTest rampe(CVector3(60.5f, pente / 2 - 0.05f, 0));  // too steep to ride: falling
  EXPECT_TRUE(arbre.ChercheSolObjet(&rampe, &m));
  EXPECT_EQ(rampe.journal, std::vector<std::string>{"Set_Chute"});
}

TEST_F(OctreeRecherche, WallsPushInOrderScenerySupportsNothingAndClass16OnlyStopsTheCamera) {
  ajoute_objet(m, "Rroute", dalle(-50, -50, 50, 50, 0));
  // Wall in the plane x = 20 facing -x.
  ajoute_objet(m, "Dmur", {CVector3(20, 0, -40), CVector3(20, 0, 40), CVector3(20, 30, 40),
                           CVector3(20, 0, -40), CVector3(20, 30, 40), CVector3(20, 30, -40)});
  // Scenery wall at x = -20 facing +x.
  ajoute_objet(m, "decor", {CVector3(-20, 0, -40), CVector3(-20, 30, 40), CVector3(-20, 0, 40),
                            CVector3(-20, 0, -40), CVector3(-20, 30, -40), CVector3(-20, 30, 40)});
  construit(arbre, m);

  CObjetTest ship(CVector3(18.5f, 5, 0), CVector3(1, 0, 0));
  arbre.CollisionsObjetmonde(&ship, &m);
  ASSERT_GE(ship.journal.size(), 2u);
  EXPECT_EQ(ship.journal[0], "SetContactDecor");
  EXPECT_EQ(ship.journal[1], "Set_Collision");
  EXPECT_LT(ship.decors[0].x, 0);  // pushed back onto the track

  CObjetTest sur_decor(CVector3(0, 0.5f, 0));  // resting on a scenery face: no ground
  m.objects[0].surfaceType = SURFACE_DECOR;  // the road becomes scenery
  EXPECT_FALSE(arbre.ChercheSolObjet(&sur_decor, &m));
  EXPECT_TRUE(sur_decor.journal.empty());
  EXPECT_EQ(sur_decor.nbOmbres, 0);

  CObjetTest contre_decor(CVector3(-19, 1, 0), CVector3(-1, 0, 0));  // against scenery: no wall, no ground
  arbre.CollisionsObjetmonde(&contre_decor, &m);
  EXPECT_TRUE(contre_decor.journal.empty());

  CCamera camera;
  camera.PositionCamera(-18, 10, 0, 0, 10, 0, 0, 1, 0);
  arbre.CollisionsmondeCamera(&camera, &m);
  EXPECT_GT(camera.Position().x, -18.0f + 2.9f);  // pushed out to the full radius
  EXPECT_LT(camera.View().y, 10.0f);
}

// Ground and walls: the tree answers as a scan of every triangle does.
TEST(OctreeRechercheAleatoire, TreeFindsGroundAndWallsWhereverABruteForceScanDoes) {
  SeuilTriangles seuil(10);
  std::mt19937 gen(11);
  std::uniform_real_distribution<float> pos(-100, 100), taille(-40, 40), dir(-1, 1);
  t3DModel m;  // triangles of all sizes in a 200-unit box: long thin ones, walls, slopes
  for (int o = 0; o < 4; o++) {
    std::vector<CVector3> coins;
    for (int i = 0; i < 200; i++) {
      const CVector3 a(pos(gen), pos(gen), pos(gen));
      coins.insert(coins.end(), {a, a + CVector3(taille(gen), taille(gen), taille(gen)),
                                 a + CVector3(taille(gen), taille(gen), taille(gen))});
    }
    ajoute_objet(m, o % 2 ? "Rsol" : "Dmur", coins);
  }
  COctree arbre;
  construit(arbre, m);
  int sols = 0, murs = 0;
  for (int essai = 0; essai < 3000; essai++) {
    CObjetTest ship(CVector3(pos(gen), pos(gen), pos(gen)), CVector3(dir(gen), dir(gen), dir(gen)));
    ship.rayonSol = 6.0f;
    ship.rayon = 5.0f;
    bool sol = false, mur = false;
    for (t3DObject& o : m.objects) {
      for (tFace& f : o.faces) {
        CVector3 t[3] = {o.vertices[f.vertexIndex[0]], o.vertices[f.vertexIndex[1]], o.vertices[f.vertexIndex[2]]};
        if (o.surfaceType == SURFACE_RAPIDE) sol = sol || ship.Analise_contact(t, f.normal);
        float d;
        if (o.surfaceType != SURFACE_MUR) continue;
        if (ClassifySphere(ship.position, f.normal, t[0], ship.rayon, d) != INTERSECTS) continue;
        const CVector3 p = ship.position - f.normal * d;
        const bool touche = InsidePolygon(p, t, 3) || EdgeSphereCollision(ship.position, t, 3, ship.rayon);
        mur = mur || (touche && Dot(ship.deplacement, f.normal) < 0.3f);
      }
    }
    ASSERT_EQ(arbre.ChercheSolObjet(&ship, &m), sol) << essai;
    arbre.CollisionsObjetmonde(&ship, &m);
    ASSERT_EQ(!ship.decors.empty(), mur) << essai;
    sols += sol;
    murs += mur;
  }
  EXPECT_GT(sols, 50);  // the scan found enough contacts to mean something
  EXPECT_GT(murs, 50);
}

// --- Circuit batches ------------------------------------------------------------------------

TEST(LotsCircuit, EachFaceOnceFromItsFirstNodeInTheNodesOrderEachFrameAfreshAndOnlyItsOwn) {
  t3DModel circuit;
  ajoute_objet(circuit, "Rroute", {CVector3(0, 0, 0), CVector3(0, 0, 1), CVector3(1, 0, 0),  //
                                   CVector3(5, 0, 0), CVector3(5, 0, 1), CVector3(6, 0, 0)});
  ajoute_objet(circuit, "Dmur", {CVector3(0, 0, 0), CVector3(0, 1, 0), CVector3(1, 0, 0)});
  // Two end-node copies: the near one holds the wall and the road's second face, the far one
  // the road's first face and the wall again, as a face crossing both nodes is stored in each.
  t3DModel proche, loin;
  pose(proche, 1, {0}, {0, 1, 2});
  pose(proche, 0, {1}, {3, 4, 5});
  pose(loin, 0, {0}, {0, 1, 2});
  pose(loin, 1, {0}, {0, 1, 2});

  LotsCircuit lots;
  lots.prepare(circuit);
  lots.rassemble({&proche, &loin});
  EXPECT_EQ(lots.ordre(), (std::vector<int>{0, 1}));  // object 0 is met first in the near node
  EXPECT_EQ(lots.indices(0), (std::vector<uint32_t>{3, 4, 5, 0, 1, 2}));
  EXPECT_EQ(lots.indices(1), (std::vector<uint32_t>{0, 1, 2}));

  lots.rassemble({&loin});
  EXPECT_EQ(lots.ordre(), (std::vector<int>{0, 1}));
  EXPECT_EQ(lots.indices(0), (std::vector<uint32_t>{0, 1, 2}));
  EXPECT_EQ(lots.indices(1), (std::vector<uint32_t>{0, 1, 2}));

  // A missing node, and faces, objects or vertices the circuit does not have, are left out.
  t3DModel hors;
  // Face 1 with vertex 6, past the road's; the last face without indices.
  pose(hors, 0, {7, -1, 1, 0, 1}, {0, 1, 2, 0, 1, 2, 3, 4, 6, 0, 1, 2});
  pose(hors, 2, {0}, {0, 1, 2});
  lots.rassemble({nullptr, &hors});
  EXPECT_EQ(lots.nombre_objets(), 2);
  EXPECT_EQ(lots.ordre(), (std::vector<int>{0}));
  EXPECT_EQ(lots.indices(0), (std::vector<uint32_t>{0, 1, 2}));
}
