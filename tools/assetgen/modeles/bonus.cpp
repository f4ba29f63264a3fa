// Bonus models: the glowing ring, the three pick-ups (an icon of what they give inside the ring),
// the dropped mine, the missile and the explosion sphere. Objects whose names start with 'A' are
// drawn glowing (additive); the game draws a model's objects from the last to the first, so the
// glowing ones come first and land on top of the solid icon.
#include <cmath>

#include "assetgen/modeles/formes.h"
#include "assetgen/modeles/interne.h"
#include "assetgen/textures/textures.h"

namespace {

constexpr float PI = 3.14159265358979f;
constexpr float HAUTEUR_ANNEAU = 2.9f;  // pick-ups float with their ring's centre here

// A torus standing in the xy plane (the pick-up spins about y), the ring texture's bright core
// running along the outside of the band.
void tore(tObjetMaillage& o, CVector3 centre, float grand, float petit, int segments, int cotes) {
  std::vector<formes::Anneau> anneaux;
  for (int i = 0; i <= segments; i++) {
    const float t = 2 * PI * float(i % segments) / float(segments);
    const CVector3 radial(std::cos(t), std::sin(t), 0);
    formes::Anneau r;
    for (int k = 0; k < cotes; k++) {
      const float p = 2 * PI * float(k) / float(cotes);
      r.push_back(centre + radial * (grand + petit * std::cos(p)) + CVector3(0, 0, -petit * std::sin(p)));
    }
    anneaux.push_back(r);
  }
  const size_t premier = o.sommets.size();
  formes::relie(o, anneaux, false, false);
  for (size_t i = premier; i < o.uv.size(); i++) {
    const tTexCoord t = o.uv[i];
    o.uv[i] = tTexCoord{t.v * 6.f, t.u < 0.5f ? 0.5f - t.u : t.u - 0.5f};
  }
}

void anneau_lumineux(CMaillage& m, const std::string& pre) {
  m.materiau(pre + "anneau", 255, 255, 255, TEX_ANNEAU);
  tore(m.objet("Aanneau", pre + "anneau", true), CVector3(0, HAUTEUR_ANNEAU, 0), 2.3f, 0.3f, 28, 8);
}

// A flat piece standing in the ring's plane: outline in (x, y), `epaisseur` thick along z.
void piece_plate(tObjetMaillage& o, const std::vector<std::pair<float, float>>& xy, float epaisseur, CVector3 decale) {
  std::vector<CVector3> a, b;
  for (const auto& p : xy) {
    a.push_back(decale + CVector3(p.first, p.second, epaisseur / 2));
    b.push_back(decale + CVector3(p.first, p.second, -epaisseur / 2));
  }
  formes::prisme(o, a, b);
}

// Spikes pointing out of a sphere, as short closed cones.
void pointes(tObjetMaillage& o, CVector3 centre, float rayon, float longueur, float base, bool dessus) {
  std::vector<CVector3> dirs;
  for (int k = 0; k < 6; k++) dirs.push_back(CVector3(std::cos(PI * k / 3.f), 0.25f * (k % 2 ? 1.f : -1.f), std::sin(PI * k / 3.f)));
  if (dessus) dirs.push_back(CVector3(0, 1, 0));
  for (CVector3 d : dirs) {
    d = Normalize(d);
    formes::tube(o, {centre + d * (rayon * 0.8f), centre + d * (rayon + longueur * 0.6f), centre + d * (rayon + longueur)},
                 {base, base * 0.5f, 0.03f}, 6, false, true);
  }
}

// A missile along `axe` from `queue`: body, nose cone and four fins.
void fusee(tObjetMaillage& corps, tObjetMaillage& ailerons, CVector3 queue, CVector3 axe, float longueur, float rayon) {
  const CVector3 d = Normalize(axe);
  formes::tube(corps, {queue, queue + d * (longueur * 0.7f), queue + d * (longueur * 0.88f), queue + d * longueur},
               {rayon * 0.85f, rayon, rayon * 0.7f, 0.04f}, 10, true, true);
  CVector3 a = Cross(d, CVector3(0, 1, 0));
  if (Magnitude(a) < 1e-3f) a = CVector3(1, 0, 0);
  a = Normalize(a);
  const CVector3 b = Cross(d, a);
  const CVector3 cotes[4] = {a, b, a * -1.f, b * -1.f};
  for (int k = 0; k < 4; k++) {
    const CVector3 c = cotes[k], e = cotes[(k + 1) % 4] * (rayon * 0.08f);
    const std::vector<CVector3> bord = {queue + c * (rayon * 0.6f), queue + c * (rayon * 2.3f) - d * (longueur * 0.05f),
                                        queue + c * (rayon * 2.1f) + d * (longueur * 0.12f),
                                        queue + c * (rayon * 0.6f) + d * (longueur * 0.3f)};
    std::vector<CVector3> fa, fb;
    for (const CVector3& p : bord) {
      fa.push_back(p + e);
      fb.push_back(p - e);
    }
    formes::prisme(ailerons, fa, fb);
  }
}

}  // namespace

void construit_anneau(CMaillage& m) { anneau_lumineux(m, "BA_"); }

void construit_bonus_vitesse(CMaillage& m) {
  m.objets.reserve(2);
  anneau_lumineux(m, "BV_");
  m.materiau("BV_fleches", 255, 255, 255, TEX_LUEUR_JAUNE);
  tObjetMaillage& o = m.objet("fleches", "BV_fleches", true);
  // two chevrons pointing up: faster
  for (int i = 0; i < 2; i++) {
    const CVector3 c(0, HAUTEUR_ANNEAU - 0.95f + 1.0f * float(i), 0);
    piece_plate(o, {{-1.2f, -0.35f}, {-1.2f, 0.2f}, {0.f, 0.9f}, {0.f, 0.35f}}, 0.4f, c);
    piece_plate(o, {{0.f, 0.35f}, {0.f, 0.9f}, {1.2f, 0.2f}, {1.2f, -0.35f}}, 0.4f, c);
  }
  formes::projette_uv(o, [](const CVector3& p) { return tTexCoord{p.x * 0.4f, 0.5f + (p.y - HAUTEUR_ANNEAU) * 0.25f}; });
}

void construit_bonus_mine(CMaillage& m) {
  m.objets.reserve(3);
  anneau_lumineux(m, "BM_");
  m.materiau("BM_lueur", 255, 255, 255, TEX_LUEUR_ROUGE);
  m.materiau("BM_corps", 255, 255, 255, TEX_METAL);
  tObjetMaillage& lueur = m.objet("Alueur", "BM_lueur", true);
  tObjetMaillage& corps = m.objet("mine", "BM_corps", true);
  const CVector3 c(0, HAUTEUR_ANNEAU, 0);
  formes::sphere(lueur, c + CVector3(0, 0.85f, 0), CVector3(0.35f, 0.3f, 0.35f), 8, 4, 0.55f);
  formes::sphere(corps, c, CVector3(0.95f, 0.8f, 0.95f), 12, 8);
  pointes(corps, c, 0.85f, 0.7f, 0.2f, false);
}

void construit_bonus_missile(CMaillage& m) {
  m.objets.reserve(3);
  anneau_lumineux(m, "BR_");
  m.materiau("BR_corps", 235, 235, 240);
  m.materiau("BR_ailerons", 210, 40, 30);
  tObjetMaillage& corps = m.objet("fusee", "BR_corps");
  tObjetMaillage& ailerons = m.objet("ailerons", "BR_ailerons");
  // slanted inside the ring, nose up and forward
  fusee(corps, ailerons, CVector3(-1.0f, HAUTEUR_ANNEAU - 1.2f, 0), CVector3(0.75f, 1.3f, 0), 2.9f, 0.35f);
}

void construit_mine(CMaillage& m) {
  m.objets.reserve(2);
  m.materiau("M_lueur", 255, 255, 255, TEX_LUEUR_ROUGE);
  m.materiau("M_corps", 255, 255, 255, TEX_METAL);
  tObjetMaillage& lueur = m.objet("Afeu", "M_lueur", true);
  tObjetMaillage& corps = m.objet("corps", "M_corps", true);
  const CVector3 c(0, 1.35f, 0);
  formes::sphere(lueur, c + CVector3(0, 1.05f, 0), CVector3(0.45f, 0.45f, 0.45f), 10, 5, 0.55f);
  formes::sphere(corps, c, CVector3(2.1f, 1.25f, 2.1f), 16, 8);
  pointes(corps, c, 1.9f, 1.1f, 0.35f, false);
  formes::projette_uv(corps, [](const CVector3& p) { return tTexCoord{(p.x + p.z) * 0.25f, p.y * 0.25f}; });
}

void construit_missile(CMaillage& m) {
  m.objets.reserve(3);
  m.materiau("MI_flamme", 255, 255, 255, TEX_LUEUR_JAUNE);
  m.materiau("MI_corps", 235, 235, 240);
  m.materiau("MI_ailerons", 210, 40, 30);
  tObjetMaillage& flamme = m.objet("Aflamme", "MI_flamme", true);
  tObjetMaillage& corps = m.objet("corps", "MI_corps");
  tObjetMaillage& ailerons = m.objet("ailerons", "MI_ailerons");
  const float y = 1.3f;
  fusee(corps, ailerons, CVector3(0, y, -2.7f), CVector3(0, 0, 1), 5.6f, 0.5f);
  formes::tube(flamme, {CVector3(0, y, -2.65f), CVector3(0, y, -3.0f), CVector3(0, y, -3.15f)}, {0.4f, 0.3f, 0.05f}, 8,
               false, true);
}

void construit_explosion(CMaillage& m) {
  m.materiau("X_feu", 255, 255, 255, TEX_EXPLOSION);
  formes::sphere(m.objet("Aexplosion", "X_feu", true), CVector3(0, 0, 0), CVector3(1, 1, 1), 14, 8);
}
