#pragma once
// Whole-surface transforms into a second surface of the same depth and the matching size: quarter
// turns, a left-right mirror and a top-bottom flip. A destination of the wrong size or depth is
// left alone (the call returns false).

#include "surface/surface.h"

namespace velmora {

enum class QuarterTurn {
    CounterClockwise = 0, // destination (x, y) = source (H - 1 - y, x), H the destination height
    Clockwise = 1,        // destination (x, y) = source (y, W - 1 - x), W the destination width
};

// The destination is source.height wide and source.width high.
bool rotateSurface(Surface& destination, const Surface& source, QuarterTurn direction);
// Same size as the source.
bool mirrorSurface(Surface& destination, const Surface& source);
bool flipSurface(Surface& destination, const Surface& source);

} // namespace velmora
