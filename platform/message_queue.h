#pragma once
// The program's message queue. Posted messages come out first, in the order they were posted;
// then the quit message; then WM_PAINT for windows that need painting; then WM_TIMER for due
// timers. Every peek first turns waiting desktop events, automation steps and front requests of
// other instances into messages, and when nothing is left it shows the device screen.

#include "platform/types.h"

namespace velmora {

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt{};
};

// A null window posts a message for the thread (dispatching it does nothing).
bool PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Asks the loop to end: WM_QUIT with the code as wParam comes after the messages already posted.
void PostQuitMessage(int exitCode);

enum PeekFlags : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };
// window and the message range filter posted messages (null and 0, 0 take everything).
bool PeekMessageW(MSG* message, HWND window, UINT firstMessage, UINT lastMessage, UINT flags);
// WM_KEYDOWN of Return, Backspace, Escape and Tab also posts their WM_CHAR (typed characters come
// from the desktop's text input).
bool TranslateMessage(const MSG* message);
// Calls the window's procedure; messages for windows that no longer exist are dropped.
LRESULT DispatchMessageW(const MSG* message);

// Forgets every posted message and a pending quit (tests start from an empty queue).
void clearMessageQueue();

} // namespace velmora
