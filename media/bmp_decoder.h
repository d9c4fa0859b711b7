#pragma once
// BMP decoding from bytes in memory: Windows bitmaps with the 40-byte information header, 1, 4, 8
// (palette), 16, 24 and 32 bits per pixel, uncompressed or with bit-field masks. The picture is
// stored top-down at the wanted depth whatever the file's row order and layout.

#include "surface/surface.h"

#include <cstdint>
#include <span>

namespace velmora {

enum class BmpStatus {
    Decoded,
    NotBmp,       // wrong signature or header version: refused without a message
    InvalidImage, // a BMP that cannot be turned into a picture (layout, size or truncated data)
};

// Fills surface (released first) at the display's depth or at 32 bits.
BmpStatus decodeBmp(std::span<const uint8_t> data, bool useDeviceDepth, Surface& surface);

} // namespace velmora
