#pragma once
// Copies of a surface into a drawing context through the platform's blits, for raster operations
// (the AND and XOR of masks) and colour-keyed stretches that the software blitters do not do.

#include "platform/gdi.h"
#include "surface/blitters.h"
#include "surface/surface.h"

#include <cstdint>

namespace velmora {

// The whole surface at (x, y), from (sourceX, sourceY) of the surface.
bool blitToContext(const Surface& surface, HDC destination, int x, int y, uint32_t rasterOperation, int sourceX = 0,
                   int sourceY = 0);
// The source rectangle (any negative value: the whole surface) scaled to the destination rectangle.
bool stretchToContext(const Surface& surface, HDC destination, Rect destinationRect, uint32_t rasterOperation,
                      Rect sourceRect = wholeSurface);
// The same, leaving out source pixels of the key (0xRRGGBB).
bool keyedStretchToContext(const Surface& surface, HDC destination, Rect destinationRect, uint32_t key,
                           Rect sourceRect = wholeSurface);

} // namespace velmora
