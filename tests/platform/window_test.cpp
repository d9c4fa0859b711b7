#include "platform/clock.h"
#include "platform/display.h"
#include "platform/drawing.h"
#include "platform/input.h"
#include "platform/last_error.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> seen;

LRESULT recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT && message != WM_ERASEBKGND)
        seen.push_back({window, message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
}

class Windows : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW windowClass;
            windowClass.lpfnWndProc = recordingProcedure;
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
            windowClass.lpszClassName = L"TestWindow";
            return RegisterClassW(&windowClass);
        }();
        ASSERT_TRUE(registered);
        clearMessageQueue();
        seen.clear();
        top = CreateWindowExW(0, L"TestWindow", L"Top", WS_VISIBLE, 0, 0, 100, 80, nullptr, 0, nullptr,
                              nullptr);
        child = CreateWindowExW(0, L"TestWindow", L"Child", WS_CHILD | WS_VISIBLE, 10, 20, 30, 20, top, 7,
                                nullptr, nullptr);
        pump();
        seen.clear();
    }
    void TearDown() override {
        if (IsWindow(top))
            DestroyWindow(top);
        clearMessageQueue();
    }
    // Dispatches every waiting message; returns how many.
    int pump() {
        MSG message;
        int count = 0;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            ++count;
        }
        return count;
    }
    std::vector<UINT> messagesOf(HWND window) const {
        std::vector<UINT> result;
        for (const Seen& s : seen) {
            if (s.window == window)
                result.push_back(s.message);
        }
        return result;
    }
    HWND top = nullptr;
    HWND child = nullptr;
};

TEST_F(Windows, PostedMessagesArriveInOrderBeforePaintAndQuit) {
    InvalidateRect(top, nullptr, true);
    PostQuitMessage(3);
    for (UINT i = 0; i < 5; ++i)
        PostMessageW(top, WM_USER + i, i, 0);
    MSG message;
    for (UINT i = 0; i < 5; ++i) {
        ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(message.message, WM_USER + i);
    }
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT(WM_PAINT));
    DispatchMessageW(&message);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Windows, MessagesForDestroyedWindowsAreDropped) {
    PostMessageW(child, WM_USER, 0, 0);
    DestroyWindow(child);
    seen.clear();
    pump();
    EXPECT_TRUE(messagesOf(child).empty());
    EXPECT_FALSE(PostMessageW(child, WM_USER, 0, 0));
}

TEST_F(Windows, DestroyingTheParentDestroysItsChildrenAfterIt) {
    DestroyWindow(top);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].window, top);
    EXPECT_EQ(seen[0].message, UINT(WM_DESTROY));
    EXPECT_EQ(seen[1].window, child);
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(Windows, DrawingIntoTheParentLeavesVisibleChildrenAlone) {
    HDC dc = GetDC(top);
    RECT all{0, 0, 100, 80};
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(dc, &all, white);
    ReleaseDC(top, dc);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, 5, 5),
              RGB(255, 255, 255) & (displayBitsPerPixel() == 16 ? 0xF8FCF8u : 0xFFFFFFu));
    EXPECT_EQ(GetPixel(screen, 15, 25), RGB(0, 0, 0)) << "inside the child";
    ShowWindow(child, SW_HIDE);
    dc = GetDC(top);
    FillRect(dc, &all, white);
    ReleaseDC(top, dc);
    EXPECT_NE(GetPixel(screen, 15, 25), RGB(0, 0, 0)) << "a hidden child is drawn over";
    ReleaseDC(nullptr, screen);
}

TEST_F(Windows, PressCapturesThePointerUntilRelease) {
    pointerPressed(15, 25, PointerButton::Left);
    pointerMoved(90, 70);
    pointerReleased(95, 75, PointerButton::Left);
    pointerPressed(95, 75, PointerButton::Left);
    pointerReleased(95, 75, PointerButton::Left);
    pump();
    const std::vector<UINT> toChild = messagesOf(child);
    ASSERT_EQ(toChild.size(), 3u);
    EXPECT_EQ(toChild[0], UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(toChild[2], UINT(WM_LBUTTONUP));
    // Client coordinates: (95, 75) is (85, 55) in the child; the button state comes with it.
    EXPECT_EQ(GET_X_LPARAM(seen[2].lParam), 85);
    EXPECT_EQ(GET_Y_LPARAM(seen[2].lParam), 55);
    EXPECT_EQ(seen[0].wParam, WPARAM(MK_LBUTTON));
    EXPECT_EQ(messagesOf(top), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Windows, KeysGoToTheFocusWindowAndReturnBecomesACharacter) {
    SetFocus(child);
    seen.clear();
    keyChanged(VK_RETURN, true, false);
    keyChanged(VK_RETURN, false, false);
    pump();
    EXPECT_EQ(messagesOf(child), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(seen[1].wParam, WPARAM('\r'));
    EXPECT_EQ(seen[2].lParam & (LPARAM(1) << 31), LPARAM(1) << 31) << "release flag";
}

TEST_F(Windows, FocusMovesWithKillBeforeSet) {
    SetFocus(top);
    seen.clear();
    EXPECT_EQ(SetFocus(child), top);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].window, top);
    EXPECT_EQ(seen[0].message, UINT(WM_KILLFOCUS));
    EXPECT_EQ(seen[1].window, child);
    EXPECT_EQ(seen[1].message, UINT(WM_SETFOCUS));
}

TEST_F(Windows, LosingTheDesktopFocusDeactivatesTheMainWindowOnce) {
    activationChanged(false);
    activationChanged(false);
    activationChanged(true);
    const std::vector<UINT> toTop = messagesOf(top);
    ASSERT_EQ(toTop.size(), 2u);
    EXPECT_EQ(LOWORD(seen[0].wParam), WA_INACTIVE);
    EXPECT_EQ(LOWORD(seen[1].wParam), WA_ACTIVE);
}

TEST_F(Windows, TimersFireWhenTheQueueIsIdle) {
    SetTimer(top, 42, 1, nullptr);
    MSG message;
    bool fired = false;
    for (int turn = 0; turn < 200 && !fired; ++turn) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            fired = message.message == WM_TIMER && message.wParam == 42;
        else
            Sleep(1);
    }
    EXPECT_TRUE(fired);
    KillTimer(top, 42);
}

TEST_F(Windows, WindowFromPointFindsTheDeepestVisibleWindow) {
    EXPECT_EQ(WindowFromPoint({15, 25}), child);
    EXPECT_EQ(WindowFromPoint({5, 5}), top);
    EXPECT_EQ(WindowFromPoint({150, 5}), nullptr);
    EnableWindow(child, false);
    EXPECT_EQ(WindowFromPoint({15, 25}), top);
}

TEST_F(Windows, UnknownClassFailsWithItsError) {
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_VISIBLE, 0, 0, 1, 1, nullptr, 0, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
}

} // namespace
} // namespace velmora
