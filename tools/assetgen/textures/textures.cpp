// The texture library's table (name, size, recipe) and the writing of the JPEG files.
#include "assetgen/textures/textures.h"

#include <filesystem>
#include <functional>

#include "assetgen/textures/jpeg.h"
#include "assetgen/textures/recettes.h"
#include "common/fichier.h"

namespace {

constexpr int QUALITE_JPEG = 90;

struct tEntree {
  tTextureConnue texture;
  std::function<void(tImage&)> recette;
};

const std::vector<tEntree>& entrees() {
  static const std::vector<tEntree> table = [] {
    using namespace recettes;
    std::vector<tEntree> t = {
        {{TEX_ROUTE, 512, true}, [](tImage& i) { route(i, false); }},
        {{TEX_ROUTE_LIGNES, 512, true}, [](tImage& i) { route(i, true); }},
        {{TEX_BORDURE, 256, true}, bordure},
        {{TEX_HERBE, 256, true}, herbe},
        {{TEX_ROCHE, 256, true}, roche},
        {{TEX_SABLE, 256, true}, sable},
        {{TEX_BETON, 256, true}, beton},
        {{TEX_METAL, 256, true}, metal},
        {{TEX_ECORCE, 256, true}, ecorce},
        {{TEX_FOUGERE, 256, false}, fougere},
        {{TEX_PALME, 256, false}, palme},
        {{TEX_BRINS, 256, false}, brins},
        {{TEX_PETALE_ROSE, 256, false}, [](tImage& i) { petale(i, rgb8(230, 110, 170), 141); }},
        {{TEX_PETALE_MAUVE, 256, false}, [](tImage& i) { petale(i, rgb8(150, 100, 210), 142); }},
    };
    for (int n = 1; n <= 6; n++) t.push_back({{texture_livree(n), 256, false}, [n](tImage& i) { livree(i, n); }});
    t.push_back({{TEX_LUEUR_BLEUE, 256, true}, [](tImage& i) { lueur(i, rgb8(60, 140, 255), 151); }});
    t.push_back({{TEX_LUEUR_VERTE, 256, true}, [](tImage& i) { lueur(i, rgb8(60, 230, 90), 152); }});
    t.push_back({{TEX_LUEUR_ROUGE, 256, true}, [](tImage& i) { lueur(i, rgb8(255, 50, 40), 153); }});
    t.push_back({{TEX_LUEUR_JAUNE, 256, true}, [](tImage& i) { lueur(i, rgb8(255, 210, 40), 154); }});
    t.push_back({{TEX_ANNEAU, 256, true}, anneau});
    t.push_back({{TEX_EXPLOSION, 256, true}, explosion});
    return t;
  }();
  return table;
}

}  // namespace

std::string texture_livree(int vaisseau) {
  if (vaisseau < 1 || vaisseau > 6) return std::string();
  return "livree" + std::to_string(vaisseau) + ".jpg";
}

const std::vector<tTextureConnue>& textures_connues() {
  static const std::vector<tTextureConnue> liste = [] {
    std::vector<tTextureConnue> l;
    for (const tEntree& e : entrees()) l.push_back(e.texture);
    return l;
  }();
  return liste;
}

bool dessine_texture(const std::string& nom, tImage* image) {
  for (const tEntree& e : entrees()) {
    if (e.texture.nom != nom) continue;
    *image = tImage(e.texture.taille, e.texture.taille);
    e.recette(*image);
    return true;
  }
  return false;
}

bool genere_texture(const std::string& dossier, const std::string& nom, std::string* erreur) {
  tImage image;
  if (!dessine_texture(nom, &image)) {
    if (erreur) *erreur = "unknown texture " + nom;
    return false;
  }
  std::vector<uint8_t> octets;
  if (!encode_jpeg(image, QUALITE_JPEG, &octets, erreur)) return false;
  const std::filesystem::path rep = std::filesystem::path(dossier) / "maps";
  std::error_code ec;
  std::filesystem::create_directories(rep, ec);
  if (ec) {
    if (erreur) *erreur = "cannot create " + rep.string() + ": " + ec.message();
    return false;
  }
  const std::string chemin = (rep / nom).string();
  if (!ecrit_fichier_atomique(chemin, octets.data(), octets.size())) {
    if (erreur) *erreur = "cannot write " + chemin;
    return false;
  }
  return true;
}

bool genere_textures(const std::string& dossier, std::string* erreur) {
  for (const tTextureConnue& t : textures_connues()) {
    if (!genere_texture(dossier, t.nom, erreur)) return false;
  }
  return true;
}
