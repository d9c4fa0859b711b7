#pragma once
// The 3DS model of a hole: the ground cut into its named surfaces, each one mesh with its own
// textured material, and the ring of trees as a strip of bottom and top vertices.

#include "hole_surfaces.h"
#include "model_3ds_file.h"

#include <array>
#include <string>

namespace velmora::content {

// The picture of every surface's material, by Surface.
using SurfaceMaps = std::array<std::string, surfaceCount>;

// Units of the ring that one width of woods.gif (16:1) covers at the repeat the game gives it, for
// trees in their proportions on the 10-unit band; and the game's divisor for that repeat: 2100 over
// the woods object's bounding radius. The picture advances 1 / divisor of its width per ring point,
// so the points lie woodsPictureSpan / divisor apart: 23 to 40 units, far enough apart for the play
// line (each of its points is set 16 units off the line from the previous one) to run inside.
constexpr double woodsPictureSpan = 160;
int woodsRepeatDivisor(const std::vector<Point3ds>& woodsVertices);

Model3ds buildHoleModel(const HolePlan& plan, const HoleGround& ground, const SurfaceMaps& maps);

} // namespace velmora::content
