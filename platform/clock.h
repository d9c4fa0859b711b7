#pragma once
// The tick count and Sleep go through one replaceable clock, so that frame pacing, fades and
// animations can run on a fake clock in tests: deterministic and without real waiting.

#include <cstdint>

namespace velmora {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit counter.
    virtual uint32_t ticks() = 0;
    virtual void sleep(uint32_t milliseconds) = 0;
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

// Installs a clock (null restores the system clock) and returns the one it replaces. The caller
// keeps ownership and must restore the previous clock before its own goes away.
Clock* setClock(Clock* clock);
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
