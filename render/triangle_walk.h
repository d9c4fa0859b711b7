#pragma once
// Triangle setup and row walking, shared by every renderer that fills triangles in screen space:
// the vertices are sorted by row, each interpolant becomes a plane (its value at the top vertex and
// its change per pixel and per row), and the rows are walked from the top, each span handed to the
// caller's span routine with its interpolants at its first pixel. Rows and spans follow the top-left
// rule (a pixel is covered when its top-left corner lies inside), so shared edges draw once, and
// they are cut to the target's rectangle.

#include "render/fixed_point.h"
#include "render/mesh3d.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

// Interpolants of a span at its first pixel and their steps per pixel. Unsigned, so that a step past
// the end wraps instead of overflowing; texture coordinates may wrap because textures repeat.
struct SpanInterpolants {
    uint32_t z, dz;   // depth, 16.16 world units
    uint32_t u, du;   // texels, 16.16
    uint32_t v, dv;
    uint32_t lx, dlx; // lighting coordinates << 16
    uint32_t ly, dly;
};

// Which interpolants a walk computes.
enum Interpolant : unsigned { WalkDepth = 1, WalkTexture = 2, WalkLight = 4 };

struct TrianglePlane {
    int64_t base = 0;
    int64_t dx = 0;
    int64_t dy = 0;
    // The value at an offset from the top vertex.
    int64_t at(int64_t offsetX, int64_t offsetY) const { return base + dx * offsetX + dy * offsetY; }
};

struct TriangleSetup {
    const ScreenVertex* top = nullptr;
    const ScreenVertex* middle = nullptr;
    const ScreenVertex* bottom = nullptr;
    bool middleOnLeft = false;
    TrianglePlane z, u, v, lx, ly;
};

// Sorts and measures the triangle; false when it covers no row of a target of that height.
bool setUpTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, int targetHeight,
                   unsigned interpolants, TriangleSetup& setup);

namespace detail {

struct Edge {
    int32_t topX = 0; // 16.16 at topY
    int32_t topY = 0;
    int64_t step = 0; // 16.16 per row

    Edge(const ScreenVertex& from, const ScreenVertex& to) : topX(from.x * 65536), topY(from.y) {
        const int32_t dy = to.y - from.y;
        if (dy > 0)
            step = divideTruncated(int64_t{to.x - from.x} * 65536, dy);
    }
    int32_t xAt(int32_t y) const { return static_cast<int32_t>(topX + step * (y - topY)); }
};

} // namespace detail

// Calls span(y, firstX, count, interpolants) for every covered span within width x height.
template <unsigned Interpolants, typename Span>
inline void walkTriangle(const TriangleSetup& t, int width, int height, Span&& span) {
    const detail::Edge longEdge(*t.top, *t.bottom);
    const detail::Edge upperEdge(*t.top, *t.middle);
    const detail::Edge lowerEdge(*t.middle, *t.bottom);
    const int32_t firstRow = std::max(t.top->y, 0);
    const int32_t endRow = std::min(t.bottom->y, height);
    for (int32_t y = firstRow; y < endRow; ++y) {
        const detail::Edge& shortEdge = y < t.middle->y ? upperEdge : lowerEdge;
        const int32_t longX = longEdge.xAt(y);
        const int32_t shortX = shortEdge.xAt(y);
        const int32_t leftX = t.middleOnLeft ? shortX : longX;
        const int32_t rightX = t.middleOnLeft ? longX : shortX;
        const int32_t first = std::max((leftX + 0xFFFF) >> 16, 0);
        const int32_t end = std::min((rightX + 0xFFFF) >> 16, width);
        if (first >= end)
            continue;
        const int64_t offsetX = first - t.top->x;
        const int64_t offsetY = y - t.top->y;
        SpanInterpolants s{};
        if constexpr ((Interpolants & WalkDepth) != 0) {
            s.z = static_cast<uint32_t>(t.z.at(offsetX, offsetY));
            s.dz = static_cast<uint32_t>(t.z.dx);
        }
        if constexpr ((Interpolants & WalkTexture) != 0) {
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
