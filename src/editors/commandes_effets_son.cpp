// Key commands of the sound-environment editor: occlusion polygons and reverb zones.
#include <allegro.h>

#include <algorithm>
#include <cstdio>

#include "audio/effets_son.h"
#include "common/globals.h"
#include "editors/commandes.h"
#include "editors/touches.h"

namespace {

// Far lower corner of a polygon, in the world.
CVector3 coin_loin(const SEffetSon* e) { return e->position + e->sommets[1]; }

bool meme_xz(const CVector3& a, const CVector3& b) { return a.x == b.x && a.z == b.z; }

// Moves the near edge of `e`; a previous polygon ending exactly here keeps its far edge on it.
// `seul` leaves e's far edge in place.
void deplace_bord_proche(SEffetSon* e, const CVector3& d, bool seul) {
  SEffetSon* p = e->precedent;
  if (p && p->type == EFSON_OCCLUSION && meme_xz(coin_loin(p), e->position)) {
    p->sommets[1] += d;
    p->sommets[2] += d;
  }
  e->position += d;
  if (seul) {
    e->sommets[1] = e->sommets[1] - d;
    e->sommets[2] = e->sommets[2] - d;
  }
}

// Moves the far edge of `e`; a next polygon starting exactly there moves with it.
void deplace_bord_loin(SEffetSon* e, const CVector3& d) {
  SEffetSon* n = e->suivant;
  if (n && n->type == EFSON_OCCLUSION && meme_xz(n->position, coin_loin(e))) n->position += d;
  e->sommets[1] += d;
  e->sommets[2] += d;
}

void deplace_bord(SEffetSon* e, const CVector3& d) {
  if (point_effetSon_actif == 0) {
    const bool seul = touche(KEY_W);
    deplace_bord_proche(e, seul ? d / (std::max(std::max(std::abs(d.x), std::abs(d.z)), 1.0f)) : d, seul);
  } else {
    deplace_bord_loin(e, d);
  }
}

float borne01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

// Commands shared by both tables; false when the list became empty.
bool communes() {
  if (touche_une_fois(KEY_DEL)) {
    Destruct_effetSon(act_effetSon);
    point_effetSon_actif = 0;
  }
  // F2 saves on every step it is held; a refused save is said once per press.
  if (touche(KEY_F2) && !sauve_effetSon() && touche_une_fois(KEY_F2))
    std::fprintf(stderr, "veltra: sound environment not saved, %s could not be written\n",
                 chemin_effetSon(LEVEL_ACTIF).c_str());
  if (!act_effetSon) return false;
  if (touche_une_fois(KEY_TAB)) {
    act_effetSon = shift_tenu() ? effetSon_precedent(act_effetSon) : effetSon_suivant(act_effetSon);
    point_effetSon_actif = 0;
  }
  return act_effetSon != nullptr;
}

bool change_type() {
  if (!touche_une_fois(KEY_F5)) return false;
  act_effetSon->type = act_effetSon->type >= EFSON_REVERB ? EFSON_OCCLUSION : act_effetSon->type + 1;
  return true;
}

}  // namespace

void CommandesOcclu() {
  SEffetSon* e = act_effetSon;
  if (e && touche_une_fois(KEY_INSERT)) {
    const CVector3 coin = coin_loin(e);
    const float haut_loin = e->sommets[2].y, haut_proche = e->sommets[3].y;
    creation_effetSon(coin.x, coin.y, coin.z, e->numero);
    set_verts_effetSon(2, act_effetSon->sommets[2].x, haut_loin, act_effetSon->sommets[2].z);
    set_verts_effetSon(3, act_effetSon->sommets[3].x, haut_proche, act_effetSon->sommets[3].z);
    point_effetSon_actif = 0;
  }
  if (!communes() || act_effetSon->type != EFSON_OCCLUSION) {
    touches_fin_pas();
    return;
  }
  e = act_effetSon;
  if (touche(KEY_D)) e->occlusion_directe = borne01(e->occlusion_directe + 0.05f);
  if (touche(KEY_C)) e->occlusion_directe = borne01(e->occlusion_directe - 0.05f);
  if (touche(KEY_R)) e->occlusion_reverb = borne01(e->occlusion_reverb + 0.05f);
  if (touche(KEY_F)) e->occlusion_reverb = borne01(e->occlusion_reverb - 0.05f);
  if (change_type()) {
    touches_fin_pas();
    return;
  }
  if (touche_une_fois(KEY_END) || touche_une_fois(KEY_HOME)) point_effetSon_actif = 1 - (point_effetSon_actif & 1);
  const float pas = ctrl_tenu() ? 5.0f : 1.0f;
  CVector3 d(0, 0, 0);
  if (touche(KEY_4_PAD)) d.x -= pas;
  if (touche(KEY_6_PAD)) d.x += pas;
  if (touche(KEY_8_PAD)) d.z -= pas;
  if (touche(KEY_2_PAD)) d.z += pas;
  if (d.x != 0 || d.z != 0) deplace_bord(e, d);
  // The bottom edge rises under a top edge that stays where it is.
  float bas = 0;
  if (touche(KEY_9_PAD)) bas += 1;
  if (touche(KEY_3_PAD)) bas -= 1;
  if (bas != 0) {
    e->position.y += bas;
    e->sommets[2].y -= bas;
    e->sommets[3].y -= bas;
  }
  if (touche_une_fois(KEY_MINUS_PAD)) {
    e->sommets[2].y += 1;
    e->sommets[3].y += 1;
  }
  if (touche_une_fois(KEY_PLUS_PAD)) {
    e->sommets[2].y -= 1;
    e->sommets[3].y -= 1;
  }
  touches_fin_pas();
}

void CommandesReverb() {
  SEffetSon* e = act_effetSon;
  if (e && touche_une_fois(KEY_INSERT)) {
    const SEffetSon modele = *e;
    creation_effetSon(modele.position.x, modele.position.y, modele.position.z, modele.numero);
    set_type_effetSon(EFSON_REVERB);
    set_reverb(modele.min_dist, modele.max_dist, modele.preset);
    point_effetSon_actif = 0;
  }
  if (!communes() || act_effetSon->type != EFSON_REVERB) {
    touches_fin_pas();
    return;
  }
  e = act_effetSon;
  // Each radius step is refused past its bound; a zone read with crossed radii is not pushed further.
  if (touche(KEY_G)) e->max_dist += 0.5f;
  if (touche(KEY_F)) e->max_dist = std::min(e->max_dist, std::max(e->max_dist - 0.5f, e->min_dist + 0.5f));
  if (touche(KEY_T)) e->min_dist = std::max(e->min_dist, std::min(e->min_dist + 0.5f, e->max_dist - 0.5f));
  if (touche(KEY_R)) e->min_dist = std::min(e->min_dist, std::max(e->min_dist - 0.5f, 1.0f));
  if (touche_une_fois(KEY_P)) e->preset = (e->preset >= 1 && e->preset < 6) ? e->preset + 1 : 1;
  if (change_type()) {
    touches_fin_pas();
    return;
  }
  const float pas = ctrl_tenu() ? 5.0f : 1.0f;
  if (touche(KEY_4_PAD)) e->position.x -= pas;
  if (touche(KEY_6_PAD)) e->position.x += pas;
  if (touche(KEY_MINUS_PAD)) e->position.y += 1;
  if (touche(KEY_PLUS_PAD)) e->position.y -= 1;
  if (touche(KEY_8_PAD)) e->position.z -= pas;
  if (touche(KEY_2_PAD)) e->position.z += pas;
  touches_fin_pas();
}

void CommandesEffetSon() {
  if (act_effetSon && act_effetSon->type == EFSON_REVERB) {
    CommandesReverb();
  } else if (act_effetSon && act_effetSon->type == EFSON_OCCLUSION) {
    CommandesOcclu();
  } else {
    // An empty list, or an element of an unknown type: only deleting, saving and moving on apply.
    communes();
    touches_fin_pas();
  }
}
