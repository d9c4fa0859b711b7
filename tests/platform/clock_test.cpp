#include "platform/clock.h"
#include "platform/clock_speed.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// Real time that moves only when the test says so.
struct FakeTime : TimeSource {
    uint64_t now = 5'000'000;
    uint64_t slept = 0;
    uint64_t microseconds() override { return now; }
    void sleepMicroseconds(uint64_t microseconds) override {
        now += microseconds;
        slept += microseconds;
    }
};

TEST(ClockSpeed, TicksRunSpeedTimesAsFastAndSleepsLastOneSpeedth) {
    FakeTime time;
    RealTimeClock clock(time, 10);
    ScopedClock useClock(clock);
    EXPECT_EQ(GetTickCount(), 1000u);
    time.now += 4'000; // 4 ms of real time
    EXPECT_EQ(GetTickCount(), 1040u);
    Sleep(100);
    EXPECT_EQ(time.slept, 10'000u) << "10 ms of real time";
    EXPECT_EQ(GetTickCount(), 1140u);
    time.now += 350;
    EXPECT_EQ(GetTickCount(), 1143u) << "3.5 ms of program time, counted in whole milliseconds";
    EXPECT_FALSE(clockMovesOnlyWhileSleeping());

    FakeTime real;
    RealTimeClock normal(real);
    real.now += 2'999;
    EXPECT_EQ(normal.ticks(), 1002u);
    normal.sleep(40);
    EXPECT_EQ(real.slept, 40'000u);
}

TEST(ClockSpeed, AtMaxSpeedTimeMovesOnlyBySleeping) {
    MaxSpeedClock clock;
    ScopedClock useClock(clock);
    EXPECT_TRUE(clockMovesOnlyWhileSleeping());
    const uint32_t start = GetTickCount();
    EXPECT_EQ(GetTickCount(), start);
    Sleep(250);
    EXPECT_EQ(GetTickCount(), start + 250);
}

TEST(ClockSpeed, MaxOrAWholeFactorFromOneToTheLimit) {
    EXPECT_TRUE(parseClockSpeed("max")->max);
    EXPECT_EQ(parseClockSpeed("1")->factor, 1u);
    EXPECT_EQ(parseClockSpeed("16")->factor, 16u);
    EXPECT_EQ(parseClockSpeed("1000")->factor, 1000u);
    for (const char* bad : {"", "0", "1001", "2x", "-3", " 5", "1.5", "MAX", "99999999999"})
        EXPECT_FALSE(parseClockSpeed(bad)) << bad;
}

} // namespace
} // namespace velmora
