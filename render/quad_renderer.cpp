#include "render/quad_renderer.h"

#include "render/pixel_colour.h"
#include "render/texel_map.h"
#include "render/triangle_walk.h"

#include <algorithm>
#include <cstdint>

namespace velmora {
namespace {

// Corners far outside the scene are pulled in to this range so that the row walk's 16.16 edge
// positions cannot overflow; such a quad is mostly clipped anyway.
constexpr int32_t screenLimit = 16384;

enum AlphaKind { NoAlpha = 0, KeyedByTexture = 1, AlphaMap = 2 };

// A material in the target's pixel format.
struct QuadMaterial {
    TexelMap texture;
    TexelMap alpha; // the separate alpha map (AlphaMap)
    AlphaKind alphaKind = NoAlpha;
    uint32_t key = 0;
    bool shaded = false; // shading mode above 1: tint, glow and transparency apply
    uint32_t colour = 0;
    uint32_t selfIllumination = 0;
    int textureAmount = 255;
    int transparency = 0; // 0 opaque ... 256 invisible
};

QuadMaterial decodeQuadMaterial(const Material3D& material, int bitsPerPixel) {
    QuadMaterial decoded;
    decoded.texture = texelMapOf(material.texture, bitsPerPixel);
    decoded.key = encodePixel(material.keyColour, bitsPerPixel);
    if (material.alphaTexture && material.alphaMode == AlphaMode::ColourKey) {
        decoded.alphaKind = KeyedByTexture;
    } else if (material.alphaTexture) {
        decoded.alpha = texelMapOf(material.alphaTexture, bitsPerPixel);
        decoded.alphaKind = decoded.alpha.valid() ? AlphaMap : NoAlpha;
    }
    decoded.colour = encodePixel(material.diffuse, bitsPerPixel);
    if (material.detailLevel != ShadingMode::Unlit) {
        decoded.shaded = true;
        decoded.selfIllumination = encodePixel(material.selfIllumination, bitsPerPixel);
        decoded.textureAmount = std::clamp(material.textureAmount, 0, 255);
        decoded.transparency = std::clamp(material.transparency, 0, 256);
    }
    return decoded;
}

template <typename F, bool Shaded, int Alpha>
void drawQuadSpan(typename F::Pixel* pixels, int count, SpanInterpolants s, const QuadMaterial& m) {
    using Ops = PixelOps<F>;
    using Pixel = typename F::Pixel;
    const auto* texels = static_cast<const Pixel*>(m.texture.bits);
    const auto* alphaTexels = static_cast<const Pixel*>(m.alpha.bits);
    for (int i = 0; i < count; ++i, s.u += s.du, s.v += s.dv) {
        const uint32_t column = s.u >> 16, row = s.v >> 16;
        const uint32_t texel =
            texels[((row & m.texture.heightMask) << m.texture.rowShift) + (column & m.texture.widthMask)];
        uint32_t alpha = 0;
        if constexpr (Alpha == KeyedByTexture) {
            if (texel == m.key)
                continue;
        } else if constexpr (Alpha == AlphaMap) {
            // Indexed with the map's own size: a map smaller than the texture is never read past.
            alpha =
                alphaTexels[((row & m.alpha.heightMask) << m.alpha.rowShift) + (column & m.alpha.widthMask)];
            if (alpha == m.key)
                continue;
        }
        const uint32_t old = pixels[i];
        uint32_t colour = texel;
        if constexpr (Shaded) {
            if (m.textureAmount < 255)
                colour = Ops::moveToward(m.colour, texel, m.textureAmount);
            if (m.selfIllumination != 0)
                colour = Ops::addSaturated(colour, m.selfIllumination);
            if (m.transparency != 0)
                colour = Ops::moveToward(colour, old, m.transparency);
        }
        if constexpr (Alpha == AlphaMap) {
            if (alpha != Ops::white)
                colour = Ops::moveToward(old, colour, Ops::alphaOf(alpha));
        }
        pixels[i] = static_cast<Pixel>(colour);
    }
}

template <typename F, bool Shaded, int Alpha>
void fillTriangle(const RasterTarget& target, const TriangleSetup& setup, const QuadMaterial& m) {
    // The walk gives values at pixel corners; texels are taken at pixel centres, so that a quad
    // turned or mirrored does not show the texel just past its picture's edge.
    const auto halfU = static_cast<uint32_t>((setup.u.dx + setup.u.dy) / 2);
    const auto halfV = static_cast<uint32_t>((setup.v.dx + setup.v.dy) / 2);
    walkTriangle<WalkTexture>(
        setup, target.width, target.height, [&](int32_t y, int32_t first, int32_t count, SpanInterpolants s) {
            s.u += halfU;
            s.v += halfV;
            drawQuadSpan<F, Shaded, Alpha>(pixelRow<F>(target.bits, target.stride, y) + first, count, s, m);
        });
}

using TriangleFiller = void (*)(const RasterTarget&, const TriangleSetup&, const QuadMaterial&);

template <typename F> constexpr TriangleFiller fillerFor(bool shaded, AlphaKind alpha) {
    constexpr TriangleFiller plain[3] = {fillTriangle<F, false, NoAlpha>,
                                         fillTriangle<F, false, KeyedByTexture>,
                                         fillTriangle<F, false, AlphaMap>};
    constexpr TriangleFiller tinted[3] = {fillTriangle<F, true, NoAlpha>,
                                          fillTriangle<F, true, KeyedByTexture>,
                                          fillTriangle<F, true, AlphaMap>};
    return shaded ? tinted[alpha] : plain[alpha];
}

int32_t screenCoordinate(int centre, int32_t unit, int scale) {
    const int64_t position = centre + ((int64_t{unit} * scale) >> 10);
    return static_cast<int32_t>(std::clamp<int64_t>(position, -screenLimit, screenLimit));
}

uint8_t outsideFlags(const ScreenVertex& p, int width, int height) {
    return static_cast<uint8_t>((p.x < 0 ? ClipLeft : 0) | (p.x >= width ? ClipRight : 0) |
                                (p.y < 0 ? ClipTop : 0) | (p.y >= height ? ClipBottom : 0));
}

void drawQuad(const RasterTarget& target, const QuadView& view, const Transform2D& t, const Quad2D& quad) {
    if (!quad.material)
        return;
    const QuadMaterial m = decodeQuadMaterial(*quad.material, target.bitsPerPixel);
    if (!m.texture.valid())
        return;
    std::array<ScreenVertex, 4> screen;
    uint8_t sharedOutside = 0xFF;
    for (size_t i = 0; i < screen.size(); ++i) {
        const Vertex2D& corner = quad.corners[i];
        const int32_t x = saturatedInt(t.a * corner.x + t.b * corner.y + t.tx);
        const int32_t y = saturatedInt(t.c * corner.x + t.d * corner.y + t.ty);
        ScreenVertex& p = screen[i];
        p.x = screenCoordinate(view.width / 2, x, view.scale);
        p.y = view.height / 2 - (screenCoordinate(0, y, view.scale));
        sharedOutside &= outsideFlags(p, view.width, view.height);
        p.x *= subpixelUnit; // quads keep whole-pixel corners
        p.y *= subpixelUnit;
        // Texture units plus the scrolling offset, as texels; wrapping is harmless, textures repeat.
        p.u = static_cast<Fixed16>(
            (static_cast<uint32_t>(corner.u) + static_cast<uint32_t>(quad.material->textureOffsetU))
            << m.texture.log2Width);
        p.v = static_cast<Fixed16>(
            (static_cast<uint32_t>(corner.v) + static_cast<uint32_t>(quad.material->textureOffsetV))
            << m.texture.log2Height);
    }
    if (sharedOutside != 0)
        return;
    const TriangleFiller fill = target.bitsPerPixel == 16 ? fillerFor<Format16>(m.shaded, m.alphaKind)
                                                          : fillerFor<Format32>(m.shaded, m.alphaKind);
    TriangleSetup setup;
    if (setUpTriangle(screen[0], screen[1], screen[2], target.height, WalkTexture, setup))
        fill(target, setup, m);
    if (setUpTriangle(screen[2], screen[3], screen[0], target.height, WalkTexture, setup))
        fill(target, setup, m);
}

} // namespace

int quadViewScale(int viewportWidth, float layoutScale, int sceneWidth) {
    if (sceneWidth <= 0)
        return saturatedInt(1024.0f * layoutScale);
    return saturatedInt(static_cast<float>(int64_t{viewportWidth} << 10) * layoutScale /
                        static_cast<float>(sceneWidth));
}

void drawGroup2D(const RasterTarget& target, const QuadView& view, const Group2D& group) {
    if (!target.valid() || !group.visible)
        return;
    for (const Quad2D& quad : group.quads)
        drawQuad(target, view, group.transform, quad);
}

} // namespace velmora
