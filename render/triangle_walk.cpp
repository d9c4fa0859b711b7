#include "render/triangle_walk.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {
namespace {

// The difference of an interpolant from the top vertex's; u and v may have wrapped in 32 bits, so
// it is taken modulo 2^32 (textures repeat).
int64_t wrappedDifference(int32_t to, int32_t from) {
    return static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
}

// The screen differences of the middle (1) and bottom (2) vertex from the top one, in subpixels.
struct Spans {
    int64_t x10, y10, x20, y20;
    double determinant;
    double pixelsPerDeterminant; // subpixelUnit / determinant

    // The change per pixel across and down of a quantity that changes by d1 and d2 from the top
    // vertex to the middle and bottom ones; exact divisions, for the 16.16 planes.
    std::pair<double, double> gradients(double d1, double d2) const {
        return {(d1 * static_cast<double>(y20) - d2 * static_cast<double>(y10)) * subpixelUnit / determinant,
                (d2 * static_cast<double>(x10) - d1 * static_cast<double>(x20)) * subpixelUnit / determinant};
    }
    // The same through one reciprocal, for the planes that are kept in floating point.
    std::pair<double, double> gradientsByReciprocal(double d1, double d2) const {
        return {(d1 * static_cast<double>(y20) - d2 * static_cast<double>(y10)) * pixelsPerDeterminant,
                (d2 * static_cast<double>(x10) - d1 * static_cast<double>(x20)) * pixelsPerDeterminant};
    }
};

// Steps are limited to 2^38 per pixel (far beyond any that draws sensibly), so that a plane's
// value at any offset on the screen stays within 64 bits even for a sliver of a triangle.
int64_t limitedStep(double step) {
    constexpr double limit = static_cast<double>(int64_t{1} << 38);
    return static_cast<int64_t>(std::clamp(step, -limit, limit));
}

TrianglePlane planeOf(int32_t a0, int32_t a1, int32_t a2, const Spans& spans) {
    const auto [dx, dy] = spans.gradients(static_cast<double>(wrappedDifference(a1, a0)),
                                          static_cast<double>(wrappedDifference(a2, a0)));
    return {a0, limitedStep(dx), limitedStep(dy)};
}

PerspectivePlane perspectivePlaneOf(double a0, double a1, double a2, const Spans& spans) {
    const auto [dx, dy] = spans.gradientsByReciprocal(a1 - a0, a2 - a0);
    return {a0, dx, dy};
}

// Texture coordinates stepped linearly stray from the perspective-correct ones by at most about this
// much (16.16 texels): a quarter of a texel, so that few samples land on another texel.
constexpr double linearTolerance = 16384;
constexpr int shortestSegment = 4;

// Texture coordinates over depth, as offsets from the top vertex's, when a triangle's depths differ
// enough to need them, with the longest segment that keeps within the tolerance; linear texture
// coordinates otherwise. Between points with 1 / z of q0 and q1 whose coordinates differ by U, linear
// ones stray most halfway, by U (q1 - q0) / (2 (q0 + q1)); a triangle is measured by its extremes,
// and a segment of a span by the same times the square of its share of the triangle's width.
void texturePlanes(const ScreenVertex& top, const ScreenVertex& middle, const ScreenVertex& bottom,
                   const Spans& spans, TriangleSetup& t) {
    const double q0 = top.inverseDepth, q1 = middle.inverseDepth, q2 = bottom.inverseDepth;
    const auto u1 = static_cast<double>(wrappedDifference(middle.u, top.u));
    const auto u2 = static_cast<double>(wrappedDifference(bottom.u, top.u));
    const auto v1 = static_cast<double>(wrappedDifference(middle.v, top.v));
    const auto v2 = static_cast<double>(wrappedDifference(bottom.v, top.v));
    const double range = std::max(
        {std::fabs(u1), std::fabs(u2), std::fabs(u2 - u1), std::fabs(v1), std::fabs(v2), std::fabs(v2 - v1)});
    const double nearest = std::max({q0, q1, q2}), farthest = std::min({q0, q1, q2});
    // Vertices without a depth (flat pictures) leave 1 / z at 0: linear.
    const double stray = nearest > 0.0 ? range * (nearest - farthest) / (2.0 * (nearest + farthest)) : 0.0;
    t.perspective = stray > linearTolerance;
    if (!t.perspective) {
        t.u = planeOf(top.u, middle.u, bottom.u, spans);
        t.v = planeOf(top.v, middle.v, bottom.v, spans);
        return;
    }
    const int64_t width =
        std::max({spans.x10, spans.x20, int64_t{0}}) - std::min({spans.x10, spans.x20, int64_t{0}});
    const double longest = static_cast<double>(width) / subpixelUnit * std::sqrt(linearTolerance / stray);
    t.segment = shortestSegment;
    while (t.segment < longestSegment && t.segment * 2 <= longest)
        t.segment *= 2;
    t.q = perspectivePlaneOf(q0, q1, q2, spans);
    t.s = perspectivePlaneOf(0.0, u1 * q1, u2 * q2, spans);
    t.t = perspectivePlaneOf(0.0, v1 * q1, v2 * q2, spans);
}

} // namespace

bool setUpTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, int targetHeight,
                   unsigned interpolants, TriangleSetup& t) {
    const ScreenVertex* v[3] = {&a, &b, &c};
    if (v[1]->y < v[0]->y)
        std::swap(v[0], v[1]);
    if (v[2]->y < v[1]->y)
        std::swap(v[1], v[2]);
    if (v[1]->y < v[0]->y)
        std::swap(v[0], v[1]);
    const ScreenVertex& top = *v[0];
    const ScreenVertex& middle = *v[1];
    const ScreenVertex& bottom = *v[2];
    const int32_t firstRow = firstPixelFrom(top.y);
    const int32_t endRow = firstPixelFrom(bottom.y);
    if (firstRow >= targetHeight || endRow <= 0 || firstRow >= endRow)
        return false;
    const int64_t x10 = middle.x - top.x, y10 = middle.y - top.y;
    const int64_t x20 = bottom.x - top.x, y20 = bottom.y - top.y;
    // Positive when the middle vertex lies left of the long edge; the planes need its negation.
    const int64_t area = x20 * y10 - x10 * y20;
    if (area == 0)
        return false;
    t.top = &top;
    t.middle = &middle;
    t.bottom = &bottom;
    t.middleOnLeft = area > 0;
    const Spans spans{
        x10, y10, x20, y20, static_cast<double>(-area), subpixelUnit / static_cast<double>(-area)};
    if (interpolants & WalkDepth)
        t.z = planeOf(top.depth, middle.depth, bottom.depth, spans);
    t.perspective = false;
    if (interpolants & WalkPerspective) {
        texturePlanes(top, middle, bottom, spans, t);
    } else if (interpolants & WalkTexture) {
        t.u = planeOf(top.u, middle.u, bottom.u, spans);
        t.v = planeOf(top.v, middle.v, bottom.v, spans);
    }
    if (interpolants & WalkLight) {
        t.lx = planeOf(top.lightX, middle.lightX, bottom.lightX, spans);
        t.ly = planeOf(top.lightY, middle.lightY, bottom.lightY, spans);
    }
    return true;
}

} // namespace velmora
