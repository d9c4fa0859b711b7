#pragma once
// The line of play of a hole and the ring of trees around it: the route's shape by par and style,
// the band between the trees, its outline, and the turn that fits it all into the hole's box.

#include "course_style.h"
#include "random.h"
#include "shape_fields.h"

#include <vector>

namespace velmora::content {

constexpr double boxHalfDepth = 400; // the box's longest side is 800 units: scale 1 at radius 400
constexpr double gridSpacing = 8;    // of the ground mesh; the tee and the cup lie on its points

// Random choices in a fixed order of draws.
double pick(Random& random, Range range);
double side(Random& random); // +1 or -1
// A magnitude from the range with a random sign, drawn in that order: the operands of one
// expression are evaluated in an order compilers choose, and every compiler must make the same holes.
double swing(Random& random, Range range);

// Straight tee-to-cup distances by par, in units (1 unit = 0.645 yards).
Range distanceFor(int par);

double pathLength(const std::vector<Vec2>& path);
// The point at path distance s from the start, and the direction of play there.
Vec2 pointAlong(const std::vector<Vec2>& path, double s, Vec2* heading = nullptr);

// The line of play with the tee at the origin heading up, its straight length exactly d.
std::vector<Vec2> routeShape(const StyleRules& rules, int par, double d, Random& random);

// The band between the trees: widest in the middle of the hole, rounded around tee and green.
// Water widens the band by `spare` (and its ends by half that), so that there is room to play
// round the pond.
Tube corridorAround(const std::vector<Vec2>& route, double middle, int par, bool water, double spare);

// The outline of the band, smoothed into gentle bends, clockwise seen from above, points 8 units
// apart; empty when there is none.
std::vector<Vec2> ringAround(const Tube& corridor);

struct RingFit {
    double angle = 0; // the turn of the whole hole
    Vec2 centre;      // of the turned ring's box, moved to the origin
    double halfWidth = 0;
};
// The turn of the whole hole that fits its ring into the box with the margin, nearest to the
// preferred turn; false when none does.
bool fitRing(const std::vector<Vec2>& ring, double preferred, RingFit& fit);

} // namespace velmora::content
