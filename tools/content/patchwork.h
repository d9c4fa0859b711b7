#pragma once
// Cuts the ground of a hole into its surfaces without gaps or overlaps: a regular triangle grid
// over a rectangle is split along the zero lines of the surfaces' fields, taken in priority order,
// and every piece goes to the first surface whose field is negative there (the rest to a last,
// catch-all surface). A crossing on an edge is computed from the edge's two ends alone, so the
// two triangles sharing the edge cut it at the same point: the pieces meet vertex to vertex.

#include "plane.h"

#include <array>
#include <functional>
#include <vector>

namespace velmora::content {

using Triangle2 = std::array<Vec2, 3>; // counter-clockwise
using SurfaceField = std::function<double(Vec2)>;

struct PatchworkGrid {
    Vec2 min, max;      // corners of the rectangle: multiples of spacing
    double spacing = 8; // every cell is split along its rising diagonal
};

// One list of triangles per field, and a last one for the ground outside every field.
std::vector<std::vector<Triangle2>> cutPatchwork(const PatchworkGrid& grid,
                                                 const std::vector<SurfaceField>& fields);

} // namespace velmora::content
