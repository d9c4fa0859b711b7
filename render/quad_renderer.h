#pragma once
// Draws the quads of a flat scene's groups: corners through the group's 2D transform into the
// scene's rectangle, then texture-mapped spans without depth, with colour keys, alpha maps,
// texture offsets, tint and transparency.

#include "render/group2d.h"
#include "render/raster_target.h"

namespace velmora {

// How scene units become pixels: screen = centre + (unit x scale >> 10), y up.
struct QuadView {
    int width = 0; // of the scene's viewport; the origin lies at its centre
    int height = 0;
    int scale = 1024;
};

// truncate((viewport width << 10) x layout scale / scene width).
int quadViewScale(int viewportWidth, float layoutScale, int sceneWidth);

void drawGroup2D(const RasterTarget& target, const QuadView& view, const Group2D& group);

} // namespace velmora
