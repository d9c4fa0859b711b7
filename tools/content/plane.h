#pragma once
// Points and directions in the top view of a hole (file X to the right, Y up), in game units.

#include <cmath>

namespace velmora::content {

struct Vec2 {
    double x = 0, y = 0;
    friend bool operator==(const Vec2&, const Vec2&) = default;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double s) {
    return {a.x * s, a.y * s};
}
inline double dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
// z of the 3D cross product: positive when b lies counter-clockwise of a.
inline double cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline double length(Vec2 a) {
    return std::sqrt(dot(a, a));
}
inline Vec2 normalised(Vec2 a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : Vec2{};
}
// The direction at angle radians counter-clockwise from +X.
inline Vec2 direction(double angle) {
    return {std::cos(angle), std::sin(angle)};
}
inline double angleOf(Vec2 a) {
    return std::atan2(a.y, a.x);
}
// Turned a quarter counter-clockwise.
inline Vec2 perpendicular(Vec2 a) {
    return {-a.y, a.x};
}
inline Vec2 rotated(Vec2 a, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}
inline Vec2 lerp(Vec2 a, Vec2 b, double t) {
    return a + (b - a) * t;
}
// The coordinates of d along a unit axis and square to it (counter-clockwise), and back.
inline Vec2 toLocal(Vec2 d, Vec2 axis) {
    return {dot(d, axis), cross(axis, d)};
}
inline Vec2 fromLocal(Vec2 q, Vec2 axis) {
    return axis * q.x + perpendicular(axis) * q.y;
}

inline double clamp01(double t) {
    return t < 0 ? 0 : (t > 1 ? 1 : t);
}
// 0 at edge0, 1 at edge1, smooth in between.
inline double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

} // namespace velmora::content
