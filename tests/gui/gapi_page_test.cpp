// Pages on the screen through the framebuffer of the emulated display: in each orientation, whole
// or by a rectangle, the screen shows exactly what the window path shows, whatever the panel (the
// ctest runs gui.lowResolutionPanel, gui.landscapeLeftPanel and gui.fixedPanelFamily repeat these
// tests on other handhelds). The display follows the page's activation and ends with the page.
#include "gui/frame_page.h"
#include "platform/display.h"
#include "platform/gx.h"
#include "platform/message_queue.h"
#include "render/gapi_display.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velmora {
namespace {

// Paints a pattern that differs at every pixel of a small area and between seeds.
class PatternPage : public FramePage {
public:
    PatternPage() : FramePage(L"patternPage", true) {}
    void paint() override {
        Surface& back = *backBuffer();
        for (int y = 0; y < back.height; ++y)
            for (int x = 0; x < back.width; ++x)
                back.setPixel(x, y,
                              uint32_t((x * 8) & 0xF8) << 16 | uint32_t((y * 4 + seed) & 0xFC) << 8 | 0x40);
    }
    int seed = 0;
};

class FramebufferPage : public testing::Test {
protected:
    void SetUp() override {
        clearMessageQueue();
        main = std::make_unique<Window>(L"Framebuffer main", nullptr, false);
        ASSERT_TRUE(main->create(0, 0, 240, 320));
        page = main->addChild(std::make_unique<PatternPage>(), 16, 8, 200, 300);
    }
    void TearDown() override {
        main.reset();
        GapiDisplay::close();
        clearMessageQueue();
    }
    // The screen after the page presents rect (or all of it): on the window, then through the
    // framebuffer, the display opened afresh from the window path's picture.
    void presentBothWays(const RECT* rect, std::vector<uint32_t>& window, std::vector<uint32_t>& direct) {
        GapiDisplay::close();
        page->present(rect);
        window = captureScreen();
        ASSERT_TRUE(GapiDisplay::open(main->handle(), true, false));
        page->present(rect);
        direct = captureScreen();
    }
    std::unique_ptr<Window> main;
    PatternPage* page = nullptr;
};

// The first pixel where two screen pictures differ, for the failure message.
std::string firstDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    const int width = screenSize().cx;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i])
            return "first difference at (" + std::to_string(i % width) + ", " + std::to_string(i / width) +
                   ")";
    }
    return "sizes differ";
}

TEST_F(FramebufferPage, EachOrientationShowsWhatTheWindowPathShows) {
    if (displayDepth() != 16)
        GTEST_SKIP() << "the framebuffer takes 16-bit pages only";
    for (const int orientation : {0, 1, 2}) {
        page->setOrientation(static_cast<ScreenOrientation>(orientation));
        page->seed = 0;
        page->paint();
        std::vector<uint32_t> window, direct;
        presentBothWays(nullptr, window, direct);
        ASSERT_EQ(window == direct, true)
            << "orientation " << orientation << ": " << firstDifference(window, direct);
        // A later picture shown only inside a rectangle that reaches past the back buffer.
        page->seed = 64;
        page->paint();
        const RECT rect{-5, 20, 150, 500};
        presentBothWays(&rect, window, direct);
        ASSERT_EQ(window == direct, true)
            << "orientation " << orientation << " with a rect: " << firstDifference(window, direct);
    }
}

TEST_F(FramebufferPage, TheDisplayFollowsActivationAndEndsWithThePage) {
    if (!GapiDisplay::open(main->handle(), true, false))
        GTEST_SKIP() << "no direct display at this depth";
    EXPECT_TRUE(gxDisplayShown());
    page->activate(false);
    EXPECT_FALSE(gxDisplayShown()) << "suspended";
    page->activate(true);
    EXPECT_TRUE(gxDisplayShown());
    main.reset();
    EXPECT_FALSE(GapiDisplay::isDisplayOpen());
    EXPECT_FALSE(gxDisplayShown());
}

} // namespace
} // namespace velmora
