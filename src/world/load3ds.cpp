// 3DS model loader: the chunk walk, the readers of each chunk kind, and the normals.
#include "world/load3ds.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "common/binio.h"
#include "common/fichier.h"

CLoad3DS g_Load3DS;

namespace {

constexpr uint16_t PRIMARY = 0x4D4D;
constexpr uint16_t VERSION = 0x0002;
constexpr uint16_t OBJECTINFO = 0x3D3D;
constexpr uint16_t MATERIAL = 0xAFFF;
constexpr uint16_t MATNAME = 0xA000;
constexpr uint16_t MATDIFFUSE = 0xA020;
constexpr uint16_t MATMAP = 0xA200;
constexpr uint16_t MATMAPFILE = 0xA300;
constexpr uint16_t OBJECT = 0x4000;
constexpr uint16_t OBJECT_MESH = 0x4100;
constexpr uint16_t OBJECT_VERTICES = 0x4110;
constexpr uint16_t OBJECT_FACES = 0x4120;
constexpr uint16_t OBJECT_MATERIAL = 0x4130;
constexpr uint16_t OBJECT_UV = 0x4140;

constexpr uint32_t TAILLE_ENTETE = 6;
constexpr size_t TAILLE_FICHIER_MAX = 64u << 20;

std::FILE* sortie_messages = stderr;

uint32_t reste_de(const tChunk* c) { return c->length - c->bytesRead; }

void rapporte(const std::string& texte) {
  if (sortie_messages && !texte.empty()) std::fprintf(sortie_messages, "%s\n", texte.c_str());
}

}  // namespace

const char* const AVERTISSEMENT_VERSION_3DS = "This 3DS file is over version 3 so it may load incorrectly Warning";

std::string message_import_3ds(tResultat3DS resultat, const char* chemin) {
  const char* modele = resultat == IMPORT_ABSENT    ? "Error : Unable to find the file: %s!"
                       : resultat == IMPORT_PAS_3DS ? "Error : Unable to load PRIMARY chunck from file: %s!"
                                                    : nullptr;
  if (!modele) return "";
  char texte[700];
  std::snprintf(texte, sizeof texte, modele, chemin ? chemin : "");
  return texte;
}

CLoad3DS::CLoad3DS() : file(nullptr), m_nom(""), m_faute(false), m_version(0) {}

void CLoad3DS::SortieMessages(std::FILE* sortie) { sortie_messages = sortie; }

tResultat3DS CLoad3DS::Import3DS(tMateriaux* table, t3DModel* model, const char* path) {
  std::vector<uint8_t> octets;
  if (!lit_fichier(path, octets, TAILLE_FICHIER_MAX)) {
    model->firstMaterial = model->endMaterial = table->materialCount;
    m_version = 0;
    rapporte(message_import_3ds(IMPORT_ABSENT, path));
    return IMPORT_ABSENT;
  }
  return Import3DSMemoire(table, model, octets.data(), octets.size(), path);
}

tResultat3DS CLoad3DS::Import3DSMemoire(tMateriaux* table, t3DModel* model, const void* data, size_t taille,
                                        const char* nom) {
  model->firstMaterial = table->materialCount;
  model->endMaterial = table->materialCount;
  Lecteur lecteur(data, taille);
  file = &lecteur;
  m_nom = nom ? nom : "";
  m_faute = false;
  m_version = 0;

  tChunk primaire;
  if (!ReadChunk(&primaire) || primaire.id != PRIMARY) {
    rapporte(message_import_3ds(IMPORT_PAS_3DS, m_nom));
    CleanUp();
    return IMPORT_PAS_3DS;
  }
  if (primaire.length < TAILLE_ENTETE || primaire.length > taille) {
    Faute("primary chunk length does not match the file");
  } else {
    ProcessNextChunk(table, model, &primaire, 0);
  }
  Verifie(model);
  ComputeNormals(model);
  model->objectCount = static_cast<int>(model->objects.size());
  model->endMaterial = table->materialCount;
  const tResultat3DS resultat = m_faute ? IMPORT_CORROMPU : IMPORT_OK;
  CleanUp();
  return resultat;
}

void CLoad3DS::CleanUp() {
  file = nullptr;
  m_nom = "";
}

void CLoad3DS::Faute(const char* quoi) {
  if (!m_faute && sortie_messages) {
    std::fprintf(sortie_messages, "3DS file %s: %s (byte %zu); the rest of the file is ignored\n", m_nom, quoi,
                 file ? file->position() : size_t(0));
  }
  m_faute = true;
}

bool CLoad3DS::ReadChunk(tChunk* chunk) {
  chunk->bytesRead = 0;
  if (!file->u16(chunk->id) || !file->u32(chunk->length)) return false;
  chunk->bytesRead = TAILLE_ENTETE;
  return true;
}

// A child's header must fit in what its parent has left, and its length must cover at least the
// header and no more than that.
bool CLoad3DS::ChildFits(const tChunk* parent, tChunk* child) {
  const uint32_t reste = reste_de(parent);
  if (reste < TAILLE_ENTETE) {
    Faute("chunk header cut short by its parent");
    return false;
  }
  if (!ReadChunk(child)) {
    Faute("chunk header beyond the end of the file");
    return false;
  }
  if (child->length < TAILLE_ENTETE) {
    Faute("chunk length below its header size");
    return false;
  }
  if (child->length > reste) {
    Faute("chunk length beyond its parent or the file");
    return false;
  }
  return true;
}

int CLoad3DS::GetString(char* buffer, uint32_t reste) {
  const uint32_t limite = reste < TAILLE_NOM_3DS ? reste : TAILLE_NOM_3DS;
  for (uint32_t i = 0; i < limite; i++) {
    uint8_t c;
    if (!file->u8(c)) break;
    buffer[i] = static_cast<char>(c);
    if (c == 0) return static_cast<int>(i + 1);
  }
  buffer[0] = 0;
  Faute("name without a terminator");
  return -1;
}

void CLoad3DS::SkipChunk(tChunk* chunk) {
  const uint32_t reste = reste_de(chunk);
  if (!file->saute(reste)) {
    Faute("chunk data beyond the end of the file");
    return;
  }
  chunk->bytesRead += reste;
}

void CLoad3DS::ProcessNextChunk(tMateriaux* table, t3DModel* model, tChunk* previous, int profondeur) {
  if (profondeur > PROFONDEUR_MAX_3DS) {
    Faute("chunks nested too deep");
    return;
  }
  tChunk current;
  while (!m_faute && previous->bytesRead < previous->length) {
    if (!ChildFits(previous, &current)) return;
    switch (current.id) {
      case VERSION: {
        uint32_t version = 0;
        if (reste_de(&current) < 4 || !file->u32(version)) {
          Faute("version chunk too short");
          return;
        }
        current.bytesRead += 4;
        SkipChunk(&current);
        m_version = version;
        if (version > 3) rapporte(AVERTISSEMENT_VERSION_3DS);
        break;
      }
      case OBJECTINFO: {
        if (reste_de(&current) == 0) break;  // an empty scene
        tChunk temp;
        if (!ChildFits(&current, &temp)) return;
        SkipChunk(&temp);  // the mesh version says nothing we use
        current.bytesRead += temp.bytesRead;
        ProcessNextChunk(table, model, &current, profondeur + 1);
        break;
      }
      case MATERIAL: {
        if (table->materialCount >= MAX_TEXTURES) {
          Faute("more materials than the texture table holds");
          return;
        }
        table->materialCount++;
        table->materials.push_back(tMaterialInfo());
        ProcessNextMaterialChunk(table, model, &current, profondeur + 1);
        break;
      }
      case OBJECT: {
        model->objectCount++;
        model->objects.push_back(t3DObject());
        t3DObject* objet = &model->objects.back();
        objet->materialIndex = -1;  // until a face-material chunk names a known material
        const int lus = GetString(objet->name, reste_de(&current));
        if (lus < 0) return;
        current.bytesRead += static_cast<uint32_t>(lus);
        ProcessNextObjectChunk(table, model, objet, &current, profondeur + 1);
        break;
      }
      default:
        SkipChunk(&current);
        break;
    }
    previous->bytesRead += current.bytesRead;
  }
}

void CLoad3DS::ProcessNextObjectChunk(tMateriaux* table, t3DModel* model, t3DObject* object, tChunk* previous,
                                      int profondeur) {
  if (profondeur > PROFONDEUR_MAX_3DS) {
    Faute("chunks nested too deep");
    return;
  }
  tChunk current;
  while (!m_faute && previous->bytesRead < previous->length) {
    if (!ChildFits(previous, &current)) return;
    switch (current.id) {
      case OBJECT_MESH:
        ProcessNextObjectChunk(table, model, object, &current, profondeur + 1);
        break;
      case OBJECT_VERTICES:
        ReadVertices(object, &current);
        break;
      case OBJECT_FACES:
        ReadVertexIndices(object, &current);
        break;
      case OBJECT_MATERIAL:
        ReadObjectMaterial(table, model, object, &current);
        break;
      case OBJECT_UV:
        ReadUVCoordinates(object, &current);
        break;
      default:
        SkipChunk(&current);
        break;
    }
    previous->bytesRead += current.bytesRead;
  }
}

void CLoad3DS::ProcessNextMaterialChunk(tMateriaux* table, t3DModel* model, tChunk* previous, int profondeur) {
  if (profondeur > PROFONDEUR_MAX_3DS) {
    Faute("chunks nested too deep");
    return;
  }
  tChunk current;
  while (!m_faute && previous->bytesRead < previous->length) {
    if (!ChildFits(previous, &current)) return;
    tMaterialInfo* materiau = &table->materials[table->materialCount - 1];
    switch (current.id) {
      case MATNAME:
        ReadNameData(materiau->name, &current);
        break;
      case MATDIFFUSE:
        ReadColorChunk(materiau, &current);
        break;
      case MATMAP:
        ProcessNextMaterialChunk(table, model, &current, profondeur + 1);
        break;
      case MATMAPFILE:
        ReadNameData(materiau->fileName, &current);
        break;
      default:
        SkipChunk(&current);
        break;
    }
    previous->bytesRead += current.bytesRead;
  }
}

// The whole rest of the chunk is the name; it must end within the name buffer.
void CLoad3DS::ReadNameData(char* dst, tChunk* chunk) {
  const uint32_t reste = reste_de(chunk);
  if (GetString(dst, reste) < 0) return;
  chunk->bytesRead += static_cast<uint32_t>(std::strlen(dst) + 1);
  SkipChunk(chunk);
}

void CLoad3DS::ReadColorChunk(tMaterialInfo* material, tChunk* chunk) {
  tChunk temp;
  if (!ChildFits(chunk, &temp)) return;
  const uint32_t n = reste_de(&temp) < 3 ? reste_de(&temp) : 3;
  if (!file->octets(material->color, n)) {
    Faute("colour beyond the end of the file");
    return;
  }
  temp.bytesRead += n;
  SkipChunk(&temp);
  chunk->bytesRead += temp.bytesRead;
}

bool CLoad3DS::LitCompte(tChunk* chunk, uint32_t taille, const char* quoi, uint16_t* n) {
  char message[96];
  if (reste_de(chunk) < 2 || !file->u16(*n)) {
    std::snprintf(message, sizeof message, "%s list without its count", quoi);
    Faute(message);
    return false;
  }
  chunk->bytesRead += 2;
  if (uint64_t(*n) * taille > reste_de(chunk)) {
    std::snprintf(message, sizeof message, "%s count larger than the bytes left", quoi);
    Faute(message);
    return false;
  }
  return true;
}

void CLoad3DS::ReadVertices(t3DObject* object, tChunk* chunk) {
  uint16_t n = 0;
  if (!LitCompte(chunk, 12, "vertex", &n)) return;
  object->vertexCount = n;
  object->vertices.assign(n, CVector3(0, 0, 0));
  for (CVector3& v : object->vertices) {
    float x = 0, y = 0, z = 0;
    file->f32(x);
    file->f32(y);
    file->f32(z);
    v = CVector3(x, z, -y);  // Z-up in the file, Y-up in the game
  }
  chunk->bytesRead += uint32_t(n) * 12;
  SkipChunk(chunk);
}

// Reads the faces only: the face-material chunks after them are met by the caller's loop. The
// vertex list may still be to come, so the indices are checked once the whole file is read.
void CLoad3DS::ReadVertexIndices(t3DObject* object, tChunk* chunk) {
  uint16_t n = 0;
  if (!LitCompte(chunk, 8, "face", &n)) return;
  object->faceCount = n;
  object->faces.assign(n, tFace());
  for (tFace& f : object->faces) {
    uint16_t idx[4] = {0, 0, 0, 0};
    for (uint16_t& i : idx) file->u16(i);
    for (int k = 0; k < 3; k++) f.vertexIndex[k] = idx[k];
  }
  chunk->bytesRead += uint32_t(n) * 8;
}

void CLoad3DS::ReadUVCoordinates(t3DObject* object, tChunk* chunk) {
  uint16_t n = 0;
  if (!LitCompte(chunk, 8, "texture coordinate", &n)) return;
  object->texVertexCount = n;
  object->texCoords.assign(n, tTexCoord());
  for (tTexCoord& t : object->texCoords) {
    file->f32(t.u);
    file->f32(t.v);
  }
  chunk->bytesRead += uint32_t(n) * 8;
  SkipChunk(chunk);
}

// One object has one material: the last one named. The list of faces using it is not read.
void CLoad3DS::ReadObjectMaterial(tMateriaux* table, t3DModel*, t3DObject* object, tChunk* chunk) {
  char nom[TAILLE_NOM_3DS];
  const int lus = GetString(nom, reste_de(chunk));
  if (lus < 0) return;
  chunk->bytesRead += static_cast<uint32_t>(lus);
  object->materialIndex = -1;
  object->hasTexture = false;
  for (int i = 0; i < table->materialCount; i++) {
    if (std::strcmp(nom, table->materials[i].name) == 0) {
      object->materialIndex = i;
      object->hasTexture = table->materials[i].fileName[0] != 0;
      break;
    }
  }
  SkipChunk(chunk);
}

// Chunk order is free in the file, so indices and texture coordinates are checked against the
// final vertex list: the drawing reads all three arrays by vertex index.
void CLoad3DS::Verifie(t3DModel* model) {
  for (t3DObject& o : model->objects) {
    for (const tFace& f : o.faces) {
      if (f.vertexIndex[0] >= o.vertexCount || f.vertexIndex[1] >= o.vertexCount ||
          f.vertexIndex[2] >= o.vertexCount) {
        if (sortie_messages) std::fprintf(sortie_messages, "3DS file %s: object %s has faces beyond its vertices; faces dropped\n", m_nom,
                     o.name);
        o.faces.clear();
        o.faceCount = 0;
        m_faute = true;
        break;
      }
    }
    if (o.texVertexCount > 0 && o.texVertexCount < o.vertexCount) {
      if (sortie_messages) std::fprintf(sortie_messages, "3DS file %s: object %s has fewer texture coordinates than vertices; dropped\n",
                   m_nom, o.name);
      o.texCoords.clear();
      o.texVertexCount = 0;
      m_faute = true;
    }
  }
}

// Each vertex sums the unnormalised products of the faces that use it, in face order, exactly as
// a scan of every face per vertex would, but in one pass over the faces.
void CLoad3DS::ComputeNormals(t3DModel* model) {
  std::vector<CVector3> somme;
  std::vector<int> nombre;
  for (t3DObject& o : model->objects) {
    somme.assign(o.vertexCount, CVector3(0, 0, 0));
    nombre.assign(o.vertexCount, 0);
    for (tFace& f : o.faces) {
      const int a = f.vertexIndex[0], b = f.vertexIndex[1], c = f.vertexIndex[2];
      const CVector3 p = Cross(o.vertices[b] - o.vertices[a], o.vertices[c] - o.vertices[a]);
      f.normal = Normalize(p);
      somme[a] += p;
      nombre[a]++;
      if (b != a) {
        somme[b] += p;
        nombre[b]++;
      }
      if (c != a && c != b) {
        somme[c] += p;
        nombre[c]++;
      }
    }
    o.normals.assign(o.vertexCount, CVector3(0, 0, 0));
    for (int i = 0; i < o.vertexCount; i++) {
      if (nombre[i] > 0) o.normals[i] = Normalize(somme[i] / static_cast<float>(nombre[i]));
    }
  }
}
