// Per-frame gathering of the circuit's visible faces, one list per circuit object.
#include "world/lots_circuit.h"

#include <algorithm>

void LotsCircuit::prepare(const t3DModel& circuit) {
  const size_t n = circuit.objects.size();
  marques_.assign(n, {});
  nombre_sommets_.assign(n, 0);
  indices_.assign(n, {});
  ordre_.clear();
  image_ = 0;
  for (size_t i = 0; i < n; i++) {
    marques_[i].assign(circuit.objects[i].faces.size(), 0);
    nombre_sommets_[i] = static_cast<uint32_t>(circuit.objects[i].vertices.size());
  }
}

void LotsCircuit::vide() {
  marques_.clear();
  nombre_sommets_.clear();
  indices_.clear();
  ordre_.clear();
  image_ = 0;
}

void LotsCircuit::rassemble(const std::vector<const t3DModel*>& noeuds) {
  for (int i : ordre_) indices_[static_cast<size_t>(i)].clear();
  ordre_.clear();
  if (++image_ == 0) {  // the marks wrapped round: forget them all once every 2^32 frames
    for (auto& m : marques_) std::fill(m.begin(), m.end(), 0);
    image_ = 1;
  }
  for (const t3DModel* noeud : noeuds) {
    if (!noeud) continue;
    const size_t n = std::min(noeud->objects.size(), marques_.size());
    for (size_t i = 0; i < n; i++) {
      const t3DObject& o = noeud->objects[i];
      std::vector<uint32_t>& marques = marques_[i];
      std::vector<uint32_t>& sortie = indices_[i];
      const size_t faces = std::min(o.faceIds.size(), o.indices.size() / 3);
      for (size_t k = 0; k < faces; k++) {
        const int id = o.faceIds[k];
        if (id < 0 || static_cast<size_t>(id) >= marques.size() || marques[static_cast<size_t>(id)] == image_) continue;
        const int a = o.indices[3 * k], b = o.indices[3 * k + 1], c = o.indices[3 * k + 2];
        const uint32_t nv = nombre_sommets_[i];
        if (a < 0 || b < 0 || c < 0 || static_cast<uint32_t>(a) >= nv || static_cast<uint32_t>(b) >= nv ||
            static_cast<uint32_t>(c) >= nv)
          continue;
        marques[static_cast<size_t>(id)] = image_;
        if (sortie.empty()) ordre_.push_back(static_cast<int>(i));
        sortie.push_back(static_cast<uint32_t>(a));
        sortie.push_back(static_cast<uint32_t>(b));
        sortie.push_back(static_cast<uint32_t>(c));
      }
    }
  }
}
