#include "surface/gdi_blit.h"

#include "base/color.h"
#include "platform/drawing.h"

namespace velmora {

namespace {

Rect resolved(const Surface& surface, Rect rect) {
    if (rect.x < 0 || rect.y < 0 || rect.width < 0 || rect.height < 0)
        return {0, 0, surface.width, surface.height};
    return rect;
}

} // namespace

bool blitToContext(const Surface& surface, HDC destination, int x, int y, uint32_t rasterOperation, int sourceX,
                   int sourceY) {
    return !surface.empty() && BitBlt(destination, x, y, surface.width, surface.height, surface.memoryDC, sourceX,
                                      sourceY, rasterOperation);
}

bool stretchToContext(const Surface& surface, HDC destination, Rect destinationRect, uint32_t rasterOperation,
                      Rect sourceRect) {
    if (surface.empty())
        return false;
    const Rect source = resolved(surface, sourceRect);
    return StretchBlt(destination, destinationRect.x, destinationRect.y, destinationRect.width,
                      destinationRect.height, surface.memoryDC, source.x, source.y, source.width, source.height,
                      rasterOperation);
}

bool keyedStretchToContext(const Surface& surface, HDC destination, Rect destinationRect, uint32_t key,
                           Rect sourceRect) {
    if (surface.empty())
        return false;
    const Rect source = resolved(surface, sourceRect);
    return TransparentImage(destination, destinationRect.x, destinationRect.y, destinationRect.width,
                            destinationRect.height, surface.memoryDC, source.x, source.y, source.width,
                            source.height, rgbToColorRef(key));
}

} // namespace velmora
