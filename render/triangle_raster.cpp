#include "render/triangle_raster.h"

#include "render/span_routines.h"
#include "render/triangle_walk.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <utility>

namespace velmora {
namespace {

template <typename F, int Mode, bool Textured, bool Keyed, bool Smooth, bool Extras>
void walkRows(const RasterTarget& target, const ShadeContext& context, const TriangleSetup& t) {
    using Pixel = typename F::Pixel;
    constexpr unsigned interpolants = WalkDepth | (Textured ? WalkTexture : 0u) | (Smooth ? WalkLight : 0u);
    walkTriangle<interpolants>(t, target.width, target.height,
                               [&](int32_t y, int32_t first, int32_t count, const SpanInterpolants& s) {
                                   auto* row = reinterpret_cast<Pixel*>(target.bits + intptr_t{y} * target.stride);
                                   uint32_t* depthRow = target.depth + intptr_t{y} * target.width;
                                   drawSpan<F, Mode, Textured, Keyed, Smooth, Extras>(row + first, depthRow + first,
                                                                                       count, s, context);
                               });
}

using RowWalker = void (*)(const RasterTarget&, const ShadeContext&, const TriangleSetup&);

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
    const DecodedMaterial& m = *context.material;
    const unsigned interpolants = WalkDepth | (m.textured ? WalkTexture : 0u) | (m.smooth() ? WalkLight : 0u);
    TriangleSetup setup;
    if (setUpTriangle(a, b, c, target.height, interpolants, setup))
        chooseWalker(target, context)(target, context, setup);
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
