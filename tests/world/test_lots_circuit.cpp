// What the circuit draws per frame: the faces of the visible end nodes, each face once, one list
// per circuit object, in the nodes' order.
#include <gtest/gtest.h>

#include <vector>

#include "world/lots_circuit.h"
#include "world/scene_octree.h"

namespace {

TEST(LotsCircuit, EachFaceOnceFromItsFirstNodeInTheNodesOrderAndEachFrameAfresh) {
  t3DModel circuit;
  ajoute_objet(circuit, "Rroute", {CVector3(0, 0, 0), CVector3(0, 0, 1), CVector3(1, 0, 0),  //
                                   CVector3(5, 0, 0), CVector3(5, 0, 1), CVector3(6, 0, 0)});
  ajoute_objet(circuit, "Dmur", {CVector3(0, 0, 0), CVector3(0, 1, 0), CVector3(1, 0, 0)});
  // Two end-node copies: the near one holds the wall and the road's second face, the far one
  // the road's first face and the wall again, as a face crossing both nodes is stored in each.
  t3DModel proche, loin;
  proche.objects.resize(2);
  loin.objects.resize(2);
  proche.objects[1].faceIds = {0};
  proche.objects[1].indices = {0, 1, 2};
  proche.objects[0].faceIds = {1};
  proche.objects[0].indices = {3, 4, 5};
  loin.objects[0].faceIds = {0};
  loin.objects[0].indices = {0, 1, 2};
  loin.objects[1] = proche.objects[1];

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
