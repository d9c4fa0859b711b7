#include "hole_route.h"

#include "ring_outline.h"

#include <algorithm>
#include <cmath>

namespace velmora::content {
namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double ringMargin = 44; // from the trees to the box's edge: rough, then the outer land

} // namespace

double pick(Random& random, Range range) {
    return random.range(range.low, range.high);
}
double side(Random& random) {
    return random.chance(0.5) ? 1.0 : -1.0;
}
double swing(Random& random, Range range) {
    const double sign = side(random);
    return sign * pick(random, range);
}

Range distanceFor(int par) {
    if (par == 3)
        return {200, 330};
    if (par == 5)
        return {720, 780};
    return {455, 655};
}

double pathLength(const std::vector<Vec2>& path) {
    double total = 0;
    for (size_t i = 0; i + 1 < path.size(); ++i)
        total += length(path[i + 1] - path[i]);
    return total;
}

Vec2 pointAlong(const std::vector<Vec2>& path, double s, Vec2* heading) {
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const double segment = length(path[i + 1] - path[i]);
        if (s <= segment || i + 2 == path.size()) {
            if (heading)
                *heading = normalised(path[i + 1] - path[i]);
            return lerp(path[i], path[i + 1], segment > 0 ? std::clamp(s / segment, 0.0, 1.0) : 0);
        }
        s -= segment;
    }
    return path.back();
}

std::vector<Vec2> routeShape(const StyleRules& rules, int par, double d, Random& random) {
    std::vector<double> fractions; // where the line turns, as parts of its length
    std::vector<double> turns;
    if (par == 4 && random.chance(rules.doglegChance)) {
        fractions = {random.range(0.55, 0.66)};
        turns = {swing(random, rules.doglegTurn)};
    } else if (par == 5) {
        if (random.chance(0.5)) {
            fractions = {random.range(0.34, 0.42), random.range(0.64, 0.72)};
            const double first = swing(random, rules.doglegTurn);
            turns = {first, -first * random.range(0.8, 1.2)};
        } else {
            fractions = {random.range(0.5, 0.62)};
            turns = {swing(random, rules.doglegTurn)};
        }
    }
    std::vector<Vec2> points{{0, 0}};
    double heading = pi / 2, done = 0;
    for (size_t i = 0; i <= fractions.size(); ++i) {
        const double next = i < fractions.size() ? fractions[i] : 1.0;
        points.push_back(points.back() + direction(heading) * (next - done));
        done = next;
        if (i < turns.size())
            heading += turns[i];
    }
    const double scale = d / length(points.back());
    for (Vec2& p : points)
        p = p * scale;
    return points;
}

Tube corridorAround(const std::vector<Vec2>& route, double middle, int par, bool water, double spare) {
    const Vec2 first = normalised(route[1] - route[0]);
    const Vec2 last = normalised(route.back() - route[route.size() - 2]);
    const double ends = water ? spare / 2 : 0;
    if (water)
        middle += spare;
    Tube tube;
    tube.points.push_back(route.front() - first * 14);
    tube.halfWidths.push_back(64 + ends);
    tube.points.push_back(route.front());
    tube.halfWidths.push_back(66 + ends);
    if (route.size() == 2) {
        tube.points.push_back(lerp(route.front(), route.back(), par == 3 ? 0.5 : 0.6));
        tube.halfWidths.push_back(par == 3 && !water ? middle * 0.8 : middle);
    }
    for (size_t i = 1; i + 1 < route.size(); ++i) {
        tube.points.push_back(route[i]);
        tube.halfWidths.push_back(middle);
    }
    tube.points.push_back(route.back());
    tube.halfWidths.push_back(90 + ends);
    tube.points.push_back(route.back() + last * 24);
    tube.halfWidths.push_back(84 + ends);
    return tube;
}

std::vector<Vec2> ringAround(const Tube& corridor) {
    Vec2 min = corridor.points.front(), max = min;
    double widest = 0;
    for (size_t i = 0; i < corridor.points.size(); ++i) {
        const Vec2 p = corridor.points[i];
        min = {std::min(min.x, p.x), std::min(min.y, p.y)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y)};
        widest = std::max(widest, corridor.halfWidths[i]);
    }
    const Vec2 pad{widest + 24, widest + 24};
    std::vector<Vec2> ring =
        traceOutline([&](Vec2 p) { return tubeField(corridor, p); }, min - pad, max + pad, 4);
    if (ring.size() < 8)
        return {};
    // Even steps of about 4 units, then rounded: the inside of a dogleg gets a gentle bend.
    ring = smoothLoop(resampleLoop(ring, int(loopLength(ring) / 4)), 24);
    ring = resampleLoop(ring, int(loopLength(ring) / 8)); // fine enough for depths, half the work
    if (signedArea(ring) > 0)
        std::reverse(ring.begin(), ring.end());
    return ring;
}

bool fitRing(const std::vector<Vec2>& ring, double preferred, RingFit& fit) {
    const double room = boxHalfDepth - ringMargin;
    for (int k = 0; k <= 140; ++k) {
        const double angle = preferred + (k % 2 ? 1 : -1) * ((k + 1) / 2) * (pi / 180);
        Vec2 min{1e9, 1e9}, max{-1e9, -1e9};
        for (Vec2 p : ring) {
            const Vec2 q = rotated(p, angle);
            min = {std::min(min.x, q.x), std::min(min.y, q.y)};
            max = {std::max(max.x, q.x), std::max(max.y, q.y)};
        }
        const Vec2 size = max - min;
        if (size.x <= 2 * room && size.y <= 2 * room) {
            fit.angle = angle;
            fit.centre = (min + max) * 0.5;
            fit.halfWidth =
                std::min(boxHalfDepth, std::ceil((size.x / 2 + ringMargin) / gridSpacing) * gridSpacing);
            return true;
        }
    }
    return false;
}

} // namespace velmora::content
