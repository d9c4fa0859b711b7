#pragma once
// The axis-aligned box around a set of points, and around the meshes of a model.

#include "render/vector3.h"

#include <algorithm>
#include <string>

namespace velmora {

class Object3D;

struct BoundingBox {
    Vector3 min;
    Vector3 max;
    bool empty = true;

    void add(const Vector3& p) {
        if (empty) {
            min = max = p;
            empty = false;
            return;
        }
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
    Vector3 size() const { return max - min; }
    Vector3 centre() const { return (min + max) * 0.5f; }
};

// Every vertex of the node's meshes that are selected (isSelected), in node units.
BoundingBox boxOfMeshes(const Object3D& node, const std::wstring* wantedObjects = nullptr,
                        const std::wstring* unwantedObjects = nullptr);

} // namespace velmora
