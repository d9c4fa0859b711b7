#pragma once
// Colour values and their pixel encodings. The engine passes colours around as 0xRRGGBB; a 16-bit
// surface stores RGB565 words (red in bits 15-11, green 10-5, blue 4-0), a 32-bit one 0x00RRGGBB.

#include "platform/gdi.h"

#include <cstdint>

namespace velmora {

// "No colour": no key, no fill, no frame.
inline constexpr uint32_t noColor = 0xFFFFFFFF;

constexpr uint16_t rgbTo565(uint32_t rgb) {
    return static_cast<uint16_t>(((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) | ((rgb >> 3) & 0x001F));
}

// The low bits of each channel come back as zero: 0xFFFF gives 0xF8FCF8.
constexpr uint32_t rgbFrom565(uint16_t pixel) {
    return (uint32_t(pixel & 0xF800) << 8) | (uint32_t(pixel & 0x07E0) << 5) | (uint32_t(pixel & 0x001F) << 3);
}

// The 0x00BBGGRR order that the drawing-context calls take.
constexpr COLORREF rgbToColorRef(uint32_t rgb) {
    return RGB(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>(rgb & 0xFF));
}

// A 0xRRGGBB colour as a pixel of the given depth: RGB565 at 16 bits, unchanged at 32.
constexpr uint32_t encodePixel(uint32_t rgb, int bitsPerPixel) {
    return bitsPerPixel == 16 ? rgbTo565(rgb) : rgb & 0xFFFFFF;
}

} // namespace velmora
