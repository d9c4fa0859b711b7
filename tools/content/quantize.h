#pragma once
// Reduces pictures to a palette of at most 256 colours for GIF output. Transparent pixels get
// index 0, whose colour is the key; no opaque colour is allowed near the key, because the game
// also treats colours that differ from the key only in their low bits as see-through.

#include "picture.h"

#include <cstdint>
#include <vector>

namespace velmora::content {

struct Palette {
    std::vector<Rgba> colours; // at most 256, all opaque
    bool hasKey = false;       // index 0 is the transparent key colour
};

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
};

// The magenta used as the transparent colour by every keyed picture of the game.
constexpr Rgba kKeyColour{255, 0, 255, 255};

// True when the colour would be taken for the key on a 16-bit (RGB565) display.
bool looksLikeKey(Rgba colour, Rgba key = kKeyColour);

// One palette for all frames (median cut over the opaque pixels when there are too many colours).
Palette buildPalette(const std::vector<const Picture*>& frames, Rgba key = kKeyColour);

// Maps every pixel to its nearest palette entry; transparent pixels (alpha 0) to the key.
IndexedPicture mapToPalette(const Picture& picture, const Palette& palette);

} // namespace velmora::content
