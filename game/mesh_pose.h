#pragma once
// A mesh of a model posed inside its node again and again (a spinning ball, a fluttering flag): the
// vertices as loaded are kept, and every pose is computed from them, so that rounding to the
// vertices' fixed point never piles up.

#include "render/matrix4.h"
#include "render/mesh3d.h"

#include <functional>
#include <vector>

namespace velmora {

class MeshPose {
public:
    MeshPose() = default;
    explicit MeshPose(Mesh3D* mesh);

    // Every vertex as loaded, transformed by pose (in the node's frame).
    void set(const Matrix4& pose);
    // Every vertex as loaded, moved by a function of its loaded position.
    void set(const std::function<Vector3(const Vector3&)>& move);

    Mesh3D* mesh() const { return mesh_; }
    const std::vector<Vector3>& loaded() const { return loaded_; }

private:
    Mesh3D* mesh_ = nullptr;
    std::vector<Vector3> loaded_;
};

} // namespace velmora
