#include "render/triangle_raster.h"

#include "render/span_routines.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <utility>

namespace velmora {
namespace {

// One interpolant over the triangle's plane: its value at the top vertex and its change per pixel
// along x and per row along y, all in the interpolant's own 16.16 units.
struct Plane {
    int64_t base = 0;
    int64_t dx = 0;
    int64_t dy = 0;

    // The value at pixel (x, y) relative to the top vertex.
    int64_t at(int64_t offsetX, int64_t offsetY) const { return base + dx * offsetX + dy * offsetY; }
};

// The differences of an interpolant from the top vertex; u and v may have wrapped in 32 bits, so
// their differences are taken modulo 2^32 (textures repeat).
inline int64_t wrappedDifference(int32_t to, int32_t from) {
    return static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
}

Plane planeOf(int32_t a0, int32_t a1, int32_t a2, int64_t x10, int64_t y10, int64_t x20, int64_t y20, int64_t area) {
    const int64_t d1 = wrappedDifference(a1, a0);
    const int64_t d2 = wrappedDifference(a2, a0);
    // Numerators stay below 2^48 (32-bit differences times 15-bit screen spans).
    return {a0, divideTruncated(d1 * y20 - d2 * y10, area), divideTruncated(d2 * x10 - d1 * x20, area)};
}

inline uint32_t toSpan(int64_t value) { return static_cast<uint32_t>(value); }

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

struct Setup {
    const ScreenVertex* top;
    const ScreenVertex* middle;
    const ScreenVertex* bottom;
    bool middleOnLeft;
    Plane z, u, v, lx, ly;
};

template <typename F, int Mode, bool Textured, bool Keyed, bool Smooth, bool Extras>
void walkRows(const RasterTarget& target, const ShadeContext& context, const Setup& t) {
    using Pixel = typename F::Pixel;
    const Edge longEdge(*t.top, *t.bottom);
    const Edge upperEdge(*t.top, *t.middle);
    const Edge lowerEdge(*t.middle, *t.bottom);
    const int32_t firstRow = std::max(t.top->y, 0);
    const int32_t endRow = std::min(t.bottom->y, target.height);
    for (int32_t y = firstRow; y < endRow; ++y) {
        const Edge& shortEdge = y < t.middle->y ? upperEdge : lowerEdge;
        const int32_t longX = longEdge.xAt(y);
        const int32_t shortX = shortEdge.xAt(y);
        const int32_t leftX = t.middleOnLeft ? shortX : longX;
        const int32_t rightX = t.middleOnLeft ? longX : shortX;
        const int32_t first = std::max((leftX + 0xFFFF) >> 16, 0);
        const int32_t end = std::min((rightX + 0xFFFF) >> 16, target.width);
        if (first >= end)
            continue;
        const int64_t offsetX = first - t.top->x;
        const int64_t offsetY = y - t.top->y;
        SpanInterpolants s{};
        s.z = toSpan(t.z.at(offsetX, offsetY));
        s.dz = toSpan(t.z.dx);
        if constexpr (Textured) {
            s.u = toSpan(t.u.at(offsetX, offsetY));
            s.du = toSpan(t.u.dx);
            s.v = toSpan(t.v.at(offsetX, offsetY));
            s.dv = toSpan(t.v.dx);
        }
        if constexpr (Smooth) {
            s.lx = toSpan(t.lx.at(offsetX, offsetY));
            s.dlx = toSpan(t.lx.dx);
            s.ly = toSpan(t.ly.at(offsetX, offsetY));
            s.dly = toSpan(t.ly.dx);
        }
        auto* row = reinterpret_cast<Pixel*>(target.bits + static_cast<intptr_t>(y) * target.stride);
        uint32_t* depthRow = target.depth + static_cast<intptr_t>(y) * target.width;
        drawSpan<F, Mode, Textured, Keyed, Smooth, Extras>(row + first, depthRow + first, end - first, s, context);
    }
}

using RowWalker = void (*)(const RasterTarget&, const ShadeContext&, const Setup&);

// The walker for every combination: [format][mode - 1][textured][keyed][smooth][extras].
template <typename F, int Mode>
constexpr std::array<RowWalker, 16> walkersOfMode() {
    return {walkRows<F, Mode, false, false, false, false>, walkRows<F, Mode, false, false, false, true>,
            walkRows<F, Mode, false, false, true, false>,  walkRows<F, Mode, false, false, true, true>,
            walkRows<F, Mode, false, false, false, false>, walkRows<F, Mode, false, false, false, true>,
            walkRows<F, Mode, false, false, true, false>,  walkRows<F, Mode, false, false, true, true>,
            walkRows<F, Mode, true, false, false, false>,  walkRows<F, Mode, true, false, false, true>,
            walkRows<F, Mode, true, false, true, false>,   walkRows<F, Mode, true, false, true, true>,
            walkRows<F, Mode, true, true, false, false>,   walkRows<F, Mode, true, true, false, true>,
            walkRows<F, Mode, true, true, true, false>,    walkRows<F, Mode, true, true, true, true>};
}

template <typename F>
constexpr std::array<std::array<RowWalker, 16>, 5> walkersOfFormat() {
    return {walkersOfMode<F, 1>(), walkersOfMode<F, 2>(), walkersOfMode<F, 3>(), walkersOfMode<F, 4>(),
            walkersOfMode<F, 5>()};
}

const std::array<std::array<RowWalker, 16>, 5> walkers16 = walkersOfFormat<Format16>();
const std::array<std::array<RowWalker, 16>, 5> walkers32 = walkersOfFormat<Format32>();

RowWalker chooseWalker(const RasterTarget& target, const ShadeContext& context) {
    const DecodedMaterial& m = *context.material;
    const bool smooth = m.smooth() && context.lighting;
    const bool extras = context.fog.enabled || m.alpha.valid();
    const int index = (m.textured ? 8 : 0) + (m.textured && m.keyed ? 4 : 0) + (smooth ? 2 : 0) + (extras ? 1 : 0);
    const auto& table = target.bitsPerPixel == 16 ? walkers16 : walkers32;
    return table[m.detailLevel - 1][index];
}

} // namespace

void rasterizeTriangle(const RasterTarget& target, const ShadeContext& context, const ScreenVertex& a,
                       const ScreenVertex& b, const ScreenVertex& c) {
    const ScreenVertex* v[3] = {&a, &b, &c};
    if (v[1]->y < v[0]->y)
        std::swap(v[0], v[1]);
    if (v[2]->y < v[1]->y)
        std::swap(v[1], v[2]);
    if (v[1]->y < v[0]->y)
        std::swap(v[0], v[1]);
    const ScreenVertex& top = *v[0];
    const ScreenVertex& bottom = *v[2];
    if (top.y >= target.height || bottom.y <= 0 || top.y == bottom.y)
        return;
    const int64_t x10 = v[1]->x - top.x, y10 = v[1]->y - top.y;
    const int64_t x20 = bottom.x - top.x, y20 = bottom.y - top.y;
    // Twice the signed area; positive when the middle vertex lies left of the long edge.
    const int64_t area = x20 * y10 - x10 * y20;
    if (area == 0)
        return;
    Setup t{v[0], v[1], v[2], area > 0, {}, {}, {}, {}, {}};
    const RowWalker walk = chooseWalker(target, context);
    const DecodedMaterial& m = *context.material;
    const int64_t signedArea = -area; // the plane formulas below are written for the other sign
    t.z = planeOf(top.depth, v[1]->depth, bottom.depth, x10, y10, x20, y20, signedArea);
    if (m.textured) {
        t.u = planeOf(top.u, v[1]->u, bottom.u, x10, y10, x20, y20, signedArea);
        t.v = planeOf(top.v, v[1]->v, bottom.v, x10, y10, x20, y20, signedArea);
    }
    if (m.smooth()) {
        t.lx = planeOf(top.lightX, v[1]->lightX, bottom.lightX, x10, y10, x20, y20, signedArea);
        t.ly = planeOf(top.lightY, v[1]->lightY, bottom.lightY, x10, y10, x20, y20, signedArea);
    }
    walk(target, context, t);
}

void drawLine(const RasterTarget& target, int x0, int y0, int x1, int y1, uint32_t colour, int width) {
    const int thickness = std::max(width, 1);
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const bool steep = -dy > dx; // thickness grows across the line's main direction
    int error = dx + dy;
    for (int64_t guard = 0; guard <= int64_t{dx} - dy; ++guard) {
        for (int k = 0; k < thickness; ++k) {
            const int px = steep ? x0 + k - thickness / 2 : x0;
            const int py = steep ? y0 : y0 + k - thickness / 2;
            if (px < 0 || py < 0 || px >= target.width || py >= target.height)
                continue;
            uint8_t* address = target.bits + static_cast<intptr_t>(py) * target.stride;
            if (target.bitsPerPixel == 16)
                reinterpret_cast<uint16_t*>(address)[px] = static_cast<uint16_t>(colour);
            else
                reinterpret_cast<uint32_t*>(address)[px] = colour;
        }
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

} // namespace velmora
