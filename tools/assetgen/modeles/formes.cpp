// Shape builders for the generated models.
#include "assetgen/modeles/formes.h"

#include <algorithm>
#include <cmath>

namespace formes {

namespace {

constexpr float PI = 3.14159265358979f;

CVector3 unitaire(CVector3 v) {
  const float m = Magnitude(v);
  return m > 1e-12f ? v / m : CVector3(0, 1, 0);
}

CVector3 centre_de(const std::vector<CVector3>& pts) {
  CVector3 c(0, 0, 0);
  for (const CVector3& p : pts) c += p;
  return pts.empty() ? c : c / static_cast<float>(pts.size());
}

// A horizontal axis across `d`, so that (h, d x h, d) is right-handed.
CVector3 axe_travers(CVector3 d) {
  const CVector3 h = Cross(CVector3(0, 1, 0), d);
  if (Magnitude(h) > 1e-3f) return unitaire(h);
  return unitaire(Cross(d, CVector3(0, 0, 1)));
}

float puissance_signee(float x, float e) { return x < 0 ? -std::pow(-x, e) : std::pow(x, e); }

}  // namespace

void face_vers(tObjetMaillage& o, int a, int b, int c, CVector3 dehors) {
  const CVector3 n = Cross(o.sommets[b] - o.sommets[a], o.sommets[c] - o.sommets[a]);
  if (Magnitude(n) < 1e-7f) return;  // a sliver has no normal: leave it out
  if (Dot(n, dehors) < 0) std::swap(b, c);
  CMaillage::face(o, a, b, c);
}

void relie(tObjetMaillage& o, const std::vector<Anneau>& anneaux, bool ferme_debut, bool ferme_fin,
           const std::vector<float>& v) {
  const size_t m = anneaux.size();
  if (m < 2 || anneaux[0].size() < 3) return;
  const size_t n = anneaux[0].size();
  auto v_de = [&](size_t i) { return i < v.size() ? v[i] : float(i) / float(m - 1); };
  const int base = static_cast<int>(o.sommets.size());
  for (size_t i = 0; i < m; i++) {
    for (size_t k = 0; k <= n; k++) CMaillage::sommet(o, anneaux[i][k % n], float(k) / float(n), v_de(i));
  }
  auto idx = [&](size_t i, size_t k) { return base + static_cast<int>(i * (n + 1) + k); };
  for (size_t i = 0; i + 1 < m; i++) {
    for (size_t k = 0; k < n; k++) {
      const int a = idx(i, k), b = idx(i, k + 1), c = idx(i + 1, k + 1), d = idx(i + 1, k);
      if (Magnitude(Cross(o.sommets[b] - o.sommets[a], o.sommets[c] - o.sommets[a])) > 1e-7f)
        CMaillage::face(o, a, b, c);
      if (Magnitude(Cross(o.sommets[c] - o.sommets[a], o.sommets[d] - o.sommets[a])) > 1e-7f)
        CMaillage::face(o, a, c, d);
    }
  }
  auto bouchon = [&](const Anneau& r, CVector3 dehors, float vv) {
    const int c = CMaillage::sommet(o, centre_de(r), 0.5f, vv);
    const int premier = static_cast<int>(o.sommets.size());
    for (const CVector3& p : r) CMaillage::sommet(o, p, 0.5f, vv);
    for (size_t k = 0; k < n; k++)
      face_vers(o, c, premier + static_cast<int>(k), premier + static_cast<int>((k + 1) % n), dehors);
  };
  if (ferme_debut) bouchon(anneaux[0], centre_de(anneaux[0]) - centre_de(anneaux[1]), v_de(0));
  if (ferme_fin) bouchon(anneaux[m - 1], centre_de(anneaux[m - 1]) - centre_de(anneaux[m - 2]), v_de(m - 1));
}

Anneau anneau(CVector3 centre, CVector3 direction, float rx, float ry, int n, float e) {
  const CVector3 d = unitaire(direction);
  const CVector3 h = axe_travers(d);
  const CVector3 b = Cross(d, h);
  Anneau r;
  for (int k = 0; k < n; k++) {
    const float t = 2 * PI * float(k) / float(n);
    const float x = rx * puissance_signee(std::cos(t), 2.f / e);
    const float y = ry * puissance_signee(std::sin(t), 2.f / e);
    r.push_back(centre + h * x + b * y);
  }
  return r;
}

void tube(tObjetMaillage& o, const std::vector<CVector3>& chemin, const std::vector<float>& rayons, int cotes,
          bool ferme_debut, bool ferme_fin) {
  const size_t m = chemin.size();
  if (m < 2 || rayons.size() < m) return;
  std::vector<Anneau> anneaux;
  std::vector<float> v;
  CVector3 h(0, 0, 0);
  float longueur = 0;
  for (size_t i = 0; i < m; i++) {
    const CVector3 d = unitaire(chemin[std::min(i + 1, m - 1)] - chemin[i > 0 ? i - 1 : 0]);
    // Carry the frame along the path so that bends do not twist the skin.
    h = i == 0 ? axe_travers(d) : unitaire(h - d * Dot(h, d));
    const CVector3 b = Cross(d, h);
    Anneau r;
    for (int k = 0; k < cotes; k++) {
      const float t = 2 * PI * float(k) / float(cotes);
      r.push_back(chemin[i] + h * (rayons[i] * std::cos(t)) + b * (rayons[i] * std::sin(t)));
    }
    if (i > 0) longueur += Distance(chemin[i], chemin[i - 1]);
    anneaux.push_back(r);
    v.push_back(longueur);
  }
  for (float& x : v) x = longueur > 0 ? x / longueur : 0;
  relie(o, anneaux, ferme_debut, ferme_fin, v);
}

void prisme(tObjetMaillage& o, const std::vector<CVector3>& a, const std::vector<CVector3>& b) {
  const size_t n = a.size();
  if (n < 3 || b.size() != n) return;
  std::vector<CVector3> tout(a);
  tout.insert(tout.end(), b.begin(), b.end());
  const CVector3 c = centre_de(tout);
  auto cote_plat = [&](const std::vector<CVector3>& f) {
    const int premier = static_cast<int>(o.sommets.size());
    for (const CVector3& p : f) CMaillage::sommet(o, p);
    const CVector3 dehors = centre_de(f) - c;
    for (size_t k = 1; k + 1 < n; k++)
      face_vers(o, premier, premier + static_cast<int>(k), premier + static_cast<int>(k + 1), dehors);
  };
  cote_plat(a);
  cote_plat(b);
  for (size_t k = 0; k < n; k++) {
    const size_t s = (k + 1) % n;
    const int i = static_cast<int>(o.sommets.size());
    CMaillage::sommet(o, a[k], 0, 0);
    CMaillage::sommet(o, a[s], 1, 0);
    CMaillage::sommet(o, b[s], 1, 1);
    CMaillage::sommet(o, b[k], 0, 1);
    const CVector3 dehors = (a[k] + a[s] + b[s] + b[k]) / 4.f - c;
    face_vers(o, i, i + 1, i + 2, dehors);
    face_vers(o, i, i + 2, i + 3, dehors);
  }
}

void sphere(tObjetMaillage& o, CVector3 centre, CVector3 r, int tranches, int etages, float bas) {
  const int base = static_cast<int>(o.sommets.size());
  for (int j = 0; j <= etages; j++) {
    const float phi = PI * bas * float(j) / float(etages);
    for (int k = 0; k <= tranches; k++) {
      const float t = 2 * PI * float(k) / float(tranches);
      const CVector3 p(centre.x + r.x * std::sin(phi) * std::cos(t), centre.y + r.y * std::cos(phi),
                       centre.z - r.z * std::sin(phi) * std::sin(t));
      CMaillage::sommet(o, p, float(k) / float(tranches), float(j) / float(etages));
    }
  }
  auto idx = [&](int j, int k) { return base + j * (tranches + 1) + k; };
  for (int j = 0; j < etages; j++) {
    for (int k = 0; k < tranches; k++) {
      const int a = idx(j, k), b = idx(j, k + 1), c = idx(j + 1, k + 1), d = idx(j + 1, k);
      const CVector3 m = (o.sommets[a] + o.sommets[b] + o.sommets[c] + o.sommets[d]) / 4.f - centre;
      face_vers(o, a, b, c, m);
      face_vers(o, a, c, d, m);
    }
  }
  if (bas < 0.999f) {
    const int c = CMaillage::sommet(o, CVector3(centre.x, centre.y + r.y * std::cos(PI * bas), centre.z), 0.5f, 1);
    const int premier = static_cast<int>(o.sommets.size());
    for (int k = 0; k < tranches; k++) CMaillage::sommet(o, o.sommets[idx(etages, k)], 0.5f, 1);
    for (int k = 0; k < tranches; k++) face_vers(o, c, premier + k, premier + (k + 1) % tranches, CVector3(0, -1, 0));
  }
}

void feuille(tObjetMaillage& o, const std::vector<CVector3>& chemin, const std::vector<float>& largeurs,
             CVector3 cote, float pli) {
  const size_t m = chemin.size();
  if (m < 2 || largeurs.size() < m) return;
  const CVector3 travers = unitaire(cote);
  for (int face_arriere = 0; face_arriere < 2; face_arriere++) {
    const int base = static_cast<int>(o.sommets.size());
    std::vector<CVector3> normales;
    for (size_t i = 0; i < m; i++) {
      const CVector3 t = unitaire(chemin[std::min(i + 1, m - 1)] - chemin[i > 0 ? i - 1 : 0]);
      const CVector3 n = unitaire(Cross(t, travers));
      normales.push_back(n);
      const float w = std::max(largeurs[i], 0.01f);
      const float v = 1.f - float(i) / float(m - 1);
      CMaillage::sommet(o, chemin[i] - travers * w, 0.f, v);
      CMaillage::sommet(o, chemin[i] + n * (pli * w), 0.5f, v);
      CMaillage::sommet(o, chemin[i] + travers * w, 1.f, v);
    }
    for (size_t i = 0; i + 1 < m; i++) {
      const CVector3 dehors = (normales[i] + normales[i + 1]) * (face_arriere ? -1.f : 1.f);
      for (int k = 0; k < 2; k++) {
        const int a = base + static_cast<int>(3 * i) + k, b = a + 1, c = a + 4, d = a + 3;
        face_vers(o, a, b, c, dehors);
        face_vers(o, a, c, d, dehors);
      }
    }
  }
}

void miroir_x(tObjetMaillage& o, size_t premier_sommet, size_t premiere_face) {
  const size_t ns = o.sommets.size(), nf = o.faces.size();
  const int decalage = static_cast<int>(ns - premier_sommet);
  for (size_t i = premier_sommet; i < ns; i++) {
    const CVector3 p = o.sommets[i];
    o.sommets.push_back(CVector3(-p.x, p.y, p.z));
    if (o.avec_uv) o.uv.push_back(o.uv[i]);
  }
  for (size_t f = premiere_face; f < nf; f++) {
    const auto t = o.faces[f];
    o.faces.push_back({t[0] + decalage, t[2] + decalage, t[1] + decalage});
  }
}

void projette_uv(tObjetMaillage& o, const std::function<tTexCoord(const CVector3&)>& f) {
  if (!o.avec_uv) return;
  o.uv.resize(o.sommets.size());
  for (size_t i = 0; i < o.sommets.size(); i++) o.uv[i] = f(o.sommets[i]);
}

void boite_englobante(const tObjetMaillage& o, CVector3* mn, CVector3* mx) {
  *mn = CVector3(1e30f, 1e30f, 1e30f);
  *mx = CVector3(-1e30f, -1e30f, -1e30f);
  for (const CVector3& p : o.sommets) {
    mn->x = std::min(mn->x, p.x), mn->y = std::min(mn->y, p.y), mn->z = std::min(mn->z, p.z);
    mx->x = std::max(mx->x, p.x), mx->y = std::max(mx->y, p.y), mx->z = std::max(mx->z, p.z);
  }
}

}  // namespace formes
