#include "game/hole_marks.h"

#include <limits>

namespace velmora {

BoundingBox boxOf(const Mesh3D& mesh) {
    BoundingBox box;
    for (const Vertex3D& vertex : mesh.vertices)
        box.add(vertex.position());
    return box;
}

Vector3 teeSpot(const Mesh3D& tground) { return boxOf(tground).centre(); }

Vector3 cupSpot(const Mesh3D& green) {
    const Vector3 middle = boxOf(green).centre();
    Vector3 cup;
    float nearest = std::numeric_limits<float>::max();
    for (const Vertex3D& vertex : green.vertices) {
        const float d = (vertex.position() - middle).lengthSquared();
        if (d < nearest) {
            nearest = d;
            cup = vertex.position();
        }
    }
    return cup;
}

} // namespace velmora
