#pragma once
// The terrain grid the game builds over a hole's course model: the trees and outer land never stop
// a ball or lift a point.

#include "render/spatial_grid.h"

namespace velmora {

constexpr float courseRadius = 400.0f; // the scale a hole's model is loaded at

std::unique_ptr<SpatialGrid> buildCourseGrid(Model3D& course, ProgressListener* listener = nullptr);

} // namespace velmora
