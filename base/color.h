#pragma once
// Colour values and their pixel encodings. The engine passes colours around as 0xRRGGBB; a 16-bit
// bitmap stores RGB565 words (red in bits 15-11, green 10-5, blue 4-0), a 32-bit one 0x00RRGGBB.
// Every conversion between the two goes through here.

#include <cstdint>

namespace velmora {

// "No colour": no key, no fill, no frame.
inline constexpr uint32_t noColor = 0xFFFFFFFF;

// Keeps the top 5, 6 and 5 bits of the channels.
constexpr uint16_t rgbTo565(uint32_t rgb) {
    return static_cast<uint16_t>(((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) | ((rgb >> 3) & 0x001F));
}

// The low bits of each channel come back as zero: 0xFFFF gives 0xF8FCF8.
constexpr uint32_t rgbFrom565(uint16_t pixel) {
    return (uint32_t(pixel & 0xF800) << 8) | (uint32_t(pixel & 0x07E0) << 5) |
           (uint32_t(pixel & 0x001F) << 3);
}

// Each channel spread over its whole byte (its top bits repeated in the low ones), so 0xFFFF gives
// white: for blending, where a dimmed white must not drift towards grey.
constexpr uint32_t rgbFrom565Full(uint16_t pixel) {
    const uint32_t rgb = rgbFrom565(pixel);
    return rgb | ((rgb >> 5) & 0x070007) | ((rgb >> 6) & 0x000300);
}

// A 0xRRGGBB colour as a pixel of the given depth: RGB565 at 16 bits, 0x00RRGGBB at 32.
constexpr uint32_t encodePixel(uint32_t rgb, int bitsPerPixel) {
    return bitsPerPixel == 16 ? rgbTo565(rgb) : rgb & 0xFFFFFF;
}

// A pixel of the given depth as 0xRRGGBB (the byte above a 32-bit pixel is dropped).
constexpr uint32_t decodePixel(uint32_t pixel, int bitsPerPixel) {
    return bitsPerPixel == 16 ? rgbFrom565(static_cast<uint16_t>(pixel)) : pixel & 0xFFFFFF;
}

// A pixel of one depth at the other; unchanged between equal depths.
constexpr uint32_t convertPixel(uint32_t pixel, int fromBits, int toBits) {
    return fromBits == toBits ? pixel : encodePixel(decodePixel(pixel, fromBits), toBits);
}

} // namespace velmora
