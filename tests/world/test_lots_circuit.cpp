// What the circuit draws per frame: the faces of the visible end nodes, each face once, one list
// per circuit object, in the nodes' order.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "common/globals.h"
#include "world/lots_circuit.h"
#include "world/octree.h"
#include "world/scene_octree.h"

namespace {

using Triangle = std::array<uint32_t, 3>;

void noeuds_terminaux(const COctree* n, std::vector<const t3DModel*>* sortie) {
  if (!n) return;
  if (n->IsSubDivided()) {
    for (int k = 0; k < 8; k++) noeuds_terminaux(n->GetChild(k), sortie);
  } else if (n->GetWorld()) {
    sortie->push_back(n->GetWorld());
  }
}

template <class T>
std::map<Triangle, int> compte_triangles(const std::vector<T>& idx) {
  std::map<Triangle, int> n;
  for (size_t k = 0; k + 2 < idx.size(); k += 3) {
    const auto u = [&idx](size_t i) { return static_cast<uint32_t>(idx[i]); };
    n[{u(k), u(k + 1), u(k + 2)}]++;
  }
  return n;
}

// Scattered small triangles in every octant, and one ground triangle as wide as the whole tree,
// which every end node it crosses stores.
struct CircuitLarge {
  t3DModel m;
  COctree arbre;
  int sol = -1;
  int petits = -1;
  int ancien_seuil = g_MaxTriangles;

  CircuitLarge() {
    g_MaxTriangles = 10;
    std::vector<CVector3> coins;
    for (int i = 0; i < 240; i++) {
      const float x = -45.0f + (i * 37) % 90, y = -45.0f + (i * 53) % 90, z = -45.0f + (i * 71) % 90;
      coins.insert(coins.end(), {CVector3(x, y, z), CVector3(x, y, z + 1), CVector3(x + 1, y, z)});
    }
    petits = ajoute_objet(m, "Rpetits", coins);
    sol = ajoute_objet(m, "Gsol", {CVector3(-49, 0.5f, -49), CVector3(-49, 0.5f, 147), CVector3(147, 0.5f, -49)});
    arbre.CreateNode(&m, arbre.GetSceneTriangleCount(&m), CVector3(0, 0, 0), 100);
  }
  ~CircuitLarge() { g_MaxTriangles = ancien_seuil; }
};

TEST(LotsCircuit, NodesInViewDrawEachOfTheirFacesOnceAndEachFrameStartsAfresh) {
  CircuitLarge c;
  std::vector<const t3DModel*> noeuds;
  noeuds_terminaux(&c.arbre, &noeuds);
  int porteurs_sol = 0;
  for (const t3DModel* n : noeuds) porteurs_sol += n->objects[static_cast<size_t>(c.sol)].faceCount;
  ASSERT_GT(porteurs_sol, 4);  // the ground triangle is stored many times over
  LotsCircuit lots;
  lots.prepare(c.m);

  // Every node, the first half, the other half (which still holds the ground), every node again.
  const auto moitie = noeuds.begin() + static_cast<long>(noeuds.size() / 2);
  const std::vector<std::vector<const t3DModel*>> images = {
      noeuds, {noeuds.begin(), moitie}, {moitie, noeuds.end()}, noeuds};
  for (size_t image = 0; image < images.size(); image++) {
    std::map<Triangle, int> attendus;
    bool sol_vu = false;
    for (const t3DModel* n : images[image]) {
      const t3DObject& o = n->objects[static_cast<size_t>(c.petits)];
      for (const auto& t : compte_triangles(o.indices)) attendus[t.first] = 1;
      sol_vu |= n->objects[static_cast<size_t>(c.sol)].faceCount > 0;
    }
    lots.rassemble(images[image]);
    EXPECT_EQ(compte_triangles(lots.indices(c.petits)), attendus) << "frame " << image;
    EXPECT_EQ(lots.indices(c.sol).size(), sol_vu ? 3u : 0u) << "frame " << image;
  }
}

TEST(LotsCircuit, ObjectsComeInTheOrderOfTheirFirstNodeAndFacesKeepTheNodesOrder) {
  t3DModel circuit;
  ajoute_objet(circuit, "Rroute", {CVector3(0, 0, 0), CVector3(0, 0, 1), CVector3(1, 0, 0),  //
                                   CVector3(5, 0, 0), CVector3(5, 0, 1), CVector3(6, 0, 0)});
  ajoute_objet(circuit, "Dmur", {CVector3(0, 0, 0), CVector3(0, 1, 0), CVector3(1, 0, 0)});
  // Two end-node copies: the near one holds the wall and the road's second face, the far one
  // the road's first face.
  t3DModel proche, loin;
  proche.objects.resize(2);
  loin.objects.resize(2);
  proche.objects[1].faceIds = {0};
  proche.objects[1].indices = {0, 1, 2};
  proche.objects[0].faceIds = {1};
  proche.objects[0].indices = {3, 4, 5};
  loin.objects[0].faceIds = {0};
  loin.objects[0].indices = {0, 1, 2};

  LotsCircuit lots;
  lots.prepare(circuit);
  lots.rassemble({&proche, &loin});
  EXPECT_EQ(lots.ordre(), (std::vector<int>{0, 1}));  // object 0 is met first in the near node
  EXPECT_EQ(lots.indices(0), (std::vector<uint32_t>{3, 4, 5, 0, 1, 2}));
  EXPECT_EQ(lots.indices(1), (std::vector<uint32_t>{0, 1, 2}));

  lots.rassemble({&loin});
  EXPECT_EQ(lots.ordre(), (std::vector<int>{0}));
  EXPECT_EQ(lots.indices(0), (std::vector<uint32_t>{0, 1, 2}));
  EXPECT_TRUE(lots.indices(1).empty());
}

TEST(LotsCircuit, FacesOrIndicesOutsideTheCircuitAreLeftOut) {
  t3DModel circuit;
  ajoute_objet(circuit, "Rroute", {CVector3(0, 0, 0), CVector3(0, 0, 1), CVector3(1, 0, 0)});
  t3DModel noeud;
  noeud.objects.resize(3);  // one object more than the circuit has
  noeud.objects[0].faceIds = {0, 7, -1, 0};
  noeud.objects[0].indices = {0, 1, 2, 0, 1, 2, 0, 1, 2};  // the fourth face has no indices
  noeud.objects[2].faceIds = {0};
  noeud.objects[2].indices = {0, 1, 2};
  t3DModel mauvais_sommet;
  mauvais_sommet.objects.resize(1);
  mauvais_sommet.objects[0].faceIds = {0};
  mauvais_sommet.objects[0].indices = {0, 1, 3};

  LotsCircuit lots;
  lots.prepare(circuit);
  lots.rassemble({&mauvais_sommet, nullptr, &noeud});
  EXPECT_EQ(lots.nombre_objets(), 1);
  EXPECT_EQ(lots.ordre(), (std::vector<int>{0}));
  EXPECT_EQ(lots.indices(0), (std::vector<uint32_t>{0, 1, 2}));
}

}  // namespace
