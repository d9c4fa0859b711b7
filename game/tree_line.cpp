#include "game/course_features.h"

#include "render/material_finish.h"

#include <algorithm>
#include <limits>

namespace velmora {

namespace {
constexpr int woodsTransparency = 128;
constexpr float treeHeight = 10.0f;
constexpr float sinkBelowGround = 0.1f;
constexpr float playLineInset = 16.0f;
constexpr int repeatBase = 2100;
constexpr Fixed16 bottomV = textureUnit - 1;

Fixed16 ringU(int i, int divisor) {
    const int64_t u = int64_t{i} * textureUnit / divisor;
    return static_cast<Fixed16>(std::min<int64_t>(u, std::numeric_limits<int32_t>::max()));
}
} // namespace

int woodsTextureDivisor(float ringRadius) {
    // A ring radius that truncates to 0 or lies beyond the base would divide by zero.
    const int extent = std::clamp(saturatedInt(ringRadius), 1, repeatBase);
    return repeatBase / extent;
}

CourseBoundary traceBoundary(const Mesh3D& woods, const Terrain& terrain) {
    CourseBoundary boundary;
    const size_t n = woods.vertices.size() / 2;
    if (n < 2)
        return boundary;
    const auto drop = [&](Vector3& point) {
        Vector3 normal;
        if (!terrain.dropToGround(point, normal))
            ++boundary.pointsWithoutGround;
    };
    boundary.treeLine.resize(n);
    boundary.playLine.resize(n);
    for (size_t i = 0; i < n; ++i) {
        Vector3 p = woods.vertices[i].position();
        drop(p);
        boundary.treeLine[i] = p;
        if (i > 0) {
            // Square to the line from the previous play-line point, on the side the ring's
            // direction gives.
            const Vector3 along = (p - boundary.playLine[i - 1]).normalised();
            p += cross(Vector3{0, playLineInset, 0}, along);
            drop(p);
        }
        boundary.playLine[i] = p;
    }
    boundary.treeLine[0] = boundary.treeLine[n - 1];
    boundary.playLine[0] = boundary.playLine[n - 1];
    return boundary;
}

CourseBoundary buildTreeLine(Mesh3D* woods, Texture* woodsTexture, const Terrain& terrain) {
    const int n = woods ? static_cast<int>(woods->vertices.size() / 2) : 0;
    if (n < 2)
        return {};
    CourseBoundary boundary = traceBoundary(*woods, terrain);
    if (Material3D* material = woods->material) {
        material->transparency = woodsTransparency;
        material->texture = woodsTexture;
        finishMaterial(*material);
    }
    const int divisor = woodsTextureDivisor(woods->radius);
    for (int i = 0; i < n; ++i) {
        Vertex3D& bottom = woods->vertices[i];
        Vertex3D& top = woods->vertices[i + n];
        bottom.u = top.u = ringU(i, divisor);
        bottom.v = bottomV;
        top.v = 0;
        Vector3 ground = bottom.position();
        Vector3 normal;
        terrain.dropToGround(ground, normal);
        bottom.y = saturatedInt((ground.y - sinkBelowGround) * static_cast<float>(worldUnit));
        top.y = bottom.y + saturatedInt(static_cast<float>(worldUnit) * treeHeight);
    }
    woods->prepared = false;
    return boundary;
}

} // namespace velmora
