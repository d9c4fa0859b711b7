#pragma once
// Per-page frame pacing: measures the time step of each frame, sleeps to hold a target rate and
// measures the achieved rate over fixed windows. Times are milliseconds of the tick count.

#include <cstdint>

namespace velmora {

struct FrameTimer {
    enum Mode : uint32_t {
        FreeRunning = 0,   // never sleeps
        AdaptiveSleep = 1, // sleeps more while frames come faster than the target, less when slower
        ClampedStep = 2,   // never sleeps; a slow frame counts as one frame interval at most
    };

    FrameTimer();
    // Starts timing afresh, so that the next step does not include time spent stopped.
    void reset();
    // Times one frame and sleeps as the mode asks; true when a measuring window closed.
    bool tick();

    uint32_t mode = FreeRunning;
    int targetFps = 30;
    int windowMs = 2000;
    float dt = 1e-10f; // seconds since the previous frame, never below 1e-10
    int windowElapsedMs = 0;
    int measuredFps = 0;
    float measuredFpsExact = 0.0f;
    int extraSleepMs = 0; // added to every frame's sleep
    int nowTick = 0;
    int lastTick = 0;
    int elapsedMs = 0;
    int windowFrames = 0;
    int frameIntervalMs = 0; // 1000 / targetFps
    int adaptiveSleepMs = 0;
};

} // namespace velmora
