// CObjJoueur: the ship of one pilot. Speed limit, steering and slide state, ship-against-ship
// pushes, the racing-line target, the ranking fields, the held bonus and boost, the engine,
// boost and slide loops, and the pilot state machine that both pilot kinds share.
#pragma once

#include "audio/son_api.h"
#include "objects/objet.h"

struct Point_Traj;

// What happened to a pilot during a race, for the simulator's report.
struct StatsPilote {
  int bonus_pris = 0;
  int bonus_tires = 0;
  int sauvetages = 0;  // put back on the racing line after being stuck
};

// States of a pilot. `action` runs the body of the current one once per logic step.
enum class EtatPilote { Roule, Saute, CollisionRoule, Explode, Attend, Finish };

class CObjJoueur : public Cobjet {
 public:
  CObjJoueur();
  CObjJoueur(float x, float y, float z, float cap);

  // Wall contact from the octree: remembers the wall and steps off it.
  void SetContactDecor(bool contact, CVector3 normal) override;
  void action() override;
  void render(tMateriaux* materiaux) override;
  void affiche_coord(tMateriaux* materiaux, int fps, int, int, int) override;

  // State setters with their guards (shared by every pilot kind).
  void Set_Chute() override;
  void Set_Roule() override;
  void Set_Collision() override;
  virtual void ResetPosition(float x, float y, float z, float cap);
  // A new race: everything a race left in the pilot goes back to a new pilot's, keeping what the
  // pilot is (name, ship model, sound loops). So a race runs the same whether it is the first of
  // the game or not, as its seed and the player's controls say.
  virtual void remet_a_neuf();
  virtual void ResetContacts();
  virtual void set_ptr_destination(Point_Traj*) {}
  virtual void CheckDouble() {}
  void Set_Explode();
  void Set_Attend() { etat = EtatPilote::Attend; }
  void Set_Finish();
  bool GetFinish() const { return etat == EtatPilote::Finish; }
  EtatPilote GetEtat() const { return etat; }

  // Push received from another ship.
  void SetChoc(CVector3 eloigne, float recouvrement, CVector3 autre_direction, float autre_vitesse);

  // Loops of the ship: each starts paused on its own channel; 1 when it could not be played.
  int SetSonMoteur(HSon son);
  int SetSonBoost(HSon son);
  int SetSonSlide(HSon son);
  void BeginMoteur();
  void StopMoteur();
  void BeginBoost();
  void StopBoost();
  void StopSlide();
  // Engine playback frequency for the current speed: never below the one of speed 0.3.
  float frequence_moteur_voulue() const;

  Point_Traj* GetPtrTraj() const { return ptr_destination; }
  float GetVitesse() const { return vitesse; }
  void SetNBTours(int n) { nb_tours = n; }
  void ResetValide() { point_valide = 0; }
  int GetBonusType() const { return bonus; }
  void SetBonus(int b) { bonus = b; }
  int GetClassement() const { return classement; }
  void SetClassement(int c) { classement = c; }
  void SetClassementH(int c) { classementH = c; }
  int GetPointValide() const { return point_valide; }
  float GetDistanceCible() const { return distance_cible; }
  float GetAngleDeplacement() const { return angle_deplacement; }
  void AddTour() { tour++; }
  int GetTour() const { return tour; }
  void SetMove() {
    peut_bouger = true;
    attente = 0;
  }
  void StopMove() { peut_bouger = false; }
  void set_vitesse_max(float v) { vitesse_max = v; }
  void SetJoueurDevant(CObjJoueur* j, int c, CVector3 p) {
    joueur_devant = j;
    classement_devant = c;
    pos_devant = p;
  }
  void SetJoueurDerriere(CObjJoueur* j, int c, CVector3 p) {
    joueur_derriere = j;
    classement_derriere = c;
    pos_derriere = p;
  }

  CVector3 lateral{0, 0, 0};
  CVector3 normale_decor{0, 0, 0};
  CVector3 point_avant{0, 0, 0};
  int cote_pente = 0;
  bool peut_bouger = false;
  float angle_deplacement = 0;
  float braquage = 0;
  float glisse = 0;
  float angle_pente = 0;
  float vitesse_max = 2.5f;
  float multiplicateur = 1.0f;
  CVector3 dir_choc{0, 0, 0};
  float force_choc = 0;
  float acceleration = 0.075f;
  float pente = 0;
  float pente5 = 0;
  bool ralentir = false;
  int compteur_double_droite = 0;
  int compteur_double_gauche = 0;
  bool freine = false;
  bool marche_avant = true;
  int compteur_droite = 0;
  int compteur_gauche = 0;
  int compteur_collision = 0;
  int attente = 0;
  int compteur_explosion = 0;
  Point_Traj* ptr_destination = nullptr;
  CVector3 pos_destination{0, 0, 0};
  CVector3 dir_traj{0, 0, 0};
  float distance_cible = 0;
  float ancienne_distance = 0;
  int point_courant = 0;
  int point_valide = -1;
  int classement = 0;
  int nb_tours = 0;
  int classementH = 0;
  int tour = 0;
  int bonus = 0;
  int temps_boost = 0;
  int boost = 0;
  CObjJoueur* joueur_devant = nullptr;
  int classement_devant = -1;
  CVector3 pos_devant{0, 0, 0};
  CObjJoueur* joueur_derriere = nullptr;
  int classement_derriere = -1;
  CVector3 pos_derriere{0, 0, 0};
  HSon son_moteur;
  HCanal canal_moteur;
  int resultat_son = 0;  // result of the last play
  float frequence_moteur = 0;
  HSon son_boost;
  HCanal canal_boost;
  HSon son_glisse;
  HCanal canal_glisse;
  float frequence_glisse = 0;
  bool glisse_active = false;
  bool glisse_active_avant = false;
  StatsPilote stats;
  // How a pilot kind's ship looks (vaisseau_style.h).
  struct StyleVaisseau;

  // Fires the held bonus when it is of kind f (1 boost, 2 mine behind, 3 missile ahead); a speed
  // bonus waits while a boost runs. True when something was fired.
  bool declenche_bonus(int f);

 protected:
  // Copies into this new pilot what `ancien` is (see remet_a_neuf).
  void garde_identite(const CObjJoueur& ancien);
  // State bodies, given behaviour by the pilot kinds.
  virtual void Roule() {}
  virtual void Saute() {}
  virtual void CollisionRoule() {}
  virtual void Explode() {}
  virtual void Attend() {}
  virtual void Finish() {}
  // Runs the current state's body.
  void execute_etat();
  // Applies and wears off the push of another ship.
  void applique_choc();
  // Per-step update of the engine, boost and slide loops.
  void met_a_jour_sons();

  // Driving model shared by the pilot kinds (conduite.cpp).
  // Aims at a racing-line point: target, line direction, progress numbers and distances.
  void vise_point(Point_Traj* p);
  // Follows the racing line: passes to the next point once the current one is reached, or
  // passed beside within sqrt(passe). True when the target advanced.
  bool suit_trajectoire(float passe = 1800);
  // The target becomes the next point of the line (the first after the last).
  void avance_point();
  // Slope factor of the ground under the ship along its direction of travel.
  void calcule_pente();
  // Downhill and uphill rules, the slowing ground, and, when `friction`, the level-ground
  // friction; V is the speed limit in force. Uphill the ship loses (1 - pente) / perte_montee.
  void applique_pente(float V, bool friction, float perte_montee = 4.5f);
  // Turns the ship on ground that slopes sideways; returns the side value s.
  float tourne_selon_pente(float facteur);
  // Direction of travel from angle_deplacement along the ground (lateral, deplacement).
  void oriente_au_sol();
  // The same, then the move.
  void avance_au_sol();
  // Ground steering that builds up while held: `gain` per held step, counters dropping by
  // `baisse` once let go. The nose turns at once and the direction of travel lags behind.
  void braque(bool gauche, bool droite, float gain, int baisse);
  // Speed change of the pedals this step: throttle (with gain `gain_avant` in forward mode, none
  // beyond `limite`), or the brake that slows, then reverses down to -0.8. Sets freine and
  // marche_avant.
  float gain_pedales(bool gaz, bool frein, float gain_avant, float limite);
  // Shrinks |glisse| by r, never past 0.
  void reduit_glisse(float r);
  // Steering in the air, which builds up faster and swings the slide, then the air slide recovery.
  void braque_en_l_air(bool gauche, bool droite);
  // After a wall: the ship coasts and sinks, back to driving after `duree` steps or when stopped.
  void roule_apres_choc(int duree);
  // Blown up: spins in the air, slows down, drives again after 48 steps.
  void explose();
  // Which way to steer for the last point of the line (the finish), as after the arrival.
  void cap_vers_arrivee(bool* gauche, bool* droite) const;
  // Counts the steps of a running boost and ends it after 450.
  void compte_temps_boost();
  // The hull, its shadow, the reactor flame (with sparks while boosting) and the brake lights.
  void dessine_vaisseau(tMateriaux* materiaux, const StyleVaisseau& style, bool flamme, bool feux);

  EtatPilote etat = EtatPilote::Saute;

 private:
  void rebondit();
  bool etat_protege() const {
    return etat == EtatPilote::Finish || etat == EtatPilote::CollisionRoule || etat == EtatPilote::Explode;
  }
};

// Ship against ship: when the two collision spheres overlap, each ship is pushed away from the
// other, a first (nothing happens at exactly touching). True when they were pushed.
bool pousse_vaisseaux(CObjJoueur* a, CObjJoueur* b);

// Brings a heading back into 0..360.
float angle_0_360(float a);

// The six pilots: 0 to 4 the computer pilots, 5 the human.
constexpr int NB_JOUEURS = 6;
constexpr int NB_PILOTES_CPU = 5;             // Joueurs[0 .. NB_PILOTES_CPU - 1]
constexpr int JOUEUR_HUMAIN = NB_PILOTES_CPU;  // Joueurs[JOUEUR_HUMAIN], the last one
extern CObjJoueur* Joueurs[NB_JOUEURS];
