#pragma once
// A straight (not premultiplied) RGBA picture, the common currency between the drawing code and
// the file writers, and the operations the generators need on it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::content {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba opaque(uint32_t rgb) {
    return {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), 255};
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels; // row-major, top row first

    Picture() = default;
    Picture(int w, int h, Rgba fill = {}) : width(w), height(h), pixels(size_t(w) * h, fill) {}

    Rgba& at(int x, int y) { return pixels[size_t(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Averages factor x factor blocks (alpha-weighted), for supersampled drawing.
Picture downsample(const Picture& source, int factor);

// The rectangle (x, y, w, h) of the source; parts outside it come out transparent.
Picture crop(const Picture& source, int x, int y, int w, int h);

// Draws source over destination at (x, y) with alpha blending.
void compose(Picture& destination, const Picture& source, int x, int y);

// Nearest-neighbour scaling, as the game's own stretch blit does.
Picture scaleNearest(const Picture& source, int w, int h);

// Makes every pixel either opaque or fully transparent: alpha below the threshold becomes
// transparent, the rest keeps its colour at full opacity. Colour-keyed files know no partial alpha.
void hardenAlpha(Picture& picture, int threshold = 128);

// Puts every pixel onto an opaque background colour (for JPEG and BMP output).
Picture flatten(const Picture& picture, Rgba background);

} // namespace velmora::content
