#pragma once
// What the game builds around a hole's model once its terrain grid exists: the putting net on the
// green, the woods ring with the tree line and the play line inside it, and the plants along it.

#include "game/terrain.h"
#include "render/scene3d.h"
#include "render/texture.h"

#include <vector>

namespace velmora {

inline constexpr wchar_t greenGridName[] = L"greenGrids";
inline constexpr wchar_t plantName[] = L"plant";

// The bottom edge of the woods ring dropped onto the ground (the tree line), and the same points
// moved 16 units sideways, inside a ring that runs clockwise seen from above (the play line). The
// last point of each repeats the first. Points with no ground under them lie at height 0; they
// are counted, since a sound course has none.
struct CourseBoundary {
    std::vector<Vector3> treeLine;
    std::vector<Vector3> playLine;
    int pointsWithoutGround = 0;
};
// The boundary of a woods ring (half its vertices, the bottom ones, first) on the terrain; empty
// for a ring of fewer than two points.
CourseBoundary traceBoundary(const Mesh3D& woods, const Terrain& terrain);

// A 9 x 9 net of light yellow lines 3.75 units apart lying on the ground around the cup, added
// hidden to the scene as "greenGrids".
Object3D* buildGreenGrid(Scene3D& mainScene, const Terrain& terrain, const Vector3& cup);

// Stands the woods strip on the ground (its bottom 0.1 below it, 10 units high), textures it with
// woodsTexture repeating along the ring, half see-through, and returns the boundary lines.
CourseBoundary buildTreeLine(Mesh3D* woods, Texture* woodsTexture, const Terrain& terrain);
// The repeat of the woods texture along the ring: the divisor d of u = i x 65536 / d for a ring of
// the given radius (world units), d = 2100 / L with L the radius truncated and kept in 1 ... 2100.
int woodsTextureDivisor(float ringRadius);

// Plants along the play line: the template's own "plant" nodes are moved there; without them about
// four places in five get a tree or bush from the pictures (trees taller than wide, bushes wider).
void placePlants(Scene3D& mainScene, const std::vector<Vector3>& playLine,
                 const std::vector<Texture*>& pictures, const Terrain& terrain);

} // namespace velmora
