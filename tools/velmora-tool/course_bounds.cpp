#include "course_bounds.h"

namespace velmora::tool {
namespace {

constexpr float playLineInset = 16.0f;

// Drops the point onto the ground; false (point unchanged) without ground.
bool drop(SpatialGrid& grid, Vector3& point) {
    Vector3 normal;
    return grid.dropToGround(point, normal) != nullptr;
}

} // namespace

BoundaryLines boundaryLines(const Mesh3D& woods, SpatialGrid& grid) {
    BoundaryLines lines;
    const size_t n = woods.vertices.size() / 2;
    if (n < 2)
        return lines;
    lines.treeLine.resize(n);
    lines.playLine.resize(n);
    for (size_t i = 0; i < n; ++i) {
        Vector3 p = woods.vertices[i].position();
        if (!drop(grid, p))
            ++lines.pointsWithoutGround;
        lines.treeLine[i] = p;
        Vector3 play = p;
        if (i > 0) {
            // Square to the ring, on the side the ring's direction gives: inside for a ring that
            // runs clockwise seen from above.
            const Vector3 d = (play - lines.playLine[i - 1]).normalised();
            play += cross(Vector3{0.0f, playLineInset, 0.0f}, d);
            if (!drop(grid, play))
                ++lines.pointsWithoutGround;
        }
        lines.playLine[i] = play;
    }
    lines.treeLine[0] = lines.treeLine[n - 1];
    lines.playLine[0] = lines.playLine[n - 1];
    return lines;
}

WaterDrop waterDrop(SpatialGrid& grid, Vector3 position, Vector3 aim, float ballRadius, const Mesh3D* water,
                    const Mesh3D* bank, int limit) {
    const Vector3 back = aim.normalised() * (-25.0f * ballRadius);
    WaterDrop result;
    const Mesh3D* ground = nullptr;
    do {
        position += back;
        Vector3 under = position;
        Vector3 normal;
        ground = grid.dropToGround(under, normal);
        ++result.steps;
    } while ((ground == water || ground == bank) && ground && result.steps < limit);
    position += back;
    Vector3 under = position;
    Vector3 normal;
    result.ground = grid.dropToGround(under, normal);
    result.point = position;
    return result;
}

} // namespace velmora::tool
