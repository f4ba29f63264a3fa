// CVector3 and the geometry toolkit: vector functions, whole-degree rotations, headings and the
// sphere-against-polygon tests that ground contact, walls and the camera are built on.
// Every function is pure.
#pragma once

struct CVector3 {
  float x, y, z;

  CVector3() = default;  // components left unset
  CVector3(float X, float Y, float Z) : x(X), y(Y), z(Z) {}

  CVector3& operator=(float v) {
    x = y = z = v;
    return *this;
  }
  CVector3 operator+(const CVector3& v) const { return CVector3(x + v.x, y + v.y, z + v.z); }
  CVector3 operator-(const CVector3& v) const { return CVector3(x - v.x, y - v.y, z - v.z); }
  CVector3 operator*(float s) const { return CVector3(x * s, y * s, z * s); }
  CVector3 operator/(float s) const { return CVector3(x / s, y / s, z / s); }
  CVector3& operator+=(const CVector3& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
  }
};

// Sphere classification against a plane.
enum { BEHIND = 0, INTERSECTS = 1, FRONT = 2 };

float Absolute(float x);
CVector3 Cross(CVector3 a, CVector3 b);
float Dot(CVector3 a, CVector3 b);
float Magnitude(CVector3 v);
CVector3 Normalize(CVector3 v);  // no guard: a zero vector gives non-finite components
float Distance(CVector3 a, CVector3 b);
CVector3 DivideVectorByScaler(CVector3 v, float s);
CVector3 Normal(CVector3* triangle);
float PlaneDistance(CVector3 normal, CVector3 point);
float AngleBetweenVectors(CVector3 a, CVector3 b);  // radians; 0 when undefined
CVector3 ClosestPointOnLine(CVector3 a, CVector3 b, CVector3 p);

// Rotations by whole degrees, read from the degree tables (init_cosin must have run).
CVector3 Rot_axe_X(CVector3 v, int angle);
CVector3 Rot_axe_Y(CVector3 v, int angle);
CVector3 Rot_axe_Z(CVector3 v, int angle);

// Heading in degrees from point 1 to point 2 in the XZ plane: 0 along +Z, about 90 along +X.
float get_angle(float x1, float z1, float x2, float z2);

bool InsidePolygon(CVector3 point, CVector3* polygon, long count);
int ClassifySphere(CVector3& centre, CVector3& normal, CVector3& pointOnPlane, float radius, float& distance);
bool EdgeSphereCollision(CVector3& centre, CVector3* polygon, int count, float radius);
CVector3 GetCollisionOffset(CVector3& normal, float radius, float distance);

// Sphere against polygon: true on contact, then the projected point, the normal and the signed
// distance are written. A centre behind the face still touches while it is within 3.0 of the plane.
bool SpherePolygonCollisionCoord(CVector3* polygon, CVector3& centre, int count, float radius, CVector3* outPoint,
                                 CVector3* outNormal, float* outDistance);
// The same with the caller's normal; the distance is written whether or not there is contact,
// and the bound is 3.5.
bool SpherePolygonCollisionCoordNorm(CVector3* polygon, CVector3& centre, int count, float radius,
                                     CVector3* outPoint, CVector3* outNormal, float* outDistance, CVector3 normal);

bool SameSideXZ(CVector3 p1, CVector3 p2, CVector3 a, CVector3 b);
// Seen from above (Y ignored); borders and corners count as inside.
bool IsPointDansTriangleXZ(CVector3 point, CVector3* triangle);
