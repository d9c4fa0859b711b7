#include "render/triangle_raster.h"

#include "base/verify.h"
#include "render/span_routines.h"
#include "render/triangle_walk.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace velmora {
namespace {

// 1 / n for the pixel counts of a segment of a span (see TriangleSetup::segment).
constexpr std::array<double, longestSegment + 1> inverseCounts = [] {
    std::array<double, longestSegment + 1> inverses{};
    for (int n = 1; n <= longestSegment; ++n)
        inverses[n] = 1.0 / n;
    return inverses;
}();

// A segment ends one pixel past its span, where 1 / z may come near 0 or below: it is kept above
// this, and texture coordinates are limited before conversion.
constexpr double smallestInverseDepth = 1.0e-9;

// A texture coordinate (16.16 texels) in 32 bits, wrapped as textures repeat.
inline uint32_t wrapped(double value) {
    constexpr double limit = static_cast<double>(int64_t{1} << 62);
    return static_cast<uint32_t>(static_cast<int64_t>(std::clamp(value, -limit, limit)));
}

// How a walker takes texture coordinates across a triangle: none, linearly across the screen, or
// perspective-correct.
enum Texturing { Untextured, Affine, Perspective };

template <typename F, ShadingMode Mode, Texturing T, bool Keyed, bool Smooth, bool Extras>
void walkRows(const RasterTarget& target, const ShadeContext& context, const TriangleSetup& t) {
    using Pixel = typename F::Pixel;
    constexpr bool textured = T != Untextured;
    constexpr unsigned interpolants = WalkDepth | (T == Affine ? WalkTexture : 0u) |
                                      (T == Perspective ? WalkPerspective : 0u) | (Smooth ? WalkLight : 0u);
    walkTriangle<interpolants>(
        t, target.width, target.height, [&](int32_t y, int32_t first, int32_t count, SpanInterpolants s) {
            Pixel* pixels = reinterpret_cast<Pixel*>(target.bits + intptr_t{y} * target.stride) + first;
            uint32_t* depths = target.depth + intptr_t{y} * target.width + first;
            if constexpr (T != Perspective) {
                drawSpan<F, Mode, textured, Keyed, Smooth, Extras>(pixels, depths, count, s, context);
            } else {
                const uint32_t topU = s.u, topV = s.v;
                double depth = 1.0 / s.q;
                double offsetU = s.s * depth, offsetV = s.t * depth; // from the top vertex's
                for (int done = 0; done < count;) {
                    const int n = std::min(t.segment, count - done);
                    s.q += s.dq * n;
                    s.s += s.ds * n;
                    s.t += s.dt * n;
                    depth = 1.0 / std::max(s.q, smallestInverseDepth);
                    const double nextU = s.s * depth, nextV = s.t * depth;
                    s.u = topU + wrapped(offsetU);
                    s.v = topV + wrapped(offsetV);
                    s.du = wrapped((nextU - offsetU) * inverseCounts[n]);
                    s.dv = wrapped((nextV - offsetV) * inverseCounts[n]);
                    drawSpan<F, Mode, true, Keyed, Smooth, Extras>(pixels + done, depths + done, n, s,
                                                                   context);
                    s.z += s.dz * static_cast<uint32_t>(n);
                    s.lx += s.dlx * static_cast<uint32_t>(n);
                    s.ly += s.dly * static_cast<uint32_t>(n);
                    offsetU = nextU;
                    offsetV = nextV;
                    done += n;
                }
            }
        });
}

using RowWalker = void (*)(const RasterTarget&, const ShadeContext&, const TriangleSetup&);

// Walkers of one format and mode, indexed by ((texturing x 2 + keyed) x 2 + smooth) x 2 + extras.
template <typename F, ShadingMode Mode, size_t... Index>
constexpr std::array<RowWalker, sizeof...(Index)> walkersOfMode(std::index_sequence<Index...>) {
    return {walkRows<F, Mode, static_cast<Texturing>(Index >> 3), ((Index >> 2) & 1) != 0,
                     ((Index >> 1) & 1) != 0, (Index & 1) != 0>...};
}

constexpr size_t walkersPerMode = 24;

template <typename F>
constexpr std::array<std::array<RowWalker, walkersPerMode>, shadingModeCount> walkersOfFormat() {
    constexpr auto all = std::make_index_sequence<walkersPerMode>();
    return {walkersOfMode<F, ShadingMode::Unlit>(all), walkersOfMode<F, ShadingMode::Lit>(all),
            walkersOfMode<F, ShadingMode::LitBlended>(all), walkersOfMode<F, ShadingMode::UnlitBlended>(all),
            walkersOfMode<F, ShadingMode::Reflective>(all)};
}

const std::array<std::array<RowWalker, walkersPerMode>, shadingModeCount> walkers16 =
    walkersOfFormat<Format16>();
const std::array<std::array<RowWalker, walkersPerMode>, shadingModeCount> walkers32 =
    walkersOfFormat<Format32>();

RowWalker chooseWalker(const RasterTarget& target, const ShadeContext& context, Texturing texturing) {
    const DecodedMaterial& m = *context.material;
    const bool smooth = m.smooth() && context.lighting;
    const bool extras = context.fog.enabled || m.alpha.valid();
    const bool keyed = texturing != Untextured && m.keyed;
    const size_t index =
        ((texturing * 2u + (keyed ? 1u : 0u)) * 2u + (smooth ? 1u : 0u)) * 2u + (extras ? 1u : 0u);
    const auto& table = target.bitsPerPixel == 16 ? walkers16 : walkers32;
    const int mode = static_cast<int>(m.detailLevel);
    VERIFY(mode >= 1 && mode <= shadingModeCount,
           "convert numbers from outside with shadingModeFromNumber before they reach a material");
    return table[static_cast<size_t>(mode - 1)][index];
}

} // namespace

void rasterizeTriangle(const RasterTarget& target, const ShadeContext& context, const ScreenVertex& a,
                       const ScreenVertex& b, const ScreenVertex& c) {
    const DecodedMaterial& m = *context.material;
    const unsigned interpolants =
        WalkDepth | (m.textured ? WalkPerspective : 0u) | (m.smooth() ? WalkLight : 0u);
    TriangleSetup setup;
    if (!setUpTriangle(a, b, c, target.height, interpolants, setup))
        return;
    const Texturing texturing = !m.textured ? Untextured : setup.perspective ? Perspective : Affine;
    chooseWalker(target, context, texturing)(target, context, setup);
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
