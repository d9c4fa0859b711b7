#pragma once
// A power-of-two texture frame as the span routines read it: texel (u, v) lies at
// ((v & heightMask) << rowShift) + (u & widthMask), so coordinates wrap by masking.

#include <cstdint>

namespace velmora {

struct Texture;

struct TexelMap {
    const void* bits = nullptr;
    uint32_t widthMask = 0;
    uint32_t heightMask = 0;
    int rowShift = 0;  // log2 of the row pitch in texels
    int log2Width = 0; // texture coordinates are shifted by these to become texels
    int log2Height = 0;
    int width = 0;
    int height = 0;
    bool hasTransparentColour = false;
    uint32_t transparentColour = 0; // 0xRRGGBB

    bool valid() const { return bits != nullptr; }
};

// The current frame of a texture, when it is a power-of-two picture of the given depth; an
// invalid map otherwise (the material is then drawn untextured).
TexelMap texelMapOf(const Texture* texture, int bitsPerPixel);

} // namespace velmora
