#pragma once
// The plan of one hole in its top view: the line of play from the tee to the cup, the teeing
// ground, green, fairway, bunkers and ponds as shapes, and the ring of trees around it all, laid
// into the hole's box (file X across, Y along the longest side, in game units).

#include "course_style.h"
#include "hole_route.h"
#include "random.h"
#include "shape_fields.h"

#include <array>
#include <vector>

namespace velmora::content {

constexpr double playLineInset = 16;   // the band inside the trees that is out of bounds
constexpr double bankWidth = 5;        // of the bank around the water
constexpr double surfaceInset = 40;    // tee, green, fairway and bunkers keep this far inside the trees
constexpr double pondInset = 48;       // water and its bank keep this far in: dry ground behind them
constexpr double roughBeyondRing = 12; // the rough reaches this far outside the trees
constexpr double ballRadius = 0.3;     // of the ball group in the course template

struct Bunker {
    Blob shape;
    double depth = 0.6;
};

struct HolePlan {
    int number = 1;
    int par = 4;
    double halfWidth = 400;  // the box spans x = -halfWidth ... halfWidth, y = -400 ... 400
    std::vector<Vec2> route; // the line of play: tee, turning points, cup
    Rectangle tee;           // centred on the tee point
    Blob green;              // symmetric about the cup: an oval, or two lobes either side of it
    Vec2 greenTilt;          // rise per unit across the green
    Tube fairway;
    std::vector<Bunker> bunkers;
    std::vector<Blob> ponds;
    std::vector<Vec2> ring; // the trees, clockwise seen from above, each point once
    double playAngle = 0;   // the main direction of play, for the mowing stripes
    uint64_t reliefSeed = 0;

    Vec2 teePoint() const { return route.front(); }
    Vec2 cupPoint() const { return route.back(); }
    // Straight from the tee to the cup.
    double length() const { return velmora::content::length(cupPoint() - teePoint()); }
};

// Where the hole's surfaces may lie: far enough inside the trees to stay in bounds on the
// course map with a margin.
double ringDepth(const HolePlan& plan, Vec2 p);

struct CourseLayout {
    std::array<int, 9> pars{};
    std::array<bool, 9> water{};
};

// Pars adding up to 34 ... 37, no two par 3s in a row, and the holes that get water.
CourseLayout planCourse(const StyleRules& rules, Random& random);

HolePlan planHole(const StyleRules& rules, int number, int par, bool water, Random& random);

} // namespace velmora::content
