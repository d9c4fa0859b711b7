#include "game/power_gauge.h"

#include "render/scalar_math.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr double chargeRate = -80.0; // the sign: power minus a falling step rises
constexpr double drainRate = 4.0;
constexpr int drainSlack = 5; // an almost full bar still drains
constexpr int maxDrain = 15;
constexpr double swingRunRate = 5.0;
constexpr int maxSwingRun = 20;

int widthOf(const PowerGauge& gauge) {
    return gauge.maxWidth * gauge.power / 100;
}
} // namespace

void resetGauge(PowerGauge& gauge) {
    gauge.powerDirection = 1;
    gauge.power = 0;
    gauge.width = 0;
    gauge.hasImage = true;
}

void chargeStep(PowerGauge& gauge, float dt) {
    gauge.chargedThisFrame = true;
    gauge.power -= static_cast<int>(gauge.powerDirection * dt * chargeRate);
    if ((gauge.power >= 100 && gauge.powerDirection > 0) || (gauge.power < 1 && gauge.powerDirection < 0))
        gauge.powerDirection = -gauge.powerDirection;
    gauge.power = clampInt(gauge.power, 0, 100);
    gauge.width = widthOf(gauge);
}

void drainBack(PowerGauge& gauge, float dt) {
    if (gauge.width <= 0 || gauge.maxWidth <= 0)
        return;
    const int drain =
        clampInt(static_cast<int>((gauge.maxWidth - gauge.width + drainSlack) * dt * drainRate), 1, maxDrain);
    gauge.width = std::max(0, gauge.width - drain);
    gauge.power = gauge.width * 100 / gauge.maxWidth;
}

void startSwing(PowerGauge& gauge, float lastDt) {
    gauge.swinging = true;
    gauge.drainPerFrame = clampInt(static_cast<int>(gauge.power * lastDt * swingRunRate), 1, maxSwingRun);
    gauge.hasImage = false;
}

bool swingStep(PowerGauge& gauge) {
    if (!gauge.swinging)
        return false;
    if (gauge.width < 1) {
        gauge.swinging = false;
        return true;
    }
    gauge.width = std::max(0, gauge.width - gauge.drainPerFrame);
    return false;
}

} // namespace velmora
