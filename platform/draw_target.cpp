#include "platform/draw_target.h"

#include "base/pixel_rows.h"
#include "platform/display.h"
#include "platform/window_state.h"

namespace velmora {

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

void fillSpan(const DrawTarget& target, int y, int x0, int x1, uint32_t pixel, int rop2) {
    Bitmap& bitmap = *target.bitmap;
    withFormat(bitmap.bitsPerPixel, [&]<typename Format>() {
        using Pixel = typename Format::Pixel;
        auto pen = static_cast<Pixel>(pixel);
        PixelOp op = PixelOp::Copy;
        switch (rop2) {
        case R2_BLACK:
            pen = 0;
            break;
        case R2_WHITE:
            pen = Format::white;
            break;
        case R2_NOP:
            return;
        case R2_NOT:
            op = PixelOp::Invert;
            break;
        case R2_XORPEN:
            op = PixelOp::Xor;
            break;
        case R2_NOTXORPEN:
            op = PixelOp::NotXor;
            break;
        default: // every other mix writes the pen
            break;
        }
        const RowKernel<Format> kernel = rowKernel<Format>(op, true);
        forEachClippedSpan(target, y, x0, x1, [&](int left, int right, int row) {
            kernel(pixelRow<Format>(bitmap.bits, bitmap.stride, row) + left, &pen, right - left);
        });
    });
}

} // namespace velmora
