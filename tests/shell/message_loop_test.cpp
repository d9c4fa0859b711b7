#include "gui/idle_handler.h"
#include "gui/window.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "shell/message_loop.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct CountingIdle : IdleHandler {
    void onIdle(const MSG&, HWND mainWindow) override {
        if (++turns == 3)
            PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    }
    int turns = 0;
};

TEST(MessageLoop, IdlesWhenNothingWaitsAndEndsWhenTheMainWindowCloses) {
    clearMessageQueue();
    Window main(L"Loop main", nullptr, false);
    ASSERT_TRUE(main.create(0, 0, 40, 40));
    CountingIdle idle;
    setIdleHandler(&idle);
    EXPECT_EQ(runMessageLoop(main.handle()), 0);
    EXPECT_EQ(idle.turns, 3);
    EXPECT_EQ(main.handle(), nullptr);
    setIdleHandler(nullptr);
}

TEST(MessageLoop, ReturnsTheQuitCodeAndSleepsWithoutAnIdleHandler) {
    FakeClock clock;
    ScopedClock useClock(clock);
    clearMessageQueue();
    setIdleHandler(nullptr);
    Window main(L"Loop main 2", nullptr, false);
    ASSERT_TRUE(main.create(0, 0, 40, 40));
    // A timer a few milliseconds away: the loop has to sleep its way there.
    struct Quitter : Window {
        Quitter() : Window(L"quitter", nullptr, false) { style_ = WS_CHILD | WS_VISIBLE; }
        void onTimer() override { PostQuitMessage(7); }
    };
    auto* quitter = main.addChild(std::make_unique<Quitter>(), 0, 0, 1, 1);
    quitter->setTimer(5);
    EXPECT_EQ(runMessageLoop(main.handle()), 7);
    EXPECT_GE(clock.totalSlept(), 5u);
}

} // namespace
} // namespace velmora
