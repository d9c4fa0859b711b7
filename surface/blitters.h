#pragma once
// The software blitters: copy, stretch, fill and rotate between surfaces of one depth. Each clips
// against both surfaces and then runs plain loops over raw rows; nothing is ever read or written
// outside either surface, whatever the arguments.

#include "surface/surface.h"

#include <cstdint>

namespace velmora {

// A rectangle of a surface in pixels.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// Any negative field of a source rectangle selects the whole source.
inline constexpr Rect wholeSurface{-1, -1, -1, -1};

// Copies the source rectangle with its top-left corner at (x, y). With a key (0xRRGGBB) the source
// pixels equal to it (as stored at the surfaces' depth) are skipped.
void copyBlit(Surface& destination, const Surface& source, int x, int y, Rect sourceRect = wholeSurface,
              uint32_t key = noColor);

// Scales the source rectangle to width x height at (x, y), nearest pixel, with 20.12 fixed-point
// steps. Destination pixels whose source pixel would lie outside the source are left alone.
void stretchBlit(Surface& destination, const Surface& source, int x, int y, int width, int height,
                 Rect sourceRect = wholeSurface, uint32_t key = noColor);

enum class Fill { Solid, Outline };
// A negative width or height fills the whole surface. Outline draws the rectangle's one-pixel
// border, leaving out the edges that lie outside the surface.
void fillRect(Surface& destination, uint32_t color, int x, int y, int width, int height, Fill fill = Fill::Solid);

} // namespace velmora
