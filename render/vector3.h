#pragma once
// A 3-float vector in world space (right-handed, y up).

#include <string_view>

namespace velmora {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    void set(float nx, float ny, float nz) {
        x = nx;
        y = ny;
        z = nz;
    }
    float lengthSquared() const { return x * x + y * y + z * z; }
    float length() const;
    // Unit length in place; a vector of length 0 is left unchanged.
    void normalise();
    Vector3 normalised() const;
    void scale(float factor) {
        x *= factor;
        y *= factor;
        z *= factor;
    }
    void negate() { set(-x, -y, -z); }

    friend bool operator==(const Vector3&, const Vector3&) = default;
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator-(const Vector3& a) { return {-a.x, -a.y, -a.z}; }
inline Vector3 operator*(const Vector3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vector3& operator+=(Vector3& a, const Vector3& b) { return a = a + b; }
inline Vector3& operator-=(Vector3& a, const Vector3& b) { return a = a - b; }

inline float dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vector3 normalisedCross(const Vector3& a, const Vector3& b) { return cross(a, b).normalised(); }
// normalise((b - a) x (c - b))
inline Vector3 triangleNormal(const Vector3& a, const Vector3& b, const Vector3& c) {
    return normalisedCross(b - a, c - b);
}
inline float dotNormalised(const Vector3& a, const Vector3& b) { return dot(a.normalised(), b.normalised()); }

// acos of the cosine between a and b, clamped to [-1, 1]; 0 when either is a zero vector.
float angleBetween(const Vector3& a, const Vector3& b);
// a += (b - a) x t
void lerp(Vector3& a, const Vector3& b, float t);
// Moves a the distance d toward b; a becomes b when the two are within epsilon.
void moveToward(Vector3& a, const Vector3& b, float d);
// "(x; y; z)": blanks, tabs and parentheses removed, cut at ';', the first three pieces read as
// decimal numbers (missing pieces read as 0).
Vector3 parseVector3(std::wstring_view text);

} // namespace velmora
