#pragma once
// Triangle setup and span filling: the one place where 3D faces become pixels. A triangle arrives
// in screen space (integer pixel positions, 16.16 interpolants); it is walked row by row from the
// top, each span filled left to right with a routine chosen once per triangle for the target's
// depth and the material's shading mode.

#include "render/decoded_material.h"
#include "render/mesh3d.h"
#include "render/raster_target.h"

#include <cstdint>

namespace velmora {

struct LightingTables;

// Scene-wide fog in the depth units of the z-buffer (16.16 world units).
struct FogState {
    bool enabled = false;
    int32_t front = 0;
    int32_t back = 0;
    int64_t scale = 0;   // (256 << 16) / (back - front)
    uint32_t colour = 0; // pixel format
};

// Everything a span needs besides its interpolants.
struct ShadeContext {
    const DecodedMaterial* material = nullptr;
    const LightingTables* lighting = nullptr;
    uint32_t flatLight = 0;    // diffuse table entry of the face normal (flat materials)
    uint32_t flatSpecular = 0; // specular table entry of the face normal
    FogState fog;
};

// Fills the triangle a, b, c (any winding). Depths are already biased. Rows follow the top-left
// rule: a pixel is covered when its top-left corner lies inside, so shared edges draw once.
void rasterizeTriangle(const RasterTarget& target, const ShadeContext& context, const ScreenVertex& a,
                       const ScreenVertex& b, const ScreenVertex& c);

// A line in one colour (pixel format), clipped to the target; no depth test.
void drawLine(const RasterTarget& target, int x0, int y0, int x1, int y1, uint32_t colour, int width);

} // namespace velmora
