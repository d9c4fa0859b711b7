#include "gui/fade_transition.h"
#include "gui/frame_page.h"
#include "gui/frame_timer.h"
#include "gui/idle_handler.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/paint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(FrameTimer, AdaptiveSleepAfterAWindowOfFastFrames) {
    FakeClock clock;
    ScopedClock useClock(clock);
    FrameTimer timer;
    timer.mode = FrameTimer::AdaptiveSleep;
    timer.targetFps = 25;
    timer.windowMs = 2500;
    int frames = 0;
    bool measured = false;
    while (!measured) {
        clock.advance(30); // each frame takes 30 ms
        measured = timer.tick();
        ++frames;
    }
    EXPECT_EQ(frames, 84);
    EXPECT_EQ(timer.measuredFps, 33);     // 84 frames in 2520 ms
    EXPECT_EQ(timer.adaptiveSleepMs, 10); // (84 x 40 - 2520) / 84
    EXPECT_FLOAT_EQ(timer.dt, 0.03f);
    // From now on each frame sleeps 10 ms, which the next step includes.
    const uint64_t sleptBefore = clock.totalSlept();
    clock.advance(30);
    timer.tick();
    EXPECT_EQ(clock.totalSlept() - sleptBefore, 10u);
    clock.advance(30);
    timer.tick();
    EXPECT_FLOAT_EQ(timer.dt, 0.04f);
}

TEST(FrameTimer, SlowFramesShrinkTheSleepButNeverBelowZero) {
    FakeClock clock;
    ScopedClock useClock(clock);
    FrameTimer timer;
    timer.mode = FrameTimer::AdaptiveSleep;
    timer.targetFps = 25;
    timer.windowMs = 500;
    timer.adaptiveSleepMs = 4;
    while (!timer.tick())
        clock.advance(60);
    EXPECT_EQ(timer.adaptiveSleepMs, 0);
}

TEST(FrameTimer, ClampedModeCountsAStallAsOneFrameInterval) {
    FakeClock clock;
    ScopedClock useClock(clock);
    FrameTimer timer;
    timer.mode = FrameTimer::ClampedStep;
    timer.targetFps = 10;
    timer.windowMs = 200;
    clock.advance(500);
    timer.tick();
    EXPECT_FLOAT_EQ(timer.dt, 0.1f);
    EXPECT_EQ(timer.elapsedMs, 100);
    clock.advance(150);
    EXPECT_FALSE(timer.tick()) << "100 + 100 ms is not more than the 200 ms window";
    clock.advance(1);
    EXPECT_TRUE(timer.tick());
    EXPECT_EQ(timer.adaptiveSleepMs, 0);
    EXPECT_EQ(clock.totalSlept(), 0u);
}

TEST(FrameTimer, TicksWithinOneMillisecondGiveTheSmallestStep) {
    FakeClock clock;
    ScopedClock useClock(clock);
    FrameTimer timer;
    timer.tick();
    timer.tick();
    EXPECT_FLOAT_EQ(timer.dt, 1e-10f);
    timer.extraSleepMs = 7;
    timer.tick();
    EXPECT_EQ(clock.totalSlept(), 7u) << "the fixed sleep applies in every mode";
}

// At full speed frames take no time: each one sleeps out its period in every mode, so that the
// clock advances exactly one frame period per frame and the adaptive sleep stays at zero.
TEST(FrameTimer, AtMaxSpeedEachFrameAdvancesTheClockByOnePeriod) {
    MaxSpeedClock clock;
    ScopedClock useClock(clock);
    const struct {
        FrameTimer::Mode mode;
        int fps;
    } pages[] = {
        {FrameTimer::AdaptiveSleep, 25}, {FrameTimer::ClampedStep, 10}, {FrameTimer::FreeRunning, 30}};
    for (const auto& page : pages) {
        FrameTimer timer;
        timer.mode = page.mode;
        timer.targetFps = page.fps;
        timer.windowMs = 2500;
        timer.reset();
        const uint32_t start = GetTickCount();
        int windows = 0;
        for (int frame = 0; frame < 200; ++frame) {
            windows += timer.tick();
            ASSERT_EQ(timer.elapsedMs, 1000 / page.fps) << "mode " << page.mode;
        }
        EXPECT_EQ(GetTickCount() - start, 200u * (1000 / page.fps));
        EXPECT_GT(windows, 0);
        EXPECT_EQ(timer.adaptiveSleepMs, 0);
        EXPECT_EQ(timer.measuredFps, page.fps); // at 30 a second, frames of 33 ms: 30.3
    }
    // A frame that waited longer by itself (a fade, a sliding message) counts all of it.
    FrameTimer timer;
    timer.mode = FrameTimer::AdaptiveSleep;
    timer.targetFps = 25;
    timer.reset();
    Sleep(500);
    timer.tick();
    EXPECT_EQ(timer.elapsedMs, 500);
}

std::vector<std::string> calls;

class TestPage : public FramePage {
public:
    TestPage() : FramePage(L"testPage", true) {}
    void paint() override { calls.push_back("paint " + std::to_string(dt)); }
    void update(float) override { calls.push_back("update"); }
    void afterPaint(float) override { calls.push_back("afterPaint"); }
    void onMeasurement(float seconds) override { calls.push_back("measured " + std::to_string(seconds)); }
};

struct NamedListener : FrameListener {
    explicit NamedListener(std::string listenerName) : name(std::move(listenerName)) {}
    void onFrame(float) override { calls.push_back(name); }
    std::string name;
};

class Frames : public testing::Test {
protected:
    void SetUp() override {
        clearMessageQueue();
        setIdleHandler(nullptr);
        main = std::make_unique<Window>(L"Frames main", nullptr, false);
        ASSERT_TRUE(main->create(0, 0, 60, 80));
        page = main->addChild(std::make_unique<TestPage>(), 0, 0, 60, 80);
        calls.clear();
    }
    void TearDown() override {
        main.reset();
        setIdleHandler(nullptr);
        clearMessageQueue();
    }
    FakeClock clock;
    ScopedClock useClock{clock};
    std::unique_ptr<Window> main;
    TestPage* page = nullptr;
};

TEST_F(Frames, FrameCallsListenersFromTheLastAroundUpdatePaintAndAfterPaint) {
    NamedListener first("before 1"), second("before 2"), after("after");
    page->addBeforeFrameListener(&first);
    page->addBeforeFrameListener(&second);
    page->addAfterFrameListener(&after);
    page->addAfterFrameListener(nullptr);
    page->frameTimer.windowMs = 5;
    page->startFrames();
    EXPECT_EQ(idleHandler(), page);
    clock.advance(10);
    MSG none;
    page->onIdle(none, main->handle());
    EXPECT_EQ(calls, (std::vector<std::string>{"before 2", "before 1", "update", "paint 0.010000",
                                               "afterPaint", "after", "measured 0.005000"}));
}

TEST_F(Frames, StoppedPagePaintsWithoutAdvancingTime) {
    page->repaint();
    EXPECT_EQ(calls, std::vector<std::string>{"paint -1.000000"});
    page->startFrames();
    calls.clear();
    page->repaint();
    EXPECT_EQ(calls.size(), 3u) << "a running page makes a frame";
}

TEST_F(Frames, DeactivationStopsFramesAndActivationRestartsOnlyWhatItStopped) {
    page->activate(false);
    page->activate(true);
    EXPECT_FALSE(page->isRunning()) << "stopped before, stays stopped";
    EXPECT_EQ(idleHandler(), nullptr);
    page->startFrames();
    page->activate(false);
    EXPECT_FALSE(page->isRunning());
    EXPECT_EQ(idleHandler(), nullptr);
    page->activate(true);
    EXPECT_TRUE(page->isRunning());
    EXPECT_EQ(GetFocus(), page->handle());
}

TEST_F(Frames, RunningPageThatGoesEmptiesTheIdleSlot) {
    page->startFrames();
    main->removeChild(page);
    EXPECT_EQ(idleHandler(), nullptr);
    page = nullptr;
}

TEST_F(Frames, FadeOfTwentyStepsMakesTwentyOnePassesInAboutTwoSeconds) {
    const uint32_t start = GetTickCount();
    FadeTransition(2.0f, 10, 0).run(*page, FadeDirection::In, FadeFrames::Repaint);
    EXPECT_EQ(calls.size(), 21u);
    EXPECT_EQ(GetTickCount() - start, 2100u);
    EXPECT_TRUE(page->overlays().empty());
}

TEST_F(Frames, FadeInBrightensFromBlackToTheFullPicture) {
    struct WhitePage : FramePage {
        WhitePage() : FramePage(L"white", true) {}
        void paint() override {
            HDC screen = GetDC(nullptr);
            shown.push_back(GetPixel(screen, 5, 5) & 0xFF); // what the previous pass showed
            ReleaseDC(nullptr, screen);
            RECT all{0, 0, 60, 80};
            FillRect(drawingContext(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        std::vector<uint32_t> shown;
    };
    auto* white = main->addChild(std::make_unique<WhitePage>(), 0, 0, 60, 80);
    FadeTransition(0.5f, 10, 0).run(*white, FadeDirection::In, FadeFrames::Repaint);
    ASSERT_EQ(white->shown.size(), 6u);
    EXPECT_EQ(white->shown[1], 0u) << "the first pass is black";
    for (size_t pass = 2; pass < white->shown.size(); ++pass)
        EXPECT_GT(white->shown[pass], white->shown[pass - 1]);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, 5, 5) & 0xF8, 0xF8u) << "the last pass shows the page itself";
    ReleaseDC(nullptr, screen);
}

TEST_F(Frames, FadeOutWithoutRepaintDarkensTheShownPictureEachPass) {
    page->backBuffer()->setPixel(0, 0, 0xFFFFFF);
    FadeTransition(0.5f, 10, 0).run(*page, FadeDirection::Out, FadeFrames::DarkenShown);
    EXPECT_TRUE(calls.empty()) << "nothing is repainted";
    // Five passes... plus one: six times 640 / 5 = 128 of 256, each halving the channels.
    const uint32_t pixel = page->backBuffer()->getPixel(0, 0);
    EXPECT_LT(pixel & 0xFF, 8u);
    EXPECT_EQ(FadeTransition(0.0f, 10, 0).duration, 0.0f);
    FadeTransition(0.0f, 10, 0).run(*page, FadeDirection::In, FadeFrames::Repaint);
    EXPECT_TRUE(calls.empty()) << "no steps, no passes";
}

} // namespace
} // namespace velmora
