#pragma once
// A 4 x 4 float matrix stored row by row. Points are column vectors multiplied on the right, so the
// translation is m[3], m[7], m[11] and the last row is (0, 0, 0, 1).

#include "render/vector3.h"

namespace velmora {

struct Quaternion;

struct Matrix4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    void setIdentity();
    // Resets the 3 x 3 rotation part only; the translation stays.
    void setIdentity3x3();
    void setScale(float sx, float sy, float sz);
    void setTranslation(const Vector3& t) {
        m[3] = t.x;
        m[7] = t.y;
        m[11] = t.z;
    }
    Vector3 getTranslation() const { return {m[3], m[7], m[11]}; }

    Vector3 transformPoint(const Vector3& p) const {
        return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
                m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
    }
    Vector3 transformDirection(const Vector3& d) const {
        return {m[0] * d.x + m[1] * d.y + m[2] * d.z, m[4] * d.x + m[5] * d.y + m[6] * d.z,
                m[8] * d.x + m[9] * d.y + m[10] * d.z};
    }

    // Inverts in place (cofactors over the determinant); false, and unchanged, when singular.
    bool invert();

    static Matrix4 translation(const Vector3& t);
    // Rodrigues' rotation with the sine tables; an axis shorter than epsilon gives the identity.
    static Matrix4 fromAxisAngle(const Vector3& axis, float angle);
    static Matrix4 rotationX(float angle);
    static Matrix4 rotationY(float angle);
    static Matrix4 rotationZ(float angle);
    // Rotation of q scaled uniformly by scale, then translated.
    static Matrix4 fromQuaternion(const Quaternion& q, const Vector3& translation, float scale);
    // translate(point) x rotation(axis, angle) x translate(-point)
    static Matrix4 rotateAbout(const Vector3& point, const Vector3& axis, float angle);
};

// out = a x b; out may be a or b.
void multiply(Matrix4& out, const Matrix4& a, const Matrix4& b);
inline Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 out;
    multiply(out, a, b);
    return out;
}
// a = a x b
inline void multiplyInPlace(Matrix4& a, const Matrix4& b) { multiply(a, a, b); }

} // namespace velmora
