#pragma once
// A 240 x 320 page at scale 1, built from tests/gui/templates/page.properties, that records what
// its mouse listener is told (the message, the pressed node's name and text, the key state) and
// where its message box is painted. The message box is read from the same folder.

#include "gui/canvas.h"
#include "gui/message_box.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/ui_scale.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velmora::test {

struct Heard {
    UINT message;
    std::wstring node; // empty: no node pressed
    std::wstring text;
    WPARAM keyState;
};

class OverlayPage : public Canvas, public MouseListener {
public:
    OverlayPage() : Canvas(L"overlays", true) {}
    void onCommand(Window*, UINT message, WPARAM keyState, int, int) override {
        if (message != WM_LBUTTONDOWN && message != WM_LBUTTONUP)
            return;
        const Sprite* node = pressedNode();
        heard.push_back({message, node ? node->name : L"", node ? node->text : L"", keyState});
    }
    // The message box's height at every paint while it is shown.
    void paint() override {
        if (const Scene* box = findScene(messageBoxSceneName); box && box->visible)
            boxHeights.push_back(box->y);
        Canvas::paint();
    }
    // The last release the listener heard.
    Heard lastRelease() const {
        for (auto it = heard.rbegin(); it != heard.rend(); ++it) {
            if (it->message == WM_LBUTTONUP)
                return *it;
        }
        return {};
    }
    std::vector<Heard> heard;
    std::vector<int> boxHeights;
};

class OverlayTest : public testing::Test {
protected:
    void SetUp() override {
        clearMessageQueue();
        setUiScale(1.0f);
        folder = fromOsPath(VELMORA_SOURCE_DIR "/tests/gui/templates/");
        setMessageBoxFolder(folder);
        main = std::make_unique<Window>(L"Main", nullptr, false);
        ASSERT_TRUE(main->create(0, 0, 240, 320));
        page = main->addChild(std::make_unique<OverlayPage>(), 0, 0, 240, 320);
        page->setMouseListener(page);
        ASSERT_TRUE(page->loadTemplate(folder, L"page.properties", true));
        page->setFocus();
        pumpMessages();
    }
    void TearDown() override {
        main.reset();
        clearMessageQueue();
    }

    static void key(int virtualKey) {
        keyChanged(virtualKey, true, false);
        pumpMessages();
        keyChanged(virtualKey, false, false);
        pumpMessages();
    }
    Sprite* sprite(const wchar_t* name) const { return static_cast<Sprite*>(page->findNode(name)); }

    FakeClock clock;
    ScopedClock useClock{clock};
    std::wstring folder;
    std::unique_ptr<Window> main;
    OverlayPage* page = nullptr;
};

} // namespace velmora::test
