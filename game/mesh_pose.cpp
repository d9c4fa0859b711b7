#include "game/mesh_pose.h"

namespace velmora {

MeshPose::MeshPose(Mesh3D* mesh) : mesh_(mesh) {
    if (!mesh)
        return;
    loaded_.reserve(mesh->vertices.size());
    for (const Vertex3D& vertex : mesh->vertices)
        loaded_.push_back(vertex.position());
}

void MeshPose::set(const Matrix4& pose) {
    set([&pose](const Vector3& p) { return pose.transformPoint(p); });
}

void MeshPose::set(const std::function<Vector3(const Vector3&)>& move) {
    if (!mesh_ || mesh_->vertices.size() != loaded_.size())
        return;
    for (size_t i = 0; i < loaded_.size(); ++i) {
        const Vector3 p = move(loaded_[i]);
        Vertex3D& vertex = mesh_->vertices[i];
        vertex.x = toFixed11(p.x);
        vertex.y = toFixed11(p.y);
        vertex.z = toFixed11(p.z);
    }
    mesh_->prepared = false; // normals follow the new shape when it is next drawn
}

} // namespace velmora
