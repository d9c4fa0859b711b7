#pragma once
// From the gauge's power, the club, the swing and the lie to the speed and loft of a struck ball:
// the lie lowers the power, the club and swing take their share of it, and a small random step
// spreads the result.

#include "game/player.h"

namespace velmora {

struct ShotLaunch {
    int strikePower = 0;        // the power after the lie
    int launchPower = 0;        // P, from 3 to 110
    float speed = 0.0f;         // world units per second
    float angle = 0.0f;         // loft, radians
    float surfaceFactor = 1.0f; // 5 for the flop: it stops sooner and bounces less
};

// Wood with Full or Punch; Iron with Full, Punch or Chip; Wedge with Full, Punch, Flop or Chip;
// Putter with Putt.
bool isAllowedPair(int club, int swing);
// A bunker halves the power except for the flop; the rough takes a tenth off the wood and the iron.
int powerAfterLie(int power, int club, int swing, bool inBunker, bool inRough);
// The launch for an allowed pair. randomStep, from -5 to 5, moves P by randomStep / 128 of itself.
ShotLaunch launchFor(int club, int swing, int strikePower, int randomStep);

} // namespace velmora
