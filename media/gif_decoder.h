#pragma once
// GIF decoding from bytes in memory: the first frame, or every frame of an animation composed onto
// a full-screen surface each, with its delay and colour key.

#include "surface/surface.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace velmora {

enum class GifFrames { First, All };

struct GifImage {
    std::vector<std::unique_ptr<Surface>> frames;
    bool validSignature = true; // false: not a GIF at all
    // Frames dropped because their data could not be decoded, or because the picture had no room
    // left for them (decoding stops there).
    int corruptFrames = 0;
};

// Frames are made at the display's depth or at 32 bits. The transparent index is stored as its
// colour like any other; the frame's key (hasTransparentColor, transparentColor) applies it later.
GifImage decodeGif(std::span<const uint8_t> data, bool useDeviceDepth, GifFrames which);

} // namespace velmora
