#include "gui/controls.h"
#include "gui/window.h"
#include "platform/drawing.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<std::string> events;

class RecordingWindow : public Window, public MouseListener, public KeyListener {
public:
    explicit RecordingWindow(const std::wstring& title, bool backBuffer = false)
        : Window(title, nullptr, backBuffer) {}
    void onMouse(UINT message, WPARAM, int x, int y, MousePhase phase) override {
        events.push_back("phase" + std::to_string(static_cast<int>(phase)) + " " + std::to_string(message) +
                         " " + std::to_string(x) + "," + std::to_string(y));
    }
    void onCommand(Window*, UINT message, WPARAM, int, int) override {
        events.push_back("listener " + std::to_string(message));
    }
    void onKey(UINT message, int key) override {
        events.push_back("onKey " + std::to_string(message) + " " + std::to_string(key));
    }
    void onKeyMessage(Window*, UINT message, int key) override {
        events.push_back("keyListener " + std::to_string(message) + " " + std::to_string(key));
    }
    void onDestroy() override { events.push_back("onDestroy"); }
    void onDestroyed() override { events.push_back("onDestroyed"); }
    void activate(bool active) override { events.push_back(active ? "activate" : "deactivate"); }
};

class Page : public RecordingWindow {
public:
    Page() : RecordingWindow(L"page", true) { style_ = WS_CHILD | WS_VISIBLE; }
};

bool quitPosted(int& code) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            code = static_cast<int>(message.wParam);
            return true;
        }
        DispatchMessageW(&message);
    }
    return false;
}

class Toolkit : public testing::Test {
protected:
    void SetUp() override {
        clearMessageQueue();
        events.clear();
        main = std::make_unique<RecordingWindow>(L"Main");
        ASSERT_TRUE(main->create(0, 0, 120, 160));
        page = main->addChild(std::make_unique<Page>(), 0, 0, 120, 160);
        test::pumpMessages();
        events.clear();
    }
    void TearDown() override {
        main.reset();
        clearMessageQueue();
    }
    std::unique_ptr<RecordingWindow> main;
    Page* page = nullptr;
};

TEST_F(Toolkit, PointerMessagesRunPhaseZeroThenTheListenerThenPhaseOne) {
    page->setMouseListener(page);
    pointerPressed(30, 40, PointerButton::Left);
    test::pumpMessages();
    EXPECT_EQ(events, (std::vector<std::string>{"phase0 513 30,40", "listener 513", "phase1 513 30,40"}));
}

TEST_F(Toolkit, KeysReachTheWindowThenItsKeyListener) {
    page->setKeyListener(page);
    page->setFocus();
    keyChanged(VK_LEFT, true, false);
    test::pumpMessages();
    EXPECT_EQ(events, (std::vector<std::string>{"onKey 256 37", "keyListener 256 37"}));
}

TEST_F(Toolkit, ActivationReachesChildPagesBeforeTheMainWindow) {
    activationChanged(false);
    EXPECT_EQ(events, (std::vector<std::string>{"deactivate", "deactivate"}));
    activationChanged(true);
}

TEST_F(Toolkit, SecondTopLevelWindowOfTheSameClassAndTitleIsRefused) {
    RecordingWindow second(L"Main");
    EXPECT_FALSE(second.create(0, 0, 10, 10));
    EXPECT_EQ(second.handle(), nullptr);
    RecordingWindow other(L"Other");
    EXPECT_TRUE(other.create(0, 0, 10, 10));
}

TEST_F(Toolkit, ClosingAPageDoesNotEndTheProgramButClosingTheMainWindowDoes) {
    PostMessageW(page->handle(), WM_CLOSE, 0, 0);
    int code = -1;
    EXPECT_FALSE(quitPosted(code));
    EXPECT_EQ(page->handle(), nullptr);
    PostMessageW(main->handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(quitPosted(code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"onDestroy", "onDestroyed", "onDestroy", "onDestroyed"}));
}

TEST_F(Toolkit, RotatedPageExchangesWidthAndHeight) {
    EXPECT_EQ(page->pageWidth(), 120);
    ASSERT_NE(page->backBuffer(), nullptr);
    page->setOrientation(ScreenOrientation::CounterClockwise);
    EXPECT_EQ(page->pageWidth(), 160);
    EXPECT_EQ(page->pageHeight(), 120);
    EXPECT_EQ(page->backBuffer()->width, 160);
    EXPECT_EQ(page->backBuffer()->height, 120);
}

TEST_F(Toolkit, PresentShowsTheBackBufferWithItsOverlaysTurnedByTheOrientation) {
    struct Marker : Overlay {
        Surface* surface = nullptr;
        void apply() override { surface->setPixel(0, 0, 0xFF0000); }
    } marker;
    page->setOrientation(ScreenOrientation::CounterClockwise);
    marker.surface = page->backBuffer();
    page->addOverlay(&marker);
    page->present(nullptr);
    page->removeOverlay(&marker);
    HDC screen = GetDC(nullptr);
    // Page pixel (0, 0) of a page W wide lands on window pixel (0, W - 1) at orientation 1.
    EXPECT_EQ(GetPixel(screen, 0, 159) & 0xFFFFF8, RGB(248, 0, 0)); // red at either depth
    ReleaseDC(nullptr, screen);
}

TEST_F(Toolkit, ControlsAreDrawnInTheColoursSetOnThem) {
    auto label = createControl(AWTType::Label, 8, L"");
    label->setControlColors(RGB(255, 255, 255), RGB(0, 0, 248));
    page->addChild(std::move(label), 10, 10, 40, 20);
    test::pumpMessages();
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, 20, 20), RGB(0, 0, 248));
    ReleaseDC(nullptr, screen);
}

TEST_F(Toolkit, PresentOfARectangleCopiesOnlyItsPartOfTheBackBuffer) {
    RECT all{0, 0, 120, 160};
    FillRect(page->drawingContext(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT part{-10, -10, 20, 30}; // reaches outside the back buffer: clamped
    page->present(&part);
    HDC screen = GetDC(nullptr);
    EXPECT_NE(GetPixel(screen, 19, 29), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(screen, 20, 29), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(screen, 19, 30), RGB(0, 0, 0));
    ReleaseDC(nullptr, screen);
}

TEST_F(Toolkit, LongTextsAreCut) {
    page->setText(std::wstring(70, L'x'));
    EXPECT_EQ(page->text().size(), 65u);
}

TEST_F(Toolkit, EditReleaseOfReturnGivesTheFocusBackAndLeftErasesBackwards) {
    Window* control = page->addChild(createControl(AWTType::Edit, 5, L"abc"), 5, 5, 80, 20);
    control->setFocus();
    test::pumpMessages();
    keyChanged(VK_LEFT, true, false);
    keyChanged(VK_LEFT, false, false);
    test::pumpMessages();
    EXPECT_EQ(control->text(), L"ab") << "Left moves before 'c', its release deletes it";
    keyChanged(VK_ESCAPE, false, false);
    test::pumpMessages();
    EXPECT_EQ(control->text(), L"a");
    keyChanged(VK_RETURN, false, false);
    test::pumpMessages();
    EXPECT_EQ(GetFocus(), page->handle());
    EXPECT_EQ(page->findChild(5), control);
}

TEST_F(Toolkit, ListAndComboItemsKeepTheirData) {
    for (AWTType type : {AWTType::ListBox, AWTType::ComboBox}) {
        Window* list = page->addChild(createControl(type, 9, L""), 0, 0, 100, 80);
        EXPECT_EQ(list->addItem(L"Pine Hills", 11), 0);
        EXPECT_EQ(list->addItem(L"Lakeside", 22), 1);
        EXPECT_EQ(list->itemCount(), 2);
        EXPECT_EQ(list->findItem(L"lake"), 1);
        EXPECT_EQ(list->selection(), -1);
        list->setSelection(1);
        EXPECT_EQ(list->selection(), 1);
        EXPECT_EQ(list->itemText(0), L"Pine Hills");
        EXPECT_EQ(list->itemTextLength(1), 8);
        list->deleteItem(0);
        EXPECT_EQ(list->selection(), 0) << "the selected item moved up";
        list->resetItems();
        EXPECT_EQ(list->itemCount(), 0);
        page->removeChild(list);
    }
}

class Clicks : public CommandListener {
public:
    void onControlCommand(Window*, int code, int id, HWND) override { received.push_back({code, id}); }
    std::vector<std::pair<int, int>> received;
};

TEST_F(Toolkit, ButtonClickReachesTheCommandListener) {
    Clicks clicks;
    page->setCommandListener(&clicks);
    page->addChild(createControl(AWTType::Button, 3, L"OK"), 10, 10, 40, 20);
    pointerPressed(20, 20, PointerButton::Left);
    pointerReleased(20, 20, PointerButton::Left);
    pointerPressed(20, 20, PointerButton::Left);
    pointerReleased(90, 90, PointerButton::Left); // let go outside: no click
    test::pumpMessages();
    EXPECT_EQ(clicks.received, (std::vector<std::pair<int, int>>{{BN_CLICKED, 3}}));
}

} // namespace
} // namespace velmora
