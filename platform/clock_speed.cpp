#include "platform/clock_speed.h"

#include "platform/clock.h"
#include "platform/wave_out.h"

#include <cstdio>
#include <cstdlib>

namespace velmora {

std::optional<ClockSpeed> parseClockSpeed(const std::string& text) {
    if (text == "max")
        return ClockSpeed{true, 1};
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long factor = std::strtoul(text.c_str(), nullptr, 10);
    if (factor < 1 || factor > maxSpeedFactor)
        return std::nullopt;
    return ClockSpeed{false, static_cast<uint32_t>(factor)};
}

void applyClockSpeed() {
    const char* value = std::getenv("VELMORA_SPEED");
    if (!value || !*value)
        return;
    const std::optional<ClockSpeed> speed = parseClockSpeed(value);
    if (!speed) {
        std::fprintf(stderr, "velmora: VELMORA_SPEED=%s is not max or a whole number from 1 to %u; ignored\n",
                     value, maxSpeedFactor);
        return;
    }
    if (!speed->max && speed->factor == 1)
        return;
    // Never destroyed: the clock is read until the process's very end, static destructors included.
    if (speed->max) {
        static MaxSpeedClock& clock = *new MaxSpeedClock;
        setClock(&clock);
    } else {
        static RealTimeClock& clock = *new RealTimeClock(steadyTime(), speed->factor);
        setClock(&clock);
    }
    resetWaveOutput(WaveOutputMode::Silent);
}

} // namespace velmora
