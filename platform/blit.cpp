// Blits between contexts: BitBlt, StretchBlt, TransparentImage and PatBlt.
#include "platform/drawing.h"

#include "platform/draw_target.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace velmora {

namespace {

bool needsSource(DWORD rop) {
    return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || rop == NOTSRCCOPY;
}

uint32_t combine(DWORD rop, uint32_t source, uint32_t destination, uint32_t pattern, uint32_t mask) {
    switch (rop) {
    case SRCCOPY:
        return source;
    case SRCPAINT:
        return source | destination;
    case SRCAND:
        return source & destination;
    case SRCINVERT:
        return source ^ destination;
    case NOTSRCCOPY:
        return ~source & mask;
    case DSTINVERT:
        return ~destination & mask;
    case PATCOPY:
        return pattern;
    case BLACKNESS:
        return 0;
    case WHITENESS:
        return mask;
    default:
        return destination;
    }
}

// The source pixels a blit reads, copied out first when source and destination share a bitmap
// so that overlapping areas read the picture as it was before the blit.
struct SourceView {
    const Bitmap* bitmap = nullptr;
    int originX = 0;
    int originY = 0;
    std::vector<uint8_t> copy;
    const uint8_t* bits = nullptr;

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < bitmap->width && y < bitmap->height; }
    uint32_t pixel(int x, int y) const {
        const uint8_t* row = bits + static_cast<ptrdiff_t>(y) * bitmap->stride;
        return bitmap->bitsPerPixel == 16 ? reinterpret_cast<const uint16_t*>(row)[x]
                                          : reinterpret_cast<const uint32_t*>(row)[x];
    }
};

bool openSource(HDC dc, const DrawTarget& destination, SourceView& view) {
    DrawTarget source;
    if (!resolveSource(dc, source))
        return false;
    view.bitmap = source.bitmap;
    view.originX = source.originX;
    view.originY = source.originY;
    view.bits = source.bitmap->bits;
    if (source.bitmap == destination.bitmap) {
        view.copy.assign(source.bitmap->bits,
                         source.bitmap->bits +
                             static_cast<size_t>(source.bitmap->stride) * source.bitmap->height);
        view.bits = view.copy.data();
    }
    return true;
}

uint32_t depthMask(int bitsPerPixel) {
    return bitsPerPixel == 16 ? 0xFFFFu : 0xFFFFFFu;
}

// One destination row span [left, right) in bitmap coordinates, reading source column
// sourceColumn(x) of source row sourceRow (already in source bitmap coordinates).
template <typename Column>
void blitRow(const DrawTarget& target, int row, int left, int right, const SourceView* source, int sourceRow,
             Column sourceColumn, DWORD rop, uint32_t pattern, bool keyed, uint32_t key) {
    Bitmap& bitmap = *target.bitmap;
    const int bits = bitmap.bitsPerPixel;
    const uint32_t mask = depthMask(bits);
    const bool sameDepth = source && source->bitmap->bitsPerPixel == bits;
    // An unscaled, unmirrored copy at the same depth is one block copy per row.
    if (source && rop == SRCCOPY && sameDepth && !keyed &&
        sourceColumn(right - 1) - sourceColumn(left) == right - 1 - left &&
        (right - left == 1 || sourceColumn(left + 1) == sourceColumn(left) + 1) &&
        source->contains(sourceColumn(left), sourceRow) &&
        source->contains(sourceColumn(right - 1), sourceRow)) {
        const int bytes = bits / 8;
        std::memcpy(bitmap.bits + static_cast<ptrdiff_t>(row) * bitmap.stride + left * bytes,
                    source->bits + static_cast<ptrdiff_t>(sourceRow) * source->bitmap->stride +
                        sourceColumn(left) * bytes,
                    static_cast<size_t>(right - left) * bytes);
        return;
    }
    for (int x = left; x < right; ++x) {
        uint32_t sourcePixel = 0;
        if (source) {
            const int column = sourceColumn(x);
            if (!source->contains(column, sourceRow))
                continue;
            sourcePixel = source->pixel(column, sourceRow);
            if (keyed && sourcePixel == key)
                continue;
            sourcePixel = convertPixel(sourcePixel, source->bitmap->bitsPerPixel, bits);
        }
        writePixel(bitmap, x, row, combine(rop, sourcePixel, readPixel(bitmap, x, row), pattern, mask));
    }
}

// The shared body of every blit: destination rectangle (x, y, width, height) in context
// coordinates, scaled from the source rectangle; width or height of either side may be negative
// to mirror.
bool stretch(HDC destinationDC, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY,
             int sourceWidth, int sourceHeight, DWORD rop, bool keyed, COLORREF keyColor) {
    DrawTarget target;
    if (!resolveTarget(destinationDC, target))
        return destinationDC != nullptr;
    SourceView source;
    const bool withSource = needsSource(rop) || keyed;
    if (withSource && !openSource(sourceDC, target, source))
        return false;
    uint32_t pattern = 0;
    if (rop == PATCOPY) {
        const auto* brush = static_cast<const Brush*>(destinationDC->brush);
        if (!brush || brush->hollow)
            return true;
        pattern = toNativePixel(brush->color, target.bitmap->bitsPerPixel);
    }
    const uint32_t key = keyed ? toNativePixel(keyColor, source.bitmap->bitsPerPixel) : 0;

    // Mirroring: a negative size on one side flips the mapping.
    bool mirrorX = false, mirrorY = false;
    if (width < 0) {
        x += width;
        width = -width;
        mirrorX = !mirrorX;
    }
    if (height < 0) {
        y += height;
        height = -height;
        mirrorY = !mirrorY;
    }
    if (sourceWidth < 0) {
        sourceX += sourceWidth;
        sourceWidth = -sourceWidth;
        mirrorX = !mirrorX;
    }
    if (sourceHeight < 0) {
        sourceY += sourceHeight;
        sourceHeight = -sourceHeight;
        mirrorY = !mirrorY;
    }
    if (width == 0 || height == 0 || (withSource && (sourceWidth == 0 || sourceHeight == 0)))
        return true;

    // Destination pixel i of a run maps to source pixel ((2i + 1) * sourceSize) / (2 * size): the
    // nearest pixel, and the identity when both sizes agree.
    const int64_t spanX = static_cast<int64_t>(sourceWidth), spanY = static_cast<int64_t>(sourceHeight);
    auto mapX = [&](int bx) {
        int64_t i = bx - target.originX - x;
        if (mirrorX)
            i = width - 1 - i;
        return static_cast<int>(sourceX + source.originX + (2 * i + 1) * spanX / (2 * int64_t(width)));
    };
    auto mapY = [&](int by) {
        int64_t i = by - target.originY - y;
        if (mirrorY)
            i = height - 1 - i;
        return static_cast<int>(sourceY + source.originY + (2 * i + 1) * spanY / (2 * int64_t(height)));
    };
    const int top = std::max(y, -target.originY);
    const int bottom =
        static_cast<int>(std::min<int64_t>(int64_t(y) + height, target.bitmap->height - target.originY));
    for (int row = top; row < bottom; ++row) {
        forEachClippedSpan(target, row, x, static_cast<int>(std::min<int64_t>(int64_t(x) + width, INT32_MAX)),
                           [&](int left, int right, int by) {
                               blitRow(target, by, left, right, withSource ? &source : nullptr,
                                       withSource ? mapY(by) : 0, mapX, rop, pattern, keyed, key);
                           });
    }
    return true;
}

} // namespace

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    return stretch(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop, false, 0);
}

bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
    return stretch(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop,
                   false, 0);
}

bool TransparentImage(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                      int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return false;
    return stretch(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                   SRCCOPY, true, transparent);
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (needsSource(rop))
        return false;
    return stretch(dc, x, y, width, height, nullptr, 0, 0, width, height, rop, false, 0);
}

} // namespace velmora
