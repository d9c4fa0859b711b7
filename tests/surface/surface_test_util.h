#pragma once
// Small helpers for pixel tests: distinct colours that survive both depths, and whole-surface dumps.

#include "surface/surface.h"

#include <vector>

namespace velmora::test {

// A colour per pixel, exact at 16 and 32 bits and distinct for x, y below 32 and 64.
inline uint32_t patternColor(int x, int y) {
    return (uint32_t((x * 8) & 0xF8) << 16) | (uint32_t((y * 4) & 0xFC) << 8) | 0x08;
}

inline void fillPattern(Surface& surface) {
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            surface.setPixel(x, y, patternColor(x, y));
}

inline std::vector<uint32_t> pixels(const Surface& surface) {
    std::vector<uint32_t> result;
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            result.push_back(surface.getPixel(x, y));
    return result;
}

// The depths a test can make surfaces at: 32 bits always, 16 when the display has it.
inline std::vector<int> testedDepths() {
    return displayDepth() == 16 ? std::vector<int>{16, 32} : std::vector<int>{32};
}

// A colour as the display depth stores it.
inline uint32_t storedAtDisplayDepth(uint32_t rgb) {
    return displayDepth() == 16 ? rgbFrom565(rgbTo565(rgb)) : rgb;
}

inline Surface* makeSurface(Surface& surface, int width, int height, int bitsPerPixel, uint32_t color = 0) {
    surface.create(width, height, bitsPerPixel == 16);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface.setPixel(x, y, color);
    return &surface;
}

} // namespace velmora::test
