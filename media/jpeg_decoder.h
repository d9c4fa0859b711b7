#pragma once
// JPEG decoding from bytes in memory through the system's JPEG library (version 6 interface). Colour
// and greyscale files come out as RGB; what the library cannot decode is reported with its message.

#include "surface/surface.h"

#include <cstdint>
#include <span>
#include <string>

namespace velmora {

struct JpegResult {
    bool decoded = false;
    // The library's text for its error, or for the first warning of a picture it could still
    // decode (corrupt data it skipped); empty when it had nothing to say.
    std::string message;
};

// Fills surface (released first) at the display's depth or at 32 bits. On failure the surface is
// left empty.
JpegResult decodeJpeg(std::span<const uint8_t> data, bool useDeviceDepth, Surface& surface);

} // namespace velmora
