#pragma once
// A material as the span routines use it: colours in the target's pixel format, texture frames as
// texel maps, and the shading mode's settings.

#include "render/shading_mode.h"
#include "render/texel_map.h"

#include <cstdint>

namespace velmora {

struct Material3D;
struct Mesh3D;

struct DecodedMaterial {
    ShadingMode detailLevel = ShadingMode::Unlit;
    uint32_t colour = 0; // pixel format
    TexelMap texture;
    TexelMap alpha;            // a separate alpha map
    bool textured = false;     // texture present and readable
    bool keyed = false;        // texels equal to key are transparent
    uint32_t key = 0;          // pixel format
    bool flat = false;
    int transparency = 0;
    int specularLevel = 255;
    uint32_t selfIllumination = 0; // pixel format
    int textureAmount = 255;
    TexelMap reflection; // Reflective, smooth, mesh allows environment mapping
    uint32_t reflectionMaskX = 0;
    uint32_t reflectionMaskY = 0;
    int reflectionBlend = 255;
    bool twoSided = false;
    bool wire = false;
    uint8_t edgeFlags = 0;
    int edgeWidth = 0;
    // Per-pixel lighting-table coordinates are interpolated (a lit mode, not flat).
    bool smooth() const { return !flat && isLit(detailLevel); }
};

DecodedMaterial decodeMaterial(const Material3D& material, const Mesh3D& mesh, int bitsPerPixel);

} // namespace velmora
