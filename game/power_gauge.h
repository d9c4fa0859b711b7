#pragma once
// The power gauge: held, its bar runs up to 100 and back down; let go, it drains back, slower the
// fuller it is, so the chosen power must be played soon; tapped, the swing starts and the bar,
// turned green, runs down before the club meets the ball. The gauge's power is 0 to 100; the bar's
// width goes from 0 to maxWidth pixels.

namespace velmora {

struct PowerGauge {
    int power = 0;
    int powerDirection = 1; // +1 rising, -1 falling while charged
    bool charging = false;  // the stylus holds the ruler
    bool chargedThisFrame = false;
    bool swinging = false;
    int drainPerFrame = 0; // pixels the green bar loses per frame of the swing
    int width = 0;         // of the bar, pixels
    int maxWidth = 0;
    bool hasImage = true; // the bar shows its picture; false while the swing runs (green fill)
};

// Empty, rising, with its picture.
void resetGauge(PowerGauge& gauge);
// One frame of charging: 80 a second up to 100 and back down below 1, then up again.
void chargeStep(PowerGauge& gauge, float dt);
// One frame without charging or swinging: the bar drains back, and the power with it.
void drainBack(PowerGauge& gauge, float dt);
// The tap that plays the power: the swing starts and the bar turns green. lastDt is the previous
// frame's length (the faster the frames, the faster the bar runs down per frame).
void startSwing(PowerGauge& gauge, float lastDt);
// One frame of the swing; true in the frame the green bar has run out: time to strike with the
// power, which kept the value it had at the tap, and then reset the gauge.
bool swingStep(PowerGauge& gauge);

} // namespace velmora
