#pragma once
// What the rasterizer draws into: a block of 16-bit RGB565 or 32-bit 0x00RRGGBB pixels and, for 3D
// scenes, a 32-bit depth buffer of the same size. Only the rasterizer writes through these.

#include <cstdint>

namespace velmora {

struct RasterTarget {
    uint8_t* bits = nullptr; // top-left pixel
    int stride = 0;          // bytes per row
    int width = 0;
    int height = 0;
    int bitsPerPixel = 16;
    uint32_t* depth = nullptr; // width x height entries, row after row; all bits set = empty

    bool valid() const { return bits && width > 0 && height > 0; }
};

// An empty depth-buffer entry: every depth is nearer.
constexpr uint32_t depthEmpty = 0xFFFFFFFF;

} // namespace velmora
