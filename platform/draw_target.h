#pragma once
// Where a drawing call lands: the bitmap of a context, the offset of the context's coordinates in
// it and the rectangles drawing may touch. Every drawing primitive resolves its context once and
// then writes clipped spans through these helpers. Not for use outside platform/.

#include "base/color.h"
#include "platform/device_context.h"

#include <cstdint>
#include <vector>

namespace velmora {

struct DrawTarget {
    Bitmap* bitmap = nullptr;
    int originX = 0; // context coordinates + origin = bitmap coordinates
    int originY = 0;
    std::vector<RECT> clip; // bitmap coordinates
};

// False when the context has nothing to draw into. Drawing through a window's context marks the
// device screen as changed.
bool resolveTarget(HDC dc, DrawTarget& target);
// The source side of a blit: the bitmap and origin, without clipping.
bool resolveSource(HDC dc, DrawTarget& source);

// 0x00BBGGRR to the bitmap's pixel (RGB565 or 0x00RRGGBB) and back.
inline uint32_t toNativePixel(COLORREF color, int bitsPerPixel) {
    return encodePixel(rgbFromColorRef(color), bitsPerPixel);
}
inline COLORREF fromNativePixel(uint32_t pixel, int bitsPerPixel) {
    return rgbToColorRef(decodePixel(pixel, bitsPerPixel));
}

inline uint32_t readPixel(const Bitmap& bitmap, int x, int y) {
    const uint8_t* row = bitmap.bits + static_cast<ptrdiff_t>(y) * bitmap.stride;
    return bitmap.bitsPerPixel == 16 ? reinterpret_cast<const uint16_t*>(row)[x]
                                     : reinterpret_cast<const uint32_t*>(row)[x];
}
inline void writePixel(Bitmap& bitmap, int x, int y, uint32_t pixel) {
    uint8_t* row = bitmap.bits + static_cast<ptrdiff_t>(y) * bitmap.stride;
    if (bitmap.bitsPerPixel == 16)
        reinterpret_cast<uint16_t*>(row)[x] = static_cast<uint16_t>(pixel);
    else
        reinterpret_cast<uint32_t*>(row)[x] = pixel;
}

// Calls visit(x0, x1, y) in bitmap coordinates for each clipped piece of the span [x0, x1) of
// row y given in context coordinates.
template <typename Visit>
void forEachClippedSpan(const DrawTarget& target, int y, int x0, int x1, Visit&& visit) {
    const int by = y + target.originY;
    const int bx0 = x0 + target.originX;
    const int bx1 = x1 + target.originX;
    for (const RECT& r : target.clip) {
        if (by < r.top || by >= r.bottom)
            continue;
        const int left = bx0 > r.left ? bx0 : r.left;
        const int right = bx1 < r.right ? bx1 : r.right;
        if (left < right)
            visit(left, right, by);
    }
}

// Writes the span [x0, x1) of row y with a pixel under a binary raster operation (R2_*).
void fillSpan(const DrawTarget& target, int y, int x0, int x1, uint32_t pixel, int rop2);

} // namespace velmora
