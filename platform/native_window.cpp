#include "platform/native_window.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/drawing.h"
#include "platform/last_error.h"
#include "platform/messages.h"
#include "platform/paint.h"
#include "platform/single_instance.h"
#include "platform/standard_controls.h"
#include "platform/timing_trace.h"
#include "platform/window_state.h"

#include <algorithm>
#include <set>
#include <cwctype>

namespace velmora {

namespace {

struct WindowClassRecord {
    WNDCLASSW windowClass;
    std::wstring name;
};

struct WindowManager {
    std::map<std::wstring, WindowClassRecord> classes; // by lower-case name
    std::map<uintptr_t, std::unique_ptr<NativeWindow>> windows;
    std::map<uintptr_t, std::string> remoteWindows; // proxies for windows of other processes
    std::set<std::string> reservedNames;            // claimed by FindWindowW for a window to come
    std::vector<HWND> topLevel;
    uintptr_t nextHandle = 0x10000;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    bool standardControlsRegistered = false;
};

WindowManager& manager() {
    static WindowManager instance;
    return instance;
}

std::wstring lowerCase(const wchar_t* text) {
    std::wstring lower = text ? text : L"";
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return lower;
}

WindowClassRecord* findClass(const wchar_t* name) {
    WindowManager& wm = manager();
    if (!wm.standardControlsRegistered) {
        wm.standardControlsRegistered = true;
        registerStandardControls();
    }
    auto found = wm.classes.find(lowerCase(name));
    return found == wm.classes.end() ? nullptr : &found->second;
}

HWND newHandle() {
    return reinterpret_cast<HWND>(manager().nextHandle++);
}

bool isInside(HWND window, HWND ancestor) {
    for (HWND current = window; current;
         current = findWindow(current) ? findWindow(current)->parent : nullptr) {
        if (current == ancestor)
            return true;
    }
    return false;
}

std::vector<HWND>& siblingsOf(const NativeWindow& window) {
    if (NativeWindow* parent = findWindow(window.parent))
        return parent->children;
    return manager().topLevel;
}

RECT screenRect(const NativeWindow& window) {
    const POINT origin = screenOrigin(window);
    return {origin.x, origin.y, origin.x + (window.rect.right - window.rect.left),
            origin.y + (window.rect.bottom - window.rect.top)};
}

// Marks what a window covered, in its parent (for a top-level window nothing: the screen keeps
// its last picture there), as needing paint.
void exposeArea(const NativeWindow& window) {
    NativeWindow* parent = findWindow(window.parent);
    if (parent && !parent->destroying)
        InvalidateRect(parent->handle, &window.rect, true);
}

void sendActivation(HWND window, bool active, HWND other) {
    SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(active ? WA_ACTIVE : WA_INACTIVE, 0),
                 reinterpret_cast<LPARAM>(other));
}

void activate(HWND window) {
    WindowManager& wm = manager();
    if (wm.active == window)
        return;
    HWND previous = wm.active;
    wm.active = window;
    if (previous && findWindow(previous))
        sendActivation(previous, false, window);
    if (window)
        sendActivation(window, true, previous);
}

void destroyTree(HWND handle) {
    NativeWindow* window = findWindow(handle);
    if (!window || window->destroying)
        return;
    window->destroying = true;
    WindowManager& wm = manager();
    if (wm.capture && isInside(wm.capture, handle))
        wm.capture = nullptr;
    if (wm.focus && isInside(wm.focus, handle))
        wm.focus = nullptr;
    SendMessageW(handle, WM_DESTROY, 0, 0);
    // Handlers of WM_DESTROY may destroy children themselves: walk a copy and skip the gone.
    for (HWND child : std::vector<HWND>(window->children))
        destroyTree(child);
}

void removeTree(HWND handle) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return;
    for (HWND child : std::vector<HWND>(window->children))
        removeTree(child);
    if (!window->claimedName.empty())
        releaseName(window->claimedName);
    WindowManager& wm = manager();
    if (wm.active == handle)
        wm.active = nullptr;
    std::vector<HWND>& siblings = siblingsOf(*window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    wm.windows.erase(reinterpret_cast<uintptr_t>(handle));
}

} // namespace

NativeWindow* findWindow(HWND handle) {
    auto& windows = manager().windows;
    auto found = windows.find(reinterpret_cast<uintptr_t>(handle));
    return found == windows.end() ? nullptr : found->second.get();
}

const std::vector<HWND>& topLevelWindows() {
    return manager().topLevel;
}

HWND rootWindow(HWND handle) {
    HWND root = nullptr;
    for (NativeWindow* window = findWindow(handle); window; window = findWindow(window->parent))
        root = window->handle;
    return root;
}

POINT screenOrigin(const NativeWindow& window) {
    POINT origin{window.rect.left, window.rect.top};
    for (NativeWindow* parent = findWindow(window.parent); parent; parent = findWindow(parent->parent)) {
        origin.x += parent->rect.left;
        origin.y += parent->rect.top;
    }
    return origin;
}

void subtractRect(std::vector<RECT>& region, const RECT& cut) {
    if (isRectEmpty(cut))
        return;
    std::vector<RECT> result;
    result.reserve(region.size() + 4);
    for (const RECT& r : region) {
        const RECT overlap = intersectRects(r, cut);
        if (isRectEmpty(overlap)) {
            result.push_back(r);
            continue;
        }
        if (r.top < overlap.top)
            result.push_back({r.left, r.top, r.right, overlap.top});
        if (overlap.bottom < r.bottom)
            result.push_back({r.left, overlap.bottom, r.right, r.bottom});
        if (r.left < overlap.left)
            result.push_back({r.left, overlap.top, overlap.left, overlap.bottom});
        if (overlap.right < r.right)
            result.push_back({overlap.right, overlap.top, r.right, overlap.bottom});
    }
    region.swap(result);
}

std::vector<RECT> visibleRegion(HWND handle) {
    NativeWindow* window = findWindow(handle);
    if (!window || !IsWindowVisible(handle))
        return {};
    RECT area = screenRect(*window);
    for (NativeWindow* parent = findWindow(window->parent); parent; parent = findWindow(parent->parent))
        area = intersectRects(area, screenRect(*parent));
    std::vector<RECT> region;
    if (!isRectEmpty(area))
        region.push_back(area);
    for (HWND child : window->children) {
        const NativeWindow* childWindow = findWindow(child);
        if (childWindow && childWindow->visible)
            subtractRect(region, screenRect(*childWindow));
    }
    for (const NativeWindow* node = window; node; node = findWindow(node->parent)) {
        const std::vector<HWND>& siblings = siblingsOf(*node);
        auto position = std::find(siblings.begin(), siblings.end(), node->handle);
        for (auto above = position == siblings.end() ? position : position + 1; above != siblings.end();
             ++above) {
            const NativeWindow* sibling = findWindow(*above);
            if (sibling && sibling->visible)
                subtractRect(region, screenRect(*sibling));
        }
    }
    return region;
}

HWND windowNeedingPaint() {
    // Depth first, parents before children, bottom to top.
    std::vector<HWND> pending(manager().topLevel.rbegin(), manager().topLevel.rend());
    while (!pending.empty()) {
        const NativeWindow* window = findWindow(pending.back());
        pending.pop_back();
        if (!window || !window->visible || window->destroying)
            continue;
        if (!isRectEmpty(window->updateRect))
            return window->handle;
        pending.insert(pending.end(), window->children.rbegin(), window->children.rend());
    }
    return nullptr;
}

bool takeDueTimer(uint32_t now, HWND& handle, uintptr_t& id) {
    for (auto& [key, window] : manager().windows) {
        for (auto& [timerId, timer] : window->timers) {
            if (static_cast<int32_t>(now - timer.due) >= 0) {
                timer.due = now + timer.interval;
                handle = window->handle;
                id = timerId;
                return true;
            }
        }
    }
    return false;
}

bool isRemoteWindow(HWND window) {
    return manager().remoteWindows.count(reinterpret_cast<uintptr_t>(window)) != 0;
}

void bringNamedWindowToFront(const std::string& name) {
    for (HWND handle : std::vector<HWND>(manager().topLevel)) {
        const NativeWindow* window = findWindow(handle);
        if (window && window->claimedName == name) {
            traceTiming("asked to come to the front");
            SetForegroundWindow(handle);
        }
    }
}

bool RegisterClassW(const WNDCLASSW* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (findClass(windowClass->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return false;
    }
    WindowClassRecord record{*windowClass, windowClass->lpszClassName};
    auto& stored = manager().classes[lowerCase(windowClass->lpszClassName)] = std::move(record);
    stored.windowClass.lpszClassName = stored.name.c_str();
    stored.windowClass.lpszMenuName = nullptr;
    return true;
}

bool GetClassInfoW(HINSTANCE, const wchar_t* className, WNDCLASSW* windowClass) {
    const WindowClassRecord* record = findClass(className);
    if (!record) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return false;
    }
    if (windowClass)
        *windowClass = record->windowClass;
    return true;
}

std::wstring windowClassName(HWND handle) {
    const NativeWindow* window = findWindow(handle);
    return window ? window->className : std::wstring();
}

HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                     int width, int height, HWND parent, intptr_t id, HINSTANCE instance, void* param) {
    const WindowClassRecord* record = findClass(className);
    if (!record) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    NativeWindow* parentWindow = parent ? findWindow(parent) : nullptr;
    if ((parent && !parentWindow) || (parentWindow && parentWindow->destroying)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    WindowManager& wm = manager();
    auto window = std::make_unique<NativeWindow>();
    window->handle = newHandle();
    window->windowClass = record->windowClass;
    window->className = record->name;
    window->procedure = record->windowClass.lpfnWndProc;
    window->text = title ? title : L"";
    window->style = style;
    window->exStyle = exStyle;
    window->id = id;
    window->parent = parent;
    window->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
    window->visible = (style & WS_VISIBLE) != 0;
    window->enabled = (style & WS_DISABLED) == 0;
    HWND handle = window->handle;
    if (!parent) {
        // The first window of a name takes it (or the reservation FindWindowW made for it); a second
        // window of the same name in this process leaves it to the first.
        const std::string name = instanceName(window->className, window->text);
        const bool reserved = wm.reservedNames.erase(name) != 0;
        if ((reserved || !holdsName(name)) && claimName(name) == NameClaim::Claimed)
            window->claimedName = name;
    }
    wm.windows[reinterpret_cast<uintptr_t>(handle)] = std::move(window);
    (parentWindow ? parentWindow->children : wm.topLevel).push_back(handle);

    CREATESTRUCTW create;
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = id;
    create.hwndParent = parent;
    create.cx = std::max(width, 0);
    create.cy = std::max(height, 0);
    create.x = x;
    create.y = y;
    create.style = style;
    create.lpszName = title;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    if (SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!findWindow(handle))
        return nullptr; // destroyed by its own WM_CREATE handler
    SendMessageW(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(create.cx, create.cy));
    NativeWindow* created = findWindow(handle);
    if (created && created->visible) {
        InvalidateRect(handle, nullptr, true);
        if (!parent) {
            openDisplayWindow(created->text);
            activate(handle);
        }
    }
    return findWindow(handle) ? handle : nullptr;
}

bool DestroyWindow(HWND handle) {
    NativeWindow* window = findWindow(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (window->destroying)
        return true;
    const HWND parent = window->parent;
    const RECT area = window->rect;
    const bool wasVisible = window->visible;
    destroyTree(handle);
    removeTree(handle);
    NativeWindow* parentWindow = findWindow(parent);
    if (parentWindow && !parentWindow->destroying && wasVisible)
        InvalidateRect(parent, &area, true);
    if (!parent && manager().topLevel.empty())
        closeDisplayWindow();
    return true;
}

bool IsWindow(HWND handle) {
    return findWindow(handle) != nullptr;
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}

LRESULT SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWindow* window = findWindow(handle);
    if (!window || !window->procedure)
        return 0;
    return window->procedure(handle, message, wParam, lParam);
}

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return 0;
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(handle, &paint);
        EndPaint(handle, &paint);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = window->windowClass.hbrBackground;
        if (!brush || brush->hollow)
            return 0;
        RECT client;
        GetClientRect(handle, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        return 1;
    }
    case WM_SETTEXT:
        window->text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
        if (!window->parent)
            setDisplayTitle(window->text);
        return 1;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        const int capacity = static_cast<int>(wParam);
        if (!buffer || capacity <= 0)
            return 0;
        const int count = std::min(capacity - 1, static_cast<int>(window->text.size()));
        std::copy_n(window->text.begin(), count, buffer);
        buffer[count] = L'\0';
        return count;
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    default:
        return 0;
    }
}

LONG_PTR GetWindowLongW(HWND handle, int index) {
    const NativeWindow* window = findWindow(handle);
    if (!window)
        return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->procedure);
    case GWL_STYLE:
        return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(window->exStyle);
    case GWL_USERDATA:
        return window->userData;
    case GWL_ID:
        return window->id;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongW(HWND handle, int index, LONG_PTR value) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return 0;
    const LONG_PTR previous = GetWindowLongW(handle, index);
    switch (index) {
    case GWL_WNDPROC:
        window->procedure = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_STYLE:
        window->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        window->exStyle = static_cast<DWORD>(value);
        break;
    case GWL_USERDATA:
        window->userData = value;
        break;
    case GWL_ID:
        window->id = value;
        break;
    default:
        return 0;
    }
    return previous;
}

HWND FindWindowW(const wchar_t* className, const wchar_t* title) {
    WindowManager& wm = manager();
    const std::wstring wantedClass = lowerCase(className);
    const std::wstring wantedTitle = title ? title : L"";
    for (HWND handle : wm.topLevel) {
        const NativeWindow* window = findWindow(handle);
        if (window && !window->destroying && lowerCase(window->className.c_str()) == wantedClass &&
            window->text == wantedTitle)
            return handle;
    }
    const std::string name = instanceName(className ? className : L"", wantedTitle);
    const bool heldHere = holdsName(name);
    const NameClaim claim = claimName(name);
    if (claim == NameClaim::Claimed && !heldHere)
        wm.reservedNames.insert(name);
    if (claim != NameClaim::HeldElsewhere)
        return nullptr;
    for (const auto& [key, remoteName] : wm.remoteWindows) {
        if (remoteName == name)
            return reinterpret_cast<HWND>(key);
    }
    HWND proxy = newHandle();
    wm.remoteWindows[reinterpret_cast<uintptr_t>(proxy)] = name;
    return proxy;
}

bool SetForegroundWindow(HWND handle) {
    WindowManager& wm = manager();
    if (auto remote = wm.remoteWindows.find(reinterpret_cast<uintptr_t>(handle));
        remote != wm.remoteWindows.end())
        return sendFrontRequest(remote->second);
    HWND root = rootWindow(handle);
    if (!root)
        return false;
    auto& order = wm.topLevel;
    order.erase(std::remove(order.begin(), order.end(), root), order.end());
    order.push_back(root);
    raiseDisplayWindow();
    activate(root);
    return true;
}

HWND GetForegroundWindow() {
    return manager().active;
}

HWND GetActiveWindow() {
    return manager().active;
}

void setApplicationActive(bool active) {
    WindowManager& wm = manager();
    if (active) {
        if (!wm.active && !wm.topLevel.empty())
            activate(wm.topLevel.back());
    } else if (wm.active) {
        activate(nullptr);
    }
}

bool MoveWindow(HWND handle, int x, int y, int width, int height, bool repaint) {
    NativeWindow* window = findWindow(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
    const RECT old = window->rect;
    const bool resized = old.right - old.left != width || old.bottom - old.top != height;
    window->rect = {x, y, x + width, y + height};
    if (repaint && window->visible) {
        if (NativeWindow* parent = findWindow(window->parent))
            InvalidateRect(parent->handle, &old, true);
        InvalidateRect(handle, nullptr, true);
    }
    if (resized)
        SendMessageW(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    return true;
}

bool ShowWindow(HWND handle, int command) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return false;
    const bool wasVisible = window->visible;
    const bool show = command != SW_HIDE;
    if (show == wasVisible)
        return wasVisible;
    SendMessageW(handle, WM_SHOWWINDOW, show ? 1 : 0, 0);
    if (!(window = findWindow(handle)))
        return wasVisible;
    window->visible = show;
    if (show) {
        InvalidateRect(handle, nullptr, true);
        if (!window->parent) {
            openDisplayWindow(window->text);
            activate(handle);
        }
    } else {
        exposeArea(*window);
        WindowManager& wm = manager();
        if (wm.focus && isInside(wm.focus, handle))
            wm.focus = nullptr;
    }
    return wasVisible;
}

bool IsWindowVisible(HWND handle) {
    for (const NativeWindow* window = findWindow(handle); window; window = findWindow(window->parent)) {
        if (!window->visible)
            return false;
    }
    return findWindow(handle) != nullptr;
}

bool EnableWindow(HWND handle, bool enable) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return false;
    const bool wasDisabled = !window->enabled;
    if (window->enabled != enable) {
        window->enabled = enable;
        SendMessageW(handle, WM_ENABLE, enable ? 1 : 0, 0);
        InvalidateRect(handle, nullptr, true);
    }
    return wasDisabled;
}

bool IsWindowEnabled(HWND handle) {
    const NativeWindow* window = findWindow(handle);
    return window && window->enabled;
}

HWND SetFocus(HWND handle) {
    WindowManager& wm = manager();
    HWND previous = wm.focus;
    if (handle && !findWindow(handle))
        return nullptr;
    if (handle == previous)
        return previous;
    wm.focus = handle;
    if (previous && findWindow(previous))
        SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (handle && wm.focus == handle)
        SendMessageW(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus() {
    return manager().focus;
}

bool GetClientRect(HWND handle, RECT* rect) {
    const NativeWindow* window = findWindow(handle);
    if (!window || !rect)
        return false;
    *rect = {0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    return true;
}

bool GetWindowRect(HWND handle, RECT* rect) {
    const NativeWindow* window = findWindow(handle);
    if (!window || !rect)
        return false;
    *rect = screenRect(*window);
    return true;
}

bool ClientToScreen(HWND handle, POINT* point) {
    const NativeWindow* window = findWindow(handle);
    if (!window || !point)
        return false;
    const POINT origin = screenOrigin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return true;
}

bool ScreenToClient(HWND handle, POINT* point) {
    const NativeWindow* window = findWindow(handle);
    if (!window || !point)
        return false;
    const POINT origin = screenOrigin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return true;
}

HWND GetParent(HWND handle) {
    const NativeWindow* window = findWindow(handle);
    return window ? window->parent : nullptr;
}

HWND GetWindow(HWND handle, int relation) {
    const NativeWindow* window = findWindow(handle);
    if (!window)
        return nullptr;
    if (relation == GW_CHILD)
        return window->children.empty() ? nullptr : window->children.front();
    if (relation == GW_HWNDNEXT) {
        const std::vector<HWND>& siblings = siblingsOf(*window);
        auto position = std::find(siblings.begin(), siblings.end(), handle);
        if (position != siblings.end() && position + 1 != siblings.end())
            return *(position + 1);
    }
    return nullptr;
}

HWND GetDlgItem(HWND parent, int id) {
    const NativeWindow* window = findWindow(parent);
    if (!window)
        return nullptr;
    for (HWND child : window->children) {
        const NativeWindow* childWindow = findWindow(child);
        if (childWindow && childWindow->id == id)
            return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND handle) {
    const NativeWindow* window = findWindow(handle);
    return window ? static_cast<int>(window->id) : 0;
}

HWND WindowFromPoint(POINT point) {
    const std::vector<HWND>& topLevel = manager().topLevel;
    HWND found = nullptr;
    const std::vector<HWND>* candidates = &topLevel;
    for (bool descended = true; descended;) {
        descended = false;
        for (auto it = candidates->rbegin(); it != candidates->rend(); ++it) {
            const NativeWindow* window = findWindow(*it);
            if (!window || !window->visible || !window->enabled || window->destroying)
                continue;
            if (pointInRect(screenRect(*window), point.x, point.y)) {
                found = *it;
                candidates = &window->children;
                descended = true;
                break;
            }
        }
    }
    return found;
}

bool SetWindowTextW(HWND handle, const wchar_t* text) {
    if (!findWindow(handle))
        return false;
    SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L""));
    return true;
}

int GetWindowTextW(HWND handle, wchar_t* buffer, int maxCount) {
    return static_cast<int>(
        SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND handle) {
    return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0));
}

std::wstring windowText(HWND handle) {
    const int length = GetWindowTextLengthW(handle);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle, text.data(), length + 1)));
    return text;
}

uintptr_t SetTimer(HWND handle, uintptr_t id, UINT milliseconds, void*) {
    NativeWindow* window = findWindow(handle);
    if (!window)
        return 0;
    const UINT interval = std::max<UINT>(milliseconds, 1);
    window->timers[id] = {interval, GetTickCount() + interval};
    return id;
}

bool KillTimer(HWND handle, uintptr_t id) {
    NativeWindow* window = findWindow(handle);
    return window && window->timers.erase(id) != 0;
}

HWND SetCapture(HWND handle) {
    WindowManager& wm = manager();
    HWND previous = wm.capture;
    wm.capture = findWindow(handle) ? handle : nullptr;
    return previous;
}

bool ReleaseCapture() {
    manager().capture = nullptr;
    return true;
}

HWND GetCapture() {
    return manager().capture;
}

HICON LoadIconW(HINSTANCE, int id) {
    return reinterpret_cast<HICON>(static_cast<uintptr_t>(id));
}

} // namespace velmora
