#include "gui/frame_timer.h"

#include "platform/clock.h"

namespace velmora {

namespace {
constexpr float smallestStep = 1e-10f;
}

FrameTimer::FrameTimer() {
    lastTick = static_cast<int>(GetTickCount());
    frameIntervalMs = 1000 / targetFps;
}

void FrameTimer::reset() {
    lastTick = static_cast<int>(GetTickCount());
    windowElapsedMs = 0;
}

bool FrameTimer::tick() {
    frameIntervalMs = 1000 / (targetFps > 0 ? targetFps : 1);
    nowTick = static_cast<int>(GetTickCount());
    elapsedMs = static_cast<int>(static_cast<uint32_t>(nowTick) - static_cast<uint32_t>(lastTick));
    if (clockMovesOnlyWhileSleeping() && elapsedMs < frameIntervalMs) {
        // Frames take no time on such a clock: each one waits out its period, so that the clock
        // moves on by one frame period per frame whatever the mode.
        Sleep(static_cast<uint32_t>(frameIntervalMs - elapsedMs));
        nowTick = static_cast<int>(GetTickCount());
        elapsedMs = static_cast<int>(static_cast<uint32_t>(nowTick) - static_cast<uint32_t>(lastTick));
    }
    lastTick = nowTick;
    if (mode == FreeRunning)
        adaptiveSleepMs = 0;
    else if (mode == ClampedStep && elapsedMs > frameIntervalMs)
        elapsedMs = frameIntervalMs;
    dt = static_cast<float>(elapsedMs) * 0.001f;
    if (dt < smallestStep)
        dt = smallestStep;
    windowElapsedMs += elapsedMs;
    windowFrames += 1;
    // This sleep is part of the next frame's step.
    const int sleepMs = adaptiveSleepMs + extraSleepMs;
    if (sleepMs > 0)
        Sleep(static_cast<uint32_t>(sleepMs));
    if (windowElapsedMs <= windowMs)
        return false;
    measuredFpsExact = static_cast<float>(windowFrames) * 1000.0f / static_cast<float>(windowElapsedMs);
    measuredFps = static_cast<int>(measuredFpsExact + 0.5f);
    adaptiveSleepMs += (windowFrames * frameIntervalMs - windowElapsedMs) / windowFrames;
    if (mode == ClampedStep || adaptiveSleepMs < 0)
        adaptiveSleepMs = 0;
    windowFrames = 0;
    windowElapsedMs = 0;
    return true;
}

} // namespace velmora
