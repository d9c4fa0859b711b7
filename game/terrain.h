#pragma once
// The ground of a hole: its surface objects (the meshes of the hole's model named for the kind of
// ground they are), the terrain grid that answers which surface lies under a point and how high the
// ground is there, and the lie of the ball read from the surface under it.

#include "render/object3d.h"
#include "render/spatial_grid.h"
#include "render/vector3.h"

#include <memory>

namespace velmora {

class Ball;

// The surface objects of a hole; any may be absent in a model that breaks the rules.
struct CourseSurfaces {
    Mesh3D* outer = nullptr;   // the land beyond the course, never drawn in play
    Mesh3D* rough = nullptr;   // also the lie where no object lies under the ball
    Mesh3D* tground = nullptr; // teeing ground; the centre of its box is the tee
    Mesh3D* fairway = nullptr;
    Mesh3D* green = nullptr; // the cup is its vertex nearest the centre of its box
    Mesh3D* bunker = nullptr;
    Mesh3D* water = nullptr;
    Mesh3D* waterbank = nullptr; // counts as water
    Mesh3D* woods = nullptr;     // the ring of trees enclosing the course
};

CourseSurfaces findSurfaces(const Model3D& course);
// Rough, teeing ground, fairway, green, bunker and woods exist, and water and bank both or neither.
bool isCompleteCourse(const CourseSurfaces& surfaces);

// The ground under a point: where a vertical line through it meets the highest surface.
struct Ground {
    Vector3 point;           // the point at the ground's height; height 0 where nothing lies under it
    Vector3 normal{0, 1, 0}; // up where nothing lies under it
    Mesh3D* surface = nullptr;
};

class Terrain {
public:
    // Builds the grid over the course (the trees and the outer land left out). The course must
    // outlive the terrain unchanged.
    void build(Model3D& course, const CourseSurfaces& courseSurfaces);
    Ground ground(const Vector3& point) const;
    // The point moved down (or up) onto the ground; the surface under it or none.
    Mesh3D* dropToGround(Vector3& point, Vector3& normal) const;

    const SpatialGrid* grid() const { return grid_.get(); }
    CourseSurfaces surfaces;

private:
    std::unique_ptr<SpatialGrid> grid_;
};

// Where a ball that drowned at `position`, coming along `aim`, comes out of the water: stepped back
// along the aim 25 ball radii at a time until the ground under it is dry (neither water nor bank; no
// surface at all counts as dry), then one step further. The search gives up (dry false) after as
// many steps as cross the whole grid.
struct WaterExit {
    Vector3 point;
    bool dry = false;
    int steps = 0; // taken before the last one
};
WaterExit stepOutOfWater(const Terrain& terrain, Vector3 position, const Vector3& aim, float ballRadius);

// The lie flags of the ball from the surface under it (none counts as rough). A rolling ball is
// also tested against the cup: it is over the cup within a circle that widens with its speed.
void classifyLie(Ball& ball, const Mesh3D* surface, const CourseSurfaces& surfaces, const Vector3& cup);

} // namespace velmora
