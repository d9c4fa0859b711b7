#include "render/model_normalise.h"

#include "render/bounding_box.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

Fixed11 scaledCoordinate(Fixed11 value, Fixed11 centre, float scale) {
    const float scaled = static_cast<float>(int64_t{value} - centre) * scale;
    return saturatedInt(scaled);
}

} // namespace

void normalise(Model3D& model, float radius, const std::wstring* wantedObjects, const std::wstring* unwantedObjects) {
    const BoundingBox box = boxOfMeshes(model, wantedObjects, unwantedObjects);
    const Vector3 dimensions = box.size();
    const float largest = std::max({dimensions.x, dimensions.y, dimensions.z});
    if (box.empty || !(largest > 0.0f) || !(radius > 0.0f)) {
        // Nothing to measure by: keep the model as it is and describe it for culling.
        const BoundingBox all = boxOfMeshes(model);
        model.dimensions = all.size();
        const Vector3 farCorner{std::max(std::fabs(all.min.x), std::fabs(all.max.x)),
                                std::max(std::fabs(all.min.y), std::fabs(all.max.y)),
                                std::max(std::fabs(all.min.z), std::fabs(all.max.z))};
        model.radius = farCorner.length();
        return;
    }
    const float scale = radius / (0.5f * largest);
    model.dimensions = dimensions * scale;
    model.radius = radius;
    const Vector3 centre = box.centre();
    const Fixed11 centreX = saturatedInt(std::round(centre.x * worldUnit));
    const Fixed11 centreY = saturatedInt(std::round(centre.y * worldUnit));
    const Fixed11 centreZ = saturatedInt(std::round(centre.z * worldUnit));
    for (const auto& mesh : *model.meshes) {
        for (Vertex3D& vertex : mesh->vertices) {
            vertex.x = scaledCoordinate(vertex.x, centreX, scale);
            vertex.y = scaledCoordinate(vertex.y, centreY, scale);
            vertex.z = scaledCoordinate(vertex.z, centreZ, scale);
        }
        mesh->prepared = false;
    }
}

} // namespace velmora
