#pragma once
// The tick count and Sleep go through one replaceable clock, so that frame pacing, fades and
// animations can run on a fake clock in tests (deterministic and without real waiting), and the
// program itself can run faster than real time (VELMORA_SPEED, platform/clock_speed.h).

#include <cstdint>

namespace velmora {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit counter.
    virtual uint32_t ticks() = 0;
    virtual void sleep(uint32_t milliseconds) = 0;
    // Time passes only while the program sleeps: whatever paces itself by the clock must sleep out
    // its whole period, or the clock never moves.
    virtual bool movesOnlyWhileSleeping() const { return false; }
};

// A clock that only moves when told to: sleeping advances it by the time slept.
class FakeClock : public Clock {
public:
    explicit FakeClock(uint32_t start = 1000) : now_(start) {}
    uint32_t ticks() override { return now_; }
    void sleep(uint32_t milliseconds) override {
        now_ += milliseconds;
        slept_ += milliseconds;
    }
    void advance(uint32_t milliseconds) { now_ += milliseconds; }
    uint64_t totalSlept() const { return slept_; }

private:
    uint32_t now_;
    uint64_t slept_ = 0;
};

// The program at full speed: nothing takes real time, a sleep moves the clock on at once and
// frames sleep out their whole period.
class MaxSpeedClock final : public FakeClock {
public:
    bool movesOnlyWhileSleeping() const override { return true; }
};

// Real time in microseconds; tests give their own.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual uint64_t microseconds() = 0;
    virtual void sleepMicroseconds(uint64_t microseconds) = 0;
};
// The machine's monotonic time.
TimeSource& steadyTime();

// Real time sped up: ticks advance speed times as fast as the source's time and sleeps last
// 1/speed as long. Ticks start at 1000, keeping "tick 0" free to mean "never" in callers'
// bookkeeping. The system clock is one at speed 1.
class RealTimeClock : public Clock {
public:
    explicit RealTimeClock(TimeSource& source, uint32_t speed = 1);
    uint32_t ticks() override;
    void sleep(uint32_t milliseconds) override;

private:
    TimeSource& source_;
    uint32_t speed_;
    uint64_t start_;
};

// Installs a clock (null restores the system clock) and returns the one it replaces. The caller
// keeps ownership and must restore the previous clock before its own goes away.
Clock* setClock(Clock* clock);
bool clockMovesOnlyWhileSleeping();
// Installs a clock for the life of a scope.
class ScopedClock {
public:
    explicit ScopedClock(Clock& clock) : previous_(setClock(&clock)) {}
    ~ScopedClock() { setClock(previous_); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    Clock* previous_;
};

uint32_t GetTickCount();
void Sleep(uint32_t milliseconds);

} // namespace velmora
