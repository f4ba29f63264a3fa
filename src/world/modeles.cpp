// The long-lived models and their loading and freeing order.
#include "world/modeles.h"

#include "world/materiaux.h"
#include "world/surfaces.h"

t3DModel Police;
t3DModel Joueur_1, Joueur_2, Joueur_3, Joueur_4, Joueur_5, Joueur_6;
t3DModel balise, fougere, fougere_1, herbe, herbe_1, arbre, orchid, orchid_1, palmier, clochettes;
t3DModel anneau, bonus_boost, bonus_mine, bonus_missile, mine, missile, explosion;

namespace {

struct tModeleFichier {
  t3DModel* modele;
  const char* fichier;
};

const tModeleFichier JOUEURS[] = {
    {&Joueur_1, "./objets/vaisseau1_1.3ds"}, {&Joueur_2, "./objets/vaisseau2_1.3ds"},
    {&Joueur_3, "./objets/vaisseau3_1.3ds"}, {&Joueur_4, "./objets/vaisseau4_1.3ds"},
    {&Joueur_5, "./objets/vaisseau5_1.3ds"}, {&Joueur_6, "./objets/vaisseau6_1.3ds"},
};

const tModeleFichier DECOS[] = {
    {&fougere, "./objets/fougere.3DS"},   {&fougere_1, "./objets/fougere_1.3DS"},
    {&herbe, "./objets/herbe.3DS"},       {&herbe_1, "./objets/herbe_1.3DS"},
    {&arbre, "./objets/arbre.3DS"},       {&orchid, "./objets/orchidee.3DS"},
    {&orchid_1, "./objets/orchidee_2.3DS"}, {&palmier, "./objets/palmier.3DS"},
    {&clochettes, "./objets/clochettes.3DS"},
};

const tModeleFichier BONUS[] = {
    {&anneau, "./objets/anneau.3DS"},      {&bonus_boost, "./objets/b_speed.3DS"},
    {&bonus_mine, "./objets/b_mine.3DS"},  {&bonus_missile, "./objets/b_missile.3DS"},
    {&mine, "./objets/mine.3DS"},          {&missile, "./objets/missile.3DS"},
    {&explosion, "./objets/explo.3DS"},
};

template <size_t N>
void detruit_a_rebours(const tModeleFichier (&liste)[N]) {
  for (size_t i = N; i-- > 0;) destroy_obj(liste[i].modele);
}

}  // namespace

tRapports3DS charge_police() {
  tRapports3DS rapports;
  importe_modele(&Police, "./files/augie_font.3ds", &rapports);
  attribue_slots(&Police);
  return rapports;
}

void destroy_police() { vide_objets(&Police); }

tRapports3DS charge_mesh_joueurs() {
  tRapports3DS rapports;
  for (const tModeleFichier& m : JOUEURS) charge_mesh(m.modele, m.fichier, &rapports);
  return rapports;
}

// The six ships are the last models in the table here; within the group the order is free.
void destroy_mesh_joueurs() {
  for (const tModeleFichier& m : JOUEURS) destroy_obj(m.modele);
}

tRapports3DS charge_mesh_deco() {
  tRapports3DS rapports;
  for (const tModeleFichier& m : DECOS) charge_mesh(m.modele, m.fichier, &rapports);
  return rapports;
}

void destroy_deco() { detruit_a_rebours(DECOS); }

tRapports3DS charge_mesh_bonus() {
  tRapports3DS rapports;
  for (const tModeleFichier& m : BONUS) {
    charge_mesh(m.modele, m.fichier, &rapports);
    set_type_mesh_bonus(m.modele);
  }
  return rapports;
}

void destroy_bonus() { detruit_a_rebours(BONUS); }

void set_type_mesh_bonus(t3DModel* model) {
  for (t3DObject& o : model->objects) o.surfaceType = (o.name[0] == 'A') ? SURFACE_BRILLANTE : SURFACE_OPAQUE;
}
