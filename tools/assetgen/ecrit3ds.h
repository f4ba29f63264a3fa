// 3DS writer: turns a CMaillage into the chunk layout our loader reads. Files are Z-up, so a game
// vertex (x, y, z) is written as (x, -z, y). Objects over 65535 vertices or faces are split into
// parts that keep the object's name (the first letter gives the surface class).
//
//   std::vector<uint8_t> octets = ecrit_3ds(maillage);
//   ecrit_3ds_fichier("objets/kan_1.3ds", maillage);
//
// Header-only, like the mesh builder.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "assetgen/maillage.h"
#include "common/binio.h"
#include "common/fichier.h"

namespace ecrit3ds_detail {

constexpr size_t MAX_PAR_OBJET = 65535;

inline size_t ouvre(Ecrivain& e, uint16_t id) {
  const size_t pos = e.taille();
  e.u16(id);
  e.u32(0);
  return pos;
}

inline void ferme(Ecrivain& e, size_t pos) { e.patch_u32(pos + 2, static_cast<uint32_t>(e.taille() - pos)); }

// Names are stored with their terminator and must fit the loader's 255-byte buffers.
inline void nom(Ecrivain& e, const std::string& s) { e.chaine(s.size() > 254 ? s.substr(0, 254) : s); }

inline void materiau(Ecrivain& e, const tMateriauMaillage& m) {
  const size_t bloc = ouvre(e, 0xAFFF);
  size_t c = ouvre(e, 0xA000);
  nom(e, m.nom);
  ferme(e, c);
  c = ouvre(e, 0xA020);
  const size_t rgb = ouvre(e, 0x0011);
  e.octets(m.couleur, 3);
  ferme(e, rgb);
  ferme(e, c);
  if (!m.fichier.empty()) {
    c = ouvre(e, 0xA200);
    const size_t f = ouvre(e, 0xA300);
    nom(e, m.fichier);
    ferme(e, f);
    ferme(e, c);
  }
  ferme(e, bloc);
}

inline void objet(Ecrivain& e, const tObjetMaillage& o) {
  const size_t bloc = ouvre(e, 0x4000);
  nom(e, o.nom);
  const size_t mesh = ouvre(e, 0x4100);
  size_t c = ouvre(e, 0x4110);
  e.u16(static_cast<uint16_t>(o.sommets.size()));
  for (const CVector3& v : o.sommets) {
    e.f32(v.x);
    e.f32(-v.z);
    e.f32(v.y);
  }
  ferme(e, c);
  if (o.avec_uv) {
    c = ouvre(e, 0x4140);
    e.u16(static_cast<uint16_t>(o.uv.size()));
    for (const tTexCoord& t : o.uv) {
      e.f32(t.u);
      e.f32(t.v);
    }
    ferme(e, c);
  }
  c = ouvre(e, 0x4120);
  e.u16(static_cast<uint16_t>(o.faces.size()));
  for (const auto& f : o.faces) {
    e.u16(static_cast<uint16_t>(f[0]));
    e.u16(static_cast<uint16_t>(f[1]));
    e.u16(static_cast<uint16_t>(f[2]));
    e.u16(7);  // edge flags: all three edges visible
  }
  if (!o.materiau.empty()) {
    const size_t m = ouvre(e, 0x4130);
    nom(e, o.materiau);
    e.u16(static_cast<uint16_t>(o.faces.size()));
    for (size_t i = 0; i < o.faces.size(); i++) e.u16(static_cast<uint16_t>(i));
    ferme(e, m);
  }
  ferme(e, c);
  ferme(e, mesh);
  ferme(e, bloc);
}

// Cuts an object into parts of at most 65535 vertices and faces, faces kept in order.
inline std::vector<tObjetMaillage> decoupe(const tObjetMaillage& o) {
  if (o.sommets.size() <= MAX_PAR_OBJET && o.faces.size() <= MAX_PAR_OBJET) return {o};
  std::vector<tObjetMaillage> parts;
  std::unordered_map<int, int> nouveau;
  for (const auto& f : o.faces) {
    if (parts.empty() || parts.back().faces.size() >= MAX_PAR_OBJET ||
        parts.back().sommets.size() + 3 > MAX_PAR_OBJET) {
      tObjetMaillage p;
      p.nom = parts.empty() ? o.nom : o.nom.substr(0, 240) + "_" + std::to_string(parts.size() + 1);
      p.materiau = o.materiau;
      p.avec_uv = o.avec_uv;
      parts.push_back(p);
      nouveau.clear();
    }
    tObjetMaillage& p = parts.back();
    std::array<int, 3> g{};
    for (int k = 0; k < 3; k++) {
      auto it = nouveau.find(f[k]);
      if (it == nouveau.end()) {
        it = nouveau.emplace(f[k], static_cast<int>(p.sommets.size())).first;
        p.sommets.push_back(o.sommets[f[k]]);
        if (o.avec_uv) p.uv.push_back(o.uv[f[k]]);
      }
      g[k] = it->second;
    }
    p.faces.push_back(g);
  }
  return parts;
}

}  // namespace ecrit3ds_detail

inline std::vector<uint8_t> ecrit_3ds(const CMaillage& m) {
  using namespace ecrit3ds_detail;
  Ecrivain e;
  const size_t primaire = ouvre(e, 0x4D4D);
  size_t c = ouvre(e, 0x0002);
  e.u32(m.version);
  ferme(e, c);
  const size_t editeur = ouvre(e, 0x3D3D);
  c = ouvre(e, 0x3D3E);  // mesh version
  e.u32(3);
  ferme(e, c);
  for (const tMateriauMaillage& mat : m.materiaux) materiau(e, mat);
  for (const tObjetMaillage& o : m.objets) {
    for (const tObjetMaillage& part : decoupe(o)) objet(e, part);
  }
  ferme(e, editeur);
  ferme(e, primaire);
  return e.donnees();
}

inline bool ecrit_3ds_fichier(const std::string& chemin, const CMaillage& m) {
  const std::vector<uint8_t> octets = ecrit_3ds(m);
  return ecrit_fichier_atomique(chemin, octets.data(), octets.size());
}
