// What the circuit draws in a frame: the faces of the visible end nodes of the octree, gathered
// per circuit object so that each object is one draw, and each face once.
//
// A face crossing several nodes is stored in each of them. Drawn node by node it was filled once
// per node in view (a ground triangle under twenty nodes twenty times), which cost more than the
// rest of the circuit. Here a face is taken by the first visible node that holds it.
//
//   LotsCircuit lots;
//   lots.prepare(circuit);                 // once per circuit
//   lots.rassemble(noeuds_proches_dabord);  // every frame
//   for (int i : lots.ordre()) draw object i with lots.indices(i);
//
// No OpenGL here: the drawing is in octree_rendu.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/modele3d.h"

class LotsCircuit {
 public:
  // Sizes the per-face marks for the circuit's objects.
  void prepare(const t3DModel& circuit);
  void vide();

  // noeuds: the end-node copies in drawing order (nearest first). Objects appear in ordre() in
  // the order of their first face; each object's indices keep the order of the nodes.
  void rassemble(const std::vector<const t3DModel*>& noeuds);

  const std::vector<int>& ordre() const { return ordre_; }
  const std::vector<uint32_t>& indices(int objet) const { return indices_[static_cast<size_t>(objet)]; }
  int nombre_objets() const { return static_cast<int>(indices_.size()); }

 private:
  std::vector<std::vector<uint32_t>> marques_;  // per object and face: the last frame that took it
  std::vector<uint32_t> nombre_sommets_;        // per object: its vertex count, to refuse bad indices
  std::vector<std::vector<uint32_t>> indices_;
  std::vector<int> ordre_;
  uint32_t image_ = 0;
};
