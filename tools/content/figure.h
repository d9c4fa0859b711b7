#pragma once
// The cartoon golfers: their looks and the two poseable figures they are drawn from, one seen from
// the side (swings and the aiming stance: the golfer faces right, the ball lies to the right) and
// one seen from the front (the reactions). Coordinates are in a 256 x 512 design space with the
// ground at y = 500; callers scale it to the picture they draw.

#include "plane.h"

#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::content {

constexpr double kGround = 500;

using Vec = Vec2; // a point of the design space

enum class Hair { Short, Ponytail, Bun, Curly, Receding };
enum class Headwear { None, Cap, Visor, FlatCap };

struct Look {
    std::string name;
    uint32_t skin;
    uint32_t hair;
    Hair hairStyle;
    Headwear headwear;
    uint32_t hat;
    uint32_t shirt;
    uint32_t trousers;
    bool skirt;
    uint32_t shoes;
    uint32_t badge; // portrait background
    double build;   // body width factor
    bool beard;
    bool glasses;
};

// The golfers of characters 1, 2, ...
const std::vector<Look>& golferLooks();

enum class Club { None, Driver, Wedge, Putter };

// Seen from the side, facing right.
struct SidePose {
    Vec pelvis;             // hip joint
    double spine = 0;       // forward lean of the back from vertical, radians
    double head = 0;        // forward tilt of the head, radians
    Vec farFoot, nearFoot;  // ankles
    double nearHeel = 0;    // 0 flat, 1 up on the toes (the trail foot at the finish)
    Vec hands;              // where the hands hold the grip
    double clubAngle = 0;   // shaft direction from the hands, radians, y down (pi/2 points down)
    double clubShorten = 1; // foreshortening of the shaft (when it points into the picture)
    double chestTurn = 0;   // 0 side-on, 1 chest turned to the target (the back shows more)
};

enum class Mouth { Smile, Grin, Flat, Frown, Open, Shout };
enum class Brows { Normal, Raised, Angry };

// Seen from the front.
struct FrontPose {
    double lift = 0;         // whole body raised (jumps)
    double crouch = 0;       // pelvis lowered by bending the knees
    double lean = 0;         // sideways tilt of the upper body, radians
    double shrug = 0;        // shoulders raised
    double headTilt = 0;     // radians
    Vec leftHand, rightHand; // the golfer's left hand is on the viewer's right
    Vec leftFoot, rightFoot;
    Mouth mouth = Mouth::Smile;
    Brows brows = Brows::Normal;
    double eyesClosed = 0; // 0 open, 1 shut
    bool clubInRightHand = true;
    double clubAngle = 1.5707963; // shaft direction from the right hand (pointing down)
};

void drawSideFigure(cairo_t* cr, const Look& look, Club club, const SidePose& pose);
void drawFrontFigure(cairo_t* cr, const Look& look, const FrontPose& pose);

// Head and shoulders facing the viewer, centred on (0, 0), about 100 units wide: portraits.
void drawPortraitBust(cairo_t* cr, const Look& look, double eyesClosed);

// Two-bone reach: the middle joint (knee, elbow) of a limb from root to tip, on the side that
// points most along hint. Out of reach, the joint lies on the straight line between them.
Vec limbJoint(Vec root, Vec tip, double upper, double lower, Vec hint);

} // namespace velmora::content
