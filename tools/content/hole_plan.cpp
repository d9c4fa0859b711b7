#include "hole_plan.h"

#include "hole_route.h"

#include "ring_outline.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace velmora::content {
namespace {

constexpr double pi = 3.14159265358979323846;

int pickCount(Random& random, Range range) {
    return int(std::floor(pick(random, range) + 1e-9));
}
Vec2 snapped(Vec2 p) {
    return {std::round(p.x / gridSpacing) * gridSpacing, std::round(p.y / gridSpacing) * gridSpacing};
}

// How far a blob reaches from its first part's centre.
double reach(const Blob& blob) {
    double r = 0;
    for (const Ellipse& part : blob.parts)
        r = std::max(r, length(part.centre - blob.parts.front().centre) + std::max(part.rx, part.ry));
    return r;
}

// How far from a point inside the blob its edge lies in a direction.
double edgeDistance(const Blob& blob, Vec2 from, Vec2 heading) {
    double t = 0;
    while (blobField(blob, from + heading * t) < 0 && t < 1000)
        t += 0.5;
    return t;
}

// Whether ok holds at every point within `margin` of the blob, sampled every `step` units.
template <typename F> bool everyNear(const Blob& blob, double margin, double step, F ok) {
    const Vec2 c = blob.parts.front().centre;
    const double r = reach(blob) + margin;
    for (double y = -r; y <= r; y += step)
        for (double x = -r; x <= r; x += step)
            if (blobField(blob, c + Vec2{x, y}) < margin && !ok(c + Vec2{x, y}))
                return false;
    return true;
}

// Water is one convex oval: a ball stepped back out of it never meets it again.
Blob oval(Vec2 centre, double along, double across, double angle) {
    Blob blob;
    blob.parts.push_back({centre, along, across, direction(angle)});
    return blob;
}

// An oval of two or three overlapping ellipses along the axis given by angle.
Blob blobAt(Vec2 centre, double along, double across, double angle, Random& random, double join) {
    Blob blob;
    blob.join = join;
    blob.parts.push_back({centre, along, across, direction(angle)});
    const int extra = random.integer(1, 2);
    for (int i = 0; i < extra; ++i) {
        const Vec2 offset =
            rotated({random.range(-0.6, 0.6) * along, random.range(-0.35, 0.35) * across}, angle);
        blob.parts.push_back({centre + offset, along * random.range(0.45, 0.7),
                              across * random.range(0.6, 0.95), direction(angle + random.range(-0.5, 0.5))});
    }
    return blob;
}

// Depths inside the trees on a 4-unit lattice over the box, read back bilinearly: many quick
// questions about where the water's dry edges lie.
class DepthLattice {
public:
    explicit DepthLattice(const HolePlan& plan) : half_(plan.halfWidth) {
        columns_ = int(2 * half_ / step) + 1;
        rows_ = int(2 * boxHalfDepth / step) + 1;
        depths_.resize(size_t(columns_) * rows_);
        for (int j = 0; j < rows_; ++j)
            for (int i = 0; i < columns_; ++i)
                depths_[size_t(j) * columns_ + i] =
                    ringDepth(plan, {i * step - half_, j * step - boxHalfDepth});
    }
    double at(Vec2 p) const {
        const double u = std::clamp((p.x + half_) / step, 0.0, columns_ - 1.001);
        const double v = std::clamp((p.y + boxHalfDepth) / step, 0.0, rows_ - 1.001);
        const int i = int(u), j = int(v);
        const double fu = u - i, fv = v - j;
        const auto d = [&](int a, int b) { return depths_[size_t(b) * columns_ + a]; };
        return (d(i, j) * (1 - fu) + d(i + 1, j) * fu) * (1 - fv) +
               (d(i, j + 1) * (1 - fu) + d(i + 1, j + 1) * fu) * fv;
    }

private:
    static constexpr double step = 4;
    double half_;
    int columns_ = 0, rows_ = 0;
    std::vector<double> depths_;
};

class HoleBuilder {
public:
    HoleBuilder(const StyleRules& rules, int par, bool water, Random& random)
        : rules_(rules), par_(par), water_(water), random_(random) {}

    bool build(HolePlan& plan, double distanceShrink) {
        const Range range = distanceFor(par_);
        const double d = range.low + (range.high - range.low) * random_.unit() * distanceShrink;
        std::vector<Vec2> route = routeShape(rules_, par_, d, random_);
        const double middle = pick(random_, rules_.corridorHalfWidth) * (0.8 + 0.2 * distanceShrink);
        std::vector<Vec2> ring =
            ringAround(corridorAround(route, middle, par_, water_, 32 * (0.4 + 0.6 * distanceShrink)));
        RingFit fit;
        if (ring.empty() || !fitRing(ring, random_.range(-0.15, 0.15), fit))
            return false;
        const auto place = [&](Vec2 p) { return rotated(p, fit.angle) - fit.centre; };
        for (Vec2& p : ring)
            p = place(p);
        for (Vec2& p : route)
            p = place(p);
        route.front() = snapped(route.front());
        route.back() = snapped(route.back());
        plan.par = par_;
        plan.halfWidth = fit.halfWidth;
        plan.route = route;
        plan.ring = ring;
        plan.playAngle = angleOf(route.back() - route.front());
        plan.reliefSeed = random_.next();
        path_ = route;
        pathLength_ = pathLength(route);
        layTeeAndGreen(plan);
        if (!inside(plan, plan.tee) || !inside(plan, plan.green))
            return false;
        layFairway(plan);
        if (water_ && !layPond(plan))
            return false;
        layBunkers(plan);
        return !plan.bunkers.empty();
    }

private:
    void layTeeAndGreen(HolePlan& plan) {
        const Vec2 first = normalised(path_[1] - path_[0]);
        plan.tee = {path_.front(), random_.range(9, 11), random_.range(6, 7), first};
        lastDirection_ = normalised(path_.back() - path_[path_.size() - 2]);
        const double along = random_.range(17, 23), across = random_.range(15, 19);
        plan.green.parts = {{path_.back(), along, across, lastDirection_}};
        if (random_.chance(0.5)) {
            // Two lobes either side of the cup, turned across the line of play: a green with a
            // waist, symmetric about the cup so that the cup stays the centre of its box.
            const Vec2 axis = rotated(lastDirection_, swing(random_, {0.5, 1.1}));
            const Vec2 offset = axis * random_.range(7, 10);
            const double rx = random_.range(12, 15), ry = random_.range(10, 13);
            plan.green.parts = {{path_.back() + offset, rx, ry, axis}, {path_.back() - offset, rx, ry, axis}};
            plan.green.join = 6;
        }
        // Mostly rising from front to back, so that approach shots hold and putts break.
        const double slope = rules_.greenTilt * random_.range(0.5, 1.0);
        plan.greenTilt = rotated(lastDirection_, random_.range(-0.9, 0.9)) * slope;
    }

    bool inside(const HolePlan& plan, const Rectangle& r) const {
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0})
                if (ringDepth(plan, r.centre + fromLocal({sx * r.halfLength, sy * r.halfWidth}, r.axis)) <
                    surfaceInset + 4)
                    return false;
        return true;
    }

    bool inside(const HolePlan& plan, const Blob& green) const {
        return everyNear(green, 0, 3, [&](Vec2 p) { return ringDepth(plan, p) >= surfaceInset + 4; });
    }

    void layFairway(HolePlan& plan) {
        const double halfWidth = pick(random_, rules_.fairwayHalfWidth);
        Tube& fairway = plan.fairway;
        if (par_ == 3) {
            // An apron in front of the green.
            const double front = edgeDistance(plan.green, path_.back(), lastDirection_ * -1.0);
            fairway.points = {path_.back() - lastDirection_ * (front + 30),
                              path_.back() - lastDirection_ * (front - 4)};
            fairway.halfWidths = {halfWidth * 0.55, halfWidth * 0.8};
            return;
        }
        const double start = std::clamp(0.18 * pathLength_, 64.0, 120.0);
        std::vector<double> stops;
        for (double s = start; s < pathLength_ - 20; s += 36)
            stops.push_back(s);
        stops.push_back(pathLength_);
        const double wobble = random_.range(0, 2 * pi);
        for (double s : stops) {
            const double landing = std::exp(-std::pow((s - 360) / 90, 2)) +
                                   (par_ == 5 ? std::exp(-std::pow((s - 590) / 80, 2)) : 0);
            const double w = halfWidth * (0.45 + 0.55 * smoothstep(start, start + 90, s)) *
                             (1 + 0.16 * landing) *
                             (1 - 0.25 * smoothstep(pathLength_ - 80, pathLength_ - 10, s)) *
                             (1 + 0.08 * std::sin(s / 45 + wobble));
            fairway.points.push_back(pointAlong(path_, s));
            fairway.halfWidths.push_back(w);
        }
    }

    // Clear of the green, the tee, the other bunkers and ponds, and inside the trees.
    bool clear(const HolePlan& plan, const Blob& blob, double gap) const {
        return everyNear(blob, gap, 2, [&](Vec2 p) { return blobField(plan.green, p) >= 0; }) &&
               everyNear(blob, gap + 10, 2, [&](Vec2 p) { return rectangleField(plan.tee, p) >= 0; }) &&
               everyNear(blob, gap, 2,
                         [&](Vec2 p) {
                             for (const Bunker& other : plan.bunkers)
                                 if (blobField(other.shape, p) < 0)
                                     return false;
                             for (const Blob& pond : plan.ponds)
                                 if (blobField(pond, p) < bankWidth)
                                     return false;
                             return true;
                         }) &&
               everyNear(blob, 0, 3, [&](Vec2 p) { return ringDepth(plan, p) >= surfaceInset + 2; });
    }

    // Dry ground between the water and the green, room to play from the tee, and water and bank
    // wholly well inside the trees.
    bool pondFits(const HolePlan& plan, const Blob& pond) {
        return everyNear(pond, bankWidth + 8, 4, [&](Vec2 p) { return blobField(plan.green, p) >= 0; }) &&
               everyNear(pond, bankWidth + 30, 4, [&](Vec2 p) { return rectangleField(plan.tee, p) >= 0; }) &&
               everyNear(pond, bankWidth + 2, 3, [&](Vec2 p) { return depthAt(plan, p) >= pondInset; });
    }

    double depthAt(const HolePlan& plan, Vec2 p) {
        if (!depths_)
            depths_ = std::make_unique<DepthLattice>(plan);
        return depths_->at(p);
    }

    // The game steps a drowned ball back along its line, 25 ball radii at a time, until it leaves
    // the water and its bank, and drops it one step further. From anywhere in the water, whichever
    // way the ball came, that point must be dry and well inside the trees.
    bool dropsOnDryGround(const HolePlan& plan, const Blob& pond) {
        depthAt(plan, {});
        const auto wet = [&](Vec2 p) { return blobField(pond, p) < bankWidth; };
        const double step = 25 * ballRadius;
        return everyNear(pond, bankWidth, 4, [&](Vec2 p) {
            for (int k = 0; k < 16; ++k) {
                const Vec2 back = direction(pi * k / 8) * -step;
                Vec2 q = p + back;
                for (int guard = 0; wet(q) && guard < 200; ++guard)
                    q = q + back;
                q = q + back;
                if (wet(q) || depths_->at(q) <= playLineInset + 18)
                    return false;
            }
            return true;
        });
    }

    bool layPond(HolePlan& plan) {
        for (int attempt = 0; attempt < 30; ++attempt) {
            const int kind = par_ == 3 ? random_.integer(0, 1) * 2 : random_.integer(0, 2);
            Vec2 heading;
            Vec2 c;
            Blob pond;
            if (kind == 0) {
                // A carry: in front of the green on a par 3, from the tee on longer holes.
                c = pointAlong(path_,
                               par_ == 3
                                   ? pathLength_ -
                                         edgeDistance(plan.green, path_.back(), lastDirection_ * -1.0) - 34
                                   : random_.range(100, 150),
                               &heading);
                // As wide as the band between the trees allows, leaving dry ground at both ends.
                const double room = depthAt(plan, c) - pondInset - bankWidth - 10;
                if (room < 22)
                    continue;
                const double along = random_.range(18, 30), across = std::min(random_.range(40, 75), room);
                pond = oval(c, along, across, angleOf(heading));
            } else if (kind == 1) {
                // Lateral water along the landing area, beyond the fairway's edge and as wide as
                // the band between the trees allows.
                const Vec2 onLine = pointAlong(path_, random_.range(0.45, 0.75) * pathLength_, &heading);
                const double inner = 28, outer = depthAt(plan, onLine) - pondInset - bankWidth - 4;
                if (outer - inner < 24)
                    continue;
                const double across = std::min((outer - inner) / 2, random_.range(16, 30));
                heading = perpendicular(heading) * side(random_);
                c = onLine + heading * (inner + across);
                pond = oval(c, random_.range(60, 95), across, angleOf(heading) + pi / 2);
            } else {
                // Beside the green.
                const double angle = angleOf(lastDirection_) + swing(random_, {1.2, 1.9});
                const double r = random_.range(16, 24);
                heading = direction(angle);
                c = path_.back() + heading * (edgeDistance(plan.green, path_.back(), heading) + r + 14);
                pond = oval(c, r * 1.6, r, angle + pi / 2);
            }
            // Pushed back from the green, in toward the line, or out from the green until it fits.
            const Vec2 step = kind == 2 ? heading * 3.0 : heading * -3.0;
            for (int move = 0; move < 12; ++move) {
                if (pondFits(plan, pond)) {
                    if (!dropsOnDryGround(plan, pond))
                        break;
                    plan.ponds.push_back(pond);
                    return true;
                }
                for (Ellipse& part : pond.parts)
                    part.centre = part.centre + step;
            }
        }
        return false;
    }

    void layBunkers(HolePlan& plan) {
        const int aroundGreen = std::max(1, pickCount(random_, rules_.greenBunkers) + (par_ == 3 ? 1 : 0));
        for (int placed = 0, attempt = 0; placed < aroundGreen && attempt < 40; ++attempt) {
            const double angle = angleOf(lastDirection_) + pi + swing(random_, {0.7, 2.2});
            const Vec2 out = direction(angle);
            const double edge = edgeDistance(plan.green, path_.back(), out);
            const double across = random_.range(3.5, 5.5);
            const Vec2 c = path_.back() + out * (edge + across + random_.range(4, 7));
            Bunker bunker{blobAt(c, random_.range(8, 12), across, angle + pi / 2, random_, 3), 0.7};
            if (clear(plan, bunker.shape, 3)) {
                plan.bunkers.push_back(bunker);
                ++placed;
            }
        }
        if (par_ != 3) {
            const int inFairway = pickCount(random_, rules_.fairwayBunkers);
            for (int placed = 0, attempt = 0; placed < inFairway && attempt < 30; ++attempt) {
                Vec2 heading;
                const double s = std::min(random_.range(320, 400), pathLength_ - 120);
                const Vec2 onLine = pointAlong(path_, s, &heading);
                const double across = random_.range(4.5, 6.5);
                const Vec2 c = onLine + perpendicular(heading) * swing(random_, {18, 30});
                Bunker bunker{blobAt(c, random_.range(10, 15), across, angleOf(heading), random_, 3), 0.6};
                if (clear(plan, bunker.shape, 6)) {
                    plan.bunkers.push_back(bunker);
                    ++placed;
                }
            }
        }
        const int pots = pickCount(random_, rules_.potBunkers) / (par_ == 3 ? 2 : 1);
        for (int placed = 0, attempt = 0; placed < pots && attempt < 80; ++attempt) {
            Vec2 heading;
            const double s = random_.range(0.3, 0.97) * pathLength_;
            const Vec2 onLine = pointAlong(path_, s, &heading);
            const double r = random_.range(4.5, 6.5);
            const Vec2 c = onLine + perpendicular(heading) * random_.range(-36, 36);
            Blob pot;
            pot.parts.push_back({c, r * random_.range(1.0, 1.25), r, direction(random_.range(0, pi))});
            Bunker bunker{pot, 1.1};
            if (clear(plan, bunker.shape, 6)) {
                plan.bunkers.push_back(bunker);
                ++placed;
            }
        }
    }

    const StyleRules& rules_;
    int par_;
    bool water_;
    Random& random_;
    std::vector<Vec2> path_;
    double pathLength_ = 0;
    Vec2 lastDirection_;
    std::unique_ptr<DepthLattice> depths_;
};

} // namespace

double ringDepth(const HolePlan& plan, Vec2 p) {
    return polygonDepth(plan.ring, p);
}

CourseLayout planCourse(const StyleRules& rules, Random& random) {
    CourseLayout layout;
    // Two or three short holes and one to three long ones: par 34 to 37.
    const int threes = random.integer(2, 3);
    const int fives = threes == 3 ? random.integer(1, 2) : random.integer(2, 3);
    for (;;) {
        std::array<int, 9> pars;
        pars.fill(4);
        for (int i = 0; i < threes; ++i)
            pars[size_t(i)] = 3;
        for (int i = 0; i < fives; ++i)
            pars[size_t(threes + i)] = 5;
        for (int i = 8; i > 0; --i)
            std::swap(pars[size_t(i)], pars[size_t(random.integer(0, i))]);
        bool good = pars[0] == 4;
        for (int i = 1; i < 9; ++i)
            good = good && !(pars[size_t(i)] == 3 && pars[size_t(i - 1)] == 3);
        if (good) {
            layout.pars = pars;
            break;
        }
    }
    std::array<int, 9> order{0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int i = 8; i > 0; --i)
        std::swap(order[size_t(i)], order[size_t(random.integer(0, i))]);
    for (int i = 0; i < std::min(rules.waterHoles, 9); ++i)
        layout.water[size_t(order[size_t(i)])] = true;
    return layout;
}

HolePlan planHole(const StyleRules& rules, int number, int par, bool water, Random& random) {
    for (int attempt = 0;; ++attempt) {
        HolePlan plan;
        plan.number = number;
        // Water that finds no place in sixty tries is left out rather than forced.
        HoleBuilder builder(rules, par, water && attempt < 60, random);
        // Later attempts make shorter holes with narrower corridors, which always fit.
        if (builder.build(plan, std::max(0.0, 1.0 - attempt * 0.05)))
            return plan;
    }
}

} // namespace velmora::content
