#include "platform/drawing.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"
#include "platform/single_instance.h"
#include "platform/ui_scale.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(UiScale, ScalesRoundingHalfUpAndLeavesValuesAloneAtOne) {
    setUiScale(1.0f);
    EXPECT_EQ(scaled(7), 7);
    setUiScale(2.0f);
    EXPECT_EQ(scaled(7), 14);
    setUiScale(0.9375f); // a 225-pixel page
    EXPECT_EQ(scaled(16), 15);
    EXPECT_EQ(scaled(8), 8); // 7.5 rounds up
    EXPECT_FLOAT_EQ(scaled(10.0f), 9.375f);
    setUiScale(0.0f);
    setUiScale(-3.0f);
    EXPECT_FLOAT_EQ(uiScale(), 0.9375f) << "only positive scales are taken";
    setUiScale(1.0f);
}

TEST(MessageBox, UnansweredBoxesTakeTheirDefaultButtonAndForeignAnswersToo) {
    EXPECT_EQ(MessageBoxW(nullptr, L"Saved.", L"Info", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, L"Go on?", L"Warning", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    queueMessageBoxAnswer(IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, L"Go on?", L"Warning", MB_OKCANCEL), IDOK) << "Yes is not a button here";
    queueMessageBoxAnswer(IDCANCEL);
    queueMessageBoxAnswer(IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"1", L"", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(nullptr, L"2", L"", MB_YESNO), IDNO) << "answers come in order";
    EXPECT_EQ(lastMessageBox().text, L"2");
}

TEST(SingleInstance, NamesAreHeldUntilReleasedAndLongNamesStillWork) {
    const std::string name = instanceName(L"Kiln_WINDOW", L"Claim test");
    EXPECT_NE(name.find(":Kiln_WINDOW:Claim test"), std::string::npos);
    EXPECT_EQ(claimName(name), NameClaim::Claimed);
    EXPECT_EQ(claimName(name), NameClaim::Claimed) << "claiming again here is fine";
    EXPECT_TRUE(holdsName(name));
    releaseName(name);
    EXPECT_FALSE(holdsName(name));
    EXPECT_FALSE(sendFrontRequest(name)) << "nobody holds it";
    const std::string longName = instanceName(L"Kiln_WINDOW", std::wstring(300, L'x'));
    EXPECT_EQ(claimName(longName), NameClaim::Claimed);
    EXPECT_TRUE(sendFrontRequest(longName));
    int fronts = 0;
    static int* counter = &fronts;
    pollFrontRequests([](const std::string&) { ++*counter; });
    EXPECT_EQ(fronts, 1);
    releaseName(longName);
}

LRESULT plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(SingleInstance, TheNameStaysWithTheFirstOfTwoWindowsThatShareIt) {
    WNDCLASSW windowClass;
    windowClass.lpfnWndProc = plainProcedure;
    windowClass.lpszClassName = L"Shared";
    RegisterClassW(&windowClass);
    EXPECT_EQ(FindWindowW(L"Shared", L"Twice"), nullptr); // reserves the name for the first window
    const std::string name = instanceName(L"Shared", L"Twice");
    EXPECT_TRUE(holdsName(name));
    HWND first = CreateWindowExW(0, L"Shared", L"Twice", WS_VISIBLE, 0, 0, 5, 5, nullptr, 0, nullptr, nullptr);
    HWND second = CreateWindowExW(0, L"Shared", L"Twice", WS_VISIBLE, 0, 0, 5, 5, nullptr, 0, nullptr, nullptr);
    DestroyWindow(second);
    EXPECT_TRUE(holdsName(name)) << "the second window never held it";
    DestroyWindow(first);
    EXPECT_FALSE(holdsName(name));
    clearMessageQueue();
}

int paints = 0;
RECT lastPaint{};
LRESULT paintingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ++paints;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        lastPaint = paint.rcPaint;
        RECT all{0, 0, 100, 100};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(Painting, PaintDrawsOnlyInsideTheUpdateAreaAndComesOnceForManyInvalidations) {
    WNDCLASSW windowClass;
    windowClass.lpfnWndProc = paintingProcedure;
    windowClass.lpszClassName = L"PaintTest";
    RegisterClassW(&windowClass);
    clearMessageQueue();
    HWND window =
        CreateWindowExW(0, L"PaintTest", L"Paint", WS_VISIBLE, 0, 0, 100, 100, nullptr, 0, nullptr, nullptr);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    HDC dc = GetDC(window);
    RECT all{0, 0, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    paints = 0;
    const RECT first{10, 10, 20, 20}, second{30, 5, 40, 15};
    InvalidateRect(window, &first, false);
    InvalidateRect(window, &second, false);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(lastPaint.left, 10);
    EXPECT_EQ(lastPaint.top, 5);
    EXPECT_EQ(lastPaint.right, 40);
    EXPECT_EQ(lastPaint.bottom, 20);
    EXPECT_NE(GetPixel(dc, 15, 15), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 50, 50), RGB(0, 0, 0)) << "outside the update area";
    ReleaseDC(window, dc);
    DestroyWindow(window);
    clearMessageQueue();
}

TEST(Input, PressesOutsideEveryWindowAndReleasesWithoutAPressAreDropped) {
    clearMessageQueue();
    pointerPressed(5, 5, PointerButton::Left); // no window at all
    EXPECT_FALSE(anyPointerButtonDown());
    pointerReleased(5, 5, PointerButton::Left);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
}

} // namespace
} // namespace velmora
