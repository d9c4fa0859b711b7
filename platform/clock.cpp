#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace velmora {

namespace {

constexpr uint32_t firstTick = 1000;

class SteadyTime : public TimeSource {
public:
    uint64_t microseconds() override {
        const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
    }
    void sleepMicroseconds(uint64_t microseconds) override {
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
    }
};

RealTimeClock& systemClock() {
    static RealTimeClock instance(steadyTime());
    return instance;
}

Clock*& currentClock() {
    static Clock* current = &systemClock();
    return current;
}

} // namespace

TimeSource& steadyTime() {
    static SteadyTime instance;
    return instance;
}

RealTimeClock::RealTimeClock(TimeSource& source, uint32_t speed)
    : source_(source), speed_(speed > 0 ? speed : 1), start_(source.microseconds()) {}

uint32_t RealTimeClock::ticks() {
    const uint64_t elapsed = source_.microseconds() - start_;
    return static_cast<uint32_t>(firstTick + elapsed * speed_ / 1000);
}

void RealTimeClock::sleep(uint32_t milliseconds) {
    source_.sleepMicroseconds(uint64_t(milliseconds) * 1000 / speed_);
}

Clock* setClock(Clock* clock) {
    Clock* previous = currentClock();
    currentClock() = clock ? clock : &systemClock();
    return previous == &systemClock() ? nullptr : previous;
}

bool clockMovesOnlyWhileSleeping() {
    return currentClock()->movesOnlyWhileSleeping();
}

uint32_t GetTickCount() {
    return currentClock()->ticks();
}

void Sleep(uint32_t milliseconds) {
    currentClock()->sleep(milliseconds);
}

} // namespace velmora
