#pragma once
// Where a hole's tee and cup lie, found from its model's meshes as they stand now. The game, the
// course validator and the course pictures all place them this way.

#include "render/bounding_box.h"
#include "render/mesh3d.h"

namespace velmora {

// The box of a mesh's vertices as they stand now (its prepared bounds may be older).
BoundingBox boxOf(const Mesh3D& mesh);
// The tee: the middle of the teeing ground's box, not yet dropped onto the ground.
Vector3 teeSpot(const Mesh3D& tground);
// The cup: the green's vertex nearest the middle of the green's box, the first found on a tie; the
// origin for a green without vertices.
Vector3 cupSpot(const Mesh3D& green);

} // namespace velmora
