#pragma once
// Getting meshes ready for drawing (face and vertex normals, bounds) and baking a transform into
// their vertices.

#include "render/object3d.h"

#include <string>

namespace velmora {

// For every mesh not yet prepared: a default material when it has none, unit face normals
// ((b - a) x (c - b)) and vertex normals (the normalised sum of the normals of the faces using the
// vertex), all x 2048; with withBounds also its bounding box, centre and radius.
void prepare(Object3D& node, bool withBounds);

// Multiplies the vertices of the selected meshes by a matrix in fixed point (rotation terms x 16384,
// translation x 2048). With unprepare the meshes are prepared again before they are next drawn.
void transformMeshes(Object3D& node, const Matrix4& matrix, const std::wstring* wantedObjects,
                     const std::wstring* unwantedObjects, bool unprepare);

} // namespace velmora
