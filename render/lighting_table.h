#pragma once
// The precomputed lighting of a 3D scene: for a 64 x 64 grid of view-space normal directions, the
// diffuse colour (ambient plus every light) and the specular colour, in the target's pixel format.

#include "render/light3d.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

constexpr int lightingTableSide = 64;
constexpr int lightingTableSize = lightingTableSide * lightingTableSide;

struct LightingTables {
    std::array<uint32_t, lightingTableSize> diffuse{};
    std::array<uint32_t, lightingTableSize> specular{};
};

void buildLightingTables(LightingTables& tables, const std::vector<Light3D>& lights, uint32_t ambient,
                         int bitsPerPixel);

// The table cell of a lighting coordinate pair (each 0 ... 254, as << 16 interpolants).
constexpr int lightingIndex(int32_t lightX, int32_t lightY) {
    return ((lightY >> 18) & 63) * lightingTableSide + ((lightX >> 18) & 63);
}
// The lighting coordinate of a unit normal component x 2048: 0 ... 254.
constexpr int32_t lightingCoordinate(int32_t normal) { return ((normal * 127) >> 11) + 127; }

} // namespace velmora
