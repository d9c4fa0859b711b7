#pragma once
// The small value types and handles of the handheld's system interface that the game's code is
// written against: rectangles, points, message parameters and the opaque window handle.

#include <cstdint>

namespace velmora {

using DWORD = uint32_t;
using UINT = uint32_t;
using WORD = uint16_t;
using LONG = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

// A window handle names a window by number, so that a message still queued for a destroyed
// window is recognised as stale instead of reaching a reused object.
struct HWND__;
using HWND = HWND__*;

// Handles of resources the game passes around without looking inside.
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HICON__;
using HICON = HICON__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

constexpr WORD LOWORD(uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(static_cast<uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return static_cast<WPARAM>(MAKELPARAM(low, high));
}
// The signed coordinates packed into a pointer message.
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(value)));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(value)));
}

inline bool isRectEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
inline RECT intersectRects(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return isRectEmpty(r) ? RECT{} : r;
}
// The smallest rectangle holding both; an empty rectangle adds nothing.
inline RECT unionRects(const RECT& a, const RECT& b) {
    if (isRectEmpty(a))
        return b;
    if (isRectEmpty(b))
        return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}
inline void OffsetRect(RECT* r, int dx, int dy) {
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
}
inline bool pointInRect(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace velmora
