#include "hole_model.h"

#include "patchwork.h"
#include "ring_outline.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace velmora::content {
namespace {

constexpr double woodsHeight = 10; // the band of trees, as the game rebuilds it

// How each surface's texture lies on the ground: units per repeat, and the turn of the picture.
struct Mapping {
    double tile;
    bool alongPlay; // the picture's columns run along the line of play (mowing stripes)
};
constexpr Mapping mappings[surfaceCount] = {
    {12, true},  // tground
    {14, true},  // green
    {14, false}, // bunker
    {40, false}, // water
    {14, false}, // waterbank
    {22, true},  // fairway: stripes 11 units wide
    {16, false}, // rough
    {48, false}, // outer
};

Object3ds groundObject(Surface surface, const std::vector<Triangle2>& triangles, const HolePlan& plan,
                       const HoleGround& ground) {
    Object3ds object;
    object.name = surfaceName(surface);
    object.material = std::string("m_") + object.name;
    const Mapping mapping = mappings[int(surface)];
    const Vec2 along = mapping.alongPlay ? direction(plan.playAngle) : Vec2{0, 1};
    const Vec2 across = {along.y, -along.x};
    std::map<std::pair<double, double>, uint16_t> indices;
    Vec2 min{1e9, 1e9}, max{-1e9, -1e9};
    for (const Triangle2& triangle : triangles) {
        std::array<uint16_t, 3> face{};
        for (int k = 0; k < 3; ++k) {
            const Vec2 p = triangle[size_t(k)];
            const auto [found, added] = indices.try_emplace({p.x, p.y}, uint16_t(object.vertices.size()));
            if (added) {
                object.vertices.push_back({float(p.x), float(p.y), float(ground.height(p))});
                // Offset by whole repeats so that every coordinate stays positive.
                object.mapping.push_back(
                    {float(dot(p, across) / mapping.tile + 64), float(dot(p, along) / mapping.tile + 64)});
                min = {std::min(min.x, p.x), std::min(min.y, p.y)};
                max = {std::max(max.x, p.x), std::max(max.y, p.y)};
            }
            face[size_t(k)] = found->second;
        }
        object.faces.push_back(face);
    }
    const Vec2 centre = (min + max) * 0.5;
    object.origin = {float(centre.x), float(centre.y), float(ground.height(centre))};
    return object;
}

std::vector<Point3ds> woodsVertices(const std::vector<Vec2>& ring, const HoleGround& ground) {
    std::vector<Point3ds> bottom, top;
    for (size_t i = 0; i <= ring.size(); ++i) {
        const Vec2 p = ring[i % ring.size()];
        const float h = float(ground.height(p) - 0.1);
        bottom.push_back({float(p.x), float(p.y), h});
        top.push_back({float(p.x), float(p.y), h + float(woodsHeight)});
    }
    bottom.insert(bottom.end(), top.begin(), top.end());
    return bottom;
}

// The ring with its points spaced so that woods.gif keeps its proportions at the game's repeat
// and joins seamlessly where the ring closes (a whole number of repeats around).
Object3ds woodsObject(const HolePlan& plan, const HoleGround& ground) {
    const double perimeter = loopLength(plan.ring);
    std::vector<Point3ds> vertices = woodsVertices(plan.ring, ground);
    int divisor = woodsRepeatDivisor(vertices);
    std::vector<Vec2> ring;
    for (int pass = 0; pass < 3; ++pass) {
        const int repeats = std::max(1, int(std::lround(perimeter / woodsPictureSpan)));
        ring = resampleLoop(plan.ring, repeats * divisor);
        vertices = woodsVertices(ring, ground);
        const int measured = woodsRepeatDivisor(vertices);
        if (measured == divisor)
            break;
        divisor = measured;
    }
    Object3ds woods;
    woods.name = "woods";
    woods.material = "m_woods";
    woods.vertices = vertices;
    const size_t n = ring.size() + 1;
    for (size_t i = 0; i < 2 * n; ++i)
        woods.mapping.push_back({float(double(i % n) / divisor), i < n ? 0.0f : 1.0f});
    for (size_t i = 0; i + 1 < n; ++i) {
        woods.faces.push_back({uint16_t(i), uint16_t(i + 1), uint16_t(i + 1 + n)});
        woods.faces.push_back({uint16_t(i), uint16_t(i + 1 + n), uint16_t(i + n)});
    }
    return woods;
}

} // namespace

int woodsRepeatDivisor(const std::vector<Point3ds>& woodsVertices) {
    Point3ds min = woodsVertices.front(), max = min;
    for (const Point3ds& p : woodsVertices) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
    const double radius =
        0.5 * std::sqrt(double(max.x - min.x) * (max.x - min.x) + double(max.y - min.y) * (max.y - min.y) +
                        double(max.z - min.z) * (max.z - min.z));
    return std::max(1, 2100 / std::max(1, int(radius)));
}

Model3ds buildHoleModel(const HolePlan& plan, const HoleGround& ground, const SurfaceMaps& maps) {
    PatchworkGrid grid{{-plan.halfWidth, -boxHalfDepth}, {plan.halfWidth, boxHalfDepth}, gridSpacing};
    std::vector<SurfaceField> fields;
    for (int s = 0; s + 1 < surfaceCount; ++s)
        fields.push_back([&ground, s](Vec2 p) { return ground.field(Surface(s), p); });
    const std::vector<std::vector<Triangle2>> pieces = cutPatchwork(grid, fields);

    Model3ds model;
    // The objects in the order a reader meets them: the outer land first, the trees last.
    const Surface order[] = {Surface::Outer, Surface::Rough,  Surface::Tground, Surface::Fairway,
                             Surface::Green, Surface::Bunker, Surface::Water,   Surface::Waterbank};
    for (Surface surface : order) {
        if (pieces[size_t(surface)].empty())
            continue;
        model.materials.push_back(
            {std::string("m_") + surfaceName(surface), 0xFFFFFF, maps[size_t(surface)], true});
        model.objects.push_back(groundObject(surface, pieces[size_t(surface)], plan, ground));
    }
    model.materials.push_back({"m_woods", 0xFFFFFF, "woods.gif", true});
    model.objects.push_back(woodsObject(plan, ground));
    return model;
}

} // namespace velmora::content
