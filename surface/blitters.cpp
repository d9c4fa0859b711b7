#include "surface/blitters.h"

#include "base/pixel_rows.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

using Fixed12 = int64_t; // 20.12 fixed point: source position = value >> 12
constexpr int fixedShift = 12;

bool sameDepth(const Surface& destination, const Surface& source) {
    return !destination.empty() && !source.empty() && destination.bitsPerPixel == source.bitsPerPixel;
}

Rect resolveSource(const Surface& source, Rect rect) {
    if (rect.x < 0 || rect.y < 0 || rect.width < 0 || rect.height < 0)
        return {0, 0, source.width, source.height};
    return rect;
}

// Callers have clipped: every row and column lies inside both surfaces.
template <typename Format>
void copyRows(Surface& destination, const Surface& source, int x, int y, Rect rect, uint32_t key) {
    using Pixel = typename Format::Pixel;
    if (key == noColor) {
        // Whole rows of surfaces with the same layout are one block.
        if (x == 0 && rect.x == 0 && rect.width == destination.width && rect.width == source.width &&
            destination.stride == source.stride) {
            std::memcpy(pixelRow<Format>(destination.bits, destination.stride, y),
                        pixelRow<Format>(source.bits, source.stride, rect.y), size_t(rect.height) * source.stride);
            return;
        }
        for (int row = 0; row < rect.height; ++row)
            copyRow(pixelRow<Format>(destination.bits, destination.stride, y + row) + x,
                    pixelRow<Format>(source.bits, source.stride, rect.y + row) + rect.x, rect.width);
        return;
    }
    const Pixel storedKey = static_cast<Pixel>(encodePixel(key, destination.bitsPerPixel));
    for (int row = 0; row < rect.height; ++row)
        copyRowKeyed<Format>(pixelRow<Format>(destination.bits, destination.stride, y + row) + x,
                             pixelRow<Format>(source.bits, source.stride, rect.y + row) + rect.x, rect.width,
                             storedKey);
}

// The number of leading steps i (of count) whose position start + (i * step >> 12) stays below limit.
int stepsInside(int64_t start, Fixed12 step, int count, int64_t limit) {
    if (start >= limit)
        return 0;
    if (step == 0)
        return count;
    const int64_t inside = (((limit - start) << fixedShift) + step - 1) / step;
    return static_cast<int>(std::min<int64_t>(inside, count));
}

struct StretchSetup {
    int x, y;             // first destination pixel drawn
    int columns, rows;    // destination pixels drawn
    int64_t sourceX, sourceY; // source pixel of the first one drawn
    Fixed12 stepX, stepY;
};

template <typename Format>
void stretchRows(Surface& destination, const Surface& source, const StretchSetup& setup, uint32_t key) {
    using Pixel = typename Format::Pixel;
    const bool keyed = key != noColor;
    const Pixel storedKey = static_cast<Pixel>(encodePixel(key, destination.bitsPerPixel));
    Fixed12 sourceRowPosition = 0;
    for (int row = 0; row < setup.rows; ++row, sourceRowPosition += setup.stepY) {
        Pixel* out = pixelRow<Format>(destination.bits, destination.stride, setup.y + row) + setup.x;
        const int sourceRow = static_cast<int>(setup.sourceY + (sourceRowPosition >> fixedShift));
        const Pixel* in = pixelRow<Format>(source.bits, source.stride, sourceRow) + setup.sourceX;
        Fixed12 position = 0;
        if (keyed) {
            for (int column = 0; column < setup.columns; ++column, position += setup.stepX) {
                const Pixel pixel = in[position >> fixedShift];
                if (pixel != storedKey)
                    out[column] = pixel;
            }
        } else {
            for (int column = 0; column < setup.columns; ++column, position += setup.stepX)
                out[column] = in[position >> fixedShift];
        }
    }
}

template <typename Format>
void fillSpan(Surface& destination, typename Format::Pixel pixel, int x, int y, int count) {
    fillRow(pixelRow<Format>(destination.bits, destination.stride, y) + x, count, pixel);
}

// Writes the first pixel, then doubles the filled part with block copies until the buffer is full.
void fillWhole(Surface& destination, uint32_t pixel) {
    const size_t total = static_cast<size_t>(destination.size);
    const size_t pixelBytes = static_cast<size_t>(destination.bytesPerPixel);
    std::memcpy(destination.bits, &pixel, pixelBytes); // little-endian: the low bytes are the pixel
    for (size_t filled = pixelBytes; filled < total; filled *= 2)
        std::memcpy(destination.bits + filled, destination.bits, std::min(filled, total - filled));
}

template <typename Format>
void fillClipped(Surface& destination, uint32_t color, int x, int y, int width, int height, Fill fill) {
    using Pixel = typename Format::Pixel;
    const Pixel pixel = static_cast<Pixel>(encodePixel(color, destination.bitsPerPixel));
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = static_cast<int>(std::min<int64_t>(int64_t(x) + width, destination.width));
    const int bottom = static_cast<int>(std::min<int64_t>(int64_t(y) + height, destination.height));
    if (left >= right || top >= bottom)
        return;
    if (fill == Fill::Solid) {
        for (int row = top; row < bottom; ++row)
            fillSpan<Format>(destination, pixel, left, row, right - left);
        return;
    }
    if (top == y)
        fillSpan<Format>(destination, pixel, left, top, right - left);
    if (bottom == int64_t(y) + height)
        fillSpan<Format>(destination, pixel, left, bottom - 1, right - left);
    for (int row = top; row < bottom; ++row) {
        if (left == x)
            fillSpan<Format>(destination, pixel, left, row, 1);
        if (right == int64_t(x) + width)
            fillSpan<Format>(destination, pixel, right - 1, row, 1);
    }
}

} // namespace

void copyBlit(Surface& destination, const Surface& source, int x, int y, Rect sourceRect, uint32_t key) {
    if (!sameDepth(destination, source))
        return;
    Rect rect = resolveSource(source, sourceRect);
    if (rect.width < 1 || rect.height < 1 || x >= destination.width || y >= destination.height ||
        x < -rect.width || y < -rect.height)
        return;
    // A source rectangle reaching past the source is cut to it.
    rect.width = std::min(rect.width, source.width - std::min(rect.x, source.width));
    rect.height = std::min(rect.height, source.height - std::min(rect.y, source.height));
    if (rect.width < 1 || rect.height < 1)
        return;
    if (x < 0) {
        rect.x -= x;
        rect.width += x;
        x = 0;
    }
    if (y < 0) {
        rect.y -= y;
        rect.height += y;
        y = 0;
    }
    rect.width = std::min(rect.width, destination.width - x);
    rect.height = std::min(rect.height, destination.height - y);
    if (rect.width < 1 || rect.height < 1)
        return;
    if (destination.bitsPerPixel == 16)
        copyRows<Format16>(destination, source, x, y, rect, key);
    else
        copyRows<Format32>(destination, source, x, y, rect, key);
}

void stretchBlit(Surface& destination, const Surface& source, int x, int y, int width, int height,
                 Rect sourceRect, uint32_t key) {
    if (!sameDepth(destination, source) || width < 1 || height < 1)
        return;
    const Rect rect = resolveSource(source, sourceRect);
    if (rect.width < 1 || rect.height < 1 || x >= destination.width || y >= destination.height ||
        int64_t(x) + width <= 0 || int64_t(y) + height <= 0)
        return;
    StretchSetup setup{x, y, width, height, rect.x, rect.y, (Fixed12(rect.width) << fixedShift) / width,
                       (Fixed12(rect.height) << fixedShift) / height};
    // Clipping at the left or top moves the source start by the clipped share of the source.
    if (x < 0) {
        setup.sourceX += (int64_t(-x) * rect.width) / width;
        setup.columns += x;
        setup.x = 0;
    }
    if (y < 0) {
        setup.sourceY += (int64_t(-y) * rect.height) / height;
        setup.rows += y;
        setup.y = 0;
    }
    setup.columns = std::min(setup.columns, destination.width - setup.x);
    setup.rows = std::min(setup.rows, destination.height - setup.y);
    setup.columns = stepsInside(setup.sourceX, setup.stepX, setup.columns, source.width);
    setup.rows = stepsInside(setup.sourceY, setup.stepY, setup.rows, source.height);
    if (setup.columns < 1 || setup.rows < 1)
        return;
    if (destination.bitsPerPixel == 16)
        stretchRows<Format16>(destination, source, setup, key);
    else
        stretchRows<Format32>(destination, source, setup, key);
}

void fillRect(Surface& destination, uint32_t color, int x, int y, int width, int height, Fill fill) {
    if (destination.empty())
        return;
    if (width < 0 || height < 0) {
        fillWhole(destination, encodePixel(color, destination.bitsPerPixel));
        return;
    }
    if (destination.bitsPerPixel == 16)
        fillClipped<Format16>(destination, color, x, y, width, height, fill);
    else
        fillClipped<Format32>(destination, color, x, y, width, height, fill);
}

} // namespace velmora
