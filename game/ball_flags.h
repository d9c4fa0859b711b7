#pragma once
// The ball's state and lie flags: what the ball is doing and what it lies on. A saved game keeps all
// twelve under their own names.

namespace velmora {

struct BallFlags {
    bool isStill = true;
    bool isInTheAir = false;
    bool isInTheCup = false; // rolling (or falling) over the cup
    bool isOnTee = true;     // not yet struck from the tee
    // The lie.
    bool isInbunker = false;
    bool isInWater = false;
    bool isInRough = false;
    bool isInFairway = false;
    bool isInGreen = false;
    bool isInTGround = false;
    bool isOutOfBoundary = false;
    bool isOnWaterBank = false;
};

} // namespace velmora
