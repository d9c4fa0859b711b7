#include "game/terrain.h"

#include "game/ball.h"
#include "game/course_grid.h"

#include <algorithm>

namespace velmora {

CourseSurfaces findSurfaces(const Model3D& course) {
    CourseSurfaces s;
    s.outer = course.findMesh(L"outer");
    s.rough = course.findMesh(L"rough");
    s.tground = course.findMesh(L"tground");
    s.fairway = course.findMesh(L"fairway");
    s.green = course.findMesh(L"green");
    s.bunker = course.findMesh(L"bunker");
    s.water = course.findMesh(L"water");
    s.waterbank = course.findMesh(L"waterbank");
    s.woods = course.findMesh(L"woods");
    return s;
}

bool isCompleteCourse(const CourseSurfaces& s) {
    const bool required = s.rough && s.tground && s.fairway && s.green && s.bunker && s.woods;
    return required && (s.water == nullptr) == (s.waterbank == nullptr);
}

void Terrain::build(Model3D& course, const CourseSurfaces& courseSurfaces) {
    surfaces = courseSurfaces;
    grid_ = buildCourseGrid(course);
}

Mesh3D* Terrain::dropToGround(Vector3& point, Vector3& normal) const {
    Mesh3D* surface = grid_ ? grid_->dropToGround(point, normal) : nullptr;
    if (!surface) {
        point.y = 0.0f;
        normal = {0, 1, 0};
    }
    return surface;
}

Ground Terrain::ground(const Vector3& point) const {
    Ground result;
    result.point = point;
    result.surface = dropToGround(result.point, result.normal);
    return result;
}

WaterExit stepOutOfWater(const Terrain& terrain, Vector3 position, const Vector3& aim, float ballRadius) {
    constexpr float dropStep = 25.0f; // ball radii
    const Vector3 back = aim.normalised() * (-dropStep * ballRadius);
    const float stepLength = back.length();
    const float reach = terrain.grid() ? terrain.grid()->dim.length() : 0.0f;
    const int maxSteps =
        stepLength > 1e-3f ? static_cast<int>(std::min(reach / stepLength, 100000.0f)) + 2 : 0;
    WaterExit exit;
    while (exit.steps < maxSteps && !exit.dry) {
        position += back;
        ++exit.steps;
        const Mesh3D* surface = terrain.ground(position).surface;
        exit.dry = !surface || (surface != terrain.surfaces.water && surface != terrain.surfaces.waterbank);
    }
    exit.point = position + back;
    return exit;
}

void classifyLie(Ball& ball, const Mesh3D* surface, const CourseSurfaces& s, const Vector3& cup) {
    // Nothing under the ball counts as rough, even in a model without rough.
    ball.isInRough = surface == nullptr || surface == s.rough;
    ball.isInFairway = surface && surface == s.fairway;
    ball.isInGreen = surface && surface == s.green;
    ball.isInTGround = surface && surface == s.tground;
    ball.isInbunker = surface && surface == s.bunker;
    ball.isOnWaterBank = surface && surface == s.waterbank;
    ball.isInWater = surface && surface == s.water && !ball.isInTheAir;
    if (ball.isStill || ball.isInTheAir)
        return;
    Vector3 d = ball.position - cup;
    d.y = ball.radius;
    const float k = std::clamp(0.5f * ball.speed, 1.5f, 3.5f);
    ball.isInTheCup = d.lengthSquared() < (k * ball.radius) * (k * ball.radius);
}

} // namespace velmora
