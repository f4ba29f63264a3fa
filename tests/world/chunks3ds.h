// Hand-made 3DS chunks for loader tests that need bytes the writer would never produce, and one
// import from memory with its error lines.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/binio.h"
#include "world/load3ds.h"

struct Import {
  tMateriaux table;
  t3DModel model;
  tResultat3DS r;
  std::string erreurs;
  explicit Import(const std::vector<uint8_t>& octets, tMateriaux* partagee = nullptr) {
    testing::internal::CaptureStderr();
    tMateriaux* t = partagee ? partagee : &table;
    r = CLoad3DS().Import3DSMemoire(t, &model, octets.data(), octets.size(), "test");
    erreurs = testing::internal::GetCapturedStderr();
  }
};

// A vector as a whole value, to compare it at once.
inline std::vector<float> xyz(const CVector3& v) { return {v.x, v.y, v.z}; }

// A chunk: id, then length (header included) unless `longueur` forces another value.
inline std::vector<uint8_t> chunk(uint16_t id, const std::vector<uint8_t>& corps, int64_t longueur = -1) {
  Ecrivain e;
  e.u16(id);
  e.u32(longueur < 0 ? static_cast<uint32_t>(corps.size() + 6) : static_cast<uint32_t>(longueur));
  e.octets(corps.data(), corps.size());
  return e.donnees();
}

inline std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> r;
  for (const auto& p : parts) r.insert(r.end(), p.begin(), p.end());
  return r;
}

inline std::vector<uint8_t> texte(const std::string& s) {
  return std::vector<uint8_t>(s.c_str(), s.c_str() + s.size() + 1);
}

inline std::vector<uint8_t> u16s(std::initializer_list<uint16_t> v) {
  Ecrivain e;
  for (uint16_t x : v) e.u16(x);
  return e.donnees();
}

inline std::vector<uint8_t> f32s(std::initializer_list<float> v) {
  Ecrivain e;
  for (float x : v) e.f32(x);
  return e.donnees();
}

// A whole file: primary chunk around an editor block holding `contenu`.
inline std::vector<uint8_t> fichier3ds(const std::vector<uint8_t>& contenu) {
  Ecrivain mv;
  mv.u32(3);
  return chunk(0x4D4D, chunk(0x3D3D, concat({chunk(0x3D3E, mv.donnees()), contenu})));
}

// A named object holding one triangle mesh with the given sub-chunks.
inline std::vector<uint8_t> objet3ds(const std::string& nom, const std::vector<uint8_t>& maillage) {
  return chunk(0x4000, concat({texte(nom), chunk(0x4100, maillage)}));
}

inline std::vector<uint8_t> sommets3ds(std::initializer_list<float> xyz) {
  return chunk(0x4110, concat({u16s({static_cast<uint16_t>(xyz.size() / 3)}), f32s(xyz)}));
}

// Faces (three indices each) followed, inside the face chunk, by an optional material chunk.
inline std::vector<uint8_t> faces3ds(std::initializer_list<uint16_t> abc, const std::string& materiau = "") {
  Ecrivain e;
  e.u16(static_cast<uint16_t>(abc.size() / 3));
  int k = 0;
  for (uint16_t i : abc) {
    e.u16(i);
    if (++k % 3 == 0) e.u16(7);
  }
  std::vector<uint8_t> corps = e.donnees();
  if (!materiau.empty()) {
    const auto m = chunk(0x4130, concat({texte(materiau), u16s({0})}));
    corps.insert(corps.end(), m.begin(), m.end());
  }
  return chunk(0x4120, corps);
}
