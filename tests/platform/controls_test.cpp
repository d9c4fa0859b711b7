// The standard controls, driven by input as a user would.
#include "platform/controls.h"
#include "platform/input.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace velmora {
namespace {

std::vector<std::pair<int, WORD>> notifications; // control identifier, notification code

LRESULT parentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        notifications.push_back({LOWORD(wParam), HIWORD(wParam)});
    return DefWindowProcW(window, message, wParam, lParam);
}

class Controls : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW windowClass;
            windowClass.lpfnWndProc = parentProcedure;
            windowClass.lpszClassName = L"ControlParent";
            return RegisterClassW(&windowClass);
        }();
        ASSERT_TRUE(registered);
        clearMessageQueue();
        parent = CreateWindowExW(0, L"ControlParent", L"Controls", WS_VISIBLE, 0, 0, 240, 320, nullptr, 0,
                                 nullptr, nullptr);
        notifications.clear();
    }
    void TearDown() override {
        DestroyWindow(parent);
        clearMessageQueue();
    }
    HWND make(const wchar_t* className, DWORD style, const wchar_t* text, int y, int height, int id) {
        return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, y, 200, height, parent,
                               id, nullptr, nullptr);
    }
    void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    void type(const wchar_t* text) {
        for (const wchar_t* c = text; *c; ++c)
            characterTyped(*c);
        pump();
    }
    void key(int virtualKey) {
        keyChanged(virtualKey, true, false);
        keyChanged(virtualKey, false, false);
        pump();
    }
    HWND parent = nullptr;
};

TEST_F(Controls, EditTakesTypingAtTheCaretWithinItsLimit) {
    HWND edit = make(L"EDIT", 0, L"Ann", 10, 24, 1);
    pointerPressed(150, 20, PointerButton::Left); // right of the text: the caret goes to its end
    pointerReleased(150, 20, PointerButton::Left);
    pump();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(notifications.front(), std::make_pair(1, WORD(EN_SETFOCUS)));
    type(L"ie");
    EXPECT_EQ(windowText(edit), L"Annie");
    key(VK_HOME);
    key(VK_DELETE);
    type(L"J");
    EXPECT_EQ(windowText(edit), L"Jnnie");
    key(VK_END);
    key(VK_BACK);
    EXPECT_EQ(windowText(edit), L"Jnni");
    SendMessageW(edit, EM_LIMITTEXT, 5, 0);
    type(L"xyz");
    EXPECT_EQ(windowText(edit), L"Jnnix") << "the limit stops the typing";
    SendMessageW(edit, EM_SETREADONLY, 1, 0);
    type(L"q");
    key(VK_BACK);
    EXPECT_EQ(windowText(edit), L"Jnnix");
    EXPECT_EQ(std::count(notifications.begin(), notifications.end(), std::make_pair(1, WORD(EN_CHANGE))), 6);
    SetFocus(parent);
    EXPECT_EQ(notifications.back(), std::make_pair(1, WORD(EN_KILLFOCUS)));
}

TEST_F(Controls, MultiLineEditBreaksLinesOnReturn) {
    HWND edit = make(L"EDIT", ES_MULTILINE | ES_WANTRETURN, L"", 10, 60, 2);
    SetFocus(edit);
    type(L"one");
    key(VK_RETURN);
    type(L"two");
    EXPECT_EQ(windowText(edit), L"one\r\ntwo");
    EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 2);
    key(VK_HOME);
    key(VK_RIGHT);
    key(VK_RIGHT);
    key(VK_RIGHT);
    key(VK_DELETE); // the line break goes as one character
    EXPECT_EQ(windowText(edit), L"onetwo");
    EXPECT_EQ(SendMessageW(make(L"EDIT", 0, L"x", 80, 20, 3), EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(Controls, ListBoxSelectsTheTappedItemAndTellsItsParent) {
    HWND list = make(L"LISTBOX", LBS_NOTIFY, L"", 10, 100, 4);
    for (const wchar_t* name : {L"Ann", L"Bob", L"Cid"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    // The items' rows are as high as the font's cell and 2 pixels more; tap the second row.
    pointerPressed(50, 10 + 1 + 25, PointerButton::Left);
    pointerReleased(50, 10 + 1 + 25, PointerButton::Left);
    pump();
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(notifications.back(), std::make_pair(4, WORD(LBN_SELCHANGE)));
    key(VK_DOWN);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    key(VK_DOWN);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2) << "stays on the last";
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"b")), 1);
    EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 7, 0), LB_ERR);
}

TEST_F(Controls, ComboBoxOpensItsListBelowTheFieldAndClosesOnAChoice) {
    HWND combo = make(L"COMBOBOX", CBS_DROPDOWNLIST, L"", 10, 150, 5);
    for (const wchar_t* course : {L"Pine Hills", L"Lakeside"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(course));
    RECT closed;
    GetWindowRect(combo, &closed);
    EXPECT_LT(closed.bottom - closed.top, 40) << "closed, only the field";
    pointerPressed(50, 15, PointerButton::Left);
    pointerReleased(50, 15, PointerButton::Left);
    pump();
    RECT open;
    GetWindowRect(combo, &open);
    EXPECT_EQ(open.bottom - open.top, 150);
    // The second item's row, just below the first one under the field.
    const int field = closed.bottom - closed.top;
    const int row = field - 4;
    pointerPressed(50, closed.top + field + row + row / 2, PointerButton::Left);
    pointerReleased(50, closed.top + field + row + row / 2, PointerButton::Left);
    pump();
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(notifications.back(), std::make_pair(5, WORD(CBN_SELCHANGE)));
    GetWindowRect(combo, &open);
    EXPECT_EQ(open.bottom - open.top, field) << "closed again";
}

TEST_F(Controls, ButtonClicksOnlyWhenReleasedOverItself) {
    make(L"BUTTON", 0, L"OK", 10, 30, 6);
    pointerPressed(20, 20, PointerButton::Left);
    pointerMoved(20, 200);
    pointerReleased(20, 200, PointerButton::Left);
    pump();
    EXPECT_TRUE(notifications.empty());
    pointerPressed(20, 20, PointerButton::Left);
    pointerMoved(20, 200);
    pointerMoved(25, 25); // back over the button
    pointerReleased(25, 25, PointerButton::Left);
    pump();
    EXPECT_EQ(notifications, (std::vector<std::pair<int, WORD>>{{6, BN_CLICKED}}));
}

} // namespace
} // namespace velmora
