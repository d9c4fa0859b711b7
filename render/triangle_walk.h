#pragma once
// Triangle setup and row walking, shared by every renderer that fills triangles in screen space:
// the vertices are sorted by row, each interpolant becomes a plane (its value at the top vertex and
// its change per pixel and per row), and the rows are walked from the top, each span handed to the
// caller's span routine with its interpolants at its first pixel. Vertex positions carry
// subpixelBits of fraction. Rows and spans follow the top-left rule (a pixel is covered when its
// top-left corner lies inside), so shared edges draw once, and they are cut to the target's
// rectangle.

#include "render/fixed_point.h"
#include "render/mesh3d.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

// Interpolants of a span at its first pixel and their steps per pixel. Unsigned, so that a step past
// the end wraps instead of overflowing; texture coordinates may wrap because textures repeat. With
// perspective, q, s and t are 1 / z and the texture coordinates' offsets from the top vertex's over
// z, all linear across the screen; u and v then only hold the top vertex's coordinates.
struct SpanInterpolants {
    uint32_t z, dz;   // depth, 16.16 world units
    uint32_t u, du;   // texels, 16.16
    uint32_t v, dv;
    uint32_t lx, dlx; // lighting coordinates << 16
    uint32_t ly, dly;
    double q, dq;
    double s, ds;
    double t, dt;
};

// Which interpolants a walk computes.
enum Interpolant : unsigned { WalkDepth = 1, WalkTexture = 2, WalkLight = 4, WalkPerspective = 8 };

// The longest stretch of a span over which perspective-correct texture coordinates are stepped
// linearly.
constexpr int longestSegment = 64;

// A plane of 16.16 values: its value at the top vertex and its change per pixel.
struct TrianglePlane {
    int64_t base = 0;
    int64_t dx = 0;
    int64_t dy = 0;
    // The value at an offset from the top vertex, in subpixels.
    int64_t at(int64_t offsetX, int64_t offsetY) const {
        return base + ((dx * offsetX + dy * offsetY) >> subpixelBits);
    }
};

// A plane of a quantity divided by depth, for perspective-correct texture coordinates.
struct PerspectivePlane {
    double base = 0;
    double dx = 0;
    double dy = 0;
    double at(int64_t offsetX, int64_t offsetY) const {
        return base +
               (dx * static_cast<double>(offsetX) + dy * static_cast<double>(offsetY)) * (1.0 / subpixelUnit);
    }
};

struct TriangleSetup {
    const ScreenVertex* top = nullptr;
    const ScreenVertex* middle = nullptr;
    const ScreenVertex* bottom = nullptr;
    bool middleOnLeft = false;
    bool perspective = false; // texture coordinates need q, s and t rather than u and v
    // With perspective, texture coordinates are exact (divided by the interpolated 1 / z) every
    // segment pixels of a span and stepped linearly in between.
    int segment = longestSegment;
    TrianglePlane z, u, v, lx, ly;
    PerspectivePlane q, s, t;
};

// Sorts and measures the triangle; false when it covers no row of a target of that height. Asked
// for WalkPerspective, it sets up q, s and t, or u and v when linear texture coordinates are close
// enough, and says which in perspective.
bool setUpTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, int targetHeight,
                   unsigned interpolants, TriangleSetup& setup);

// The first pixel row or column at or after a subpixel position.
constexpr int32_t firstPixelFrom(int32_t subpixels) {
    return (subpixels + subpixelUnit - 1) >> subpixelBits;
}

namespace detail {

// An edge's x (16.16) on the pixel rows from the first at or below its top vertex.
struct Edge {
    int64_t firstX = 0;
    int32_t firstRow = 0;
    int64_t step = 0; // per row

    Edge(const ScreenVertex& from, const ScreenVertex& to) : firstRow(firstPixelFrom(from.y)) {
        constexpr int toSixteen = 16 - subpixelBits;
        const int64_t dy = to.y - from.y;
        if (dy > 0)
            step = divideTruncated(int64_t{to.x - from.x} * 65536, dy);
        const int64_t below = (int64_t{firstRow} << subpixelBits) - from.y; // subpixels down to the row
        firstX = (int64_t{from.x} << toSixteen) + ((step * below) >> subpixelBits);
    }
    int64_t xAt(int32_t y) const { return firstX + step * (y - firstRow); }
};

} // namespace detail

// Calls span(y, firstX, count, interpolants) for every covered span within width x height.
template <unsigned Interpolants, typename Span>
inline void walkTriangle(const TriangleSetup& t, int width, int height, Span&& span) {
    const detail::Edge longEdge(*t.top, *t.bottom);
    const detail::Edge upperEdge(*t.top, *t.middle);
    const detail::Edge lowerEdge(*t.middle, *t.bottom);
    const int32_t firstRow = std::max(longEdge.firstRow, 0);
    const int32_t middleRow = lowerEdge.firstRow;
    const int32_t endRow = std::min(firstPixelFrom(t.bottom->y), height);
    for (int32_t y = firstRow; y < endRow; ++y) {
        const detail::Edge& shortEdge = y < middleRow ? upperEdge : lowerEdge;
        const int64_t longX = longEdge.xAt(y);
        const int64_t shortX = shortEdge.xAt(y);
        const int64_t leftX = t.middleOnLeft ? shortX : longX;
        const int64_t rightX = t.middleOnLeft ? longX : shortX;
        const auto first = static_cast<int32_t>(std::max<int64_t>((leftX + 0xFFFF) >> 16, 0));
        const auto end = static_cast<int32_t>(std::min<int64_t>((rightX + 0xFFFF) >> 16, width));
        if (first >= end)
            continue;
        const int64_t offsetX = (int64_t{first} << subpixelBits) - t.top->x;
        const int64_t offsetY = (int64_t{y} << subpixelBits) - t.top->y;
        SpanInterpolants s{};
        if constexpr ((Interpolants & WalkDepth) != 0) {
            s.z = static_cast<uint32_t>(t.z.at(offsetX, offsetY));
            s.dz = static_cast<uint32_t>(t.z.dx);
        }
        if constexpr ((Interpolants & WalkPerspective) != 0) {
            s.u = static_cast<uint32_t>(t.top->u);
            s.v = static_cast<uint32_t>(t.top->v);
            s.q = t.q.at(offsetX, offsetY);
            s.dq = t.q.dx;
            s.s = t.s.at(offsetX, offsetY);
            s.ds = t.s.dx;
            s.t = t.t.at(offsetX, offsetY);
            s.dt = t.t.dx;
        } else if constexpr ((Interpolants & WalkTexture) != 0) {
            s.u = static_cast<uint32_t>(t.u.at(offsetX, offsetY));
            s.du = static_cast<uint32_t>(t.u.dx);
            s.v = static_cast<uint32_t>(t.v.at(offsetX, offsetY));
            s.dv = static_cast<uint32_t>(t.v.dx);
        }
        if constexpr ((Interpolants & WalkLight) != 0) {
            s.lx = static_cast<uint32_t>(t.lx.at(offsetX, offsetY));
            s.dlx = static_cast<uint32_t>(t.lx.dx);
            s.ly = static_cast<uint32_t>(t.ly.at(offsetX, offsetY));
            s.dly = static_cast<uint32_t>(t.ly.dx);
        }
        span(y, first, end - first, s);
    }
}

} // namespace velmora
