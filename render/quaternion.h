#pragma once
// A rotation quaternion (x, y, z, w).

#include "render/vector3.h"

namespace velmora {

struct Matrix4;

struct Quaternion {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;

    void set(float nx, float ny, float nz, float nw) {
        x = nx;
        y = ny;
        z = nz;
        w = nw;
    }
    void setIdentity() { set(0, 0, 0, 1); }
    void conjugate() { set(-x, -y, -z, w); }
    void negate() { set(-x, -y, -z, -w); }
    // Conjugate over the squared norm; a zero quaternion stays zero.
    void invert();
    // Unit norm; a zero quaternion becomes all zeros.
    void normalise();

    // Axis normalised first; an axis shorter than epsilon gives the identity.
    static Quaternion fromAxisAngle(const Vector3& axis, float angle);
    // The rotation of a matrix's 3 x 3 part (trace method).
    static Quaternion fromMatrix(const Matrix4& matrix);

    friend bool operator==(const Quaternion&, const Quaternion&) = default;
};

inline float dot(const Quaternion& a, const Quaternion& b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }

// The Hamilton product a x b; out may be a or b.
void multiply(Quaternion& out, const Quaternion& a, const Quaternion& b);
// Spherical interpolation with the sine tables. q2 is negated in place when the two lie in opposite
// hemispheres, so that the shorter arc is taken.
Quaternion slerp(const Quaternion& q1, Quaternion& q2, float t);
// The rotation taking direction a to direction b. Opposite directions turn half a turn about
// fallbackAxis when given, else about (0, 1, 0).
Quaternion rotationBetween(const Vector3& a, const Vector3& b, const Vector3* fallbackAxis = nullptr);

} // namespace velmora
