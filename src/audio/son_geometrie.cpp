// Occlusion geometry of the sound layer: polygons with direct and reverb occlusion, a bounding
// volume tree over them, and the listener-to-source ray test run on each update.
#include <algorithm>
#include <cmath>

#include "audio/son_interne.h"

namespace son_detail {

namespace {

constexpr int FEUILLE_MAX = 4;

Vec moins(const Vec& a, const Vec& b) { return Vec{a.x - b.x, a.y - b.y, a.z - b.z}; }
float scal(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec vect(const Vec& a, const Vec& b) {
  return Vec{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float axe(const Vec& v, int k) { return k == 0 ? v.x : k == 1 ? v.y : v.z; }

int construit(Geometrie& g, int debut, int nb) {
  Geometrie::Noeud n;
  n.bmin = g.polygones[static_cast<size_t>(g.ordre[static_cast<size_t>(debut)])].bmin;
  n.bmax = g.polygones[static_cast<size_t>(g.ordre[static_cast<size_t>(debut)])].bmax;
  for (int i = debut; i < debut + nb; ++i) {
    const Polygone& p = g.polygones[static_cast<size_t>(g.ordre[static_cast<size_t>(i)])];
    n.bmin = Vec{std::min(n.bmin.x, p.bmin.x), std::min(n.bmin.y, p.bmin.y), std::min(n.bmin.z, p.bmin.z)};
    n.bmax = Vec{std::max(n.bmax.x, p.bmax.x), std::max(n.bmax.y, p.bmax.y), std::max(n.bmax.z, p.bmax.z)};
  }
  const int index = static_cast<int>(g.arbre.size());
  g.arbre.push_back(n);
  if (nb <= FEUILLE_MAX) {
    g.arbre[static_cast<size_t>(index)].debut = debut;
    g.arbre[static_cast<size_t>(index)].nb = nb;
    return index;
  }
  const Vec ext = moins(n.bmax, n.bmin);
  const int k = ext.x >= ext.y && ext.x >= ext.z ? 0 : ext.y >= ext.z ? 1 : 2;
  auto centre = [&](int i) {
    const Polygone& p = g.polygones[static_cast<size_t>(i)];
    return axe(p.bmin, k) + axe(p.bmax, k);
  };
  auto premier = g.ordre.begin() + debut;
  std::nth_element(premier, premier + nb / 2, premier + nb, [&](int a, int b) { return centre(a) < centre(b); });
  const int gauche = construit(g, debut, nb / 2);
  const int droite = construit(g, debut + nb / 2, nb - nb / 2);
  g.arbre[static_cast<size_t>(index)].gauche = gauche;
  g.arbre[static_cast<size_t>(index)].droite = droite;
  return index;
}

void reconstruit(Geometrie& g) {
  g.arbre.clear();
  g.ordre.resize(g.polygones.size());
  for (size_t i = 0; i < g.ordre.size(); ++i) g.ordre[i] = static_cast<int>(i);
  if (!g.polygones.empty()) construit(g, 0, static_cast<int>(g.polygones.size()));
  g.arbre_sale = false;
}

// Segment a + t*(b - a), t in [0, 1], against a box (slab test). `inv` holds 1/d per axis, kept
// finite (see inverse) so that no product gives a NaN.
bool coupe_boite(const Vec& a, const Vec& inv, const Vec& bmin, const Vec& bmax) {
  const float x1 = (bmin.x - a.x) * inv.x, x2 = (bmax.x - a.x) * inv.x;
  const float y1 = (bmin.y - a.y) * inv.y, y2 = (bmax.y - a.y) * inv.y;
  const float z1 = (bmin.z - a.z) * inv.z, z2 = (bmax.z - a.z) * inv.z;
  const float t0 = std::max(std::max(0.0f, std::min(x1, x2)), std::max(std::min(y1, y2), std::min(z1, z2)));
  const float t1 = std::min(std::min(1.0f, std::max(x1, x2)), std::min(std::max(y1, y2), std::max(z1, z2)));
  return t0 <= t1;
}

float inverse(float d) {
  constexpr float GRAND = 1e30f;
  if (std::fabs(d) < 1.0f / GRAND) return d < 0.0f ? -GRAND : GRAND;
  return 1.0f / d;
}

bool coupe_polygone(const Polygone& p, const Vec& a, const Vec& b) {
  const float sa = scal(p.normale, a) - p.d, sb = scal(p.normale, b) - p.d;
  if ((sa > 0.0f && sb > 0.0f) || (sa < 0.0f && sb < 0.0f) || sa == sb) return false;
  // A one-sided wall stops only the sound whose source stands on its front side.
  if (!p.double_face && !(sb > 0.0f)) return false;
  const float t = sa / (sa - sb);
  const Vec x{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
  const size_t n = p.sommets.size();
  for (size_t i = 0; i < n; ++i) {
    const Vec& v = p.sommets[i];
    const Vec& w = p.sommets[(i + 1) % n];
    if (scal(vect(moins(w, v), moins(x, v)), p.normale) < -1e-6f * scal(p.normale, p.normale)) return false;
  }
  return true;
}

Geometrie* geometrie_de(HGeometrie h, Systeme** sys = nullptr) {
  Systeme* s = systeme_actif();
  if (!s) return nullptr;
  if (sys) *sys = s;
  return trouve(s->geometries, h.index, h.serie);
}

}  // namespace

void occlusion(Systeme& s, const Vec& a, const Vec& b, float* directe, float* reverb) {
  float gd = 1.0f, gr = 1.0f;
  const Vec d = moins(b, a);
  const Vec inv{inverse(d.x), inverse(d.y), inverse(d.z)};
  int pile[64];
  for (Geometrie& g : s.geometries) {
    if (!g.serie || g.polygones.empty()) continue;
    if (g.arbre_sale) reconstruit(g);
    int haut = 0;
    pile[haut++] = 0;
    while (haut > 0) {
      const Geometrie::Noeud& n = g.arbre[static_cast<size_t>(pile[--haut])];
      if (!coupe_boite(a, inv, n.bmin, n.bmax)) continue;
      if (n.gauche < 0) {
        for (int i = n.debut; i < n.debut + n.nb; ++i) {
          const Polygone& p = g.polygones[static_cast<size_t>(g.ordre[static_cast<size_t>(i)])];
          if (!coupe_polygone(p, a, b)) continue;
          gd *= 1.0f - p.directe;
          gr *= 1.0f - p.reverb;
        }
      } else if (haut + 2 <= 64) {
        pile[haut++] = n.gauche;
        pile[haut++] = n.droite;
      }
    }
  }
  *directe = gd;
  *reverb = gr;
}

}  // namespace son_detail

using namespace son_detail;

int son_geometrie_cree(HSysteme h, int max_polygones, int max_sommets, HGeometrie* out) {
  if (!out) return SON_ERR_PARAMETRE;
  *out = HGeometrie{};
  std::lock_guard<std::mutex> l(son_verrou());
  Systeme* s = systeme(h);
  if (!s) return SON_ERR_HANDLE_INVALIDE;
  if (!s->initialise) return SON_ERR_NON_INITIALISE;
  if (max_polygones < 0 || max_sommets < 0 || max_polygones > 1000000 || max_sommets > 4000000)
    return SON_ERR_PARAMETRE;
  uint32_t i = place_libre(s->geometries);
  Geometrie& g = s->geometries[i];
  g = Geometrie{};
  g.max_polygones = max_polygones;
  g.max_sommets = max_sommets;
  g.polygones.reserve(static_cast<size_t>(std::min(max_polygones, 4096)));
  g.serie = nouvelle_serie();
  *out = HGeometrie{i, g.serie};
  return SON_OK;
}

int son_geometrie_ajoute_polygone(HGeometrie h, float occlusion_directe, float occlusion_reverb, bool double_face,
                                  int nb_sommets, const SonVecteur* sommets, int* index) {
  std::lock_guard<std::mutex> l(son_verrou());
  Geometrie* g = geometrie_de(h);
  if (!g) return SON_ERR_HANDLE_INVALIDE;
  if (!sommets || nb_sommets < 3 || !std::isfinite(occlusion_directe) || !std::isfinite(occlusion_reverb))
    return SON_ERR_PARAMETRE;
  if (static_cast<int>(g->polygones.size()) >= g->max_polygones || nb_sommets > g->max_sommets - g->nb_sommets)
    return SON_ERR_PLUS_DE_PLACE;
  Polygone p;
  p.directe = std::fmax(0.0f, std::fmin(1.0f, occlusion_directe));
  p.reverb = std::fmax(0.0f, std::fmin(1.0f, occlusion_reverb));
  p.double_face = double_face;
  for (int i = 0; i < nb_sommets; ++i) {
    const SonVecteur& v = sommets[i];
    if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) return SON_ERR_PARAMETRE;
    p.sommets.push_back(depuis_api(v));
  }
  // Newell's normal: sound for any planar polygon, whatever vertex the winding starts on.
  Vec n{};
  for (size_t i = 0; i < p.sommets.size(); ++i) {
    const Vec& a = p.sommets[i];
    const Vec& b = p.sommets[(i + 1) % p.sommets.size()];
    n.x += (a.y - b.y) * (a.z + b.z);
    n.y += (a.z - b.z) * (a.x + b.x);
    n.z += (a.x - b.x) * (a.y + b.y);
  }
  if (scal(n, n) < 1e-12f) return SON_ERR_PARAMETRE;  // no area
  p.normale = n;
  p.d = scal(n, p.sommets[0]);
  p.bmin = p.bmax = p.sommets[0];
  for (const Vec& v : p.sommets) {
    p.bmin = Vec{std::min(p.bmin.x, v.x), std::min(p.bmin.y, v.y), std::min(p.bmin.z, v.z)};
    p.bmax = Vec{std::max(p.bmax.x, v.x), std::max(p.bmax.y, v.y), std::max(p.bmax.z, v.z)};
  }
  g->polygones.push_back(std::move(p));
  g->nb_sommets += nb_sommets;
  g->arbre_sale = true;
  if (index) *index = static_cast<int>(g->polygones.size() - 1);
  return SON_OK;
}

int son_geometrie_libere(HGeometrie h) {
  std::lock_guard<std::mutex> l(son_verrou());
  Geometrie* g = geometrie_de(h);
  if (!g) return SON_ERR_HANDLE_INVALIDE;
  *g = Geometrie{};
  return SON_OK;
}
