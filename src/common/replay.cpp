// Replay files: writing and the bounded reader.
#include "common/replay.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/binio.h"
#include "common/fichier.h"

namespace {

constexpr char MAGIE[4] = {'V', 'R', 'P', 'L'};
constexpr uint32_t RUN_MAX = 0xFFFF;
constexpr size_t TAILLE_RUN = 3;
// Header, longest name, and one run per step.
constexpr size_t TAILLE_FICHIER_MAX = 64 + NOM_MAX_REPLAY + PAS_MAX_REPLAY * TAILLE_RUN;

tLectureReplay refuse(tLectureReplay e, std::string* erreur, const char* texte) {
  if (erreur) *erreur = texte;
  return e;
}

}  // namespace

std::vector<uint8_t> ecrit_replay(const tReplay& r) {
  const size_t n = r.etats.size() < PAS_MAX_REPLAY ? r.etats.size() : PAS_MAX_REPLAY;
  Ecrivain e;
  e.octets(MAGIE, sizeof MAGIE);
  e.u16(VERSION_REPLAY);
  e.u8(static_cast<uint8_t>(r.circuit));
  e.u8(static_cast<uint8_t>(r.tours));
  e.f32(r.vitesse_cpu);
  e.u32(r.graine);
  e.u32(r.temps);
  e.octets(r.grille, sizeof r.grille);
  const size_t l = r.nom.size() < NOM_MAX_REPLAY ? r.nom.size() : NOM_MAX_REPLAY;
  e.u8(static_cast<uint8_t>(l));
  e.octets(r.nom.data(), l);
  e.u32(static_cast<uint32_t>(n));
  const size_t pos_runs = e.taille();
  e.u32(0);
  uint32_t runs = 0;
  for (size_t i = 0; i < n;) {
    size_t j = i + 1;
    while (j < n && r.etats[j] == r.etats[i] && j - i < RUN_MAX) j++;
    e.u8(r.etats[i]);
    e.u16(static_cast<uint16_t>(j - i));
    runs++;
    i = j;
  }
  e.patch_u32(pos_runs, runs);
  return e.donnees();
}

tLectureReplay lit_replay(const uint8_t* data, size_t taille, tReplay* r, std::string* erreur) {
  Lecteur lec(data, taille);
  char magie[4];
  if (!lec.octets(magie, 4) || std::memcmp(magie, MAGIE, 4) != 0) {
    return refuse(tLectureReplay::pas_un_replay, erreur, "not a replay file");
  }
  uint16_t version = 0;
  if (!lec.u16(version)) return refuse(tLectureReplay::invalide, erreur, "truncated replay file");
  if (version != VERSION_REPLAY) {
    if (erreur) {
      char t[96];
      std::snprintf(t, sizeof t, "replay file of version %u, this game plays version %u", version, VERSION_REPLAY);
      *erreur = t;
    }
    return tLectureReplay::autre_version;
  }
  tReplay lu;
  uint8_t circuit = 0, tours = 0, l = 0;
  uint32_t pas = 0, runs = 0;
  if (!lec.u8(circuit) || !lec.u8(tours) || !lec.f32(lu.vitesse_cpu) || !lec.u32(lu.graine) || !lec.u32(lu.temps) ||
      !lec.octets(lu.grille, sizeof lu.grille) || !lec.u8(l)) {
    return refuse(tLectureReplay::invalide, erreur, "truncated replay file");
  }
  if (circuit < 1 || circuit > 5 || tours < 1 || tours > 99 || !std::isfinite(lu.vitesse_cpu) ||
      lu.vitesse_cpu < 0.5f || lu.vitesse_cpu > 10 || lu.temps > 2 * PAS_MAX_REPLAY || l > NOM_MAX_REPLAY) {
    return refuse(tLectureReplay::invalide, erreur, "replay file with impossible race settings");
  }
  unsigned vus = 0;
  for (uint8_t g : lu.grille) vus |= g < 6 ? 1u << g : 0;
  if (vus != 0x3F) return refuse(tLectureReplay::invalide, erreur, "replay file with an impossible grid");
  lu.circuit = circuit;
  lu.tours = tours;
  lu.nom.resize(l);
  if (!lec.octets(&lu.nom[0], l) || !lec.u32(pas) || !lec.u32(runs)) {
    return refuse(tLectureReplay::invalide, erreur, "truncated replay file");
  }
  if (pas > PAS_MAX_REPLAY || runs > pas) return refuse(tLectureReplay::invalide, erreur, "replay file too long");
  if (static_cast<size_t>(runs) * TAILLE_RUN != lec.reste()) {
    return refuse(tLectureReplay::invalide, erreur, "replay file whose length does not match its steps");
  }
  lu.etats.reserve(pas);
  for (uint32_t i = 0; i < runs; i++) {
    uint8_t etat = 0;
    uint16_t n = 0;
    lec.u8(etat);
    lec.u16(n);
    if (n == 0 || n > pas - lu.etats.size()) {
      return refuse(tLectureReplay::invalide, erreur, "replay file whose steps do not add up");
    }
    lu.etats.insert(lu.etats.end(), n, etat);
  }
  if (lu.etats.size() != pas) return refuse(tLectureReplay::invalide, erreur, "replay file whose steps do not add up");
  *r = std::move(lu);
  return tLectureReplay::ok;
}

bool charge_replay(const std::string& chemin, tReplay* r, std::string* erreur) {
  std::vector<uint8_t> octets;
  if (!lit_fichier(chemin, octets, TAILLE_FICHIER_MAX)) {
    if (erreur) *erreur = "cannot read " + chemin;
    return false;
  }
  std::string pourquoi;
  if (lit_replay(octets.data(), octets.size(), r, &pourquoi) == tLectureReplay::ok) return true;
  if (erreur) *erreur = chemin + ": " + pourquoi;
  return false;
}
