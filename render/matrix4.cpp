#include "render/matrix4.h"

#include "render/quaternion.h"
#include "render/trig_tables.h"

#include <cmath>

namespace velmora {

void Matrix4::setIdentity() { *this = Matrix4{}; }

void Matrix4::setIdentity3x3() {
    m[0] = m[5] = m[10] = 1.0f;
    m[1] = m[2] = m[4] = m[6] = m[8] = m[9] = 0.0f;
}

void Matrix4::setScale(float sx, float sy, float sz) {
    m[0] = sx;
    m[5] = sy;
    m[10] = sz;
}

void multiply(Matrix4& out, const Matrix4& a, const Matrix4& b) {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            product.m[row * 4 + column] = a.m[row * 4] * b.m[column] + a.m[row * 4 + 1] * b.m[4 + column] +
                                          a.m[row * 4 + 2] * b.m[8 + column] + a.m[row * 4 + 3] * b.m[12 + column];
        }
    }
    out = product;
}

bool Matrix4::invert() {
    const float* a = m;
    float inv[16];
    inv[0] = a[5] * a[10] * a[15] - a[5] * a[11] * a[14] - a[9] * a[6] * a[15] + a[9] * a[7] * a[14] +
             a[13] * a[6] * a[11] - a[13] * a[7] * a[10];
    inv[4] = -a[4] * a[10] * a[15] + a[4] * a[11] * a[14] + a[8] * a[6] * a[15] - a[8] * a[7] * a[14] -
             a[12] * a[6] * a[11] + a[12] * a[7] * a[10];
    inv[8] = a[4] * a[9] * a[15] - a[4] * a[11] * a[13] - a[8] * a[5] * a[15] + a[8] * a[7] * a[13] +
             a[12] * a[5] * a[11] - a[12] * a[7] * a[9];
    inv[12] = -a[4] * a[9] * a[14] + a[4] * a[10] * a[13] + a[8] * a[5] * a[14] - a[8] * a[6] * a[13] -
              a[12] * a[5] * a[10] + a[12] * a[6] * a[9];
    inv[1] = -a[1] * a[10] * a[15] + a[1] * a[11] * a[14] + a[9] * a[2] * a[15] - a[9] * a[3] * a[14] -
             a[13] * a[2] * a[11] + a[13] * a[3] * a[10];
    inv[5] = a[0] * a[10] * a[15] - a[0] * a[11] * a[14] - a[8] * a[2] * a[15] + a[8] * a[3] * a[14] +
             a[12] * a[2] * a[11] - a[12] * a[3] * a[10];
    inv[9] = -a[0] * a[9] * a[15] + a[0] * a[11] * a[13] + a[8] * a[1] * a[15] - a[8] * a[3] * a[13] -
             a[12] * a[1] * a[11] + a[12] * a[3] * a[9];
    inv[13] = a[0] * a[9] * a[14] - a[0] * a[10] * a[13] - a[8] * a[1] * a[14] + a[8] * a[2] * a[13] +
              a[12] * a[1] * a[10] - a[12] * a[2] * a[9];
    inv[2] = a[1] * a[6] * a[15] - a[1] * a[7] * a[14] - a[5] * a[2] * a[15] + a[5] * a[3] * a[14] +
             a[13] * a[2] * a[7] - a[13] * a[3] * a[6];
    inv[6] = -a[0] * a[6] * a[15] + a[0] * a[7] * a[14] + a[4] * a[2] * a[15] - a[4] * a[3] * a[14] -
             a[12] * a[2] * a[7] + a[12] * a[3] * a[6];
    inv[10] = a[0] * a[5] * a[15] - a[0] * a[7] * a[13] - a[4] * a[1] * a[15] + a[4] * a[3] * a[13] +
              a[12] * a[1] * a[7] - a[12] * a[3] * a[5];
    inv[14] = -a[0] * a[5] * a[14] + a[0] * a[6] * a[13] + a[4] * a[1] * a[14] - a[4] * a[2] * a[13] -
              a[12] * a[1] * a[6] + a[12] * a[2] * a[5];
    inv[3] = -a[1] * a[6] * a[11] + a[1] * a[7] * a[10] + a[5] * a[2] * a[11] - a[5] * a[3] * a[10] -
             a[9] * a[2] * a[7] + a[9] * a[3] * a[6];
    inv[7] = a[0] * a[6] * a[11] - a[0] * a[7] * a[10] - a[4] * a[2] * a[11] + a[4] * a[3] * a[10] +
             a[8] * a[2] * a[7] - a[8] * a[3] * a[6];
    inv[11] = -a[0] * a[5] * a[11] + a[0] * a[7] * a[9] + a[4] * a[1] * a[11] - a[4] * a[3] * a[9] -
              a[8] * a[1] * a[7] + a[8] * a[3] * a[5];
    inv[15] = a[0] * a[5] * a[10] - a[0] * a[6] * a[9] - a[4] * a[1] * a[10] + a[4] * a[2] * a[9] +
              a[8] * a[1] * a[6] - a[8] * a[2] * a[5];
    const float determinant = a[0] * inv[0] + a[1] * inv[4] + a[2] * inv[8] + a[3] * inv[12];
    if (determinant == 0.0f)
        return false;
    const float inverse = 1.0f / determinant;
    for (int i = 0; i < 16; ++i)
        m[i] = inv[i] * inverse;
    return true;
}

Matrix4 Matrix4::translation(const Vector3& t) {
    Matrix4 result;
    result.setTranslation(t);
    return result;
}

Matrix4 Matrix4::fromAxisAngle(const Vector3& axis, float angle) {
    Matrix4 r;
    if (axis.length() < kEpsilon)
        return r;
    const Vector3 k = axis.normalised();
    const float c = cosT(angle);
    const float s = sinT(angle);
    const float t = 1.0f - c;
    r.m[0] = c + k.x * k.x * t;
    r.m[1] = k.x * k.y * t - k.z * s;
    r.m[2] = k.x * k.z * t + k.y * s;
    r.m[4] = k.y * k.x * t + k.z * s;
    r.m[5] = c + k.y * k.y * t;
    r.m[6] = k.y * k.z * t - k.x * s;
    r.m[8] = k.z * k.x * t - k.y * s;
    r.m[9] = k.z * k.y * t + k.x * s;
    r.m[10] = c + k.z * k.z * t;
    return r;
}

Matrix4 Matrix4::rotationX(float angle) {
    Matrix4 r;
    const float c = cosT(angle);
    const float s = sinT(angle);
    r.m[5] = c;
    r.m[6] = -s;
    r.m[9] = s;
    r.m[10] = c;
    return r;
}

Matrix4 Matrix4::rotationY(float angle) {
    Matrix4 r;
    const float c = cosT(angle);
    const float s = sinT(angle);
    r.m[0] = c;
    r.m[2] = s;
    r.m[8] = -s;
    r.m[10] = c;
    return r;
}

Matrix4 Matrix4::rotationZ(float angle) {
    Matrix4 r;
    const float c = cosT(angle);
    const float s = sinT(angle);
    r.m[0] = c;
    r.m[1] = -s;
    r.m[4] = s;
    r.m[5] = c;
    return r;
}

Matrix4 Matrix4::fromQuaternion(const Quaternion& q, const Vector3& translation, float scale) {
    Matrix4 r;
    const float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const float xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const float wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    r.m[0] = (1.0f - 2.0f * (yy + zz)) * scale;
    r.m[1] = 2.0f * (xy - wz) * scale;
    r.m[2] = 2.0f * (xz + wy) * scale;
    r.m[4] = 2.0f * (xy + wz) * scale;
    r.m[5] = (1.0f - 2.0f * (xx + zz)) * scale;
    r.m[6] = 2.0f * (yz - wx) * scale;
    r.m[8] = 2.0f * (xz - wy) * scale;
    r.m[9] = 2.0f * (yz + wx) * scale;
    r.m[10] = (1.0f - 2.0f * (xx + yy)) * scale;
    r.setTranslation(translation);
    return r;
}

Matrix4 Matrix4::rotateAbout(const Vector3& point, const Vector3& axis, float angle) {
    return translation(point) * fromAxisAngle(axis, angle) * translation(-point);
}

} // namespace velmora
