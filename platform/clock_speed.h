#pragma once
// VELMORA_SPEED: the program's clock runs N times faster than real time (its tick count advances N
// times as fast and Sleep sleeps 1/N of the time), or with "max" it moves only while the program
// waits: a sleep moves it on at once and each paced frame advances it by one frame period, so frames
// come as fast as the machine draws them. Frames are still drawn one by one.

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

struct ClockSpeed {
    bool max = false;
    uint32_t factor = 1; // when not max
};
inline constexpr uint32_t maxSpeedFactor = 1000;

// "max", or a whole number from 1 to maxSpeedFactor; none for anything else.
std::optional<ClockSpeed> parseClockSpeed(const std::string& text);

// Installs the clock that VELMORA_SPEED asks for (at start-up; a malformed value is reported and
// ignored). Above real time the sound plays silently on the program's clock: a sound card plays in
// real time, so its sounds would lag ever further behind the picture and end late.
void applyClockSpeed();

} // namespace velmora
