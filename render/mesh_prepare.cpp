#include "render/mesh_prepare.h"

#include "render/bounding_box.h"
#include "render/renderer3d.h"
#include "render/scalar_math.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {
namespace {

// A vector of fixed-point components scaled to length 2048 with the integer square root.
void normaliseFixed(int64_t x, int64_t y, int64_t z, Fixed11& outX, Fixed11& outY, Fixed11& outZ) {
    // Bring the components into a range where their squares fit 32 bits.
    while (std::max({std::llabs(x), std::llabs(y), std::llabs(z)}) > 26000) {
        x /= 2;
        y /= 2;
        z /= 2;
    }
    const uint32_t length = integerSqrt(static_cast<uint32_t>(x * x + y * y + z * z));
    if (length == 0) {
        outX = outY = outZ = 0;
        return;
    }
    outX = static_cast<Fixed11>(x * worldUnit / length);
    outY = static_cast<Fixed11>(y * worldUnit / length);
    outZ = static_cast<Fixed11>(z * worldUnit / length);
}

void prepareMesh(Object3D& node, Mesh3D& mesh, bool withBounds) {
    if (!mesh.material) {
        auto material = std::make_unique<Material3D>();
        material->detailLevel = node.detailLevel;
        mesh.material = node.addMaterial(std::move(material));
    }
    std::vector<int64_t> sums(mesh.vertices.size() * 3, 0);
    for (Face3D& face : mesh.faces) {
        const Vector3 normal = triangleNormal(mesh.vertices[face.a].position(), mesh.vertices[face.b].position(),
                                              mesh.vertices[face.c].position());
        face.normalX = toFixed11(normal.x);
        face.normalY = toFixed11(normal.y);
        face.normalZ = toFixed11(normal.z);
        for (int32_t index : {face.a, face.b, face.c}) {
            sums[index * 3] += face.normalX;
            sums[index * 3 + 1] += face.normalY;
            sums[index * 3 + 2] += face.normalZ;
        }
    }
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        Vertex3D& vertex = mesh.vertices[i];
        normaliseFixed(sums[i * 3], sums[i * 3 + 1], sums[i * 3 + 2], vertex.normalX, vertex.normalY, vertex.normalZ);
    }
    if (withBounds && !mesh.vertices.empty()) {
        BoundingBox box;
        for (const Vertex3D& vertex : mesh.vertices)
            box.add(vertex.position());
        mesh.boundsMin = box.min;
        mesh.boundsMax = box.max;
        mesh.centre = box.centre();
        mesh.radius = (box.max - mesh.centre).length();
    }
    mesh.prepared = true;
}

} // namespace

void prepare(Object3D& node, bool withBounds) {
    for (const auto& mesh : *node.meshes) {
        if (!mesh->prepared)
            prepareMesh(node, *mesh, withBounds);
    }
    if (node.levels) {
        for (const auto& model : node.levels->models)
            prepare(*model, withBounds);
    }
}

void transformMeshes(Object3D& node, const Matrix4& matrix, const std::wstring* wantedObjects,
                     const std::wstring* unwantedObjects, bool unprepare) {
    const FixedTransform fixed = toFixedTransform(matrix);
    const int32_t* r = fixed.rotation;
    const int32_t* t = fixed.translation;
    for (const auto& mesh : *node.meshes) {
        if (!isSelected(mesh->name, wantedObjects, unwantedObjects))
            continue;
        for (Vertex3D& vertex : mesh->vertices) {
            const int64_t px = vertex.x >> 5, py = vertex.y >> 5, pz = vertex.z >> 5;
            vertex.x = static_cast<Fixed11>(((r[0] * px + r[1] * py + r[2] * pz) >> 9) + t[0]);
            vertex.y = static_cast<Fixed11>(((r[3] * px + r[4] * py + r[5] * pz) >> 9) + t[1]);
            vertex.z = static_cast<Fixed11>(((r[6] * px + r[7] * py + r[8] * pz) >> 9) + t[2]);
        }
        if (unprepare)
            mesh->prepared = false;
    }
}

} // namespace velmora
