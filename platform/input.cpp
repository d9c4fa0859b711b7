#include "platform/input.h"

#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/window_state.h"

#include <SDL_keycode.h>

namespace velmora {

namespace {

WPARAM heldButtons = 0;

WPARAM buttonFlag(PointerButton button) {
    switch (button) {
    case PointerButton::Right:
        return MK_RBUTTON;
    case PointerButton::Middle:
        return MK_MBUTTON;
    default:
        return MK_LBUTTON;
    }
}

void postPointer(HWND window, UINT message, int x, int y) {
    POINT point{x, y};
    ScreenToClient(window, &point);
    PostMessageW(window, message, heldButtons, MAKELPARAM(point.x, point.y));
}

HWND pointerTarget(int x, int y) {
    if (HWND captured = GetCapture())
        return captured;
    return WindowFromPoint({x, y});
}

HWND keyTarget() {
    if (HWND focus = GetFocus())
        return focus;
    if (HWND active = GetActiveWindow())
        return active;
    return topLevelWindows().empty() ? nullptr : topLevelWindows().back();
}

} // namespace

void pointerPressed(int x, int y, PointerButton button) {
    HWND target = pointerTarget(x, y);
    if (!target)
        return;
    heldButtons |= buttonFlag(button);
    SetCapture(target);
    const UINT message = button == PointerButton::Left    ? WM_LBUTTONDOWN
                         : button == PointerButton::Right ? WM_RBUTTONDOWN
                                                          : WM_MBUTTONDOWN;
    postPointer(target, message, x, y);
}

void pointerMoved(int x, int y) {
    if (HWND target = pointerTarget(x, y))
        postPointer(target, WM_MOUSEMOVE, x, y);
}

void pointerReleased(int x, int y, PointerButton button) {
    if (!(heldButtons & buttonFlag(button)))
        return; // its press was dropped
    heldButtons &= ~buttonFlag(button);
    HWND target = pointerTarget(x, y);
    if (!heldButtons)
        ReleaseCapture();
    if (!target)
        return;
    const UINT message = button == PointerButton::Left    ? WM_LBUTTONUP
                         : button == PointerButton::Right ? WM_RBUTTONUP
                                                          : WM_MBUTTONUP;
    postPointer(target, message, x, y);
}

bool anyPointerButtonDown() {
    return heldButtons != 0;
}

void keyChanged(int virtualKey, bool down, bool repeat) {
    HWND target = keyTarget();
    if (!target || virtualKey <= 0 || virtualKey > 0xFF)
        return;
    // Repeat count 1; bit 30 the previous state, bit 31 set for a release.
    LPARAM flags = 1;
    if (repeat || !down)
        flags |= LPARAM(1) << 30;
    if (!down)
        flags |= LPARAM(1) << 31;
    PostMessageW(target, down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(virtualKey), flags);
}

void characterTyped(wchar_t character) {
    if (HWND target = keyTarget())
        PostMessageW(target, WM_CHAR, static_cast<WPARAM>(character), 1);
}

void activationChanged(bool active) {
    setApplicationActive(active);
}

void closeRequested() {
    if (!topLevelWindows().empty())
        PostMessageW(topLevelWindows().front(), WM_CLOSE, 0, 0);
}

int virtualKeyForSdl(int32_t key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return '1' + (key - SDLK_KP_1);
    switch (key) {
    case SDLK_KP_0:
        return '0';
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_RETURN:
        return VK_RETURN;
    case SDLK_KP_ENTER:
    case SDLK_RCTRL:
        return VK_ACTION;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_END:
        return VK_END;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
        return VK_CONTROL;
    case SDLK_F1:
        return VK_APP1;
    case SDLK_F2:
        return VK_APP2;
    case SDLK_F3:
        return VK_APP3;
    case SDLK_F4:
        return VK_APP4;
    case SDLK_APPLICATION:
        return VK_APPS;
    case SDLK_SEMICOLON:
        return VK_OEM_1;
    case SDLK_EQUALS:
        return VK_OEM_PLUS;
    case SDLK_COMMA:
        return VK_OEM_COMMA;
    case SDLK_MINUS:
        return VK_OEM_MINUS;
    case SDLK_PERIOD:
        return VK_OEM_PERIOD;
    case SDLK_SLASH:
        return VK_OEM_2;
    case SDLK_BACKQUOTE:
        return VK_OEM_3;
    case SDLK_LEFTBRACKET:
        return VK_OEM_4;
    case SDLK_BACKSLASH:
        return VK_OEM_5;
    case SDLK_RIGHTBRACKET:
        return VK_OEM_6;
    case SDLK_QUOTE:
        return VK_OEM_7;
    default:
        return 0;
    }
}

} // namespace velmora
