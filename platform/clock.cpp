#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace velmora {

namespace {

class SystemClock : public Clock {
public:
    uint32_t ticks() override {
        const auto elapsed = std::chrono::steady_clock::now() - start_;
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    }
    void sleep(uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

private:
    // Starting above zero keeps "tick 0" free to mean "never" in callers' bookkeeping.
    const std::chrono::steady_clock::time_point start_ =
        std::chrono::steady_clock::now() - std::chrono::seconds(1);
};

SystemClock systemClock;
Clock* currentClock = &systemClock;

} // namespace

Clock* setClock(Clock* clock) {
    Clock* previous = currentClock;
    currentClock = clock ? clock : &systemClock;
    return previous == &systemClock ? nullptr : previous;
}

uint32_t GetTickCount() {
    return currentClock->ticks();
}

void Sleep(uint32_t milliseconds) {
    currentClock->sleep(milliseconds);
}

} // namespace velmora
