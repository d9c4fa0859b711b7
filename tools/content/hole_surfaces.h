#pragma once
// The ground of a hole as a height field and as named surfaces: the fields that decide which
// surface lies where (in the order in which they win over each other), and the height of every
// point: rolling ground rising toward the trees, a flat teeing ground, a planar tilted green,
// bunkers sunk into the ground and level water in banked hollows.

#include "hole_plan.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace velmora::content {

enum class Surface { Tground, Green, Bunker, Water, Waterbank, Fairway, Rough, Outer };
constexpr int surfaceCount = 8;
// The object name of a surface in the hole's model.
const char* surfaceName(Surface surface);

class HoleGround {
public:
    HoleGround(const HolePlan& plan, const StyleRules& rules);

    // The fields of every surface but the last (outer), most important first: negative inside.
    double field(Surface surface, Vec2 p) const;
    double height(Vec2 p) const;
    double ringDepth(Vec2 p) const; // remembered per point: every field asks for it

private:
    double naturalHeight(Vec2 p) const;
    double pondField(Vec2 p) const;
    double fairwayField(Vec2 p) const;

    const HolePlan& plan_;
    const StyleRules& rules_;
    std::vector<double> waterLevels_; // one per pond
    double teeLevel_ = 0;
    double cupLevel_ = 0;
    struct PointHash {
        size_t operator()(Vec2 p) const;
    };
    mutable std::unordered_map<Vec2, double, PointHash> depths_;
};

} // namespace velmora::content
