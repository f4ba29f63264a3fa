// Vector functions and the collision primitives.
#include "math/vector.h"

#include <cmath>

#include "math/degres.h"

float Absolute(float x) { return x >= 0 ? x : -x; }

CVector3 Cross(CVector3 a, CVector3 b) {
  return CVector3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

float Dot(CVector3 a, CVector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float Magnitude(CVector3 v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

CVector3 Normalize(CVector3 v) { return v / Magnitude(v); }

float Distance(CVector3 a, CVector3 b) { return Magnitude(b - a); }

CVector3 DivideVectorByScaler(CVector3 v, float s) { return CVector3(v.x / s, v.y / s, v.z / s); }

CVector3 Normal(CVector3* t) { return Normalize(Cross(t[1] - t[0], t[2] - t[0])); }

float PlaneDistance(CVector3 normal, CVector3 point) {
  return -(normal.x * point.x + normal.y * point.y + normal.z * point.z);
}

float AngleBetweenVectors(CVector3 a, CVector3 b) {
  const float cosinus_angle = Dot(a, b) / (Magnitude(a) * Magnitude(b));
  const double angle = std::acos(static_cast<double>(cosinus_angle));
  if (std::isnan(angle)) return 0;
  return static_cast<float>(angle);
}

CVector3 ClosestPointOnLine(CVector3 a, CVector3 b, CVector3 p) {
  const CVector3 u = p - a;
  const CVector3 d = Normalize(b - a);
  const float longueur = Distance(a, b);
  const float t = Dot(d, u);
  if (t <= 0) return a;
  if (t >= longueur) return b;
  return a + d * t;
}

CVector3 Rot_axe_X(CVector3 v, int angle) {
  const float c = cosinus(angle), s = sinus(angle);
  return CVector3(v.x, c * v.y - s * v.z, s * v.y + c * v.z);
}

CVector3 Rot_axe_Y(CVector3 v, int angle) {
  const float c = cosinus(angle), s = sinus(angle);
  return CVector3(c * v.x + s * v.z, v.y, c * v.z - s * v.x);
}

CVector3 Rot_axe_Z(CVector3 v, int angle) {
  const float c = cosinus(angle), s = sinus(angle);
  return CVector3(c * v.x - s * v.y, s * v.x + c * v.y, v.z);
}

float get_angle(float x1, float z1, float x2, float z2) {
  const float dx = x2 - x1;
  const float dz = z2 - z1;
  // The factor is 57.295, not 180/pi: headings along the X axis come out a hair off 90 and 270.
  float angle = std::atan(dx / dz) * 57.295f;
  if (dz < 0) {
    angle += 180;
  } else if (dx < 0) {
    angle += 360;
  }
  return angle;
}

bool InsidePolygon(CVector3 point, CVector3* polygon, long count) {
  const double tour_presque_complet = 0.99 * (2.0 * 3.1415926535897932);
  double somme = 0.0;
  for (long i = 0; i < count; i++) {
    const CVector3 a = polygon[i] - point;
    const CVector3 b = polygon[(i + 1) % count] - point;
    somme += AngleBetweenVectors(a, b);
  }
  return somme >= tour_presque_complet;
}

int ClassifySphere(CVector3& centre, CVector3& normal, CVector3& pointOnPlane, float radius, float& distance) {
  const float d = PlaneDistance(normal, pointOnPlane);
  distance = normal.x * centre.x + normal.y * centre.y + normal.z * centre.z + d;
  if (radius > Absolute(distance)) return INTERSECTS;
  if (distance >= radius) return FRONT;
  return BEHIND;
}

bool EdgeSphereCollision(CVector3& centre, CVector3* polygon, int count, float radius) {
  for (int i = 0; i < count; i++) {
    const CVector3 p = ClosestPointOnLine(polygon[i], polygon[(i + 1) % count], centre);
    if (Distance(p, centre) < radius) return true;
  }
  return false;
}

CVector3 GetCollisionOffset(CVector3& normal, float radius, float distance) {
  if (distance > 0) return normal * (radius - distance);
  return normal * -(radius + distance);
}

namespace {
// Shared tail of both contact tests: projects the centre on the plane and checks it against the
// polygon and the distance bound.
bool contact_projete(CVector3* polygon, CVector3& centre, int count, const CVector3& normal, float distance,
                     float borne, CVector3* outPoint) {
  const CVector3 p = centre - normal * distance;
  if (InsidePolygon(p, polygon, count) && Absolute(distance) < borne) {
    *outPoint = p;
    return true;
  }
  return false;
}
}  // namespace

bool SpherePolygonCollisionCoord(CVector3* polygon, CVector3& centre, int count, float radius, CVector3* outPoint,
                                 CVector3* outNormal, float* outDistance) {
  CVector3 normal = Normal(polygon);
  float distance = 0;
  const int c = ClassifySphere(centre, normal, polygon[0], radius, distance);
  if (c == INTERSECTS || c == BEHIND) {
    CVector3 p;
    if (contact_projete(polygon, centre, count, normal, distance, 3.0f, &p)) {
      *outPoint = p;
      *outNormal = normal;
      *outDistance = distance;
      return true;
    }
  }
  return false;
}

bool SpherePolygonCollisionCoordNorm(CVector3* polygon, CVector3& centre, int count, float radius,
                                     CVector3* outPoint, CVector3* outNormal, float* outDistance, CVector3 normal) {
  float distance = 0;
  const int c = ClassifySphere(centre, normal, polygon[0], radius, distance);
  *outDistance = distance;
  if (c == INTERSECTS || c == BEHIND) {
    if (contact_projete(polygon, centre, count, normal, distance, 3.5f, outPoint)) {
      *outNormal = normal;
      return true;
    }
  }
  return false;
}

bool SameSideXZ(CVector3 p1, CVector3 p2, CVector3 a, CVector3 b) {
  const CVector3 e = b - a;
  const CVector3 k1 = Cross(e, p1 - a);
  const CVector3 k2 = Cross(e, p2 - a);
  return Dot(k1, k2) >= 0;
}

bool IsPointDansTriangleXZ(CVector3 point, CVector3* triangle) {
  const CVector3 p(point.x, 0, point.z);
  const CVector3 t0(triangle[0].x, 0, triangle[0].z);
  const CVector3 t1(triangle[1].x, 0, triangle[1].z);
  const CVector3 t2(triangle[2].x, 0, triangle[2].z);
  return SameSideXZ(p, t0, t1, t2) && SameSideXZ(p, t1, t2, t0) && SameSideXZ(p, t2, t0, t1);
}
