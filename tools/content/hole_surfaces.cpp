#include "hole_surfaces.h"

#include "noise.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace velmora::content {
namespace {

constexpr double nothing = std::numeric_limits<double>::max();

} // namespace

const char* surfaceName(Surface surface) {
    static const char* const names[surfaceCount] = {"tground",   "green",   "bunker", "water",
                                                    "waterbank", "fairway", "rough",  "outer"};
    return names[int(surface)];
}

size_t HoleGround::PointHash::operator()(Vec2 p) const {
    uint64_t x, y;
    std::memcpy(&x, &p.x, 8);
    std::memcpy(&y, &p.y, 8);
    return size_t(x * 0x9E3779B97F4A7C15ull ^ (y + 0x632BE59BD9B4E019ull + (x << 6) + (x >> 2)));
}

HoleGround::HoleGround(const HolePlan& plan, const StyleRules& rules) : plan_(plan), rules_(rules) {
    teeLevel_ = naturalHeight(plan.teePoint()) + 0.4;
    cupLevel_ = naturalHeight(plan.cupPoint()) + 0.25;
    // Each pond lies a little below the lowest ground around it.
    for (const Blob& pond : plan.ponds) {
        const Vec2 c = pond.parts.front().centre;
        double lowest = nothing;
        for (double y = -120; y <= 120; y += 4) {
            for (double x = -120; x <= 120; x += 4) {
                const Vec2 p = c + Vec2{x, y};
                if (blobField(pond, p) < bankWidth + 12)
                    lowest = std::min(lowest, naturalHeight(p));
            }
        }
        waterLevels_.push_back(lowest == nothing ? naturalHeight(c) - 0.6 : lowest - 0.6);
    }
}

double HoleGround::ringDepth(Vec2 p) const {
    const auto found = depths_.find(p);
    if (found != depths_.end())
        return found->second;
    const double depth = velmora::content::ringDepth(plan_, p);
    depths_.emplace(p, depth);
    return depth;
}

double HoleGround::pondField(Vec2 p) const {
    double field = nothing;
    for (const Blob& pond : plan_.ponds)
        field = std::min(field, blobField(pond, p));
    return field;
}

double HoleGround::fairwayField(Vec2 p) const {
    return plan_.fairway.points.empty() ? nothing : tubeField(plan_.fairway, p);
}

double HoleGround::field(Surface surface, Vec2 p) const {
    switch (surface) {
    case Surface::Tground:
        return rectangleField(plan_.tee, p);
    case Surface::Green:
        return blobField(plan_.green, p);
    case Surface::Bunker: {
        double field = nothing;
        for (const Bunker& bunker : plan_.bunkers)
            field = std::min(field, blobField(bunker.shape, p));
        return field == nothing ? nothing : std::max(field, surfaceInset - ringDepth(p));
    }
    case Surface::Water:
        return pondField(p);
    case Surface::Waterbank:
        return pondField(p) - bankWidth;
    case Surface::Fairway:
        return std::max(fairwayField(p), surfaceInset - ringDepth(p));
    case Surface::Rough:
        return -(ringDepth(p) + roughBeyondRing);
    case Surface::Outer:
        break;
    }
    return nothing;
}

double HoleGround::naturalHeight(Vec2 p) const {
    const double lambda = rules_.reliefWavelength;
    const double rolling =
        rules_.reliefHeight * fractalNoise(p.x / lambda, p.y / lambda, plan_.reliefSeed, 3);
    // Humps and hollows in the rough; the fairway stays smooth.
    const double roughness = smoothstep(3, 18, fairwayField(p));
    const double mounds =
        rules_.moundHeight * roughness * fractalNoise(p.x / 38, p.y / 38, plan_.reliefSeed + 1, 2);
    // The ground rises toward the trees, so that the hole lies in a gentle valley.
    const double rise = 3 * (1 - smoothstep(4, 70, ringDepth(p)));
    return rolling + mounds + rise;
}

double HoleGround::height(Vec2 p) const {
    double h = naturalHeight(p);
    for (size_t k = 0; k < plan_.ponds.size(); ++k) {
        const double f = blobField(plan_.ponds[k], p);
        if (f < bankWidth + 12)
            h = waterLevels_[k] + (h - waterLevels_[k]) * smoothstep(0, bankWidth + 12, f);
    }
    for (const Bunker& bunker : plan_.bunkers) {
        const double f = blobField(bunker.shape, p);
        if (f < 0)
            h -= bunker.depth * smoothstep(0, 2.5, -f);
    }
    const double tee = rectangleField(plan_.tee, p);
    if (tee <= 0.5)
        h = teeLevel_;
    else if (tee < 10)
        h += (teeLevel_ - h) * (1 - smoothstep(0.5, 10, tee));
    // Planar inside the green, so that the cup vertex is the centre of the green's box.
    const double green = blobField(plan_.green, p);
    const double plane = cupLevel_ + dot(plan_.greenTilt, p - plan_.cupPoint());
    if (green <= 0)
        h = plane;
    else if (green < 22)
        h += (plane - h) * (1 - smoothstep(0, 22, green));
    return h;
}

} // namespace velmora::content
