// The plants placed along the circuits: two ferns, two grass tufts, a tree, two orchids, a palm and
// bell flowers. Each stands on y = 0 around the y axis and stays inside the radius the game gives
// its type. Leaves are two-sided strips with the texture's midrib along their length.
#include <cmath>
#include <cstdint>

#include "assetgen/modeles/formes.h"
#include "assetgen/modeles/interne.h"
#include "assetgen/textures/textures.h"

namespace {

constexpr float PI = 3.14159265358979f;

// Fixed-seed generator: plants look natural but come out the same on every run.
struct tHasard {
  uint32_t etat;
  float operator()() {
    etat = etat * 1664525u + 1013904223u;
    return float(etat >> 8) / 16777216.f;
  }
  float entre(float a, float b) { return a + (b - a) * (*this)(); }
};

CVector3 horizontal(float angle) { return CVector3(std::cos(angle), 0, std::sin(angle)); }
CVector3 travers_de(CVector3 dir) { return Cross(dir, CVector3(0, 1, 0)); }

// A frond or leaf rising from `depart` along `dir` (horizontal), `longueur` long, reaching
// `hauteur` above its start at its highest, ending `chute` of the way back down.
void fronde(tObjetMaillage& o, CVector3 depart, CVector3 dir, float longueur, float hauteur, float chute,
            float largeur, float pli, int points = 8) {
  std::vector<CVector3> chemin;
  std::vector<float> largeurs;
  for (int i = 0; i < points; i++) {
    const float t = float(i) / float(points - 1);
    const float arc = std::sin(PI * t * (0.5f + 0.5f * chute));
    chemin.push_back(depart + dir * (longueur * t) + CVector3(0, hauteur * arc, 0));
    largeurs.push_back(largeur * std::sin(PI * (0.1f + 0.85f * t)));
  }
  formes::feuille(o, chemin, largeurs, travers_de(dir), pli);
}

// A flower of `petales` petals around `centre`, facing `face`.
void fleur(tObjetMaillage& o, CVector3 centre, CVector3 face, int petales, float taille, float tourne) {
  const CVector3 f = Normalize(face);
  CVector3 a = Cross(f, CVector3(0, 1, 0));
  if (Magnitude(a) < 1e-3f) a = CVector3(1, 0, 0);
  a = Normalize(a);
  const CVector3 b = Cross(a, f);
  for (int k = 0; k < petales; k++) {
    const float t = tourne + 2 * PI * float(k) / float(petales);
    const CVector3 r = a * std::cos(t) + b * std::sin(t);
    const CVector3 cote = a * -std::sin(t) + b * std::cos(t);
    const float l = taille * (k % 2 ? 0.85f : 1.f);
    formes::feuille(o, {centre, centre + r * (l * 0.5f) + f * (0.15f * l), centre + r * l + f * (0.1f * l)},
                    {0.12f * l, 0.4f * l, 0.12f * l}, cote, 0.15f);
  }
}

// Moves every vertex out by a small amount that depends on its position only, so duplicated
// seam vertices stay together: foliage looks lumpy instead of spherical.
void bosselle(tObjetMaillage& o, size_t premier, CVector3 centre, float ampleur) {
  for (size_t i = premier; i < o.sommets.size(); i++) {
    const CVector3 p = o.sommets[i];
    const float n = std::sin(p.x * 1.7f + p.y * 0.9f) * std::cos(p.z * 1.3f - p.y * 0.7f);
    const CVector3 d = p - centre;
    const float m = Magnitude(d);
    if (m > 1e-4f) o.sommets[i] = p + d * (ampleur * n / m);
  }
}

}  // namespace

void construit_fougere(CMaillage& m, int variante) {
  const std::string mat = variante ? "F1_fronde" : "F0_fronde";
  m.materiau(mat, 255, 255, 255, TEX_FOUGERE);
  tObjetMaillage& o = m.objet("fronde", mat, true);
  tHasard h{variante ? 77u : 31u};
  const int n = variante ? 11 : 9;
  for (int i = 0; i < n; i++) {
    const float a = 2 * PI * (float(i) + h.entre(-0.3f, 0.3f)) / float(n);
    if (variante) {
      fronde(o, CVector3(0, 0.2f, 0) + horizontal(a) * 0.4f, horizontal(a), h.entre(7.f, 8.5f), h.entre(10.5f, 12.f),
             0.3f, 1.5f, 0.25f, 9);
    } else {
      fronde(o, CVector3(0, 0.2f, 0) + horizontal(a) * 0.3f, horizontal(a), h.entre(10.5f, 12.f), h.entre(5.f, 6.5f),
             0.75f, 1.9f, 0.25f, 9);
    }
  }
}

void construit_herbe(CMaillage& m, int variante) {
  const std::string mat = variante ? "H1_brins" : "H0_brins";
  m.materiau(mat, 255, 255, 255, TEX_BRINS);
  tObjetMaillage& o = m.objet("brins", mat, true);
  tHasard h{variante ? 5u : 9u};
  // single blades fanning out of the clump, taller in the middle
  const int brins = variante ? 26 : 34;
  const float haut = variante ? 3.4f : 4.3f, large = variante ? 0.22f : 0.17f;
  for (int i = 0; i < brins; i++) {
    const float a = 2 * PI * h();
    const float r = h.entre(0.f, variante ? 1.2f : 0.9f);
    const CVector3 pied = horizontal(a) * r;
    const float hauteur = haut * h.entre(0.6f, 1.f) * (1.f - 0.25f * r);
    const CVector3 penche = horizontal(a + h.entre(-0.4f, 0.4f)) * (hauteur * h.entre(0.25f, 0.6f));
    std::vector<CVector3> chemin;
    for (int k = 0; k < 4; k++) {
      const float t = float(k) / 3.f;
      chemin.push_back(pied + CVector3(0, hauteur * t, 0) + penche * (t * t));
    }
    formes::feuille(o, chemin, {large, large * 0.8f, large * 0.5f, large * 0.08f}, horizontal(a + PI / 2), 0.4f);
  }
}

void construit_arbre(CMaillage& m) {
  m.materiau("A_ecorce", 255, 255, 255, TEX_ECORCE);
  m.materiau("A_feuillage", 70, 130, 45);
  m.objets.reserve(2);
  tObjetMaillage& tronc = m.objet("tronc", "A_ecorce", true);
  tObjetMaillage& feuillage = m.objet("feuillage", "A_feuillage");
  formes::tube(tronc, {CVector3(0, -0.2f, 0), CVector3(0.2f, 4, 0.1f), CVector3(0.1f, 9, 0.4f), CVector3(-0.3f, 14, 0.3f),
                       CVector3(-0.2f, 18, 0)},
               {1.7f, 1.2f, 1.0f, 0.8f, 0.55f}, 10, false, true);
  tHasard h{2024u};
  for (int i = 0; i < 4; i++) {
    const CVector3 d = horizontal(2 * PI * float(i) / 4.f + 0.4f);
    const CVector3 debut(0.f, 9.f + 2.f * float(i), 0.f);
    formes::tube(tronc, {debut, debut + d * 3.f + CVector3(0, 2.5f, 0), debut + d * 6.f + CVector3(0, 6.f, 0)},
                 {0.5f, 0.35f, 0.2f}, 6, false, true);
  }
  const CVector3 touffes[] = {{0, 23.5f, 0}, {5.5f, 19.5f, 1.5f}, {-5, 20, 2.5f}, {1, 19, -5.5f},
                              {-2, 17.5f, 5}, {4, 23, -3}, {-4, 24, -2}};
  for (const CVector3& c : touffes) {
    const size_t premier = feuillage.sommets.size();
    const float r = h.entre(5.f, 6.5f);
    formes::sphere(feuillage, c, CVector3(r, r * 0.85f, r), 10, 7);
    bosselle(feuillage, premier, c, 0.7f);
  }
}

void construit_orchidee(CMaillage& m, int variante) {
  const std::string pre = variante ? "O1_" : "O0_";
  m.materiau(pre + "feuille", variante ? 60 : 50, variante ? 110 : 125, 45);
  m.materiau(pre + "petale", 255, 255, 255, variante ? TEX_PETALE_MAUVE : TEX_PETALE_ROSE);
  m.objets.reserve(2);
  tObjetMaillage& vert = m.objet("tiges", pre + "feuille");
  tObjetMaillage& fleurs = m.objet("fleurs", pre + "petale", true);
  tHasard h{variante ? 404u : 303u};
  const int feuilles = variante ? 5 : 6;
  for (int i = 0; i < feuilles; i++) {
    const float a = 2 * PI * (float(i) + h.entre(-0.2f, 0.2f)) / float(feuilles);
    fronde(vert, CVector3(0, 0.1f, 0), horizontal(a), h.entre(5.5f, 7.f), h.entre(1.5f, 2.5f), 0.9f, 1.3f, 0.3f);
  }
  const int tiges = variante ? 2 : 3;
  for (int i = 0; i < tiges; i++) {
    const float a = 2 * PI * float(i) / float(tiges) + (variante ? 0.8f : 0.3f);
    const CVector3 d = horizontal(a);
    const float haut = variante ? h.entre(12.f, 13.f) : h.entre(9.5f, 11.5f);
    const float loin = variante ? 6.f : 4.f;
    std::vector<CVector3> chemin;
    std::vector<float> rayons;
    for (int k = 0; k <= 6; k++) {
      const float t = float(k) / 6.f;
      chemin.push_back(d * (loin * t * t) + CVector3(0, haut * std::sin(t * PI * 0.5f), 0));
      rayons.push_back(0.16f - 0.08f * t);
    }
    formes::tube(vert, chemin, rayons, 5, false, true);
    const int nb = variante ? 6 : 4;
    for (int k = 0; k < nb; k++) {
      const float t = 0.55f + 0.45f * float(k) / float(nb - 1);
      const CVector3 c = d * (loin * t * t) + CVector3(0, haut * std::sin(t * PI * 0.5f) - 0.6f, 0);
      const CVector3 face = d + horizontal(a + PI / 2) * (k % 2 ? 0.6f : -0.6f) + CVector3(0, 0.2f, 0);
      fleur(fleurs, c, face, 5, variante ? 1.3f : 1.6f, h.entre(0, 1));
    }
  }
}

void construit_palmier(CMaillage& m) {
  m.materiau("P_stipe", 255, 255, 255, TEX_ECORCE);
  m.materiau("P_palme", 255, 255, 255, TEX_PALME);
  m.objets.reserve(2);
  tObjetMaillage& stipe = m.objet("stipe", "P_stipe", true);
  tObjetMaillage& palmes = m.objet("palmes", "P_palme", true);
  std::vector<CVector3> chemin;
  std::vector<float> rayons;
  for (int k = 0; k <= 8; k++) {
    const float t = float(k) / 8.f;
    chemin.push_back(CVector3(3.5f * t * t, -0.2f + 21.f * t, 0));
    rayons.push_back(1.05f - 0.4f * t);
  }
  formes::tube(stipe, chemin, rayons, 9, false, true);
  const CVector3 sommet = chemin.back();
  for (int i = 0; i < 3; i++) {
    const CVector3 d = horizontal(2 * PI * float(i) / 3.f);
    formes::sphere(stipe, sommet + d * 0.75f + CVector3(0, -0.7f, 0), CVector3(0.55f, 0.6f, 0.55f), 7, 5);
  }
  tHasard h{808u};
  for (int i = 0; i < 9; i++) {
    const float a = 2 * PI * (float(i) + h.entre(-0.25f, 0.25f)) / 9.f;
    const float longueur = h.entre(9.f, 11.f);
    fronde(palmes, sommet + CVector3(0, 0.3f, 0), horizontal(a), longueur, h.entre(2.f, 3.f), 1.6f, 1.6f, 0.35f, 9);
  }
}

void construit_clochettes(CMaillage& m) {
  m.materiau("C_tige", 60, 120, 50);
  m.materiau("C_fleur", 255, 255, 255, TEX_PETALE_MAUVE);
  m.objets.reserve(2);
  tObjetMaillage& vert = m.objet("tiges", "C_tige");
  tObjetMaillage& fleurs = m.objet("clochettes", "C_fleur", true);
  tHasard h{99u};
  for (int i = 0; i < 4; i++) {
    const float a = 2 * PI * float(i) / 4.f + 0.3f;
    fronde(vert, CVector3(0, 0.05f, 0), horizontal(a), h.entre(2.5f, 3.2f), h.entre(0.6f, 0.9f), 0.9f, 0.45f, 0.3f, 6);
  }
  for (int i = 0; i < 5; i++) {
    const float a = 2 * PI * float(i) / 5.f;
    const CVector3 d = horizontal(a);
    const float haut = h.entre(3.6f, 4.4f);
    std::vector<CVector3> chemin;
    std::vector<float> rayons;
    for (int k = 0; k <= 5; k++) {
      const float t = float(k) / 5.f;
      chemin.push_back(d * (2.6f * t * t) + CVector3(0, haut * std::sin(t * PI * 0.6f) / std::sin(PI * 0.6f), 0));
      rayons.push_back(0.07f);
    }
    formes::tube(vert, chemin, rayons, 4, false, true);
    for (int k = 0; k < 3; k++) {
      const CVector3 accroche = chemin[2 + k] + CVector3(0, -0.1f, 0);
      const float s = 0.9f - 0.15f * float(k);
      std::vector<formes::Anneau> anneaux;
      const float prof[4][2] = {{0.0f, 0.06f}, {0.25f, 0.22f}, {0.6f, 0.3f}, {0.85f, 0.42f}};
      for (const auto& pr : prof)
        anneaux.push_back(formes::anneau(accroche + CVector3(0, -pr[0] * s, 0), CVector3(0, -1, 0), pr[1] * s, pr[1] * s, 8));
      formes::relie(fleurs, anneaux, true, true);
    }
  }
}
