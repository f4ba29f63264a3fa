// Shared pieces of the circuit generator: the drawing plan of a circuit, the centre line sampled
// into sections, and everything built from it before it is written to files.
#pragma once

#include <string>
#include <vector>

#include "assetgen/maillage.h"
#include "math/vector.h"

// Kinds of stretch, set over a stretch of the centre line.
enum : int {
  ZONE_TUNNEL = 1,   // roof over the road, rock around it
  ZONE_CANYON = 2,   // high rock walls beyond the track walls
  ZONE_PONT = 4,     // bridge deck ('L') over a ravine
  ZONE_RAMPE = 8,    // take-off ramp ('L'), rising to the lip
  ZONE_SAUT = 16,    // gap of a jump: no ground at road level, a sand pit below
  ZONE_ARCHE = 32,   // a stone arch over the road at the start of the stretch
};

// A control point of the closed centre line: position on the ground and width between walls.
struct tPointControle {
  float x, z, y;
  float largeur;
};

// A stretch given by its start: `decalage` units after control point `point`, `longueur` long.
struct tZone {
  int point;
  float decalage;
  float longueur;
  int genre;
};

struct tTheme {
  const char* route;       // road texture
  const char* accotement;  // shoulder texture
  const char* mur;         // wall texture
  const char* sol;         // terrain texture
  const char* roche;       // cliffs, tunnel, rocks
  unsigned char teinte_sol[3];
  unsigned char teinte_roche[3];
  unsigned char teinte_mur[3];
};

struct tPlan {
  std::string nom;
  std::vector<tPointControle> points;
  std::vector<tZone> zones;
  float devers_max;  // banking limit, degrees
  float collines;    // height of the hills around the track (negative: hollows)
  float eau;         // level of the water in the hollows, when there is water
  bool avec_eau;
  tTheme theme;
  int types_deco[4];  // decoration types of this circuit's flora
  unsigned graine;
};

// A cut across the track every few units along the centre line.
struct tSection {
  CVector3 c;         // centre, on the ground
  CVector3 t;         // unit horizontal direction of travel
  CVector3 n;         // unit horizontal left side: Cross(up, t)
  float s = 0;        // horizontal distance from the start
  float largeur = 0;  // between walls
  float pente = 0;    // banking as a slope: ground at side offset u is c.y + u * pente
  float courbure = 0; // signed, 1 / radius, positive turning left
  int zone = 0;
  // Ground point at side offset u (positive to the left).
  CVector3 sol(float u) const { return c + n * u + CVector3(0, u * pente, 0); }
};

constexpr float ACCOTEMENT = 5.0f;    // slowing shoulder inside each wall
constexpr float HAUTEUR_MUR = 16.0f;  // wall height above the road edge: a ship thrown up by a blast stays in
constexpr float EPAISSEUR_MUR = 2.0f;
constexpr float HAUTEUR_TUNNEL = 26.0f;  // roof above the road centre
constexpr float PROFONDEUR_SAUT = 6.0f;  // pit below the lip of a jump
constexpr float HAUSSE_RAMPE = 5.0f;     // rise of a take-off ramp
constexpr float MARGE_MUR_LIGNE = 13.0f;  // racing line keeps this far from the walls

struct tPointLigne {
  CVector3 position, normale;
};

struct tDeco {
  CVector3 position, angles;
  float echelle;
  int type;
};

struct tEffetSon {
  int type;  // 1 occlusion polygon, 2 reverb zone
  CVector3 position;
  CVector3 sommets[3];  // vertices 1..3 relative to the position
  float directe, reverb, min_dist, max_dist;
  int preset;
};

struct tCircuit {
  int numero = 0;
  tPlan plan;
  std::vector<tSection> sections;  // closed: the last joins the first
  float longueur = 0;              // lap length of the centre line
  CMaillage piste;                 // kan_i.3ds
  CMaillage carte;                 // kan_m1_i.3ds
  std::vector<tPointLigne> ligne;
  std::vector<tDeco> decos;
  std::vector<tEffetSon> effets;
};

// The five plans, numbered 1..5.
tPlan plan_circuit(int numero);

// Samples the closed spline of the plan every `pas` units and fills in the stretch kinds and
// banking.
std::vector<tSection> echantillonne(const tPlan& plan, float pas, float* longueur);

// Height of the scenery ground at (x, z), for the terrain and the plants.
class CRelief {
 public:
  explicit CRelief(const tCircuit& circuit) : m_c(circuit) {}
  float hauteur(float x, float z) const;
  // Nearest section to (x, z) and the horizontal distance to its centre; with `zones`, only
  // among the sections of those kinds (-1 when there is none).
  int plus_proche(float x, float z, float* distance, int zones = 0) const;

 private:
  float bruit(float x, float z) const;
  const tCircuit& m_c;
};

// Builders, each adding its part to the circuit.
void construit_piste(tCircuit* c);
void construit_terrain(tCircuit* c, const CRelief& relief);
void construit_carte(tCircuit* c);
void construit_ligne(tCircuit* c);
void construit_decos(tCircuit* c, const CRelief& relief);
void construit_effets(tCircuit* c);

// Triangle a-b-c turned so that its normal Cross(b - a, c - a) points along `vers`.
void tri_oriente(tObjetMaillage& o, int a, int b, int c, CVector3 vers);

// File images.
std::vector<uint8_t> encode_ligne(const std::vector<tPointLigne>& ligne);
std::vector<uint8_t> encode_decos(const std::vector<tDeco>& decos);
std::vector<uint8_t> encode_effets(const std::vector<tEffetSon>& effets);

// Unscaled radius of a decoration type, as the game gives it.
float rayon_plante(int type);

// Small deterministic generator.
class CHasard {
 public:
  explicit CHasard(unsigned graine) : m_etat(graine * 2654435761u + 1u) {}
  unsigned suivant() {
    m_etat ^= m_etat << 13;
    m_etat ^= m_etat >> 17;
    m_etat ^= m_etat << 5;
    return m_etat;
  }
  float unite() { return (suivant() & 0xFFFFFF) / float(0x1000000); }  // [0, 1)
  float entre(float a, float b) { return a + (b - a) * unite(); }

 private:
  unsigned m_etat;
};
