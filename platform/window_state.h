#pragma once
// The window manager's records, shared by the platform files that route messages, paint and
// draw into windows. Not for use outside platform/.

#include "platform/native_window.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// Private per-window data of a standard control.
struct WindowExtra {
    virtual ~WindowExtra() = default;
};

struct WindowTimer {
    UINT interval = 0;
    uint32_t due = 0;
};

struct NativeWindow {
    HWND handle = nullptr;
    WNDCLASSW windowClass;
    std::wstring className;
    WNDPROC procedure = nullptr;
    LONG_PTR userData = 0;
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    intptr_t id = 0;
    HWND parent = nullptr;
    std::vector<HWND> children; // bottom to top
    RECT rect{};                // in the parent's client coordinates (the screen for a top-level window)
    bool visible = false;
    bool enabled = true;
    bool destroying = false;
    RECT updateRect{}; // client coordinates; empty when nothing needs painting
    bool eraseNeeded = false;
    std::map<uintptr_t, WindowTimer> timers;
    std::string claimedName; // the single-instance name of a top-level window
    std::unique_ptr<WindowExtra> extra;
};

NativeWindow* findWindow(HWND handle);

// A control's private data, made on first use.
template <typename Extra> Extra* extraOf(HWND handle) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return nullptr;
    if (!window->extra)
        window->extra = std::make_unique<Extra>();
    return static_cast<Extra*>(window->extra.get());
}
// Top-level windows, bottom to top.
const std::vector<HWND>& topLevelWindows();
// The top-level window that holds a window.
HWND rootWindow(HWND window);
// Client origin in device-screen coordinates.
POINT screenOrigin(const NativeWindow& window);
// The parts of the device screen that drawing into the window may touch: the window cut by its
// ancestors, without its visible children and the visible windows above it. Empty when hidden.
std::vector<RECT> visibleRegion(HWND window);
// Removes every part of a rectangle that lies in cut: up to four rectangles.
void subtractRect(std::vector<RECT>& region, const RECT& cut);

// The first visible window, parents before children, that waits for a paint message.
HWND windowNeedingPaint();
// A timer that is due: its window and identifier. The timer's next due time is set.
bool takeDueTimer(uint32_t now, HWND& window, uintptr_t& id);
// The window asked for by another instance's front request.
void bringNamedWindowToFront(const std::string& name);

// The program gained or lost the desktop's focus: the active top-level window is told.
void setApplicationActive(bool active);

// A window proxy for a window of another process, found by FindWindowW.
bool isRemoteWindow(HWND window);

} // namespace velmora
