#pragma once
// What the game derives from a hole's ring of trees, by the game's own rules: the tree line (the
// ring's bottom points dropped onto the ground), the play line 16 units inside it, and where a
// drowned ball is dropped. The course map drawn from the two lines is the game's own CourseMap.

#include "render/object3d.h"
#include "render/spatial_grid.h"
#include "render/vector3.h"

#include <vector>

namespace velmora::tool {

// Both lines have one point per bottom vertex of the woods mesh (n = half its vertices); element 0
// repeats element n - 1. Points without ground under them keep their height and are counted.
struct BoundaryLines {
    std::vector<Vector3> treeLine;
    std::vector<Vector3> playLine;
    int pointsWithoutGround = 0;
};
BoundaryLines boundaryLines(const Mesh3D& woods, SpatialGrid& grid);

// A ball drowned at position while aimed along aim is stepped back 25 ball radii at a time until
// the ground under it is neither water nor bank, then one step more: the drop point. steps counts
// the steps taken; the search gives up (steps = limit) when it never leaves the water.
struct WaterDrop {
    Vector3 point;
    const Mesh3D* ground = nullptr; // under the drop point; none when there is no ground
    int steps = 0;
};
WaterDrop waterDrop(SpatialGrid& grid, Vector3 position, Vector3 aim, float ballRadius, const Mesh3D* water,
                    const Mesh3D* bank, int limit = 400);

} // namespace velmora::tool
