#pragma once
// What the ball needs from the game it moves in: the hole (its ground, boundary, cup and tee), the
// wind, the shot being played, and the game's answers to what happens to the ball. The game page is
// the host in play; the shot planner is a quiet host that only watches where simulated shots end.

#include "game/course_map.h"
#include "game/terrain.h"
#include "render/vector3.h"

namespace velmora {

class BallHost {
public:
    virtual ~BallHost() = default;

    // The hole.
    virtual const Terrain& terrain() const = 0;
    virtual const CourseMap& courseMap() const = 0;
    virtual Vector3 cupPoint() const = 0;
    virtual Vector3 teePoint() const = 0;
    // How far a ball on the tee spot sits above the ground for the peg (0 without a peg).
    virtual float pegHeight() const = 0;

    // The wind and the shot.
    virtual int windMph() const = 0;
    virtual float windHeading() const = 0; // radians; the wind blows toward (sin, 0, cos)
    virtual float shotSurfaceFactor() const = 0;
    // A putt, or a chip that may lip out of the cup.
    virtual bool shotIsPutt() const = 0;
    virtual bool shotIsChip() const = 0;
    virtual bool strikerHasFinished() const = 0;

    // What happens to the ball.
    virtual void ballPlaced(bool onGreen) = 0;
    virtual void ballLaunched() = 0;
    virtual void ballOverCup() = 0;
    virtual void ballHoled() = 0;
    virtual void ballBounced() = 0;
    virtual void ballDrowned() = 0; // before the drop point is looked for
    virtual void ballInWater(const Vector3& dropPoint, bool dropInBounds) = 0;
    virtual void endStroke() = 0; // the ball came to rest on dry ground
    virtual void shotEnded() = 0; // the ball is at rest, however the shot ended
};

} // namespace velmora
