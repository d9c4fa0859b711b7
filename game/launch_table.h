#pragma once
// How a stroke leaves the club: the lie takes power off (sand halves it unless the wedge flops the
// ball out, rough takes a tenth off the wood and the iron), each club and swing turns the gauge's
// power into a strength P and a loft factor, and a random step of a few percent makes no two
// strokes alike.

namespace velmora {

struct Launch {
    int strength = 0;           // P, 3 to 110
    float angle = 0.0f;         // loft, radians
    float speed = 0.0f;         // units per second
    float surfaceFactor = 1.0f; // how hard the ground brakes the ball: 5 after a flop
};

// The gauge power (0 to 100) left after the lie.
int powerAfterLie(int power, int club, int swing, bool inBunker, bool inRough);

// The launch of a stroke with the power after the lie; randomStep is the random integer from -5
// to 5 that moves the strength by randomStep/128 of itself.
Launch launchOf(int club, int swing, int power, int randomStep);

} // namespace velmora
