#pragma once
// Paint messages and the drawing contexts of windows: invalidation, BeginPaint / EndPaint, and
// contexts that draw into a window's visible part of the device screen.

#include "platform/gdi.h"
#include "platform/types.h"

namespace velmora {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false; // the background still needs erasing (WM_ERASEBKGND returned 0)
    RECT rcPaint{};
};

// Adds a rectangle (client coordinates; null for the whole client area) to the window's update
// area; the window gets WM_PAINT when no other message waits. A null window invalidates every
// top-level window.
bool InvalidateRect(HWND window, const RECT* rect, bool erase);
bool ValidateRect(HWND window, const RECT* rect);
bool GetUpdateRect(HWND window, RECT* rect, bool erase);
// Sends WM_PAINT at once when the window has an update area.
bool UpdateWindow(HWND window);

// Takes the update area (sending WM_ERASEBKGND first when it asked for erasing) and returns a
// context limited to it.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
bool EndPaint(HWND window, const PAINTSTRUCT* paint);

// A context drawing into the window's visible area (null: the whole device screen); release it
// with ReleaseDC.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

} // namespace velmora
