// CObjSup: a placed, static model (decorations, the minimap), drawn in the world or in front of
// the eye for the head-up display.
#pragma once

#include "math/vector.h"
#include "world/modele3d.h"

class CObjSup {
 public:
  CObjSup() = default;
  virtual ~CObjSup() = default;

  // Special drawing of the kind; nothing for plain placed models.
  virtual void renderSpe(tMateriaux*) {}

  float GetPosX() const { return position.x; }
  float GetPosY() const { return position.y; }
  float GetPosZ() const { return position.z; }
  void SetPosition(float x, float y, float z) { position = CVector3(x, y, z); }
  float GetAngX() const { return angles.x; }
  float GetAngY() const { return angles.y; }
  float GetAngZ() const { return angles.z; }
  void SetAngles(float x, float y, float z) { angles = CVector3(x, y, z); }
  float GetEchelle() const { return echelle; }
  void SetEchelle(float e) { echelle = e; }
  void SetRadius(float r) { rayon = r; }
  void Set3Dobj(t3DModel* m) { modele = m; }
  // Radius of the scaled model.
  float GetRadius() const { return rayon * echelle; }

  void DeplX(float d) { position.x += d; }
  void DeplY(float d) { position.y += d; }
  void DeplZ(float d) { position.z += d; }
  void ModifAngX(float d) { angles.x += d; }
  void ModifAngY(float d) { angles.y += d; }
  void ModifAngZ(float d) { angles.z += d; }
  void ModifEchelle(float d) { echelle += d; }

  // The model at its place in the world.
  void render(tMateriaux* materiaux);
  // Stores the model and placement, then draws it relative to the eye: opaque, with glowing
  // objects added on (see fusion_oeil).
  void render_obj(t3DModel* model, tMateriaux* materiaux, float x, float y, float z, float ax, float ay, float az,
                  float scale);

  t3DModel* modele = nullptr;
  CVector3 position{0, 0, 0};
  CVector3 angles{0, 0, 0};
  float echelle = 1.0f;
  float rayon = 1.0f;

 private:
  void dessine(tMateriaux* materiaux, bool oeil);
};

// How render_obj lays one object over the scene: a glowing object (SURFACE_BRILLANTE) is added on at
// half strength (alpha 128); any other is drawn opaque.
enum class FusionOeil { opaque, additive };
FusionOeil fusion_oeil(const t3DObject& o);

// Draws the faces of one object: vertex normals, and texture coordinates when textured, else the
// material colour with `alpha` (255: opaque).
void dessine_objet_3d(const t3DObject& o, tMateriaux* materiaux, int alpha);
