#pragma once
// What the game derives from a hole's ring of trees, by the game's own rules: the tree line (the
// ring's bottom points dropped onto the ground), the play line 16 units inside it, the small course
// map that tells in bounds from out of bounds, and where a drowned ball is dropped. The tools keep
// these in this one module until the game page provides them.

#include "render/object3d.h"
#include "render/spatial_grid.h"
#include "render/vector3.h"

#include <cstdint>
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

// The in/out map: 50 pixels wide, black outside the trees, red between tree line and play line,
// white on the playable course.
struct CourseMap {
    int width = 50;
    int height = 0;
    float courseWidth = 0;           // x extent of the course without the woods
    float courseDepth = 0;           // z extent
    std::vector<uint8_t> brightness; // (r + g + b) / 3 per pixel, row after row
};
CourseMap buildCourseMap(const BoundaryLines& lines, float courseWidth, float courseDepth);

struct MapPixel {
    int x = 0, y = 0;
};
MapPixel mapPixel(const CourseMap& map, const Vector3& point);
bool isOutOfBounds(const CourseMap& map, const Vector3& point);

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
