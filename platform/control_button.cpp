// The push button and the static text label.
#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"
#include "platform/standard_controls.h"
#include "platform/text.h"
#include "platform/window_state.h"

namespace velmora {

namespace {

struct ButtonState : WindowExtra {
    HFONT font = nullptr;
    bool pressed = false; // the stylus went down on it and is still over it
    bool tracking = false;
};

struct StaticState : WindowExtra {
    HFONT font = nullptr;
};

void paintButton(HWND window, ButtonState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc)
        return;
    prepareControlContext(window, dc, WM_CTLCOLORBTN, state.font);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH face = CreateSolidBrush(state.pressed ? RGB(160, 160, 160) : RGB(212, 208, 200));
    RECT inside{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    FillRect(dc, &inside, face);
    DeleteObject(face);
    drawFrame(dc, client, RGB(0, 0, 0));
    if (!IsWindowEnabled(window))
        SetTextColor(dc, RGB(128, 128, 128));
    const std::wstring text = windowText(window);
    RECT textArea = client;
    if (state.pressed)
        OffsetRect(&textArea, 1, 1);
    DrawTextW(dc, text.c_str(), -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
}

bool inside(HWND window, LPARAM lParam) {
    RECT client;
    GetClientRect(window, &client);
    return pointInRect(client, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

} // namespace

LRESULT buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = extraOf<ButtonState>(window);
    if (!state)
        return 0;
    if (LRESULT result = 0; handleFontMessage(window, state->font, message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_PAINT:
        paintButton(window, *state);
        return 0;
    case WM_LBUTTONDOWN:
        state->tracking = true;
        state->pressed = true;
        InvalidateRect(window, nullptr, false);
        return 0;
    case WM_MOUSEMOVE:
        if (state->tracking && state->pressed != inside(window, lParam)) {
            state->pressed = !state->pressed;
            InvalidateRect(window, nullptr, false);
        }
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = state->tracking && inside(window, lParam);
        state->tracking = false;
        state->pressed = false;
        InvalidateRect(window, nullptr, false);
        if (clicked)
            notifyParent(window, BN_CLICKED);
        return 0;
    }
    case WM_KEYUP:
        if (wParam == VK_SPACE || wParam == VK_RETURN)
            notifyParent(window, BN_CLICKED);
        return 0;
    case WM_SETTEXT:
    case WM_ENABLE:
        InvalidateRect(window, nullptr, false);
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StaticState* state = extraOf<StaticState>(window);
    if (!state)
        return 0;
    if (LRESULT result = 0; handleFontMessage(window, state->font, message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (!dc)
            return 0;
        prepareControlContext(window, dc, WM_CTLCOLORSTATIC, state->font);
        RECT client;
        GetClientRect(window, &client);
        const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        const UINT alignment = (style & 3) == SS_CENTER  ? DT_CENTER
                               : (style & 3) == SS_RIGHT ? DT_RIGHT
                                                         : DT_LEFT;
        const std::wstring text = windowText(window);
        DrawTextW(dc, text.c_str(), -1, &client, alignment | DT_WORDBREAK);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SETTEXT:
        InvalidateRect(window, nullptr, true);
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace velmora
