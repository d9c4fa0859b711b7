#include "platform/draw_target.h"

#include "platform/display.h"
#include "platform/window_state.h"

namespace velmora {

namespace {

template <typename Pixel> void applyRop(Pixel* pixels, int count, Pixel source, int rop2, Pixel mask) {
    switch (rop2) {
    case R2_BLACK:
        for (int i = 0; i < count; ++i)
            pixels[i] = 0;
        break;
    case R2_WHITE:
        for (int i = 0; i < count; ++i)
            pixels[i] = mask;
        break;
    case R2_NOP:
        break;
    case R2_NOT:
        for (int i = 0; i < count; ++i)
            pixels[i] = static_cast<Pixel>(~pixels[i] & mask);
        break;
    case R2_XORPEN:
        for (int i = 0; i < count; ++i)
            pixels[i] = static_cast<Pixel>(pixels[i] ^ source);
        break;
    case R2_NOTXORPEN:
        for (int i = 0; i < count; ++i)
            pixels[i] = static_cast<Pixel>(~(pixels[i] ^ source) & mask);
        break;
    default:
        for (int i = 0; i < count; ++i)
            pixels[i] = source;
        break;
    }
}

} // namespace

bool resolveTarget(HDC dc, DrawTarget& target) {
    target = DrawTarget{};
    if (!dc || !dc->bitmap || !dc->bitmap->bits)
        return false;
    target.bitmap = dc->bitmap;
    const RECT bounds{0, 0, dc->bitmap->width, dc->bitmap->height};
    if (!dc->onScreen) {
        target.clip.push_back(bounds);
        return true;
    }
    markScreenDirty();
    if (!dc->window) {
        target.clip.push_back(bounds);
        return true;
    }
    const NativeWindow* window = findWindow(dc->window);
    if (!window)
        return false;
    const POINT origin = screenOrigin(*window);
    target.originX = origin.x;
    target.originY = origin.y;
    RECT limit = bounds;
    if (dc->limitedToPaint) {
        const RECT paint{dc->paintRect.left + origin.x, dc->paintRect.top + origin.y,
                         dc->paintRect.right + origin.x, dc->paintRect.bottom + origin.y};
        limit = intersectRects(limit, paint);
    }
    for (const RECT& r : visibleRegion(dc->window)) {
        const RECT piece = intersectRects(r, limit);
        if (!isRectEmpty(piece))
            target.clip.push_back(piece);
    }
    return !target.clip.empty();
}

bool resolveSource(HDC dc, DrawTarget& source) {
    source = DrawTarget{};
    if (!dc || !dc->bitmap || !dc->bitmap->bits)
        return false;
    source.bitmap = dc->bitmap;
    if (dc->onScreen && dc->window) {
        const NativeWindow* window = findWindow(dc->window);
        if (!window)
            return false;
        const POINT origin = screenOrigin(*window);
        source.originX = origin.x;
        source.originY = origin.y;
    }
    source.clip.push_back({0, 0, dc->bitmap->width, dc->bitmap->height});
    return true;
}

uint32_t toNativePixel(COLORREF color, int bitsPerPixel) {
    const uint32_t r = color & 0xFF;
    const uint32_t g = (color >> 8) & 0xFF;
    const uint32_t b = (color >> 16) & 0xFF;
    if (bitsPerPixel == 16)
        return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
    return (r << 16) | (g << 8) | b;
}

COLORREF fromNativePixel(uint32_t pixel, int bitsPerPixel) {
    if (bitsPerPixel == 16)
        return RGB(static_cast<int>((pixel >> 11) & 0x1F) << 3, static_cast<int>((pixel >> 5) & 0x3F) << 2,
                   static_cast<int>(pixel & 0x1F) << 3);
    return RGB(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
               static_cast<int>(pixel & 0xFF));
}

uint32_t convertPixel(uint32_t pixel, int fromBits, int toBits) {
    if (fromBits == toBits)
        return pixel;
    return toNativePixel(fromNativePixel(pixel, fromBits), toBits);
}

void fillSpan(const DrawTarget& target, int y, int x0, int x1, uint32_t pixel, int rop2) {
    Bitmap& bitmap = *target.bitmap;
    forEachClippedSpan(target, y, x0, x1, [&](int left, int right, int row) {
        uint8_t* line = bitmap.bits + static_cast<ptrdiff_t>(row) * bitmap.stride;
        if (bitmap.bitsPerPixel == 16)
            applyRop<uint16_t>(reinterpret_cast<uint16_t*>(line) + left, right - left,
                               static_cast<uint16_t>(pixel), rop2, 0xFFFF);
        else
            applyRop<uint32_t>(reinterpret_cast<uint32_t*>(line) + left, right - left, pixel, rop2, 0xFFFFFF);
    });
}

} // namespace velmora
