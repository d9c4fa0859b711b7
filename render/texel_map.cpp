#include "render/texel_map.h"

#include "render/texture.h"

#include <bit>

namespace velmora {

TexelMap texelMapOf(const Texture* texture, int bitsPerPixel) {
    TexelMap map;
    if (!texture || texture->frames.empty())
        return map;
    const Surface& frame = texture->currentSurface();
    if (frame.empty() || frame.bitsPerPixel != bitsPerPixel)
        return map;
    const auto width = static_cast<uint32_t>(frame.width);
    const auto height = static_cast<uint32_t>(frame.height);
    const auto pitch = static_cast<uint32_t>(frame.stride / frame.bytesPerPixel);
    // Wrapping by masks needs power-of-two sizes and a power-of-two row pitch.
    if (!std::has_single_bit(width) || !std::has_single_bit(height) || !std::has_single_bit(pitch))
        return map;
    map.bits = frame.bits;
    map.widthMask = width - 1;
    map.heightMask = height - 1;
    map.rowShift = std::countr_zero(pitch);
    map.log2Width = std::countr_zero(width);
    map.log2Height = std::countr_zero(height);
    map.width = frame.width;
    map.height = frame.height;
    map.hasTransparentColour = frame.hasTransparentColor;
    map.transparentColour = frame.transparentColor;
    return map;
}

} // namespace velmora
