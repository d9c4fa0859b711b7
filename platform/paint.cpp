#include "platform/paint.h"

#include "platform/device_context.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/window_state.h"

namespace velmora {

bool InvalidateRect(HWND handle, const RECT* rect, bool erase) {
    if (!handle) {
        for (HWND topLevel : topLevelWindows())
            InvalidateRect(topLevel, nullptr, erase);
        return true;
    }
    NativeWindow* window = findWindow(handle);
    if (!window)
        return false;
    RECT client;
    GetClientRect(handle, &client);
    const RECT area = rect ? intersectRects(*rect, client) : client;
    if (isRectEmpty(area))
        return true;
    window->updateRect = unionRects(window->updateRect, area);
    window->eraseNeeded = window->eraseNeeded || erase;
    return true;
}

bool ValidateRect(HWND handle, const RECT* rect) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return false;
    // The update area is one rectangle: validating part of it keeps the whole until it is covered.
    if (!rect || (rect->left <= window->updateRect.left && rect->top <= window->updateRect.top &&
                  rect->right >= window->updateRect.right && rect->bottom >= window->updateRect.bottom)) {
        window->updateRect = {};
        window->eraseNeeded = false;
    }
    return true;
}

bool GetUpdateRect(HWND handle, RECT* rect, bool) {
    const NativeWindow* window = findWindow(handle);
    if (!window)
        return false;
    if (rect)
        *rect = window->updateRect;
    return !isRectEmpty(window->updateRect);
}

bool UpdateWindow(HWND handle) {
    const NativeWindow* window = findWindow(handle);
    if (!window)
        return false;
    if (IsWindowVisible(handle) && !isRectEmpty(window->updateRect))
        SendMessageW(handle, WM_PAINT, 0, 0);
    return true;
}

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    NativeWindow* window = findWindow(handle);
    if (!window || !paint)
        return nullptr;
    *paint = PAINTSTRUCT{};
    paint->rcPaint = window->updateRect;
    const bool erase = window->eraseNeeded;
    window->updateRect = {};
    window->eraseNeeded = false;
    HDC dc = createScreenContext(handle);
    if (!dc)
        return nullptr;
    dc->limitedToPaint = true;
    dc->paintRect = paint->rcPaint;
    paint->hdc = dc;
    if (erase)
        paint->fErase = SendMessageW(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    return dc;
}

bool EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (!paint || !paint->hdc)
        return false;
    return DeleteDC(paint->hdc);
}

HDC GetDC(HWND handle) {
    if (handle && !findWindow(handle))
        return nullptr;
    return createScreenContext(handle);
}

int ReleaseDC(HWND, HDC dc) {
    return dc && dc->onScreen && DeleteDC(dc) ? 1 : 0;
}

} // namespace velmora
