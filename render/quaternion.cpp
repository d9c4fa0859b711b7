#include "render/quaternion.h"

#include "render/matrix4.h"
#include "render/trig_tables.h"

#include <algorithm>
#include <cmath>

namespace velmora {

void Quaternion::invert() {
    const float normSquared = dot(*this, *this);
    conjugate();
    if (normSquared > 0.0f) {
        const float inverse = 1.0f / normSquared;
        set(x * inverse, y * inverse, z * inverse, w * inverse);
    }
}

void Quaternion::normalise() {
    const float norm = static_cast<float>(std::sqrt(static_cast<double>(dot(*this, *this))));
    if (norm > 0.0f) {
        const float inverse = 1.0f / norm;
        set(x * inverse, y * inverse, z * inverse, w * inverse);
    } else {
        set(0, 0, 0, 0);
    }
}

Quaternion Quaternion::fromAxisAngle(const Vector3& axis, float angle) {
    if (axis.length() < kEpsilon)
        return {};
    const Vector3 unit = axis.normalised();
    const float s = sinT(angle * 0.5f);
    return {unit.x * s, unit.y * s, unit.z * s, cosT(angle * 0.5f)};
}

Quaternion Quaternion::fromMatrix(const Matrix4& matrix) {
    const float* m = matrix.m;
    auto root = [](float v) { return static_cast<float>(std::sqrt(static_cast<double>(v))); };
    const float t = (m[0] + m[5] + m[10] + 1.0f) * 0.25f; // w squared
    // w is taken from the trace only while it is the largest component (a positive trace), so
    // that nothing is divided by a tiny w near a half turn.
    if (t > 0.25f) {
        const float w = root(t);
        const float f = 0.25f / w;
        return {(m[9] - m[6]) * f, (m[2] - m[8]) * f, (m[4] - m[1]) * f, w};
    }
    if (m[0] > m[5] && m[0] > m[10]) {
        const float s = root(std::max(1.0f + m[0] - m[5] - m[10], kEpsilon)) * 2.0f;
        return {0.25f * s, (m[1] + m[4]) / s, (m[2] + m[8]) / s, (m[9] - m[6]) / s};
    }
    if (m[5] > m[10]) {
        const float s = root(std::max(1.0f + m[5] - m[0] - m[10], kEpsilon)) * 2.0f;
        return {(m[1] + m[4]) / s, 0.25f * s, (m[6] + m[9]) / s, (m[2] - m[8]) / s};
    }
    const float s = root(std::max(1.0f + m[10] - m[0] - m[5], kEpsilon)) * 2.0f;
    return {(m[2] + m[8]) / s, (m[6] + m[9]) / s, 0.25f * s, (m[4] - m[1]) / s};
}

void multiply(Quaternion& out, const Quaternion& a, const Quaternion& b) {
    const Quaternion product = {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
                                a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                                a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
                                a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
    out = product;
}

Quaternion slerp(const Quaternion& q1, Quaternion& q2, float t) {
    float cosine = dot(q1, q2);
    if (cosine < 0.0f) {
        q2.negate();
        cosine = -cosine;
    }
    float w1 = 1.0f - t;
    float w2 = t;
    if (1.0f - cosine > kEpsilon) {
        const float theta = static_cast<float>(std::acos(static_cast<double>(std::min(cosine, 1.0f))));
        const float sine = sinT(theta);
        if (sine != 0.0f) {
            w1 = sinT((1.0f - t) * theta) / sine;
            w2 = sinT(t * theta) / sine;
        }
    }
    return {w1 * q1.x + w2 * q2.x, w1 * q1.y + w2 * q2.y, w1 * q1.z + w2 * q2.z, w1 * q1.w + w2 * q2.w};
}

Quaternion rotationBetween(const Vector3& a, const Vector3& b, const Vector3* fallbackAxis) {
    const float angle = angleBetween(a, b);
    if (angle <= kEpsilon)
        return {};
    if (angle < kPi - kEpsilon)
        return Quaternion::fromAxisAngle(cross(a, b), angle);
    return Quaternion::fromAxisAngle(fallbackAxis ? *fallbackAxis : Vector3{0, 1, 0}, angle);
}

} // namespace velmora
