#pragma once
// The two pixel layouts of a bitmap, as template arguments: pixel loops are written once and
// instantiated for each, chosen once per call by the destination's depth.

#include "base/color.h"

#include <cstdint>

namespace velmora {

struct Format16 { // RGB565
    using Pixel = uint16_t;
    static constexpr int bitsPerPixel = 16;
    static constexpr int redShift = 11, greenShift = 5, blueShift = 0;
    static constexpr uint32_t redMask = 0x1F, greenMask = 0x3F, blueMask = 0x1F;
    static constexpr Pixel white = 0xFFFF;
};

struct Format32 { // 0x00RRGGBB
    using Pixel = uint32_t;
    static constexpr int bitsPerPixel = 32;
    static constexpr int redShift = 16, greenShift = 8, blueShift = 0;
    static constexpr uint32_t redMask = 0xFF, greenMask = 0xFF, blueMask = 0xFF;
    static constexpr Pixel white = 0xFFFFFF;
};

// A row of pixels; bitmaps keep rows 4-byte aligned.
template <typename Format> inline typename Format::Pixel* pixelRow(uint8_t* bits, int stride, int y) {
    return reinterpret_cast<typename Format::Pixel*>(bits + static_cast<intptr_t>(y) * stride);
}
template <typename Format>
inline const typename Format::Pixel* pixelRow(const uint8_t* bits, int stride, int y) {
    return reinterpret_cast<const typename Format::Pixel*>(bits + static_cast<intptr_t>(y) * stride);
}

// Calls body.template operator()<Format>() with the format of the given depth: the one runtime
// choice, made before any pixel loop.
template <typename Body> decltype(auto) withFormat(int bitsPerPixel, Body&& body) {
    if (bitsPerPixel == 16)
        return body.template operator()<Format16>();
    return body.template operator()<Format32>();
}

} // namespace velmora
