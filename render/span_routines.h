#pragma once
// The per-pixel loop of the 3D rasterizer, one template instantiated per target depth, shading mode
// and material shape. Everything that can be decided per triangle is a template argument or is
// hoisted into the ShadeContext; the loop itself is steps and table lookups.

#include "render/lighting_table.h"
#include "render/pixel_colour.h"
#include "render/triangle_raster.h"
#include "render/triangle_walk.h"

namespace velmora {

template <typename F, ShadingMode Mode, bool Textured, bool Keyed, bool Smooth, bool Extras>
inline void drawSpan(typename F::Pixel* pixels, uint32_t* depths, int count, SpanInterpolants s,
                     const ShadeContext& ctx) {
    using Ops = PixelOps<F>;
    using Pixel = typename F::Pixel;
    const DecodedMaterial& m = *ctx.material;
    const auto* texels = static_cast<const Pixel*>(m.texture.bits);
    const uint32_t uMask = m.texture.widthMask;
    const uint32_t vMask = m.texture.heightMask;
    const int rowShift = m.texture.rowShift;
    const uint32_t* diffuseTable = ctx.lighting ? ctx.lighting->diffuse.data() : nullptr;
    const uint32_t* specularTable = ctx.lighting ? ctx.lighting->specular.data() : nullptr;

    for (int i = 0; i < count; ++i, s.z += s.dz, s.u += s.du, s.v += s.dv, s.lx += s.dlx, s.ly += s.dly) {
        if (s.z >= depths[i])
            continue;
        uint32_t texel = m.colour;
        if constexpr (Textured) {
            texel = texels[(((s.v >> 16) & vMask) << rowShift) + ((s.u >> 16) & uMask)];
            if constexpr (Keyed) {
                if (texel == m.key)
                    continue;
            }
        }
        const uint32_t old = pixels[i];
        uint32_t colour = texel;
        if constexpr (isLit(Mode)) {
            const int cell = Smooth ? lightingIndex(static_cast<int32_t>(s.lx), static_cast<int32_t>(s.ly)) : 0;
            const uint32_t light = Smooth ? diffuseTable[cell] : ctx.flatLight;
            if constexpr (Mode == ShadingMode::Reflective) {
                colour = Ops::modulate(light, m.colour);
                if constexpr (Textured)
                    colour = Ops::moveToward(colour, Ops::modulate(light, texel), m.textureAmount);
                if (m.selfIllumination != 0)
                    colour = Ops::addSaturated(colour, m.selfIllumination);
            } else {
                colour = Ops::modulate(light, texel);
            }
            if constexpr (Mode != ShadingMode::Lit) {
                if (m.transparency != 0)
                    colour = Ops::moveToward(colour, old, m.transparency);
                uint32_t specular = Smooth ? specularTable[cell] : ctx.flatSpecular;
                if constexpr (Mode == ShadingMode::Reflective && Smooth) {
                    if (m.reflection.valid()) {
                        const auto* reflection = static_cast<const Pixel*>(m.reflection.bits);
                        const uint32_t mirrored =
                            reflection[(((s.ly >> 16) & m.reflectionMaskY) << m.reflection.rowShift) +
                                       ((s.lx >> 16) & m.reflectionMaskX)];
                        specular = Ops::moveToward(specular, Ops::addSaturated(specular, mirrored), m.reflectionBlend);
                    }
                }
                colour = Ops::addSaturated(colour, Ops::scale(specular, m.specularLevel));
            }
        } else if constexpr (Mode == ShadingMode::UnlitBlended) {
            if (m.transparency != 0)
                colour = Ops::moveToward(colour, old, m.transparency);
        }
        if constexpr (Extras) {
            if (ctx.fog.enabled) {
                const auto depth = static_cast<int32_t>(s.z);
                if (depth >= ctx.fog.back) {
                    colour = ctx.fog.colour;
                } else if (depth > ctx.fog.front) {
                    const int f = static_cast<int>((int64_t{ctx.fog.back - depth} * ctx.fog.scale) >> 16);
                    colour = Ops::moveToward(ctx.fog.colour, colour, f);
                }
            }
            if (m.alpha.valid()) {
                const auto* alphaTexels = static_cast<const Pixel*>(m.alpha.bits);
                const uint32_t alpha = alphaTexels[(((s.v >> 16) & m.alpha.heightMask) << m.alpha.rowShift) +
                                                   ((s.u >> 16) & m.alpha.widthMask)];
                if (alpha != PixelOps<F>::white)
                    colour = Ops::moveToward(old, colour, Ops::alphaOf(alpha));
            }
        }
        pixels[i] = static_cast<Pixel>(colour);
        depths[i] = s.z;
    }
}

} // namespace velmora
