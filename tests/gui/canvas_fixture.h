#pragma once
// A canvas page inside a 240 x 320 main window, headless on a fake clock, with the test pages of
// tests/gui/pages copied into a folder of its own and a player's data folder of its own (where
// saving writes).

#include "gui/canvas.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/ui_scale.h"
#include "tests/support/message_pump.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace velmora::test {

class TestCanvas : public Canvas, public MouseListener {
public:
    TestCanvas() : Canvas(L"testCanvas", true) { setMouseListener(this); }
    // What the page's command handling would see: the message and the node the press found.
    void onCommand(Window*, UINT message, WPARAM, int, int) override {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)
            commands.push_back((message == WM_LBUTTONDOWN ? L"down " : L"up ") +
                               (pressedNode() ? pressedNode()->name : std::wstring(L"-")));
    }
    void loadCustomNode(PropertyTemplate&, const std::wstring& key) override { customKeys.push_back(key); }
    void onPageLoaded() override { ++pagesLoaded; }
    std::vector<std::wstring> commands;
    std::vector<std::wstring> customKeys;
    int pagesLoaded = 0;
};

class CanvasPage : public testing::Test {
protected:
    void SetUp() override {
        clearMessageQueue();
        for (const char* name :
             {"widgets.properties", "second.properties", "scenes.properties", "scene3d.properties"})
            std::filesystem::copy_file(std::filesystem::path(VELMORA_SOURCE_DIR) / "tests/gui/pages" / name,
                                       temp.os(name));
        main = std::make_unique<Window>(L"Canvas main", nullptr, false);
        ASSERT_TRUE(main->create(0, 0, 240, 320));
        page = main->addChild(std::make_unique<TestCanvas>(), 0, 0, 240, 320);
        page->setFocus();
        pumpMessages();
    }
    void TearDown() override {
        main.reset();
        clearMessageQueue();
        setUiScale(1.0f);
    }
    bool load(const std::wstring& file, bool reload = true) {
        return page->loadTemplate(temp.game(), file, reload);
    }
    // The player's data folder, where saved templates go.
    std::wstring userFolder() const { return temp.game("user/velmora") + L"\\"; }
    Sprite* sprite(const std::wstring& name) const { return dynamic_cast<Sprite*>(page->findNode(name)); }
    void tap(int x, int y) {
        pointerPressed(x, y, PointerButton::Left);
        pointerReleased(x, y, PointerButton::Left);
        pumpMessages();
    }
    void key(int virtualKey, bool down, bool repeat = false) {
        keyChanged(virtualKey, down, repeat);
        pumpMessages();
    }

    FakeClock clock;
    ScopedClock useClock{clock};
    TempFolder temp;
    ScopedVariable userData{"XDG_DATA_HOME", temp.os("user").c_str()};
    std::unique_ptr<Window> main;
    TestCanvas* page = nullptr;
};

} // namespace velmora::test
