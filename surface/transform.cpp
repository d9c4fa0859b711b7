#include "surface/transform.h"

#include "base/pixel_format.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

bool fits(const Surface& destination, const Surface& source, int width, int height) {
    return !source.empty() && !destination.empty() && destination.bitsPerPixel == source.bitsPerPixel &&
           destination.width == width && destination.height == height;
}

// Walks the destination row by row; the source is read down a column.
template <typename Format>
void rotate(Surface& destination, const Surface& source, QuarterTurn direction) {
    using Pixel = typename Format::Pixel;
    const int width = destination.width, height = destination.height;
    const uint8_t* sourceBits = source.bits;
    for (int y = 0; y < height; ++y) {
        Pixel* out = pixelRow<Format>(destination.bits, destination.stride, y);
        if (direction == QuarterTurn::CounterClockwise) {
            for (int x = 0; x < width; ++x)
                out[x] = pixelRow<Format>(sourceBits, source.stride, x)[height - 1 - y];
        } else {
            for (int x = 0; x < width; ++x)
                out[x] = pixelRow<Format>(sourceBits, source.stride, width - 1 - x)[y];
        }
    }
}

template <typename Format>
void mirror(Surface& destination, const Surface& source) {
    using Pixel = typename Format::Pixel;
    for (int y = 0; y < source.height; ++y) {
        const Pixel* in = pixelRow<Format>(source.bits, source.stride, y);
        std::reverse_copy(in, in + source.width, pixelRow<Format>(destination.bits, destination.stride, y));
    }
}

} // namespace

bool rotateSurface(Surface& destination, const Surface& source, QuarterTurn direction) {
    if (!fits(destination, source, source.height, source.width))
        return false;
    if (source.bitsPerPixel == 16)
        rotate<Format16>(destination, source, direction);
    else
        rotate<Format32>(destination, source, direction);
    return true;
}

bool mirrorSurface(Surface& destination, const Surface& source) {
    if (!fits(destination, source, source.width, source.height))
        return false;
    if (source.bitsPerPixel == 16)
        mirror<Format16>(destination, source);
    else
        mirror<Format32>(destination, source);
    return true;
}

bool flipSurface(Surface& destination, const Surface& source) {
    if (!fits(destination, source, source.width, source.height))
        return false;
    const size_t rowBytes = size_t(source.width) * source.bytesPerPixel;
    for (int y = 0; y < source.height; ++y)
        std::memcpy(destination.bits + y * destination.stride, source.bits + (source.height - 1 - y) * source.stride,
                    rowBytes);
    return true;
}

} // namespace velmora
