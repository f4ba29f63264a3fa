// 3DS model loader: reads the chunk tree of a 3DS file into a t3DModel, appends the file's
// materials to the shared table and computes face and vertex normals.
//
//   tMateriaux table; t3DModel model;
//   g_Load3DS.Import3DS(&table, &model, "./objets/arbre.3DS");          // from a file
//   g_Load3DS.Import3DSMemoire(&table, &model, octets, taille, "test");  // from memory
//
// Bad input never makes it read outside the bytes given: it stops at the first bad chunk, keeps
// what was read soundly before it and tells what was wrong on the standard error. It never shows
// a message box nor ends the program: the result says what happened, and the caller decides.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "world/modele3d.h"

class Lecteur;

// Room in the texture table: material indices must stay below this.
constexpr int MAX_TEXTURES = 100;

// Nesting deeper than this is not a model but a trap for the stack.
constexpr int PROFONDEUR_MAX_3DS = 16;

enum tResultat3DS {
  IMPORT_OK = 0,         // read whole
  IMPORT_PAS_3DS = 1,    // no primary chunk: the model stays empty
  IMPORT_CORROMPU = 2,   // stopped at a bad chunk; what came before it is kept
  IMPORT_ABSENT = 3,     // no such file (or unreadable): the model stays empty
};

// The message box text the game shows for a result: "Error : ..." for a missing file or one that
// is not a 3DS file, empty for the others.
std::string message_import_3ds(tResultat3DS resultat, const char* chemin);
// The warning shown for a file whose version is above 3 (it is still read).
extern const char* const AVERTISSEMENT_VERSION_3DS;

class CLoad3DS {
 public:
  CLoad3DS();

  // Reads the file at `path` into `model` (which must be empty) and appends its materials to
  // `table`. A missing file leaves the model empty and returns IMPORT_ABSENT.
  tResultat3DS Import3DS(tMateriaux* table, t3DModel* model, const char* path);
  // The same from bytes in memory; `nom` only names the source in messages.
  tResultat3DS Import3DSMemoire(tMateriaux* table, t3DModel* model, const void* data, size_t taille,
                                const char* nom);

  // Face normals and vertex normals of every object (faces must index existing vertices).
  static void ComputeNormals(t3DModel* model);

  // The version chunk of the last file read (0 when it had none); above 3 the file may be of a
  // later format than this loader knows.
  uint32_t Version() const { return m_version; }

  // Where reports of bad files go (the standard error by default; null for none, as a fuzzer
  // wants).
  static void SortieMessages(std::FILE* sortie);

 private:
  bool ReadChunk(tChunk* chunk);
  int GetString(char* buffer, uint32_t reste);
  void ProcessNextChunk(tMateriaux* table, t3DModel* model, tChunk* previous, int profondeur);
  void ProcessNextObjectChunk(tMateriaux* table, t3DModel* model, t3DObject* object, tChunk* previous,
                              int profondeur);
  void ProcessNextMaterialChunk(tMateriaux* table, t3DModel* model, tChunk* previous, int profondeur);
  void ReadColorChunk(tMaterialInfo* material, tChunk* chunk);
  // Reads the 16-bit count of a list of `taille`-byte records and checks that they fit in the
  // chunk; reports and fails otherwise.
  bool LitCompte(tChunk* chunk, uint32_t taille, const char* quoi, uint16_t* n);
  void ReadVertices(t3DObject* object, tChunk* chunk);
  void ReadVertexIndices(t3DObject* object, tChunk* chunk);
  void ReadUVCoordinates(t3DObject* object, tChunk* chunk);
  void ReadObjectMaterial(tMateriaux* table, t3DModel* model, t3DObject* object, tChunk* chunk);
  void ReadNameData(char* dst, tChunk* chunk);
  void SkipChunk(tChunk* chunk);
  bool ChildFits(const tChunk* parent, tChunk* child);
  void Verifie(t3DModel* model);
  void Faute(const char* quoi);
  void CleanUp();

  Lecteur* file;  // the bytes of the import under way
  const char* m_nom;
  bool m_faute;
  uint32_t m_version;
};

// The one loader of the program.
extern CLoad3DS g_Load3DS;
