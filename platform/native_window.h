#pragma once
// Native windows: classes with window procedures, top-level and child windows placed on the
// device screen, user data, focus, activation, timers and the standard controls. A child's
// rectangle is relative to its parent's client area; windows have no frame, so the client area
// is the whole window. Children lie above their parent, later siblings above earlier ones, and
// drawing into a window never covers its visible children or the windows above it.

#include "platform/gdi.h"
#include "platform/types.h"

#include <string>

namespace velmora {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSW {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr; // erases the background; null or the null brush: nothing
    const wchar_t* lpszMenuName = nullptr;
    const wchar_t* lpszClassName = nullptr;
};

// Registers a class by name; false (ERROR_CLASS_ALREADY_EXISTS) when the name is taken. Class
// names compare without regard to case. The standard controls "BUTTON", "EDIT", "STATIC",
// "LISTBOX" and "COMBOBOX" are known from the start.
bool RegisterClassW(const WNDCLASSW* windowClass);
bool GetClassInfoW(HINSTANCE instance, const wchar_t* className, WNDCLASSW* windowClass);
std::wstring windowClassName(HWND window);

struct CREATESTRUCTW {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    intptr_t hMenu = 0; // a child's identifier
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    const wchar_t* lpszName = nullptr;
    const wchar_t* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// Creates a window and sends it WM_CREATE (lParam the CREATESTRUCTW whose lpCreateParams is param)
// and WM_SIZE. A visible top-level window is shown in the program's window on the desktop and
// becomes the active window. Null, with the last error set, when the class is unknown, the parent
// is not a window, or WM_CREATE returns -1.
HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                     int width, int height, HWND parent, intptr_t id, HINSTANCE instance, void* param);
// Sends WM_DESTROY to the window and then to its children, and removes them all.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window's procedure at once; 0 for a window that does not exist.
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

LONG_PTR GetWindowLongW(HWND window, int index);
// Returns the previous value. GWL_WNDPROC replaces the procedure (subclassing).
LONG_PTR SetWindowLongW(HWND window, int index, LONG_PTR value);

// A top-level window of that class and title. Also finds one held by another process of the
// user (see single_instance.h): the handle then stands for that window, and SetForegroundWindow
// asks the other process to bring it to the front. When nobody holds the name, this process
// reserves it, so that two instances starting together cannot both miss each other.
HWND FindWindowW(const wchar_t* className, const wchar_t* title);
bool SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
HWND GetActiveWindow();

bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
bool ShowWindow(HWND window, int command);
bool IsWindowVisible(HWND window); // the window and all its ancestors are shown
bool EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);

// Sends WM_KILLFOCUS to the window losing the focus and WM_SETFOCUS to the one gaining it;
// returns the previous focus window.
HWND SetFocus(HWND window);
HWND GetFocus();

bool GetClientRect(HWND window, RECT* rect);
bool GetWindowRect(HWND window, RECT* rect); // device-screen coordinates
bool ClientToScreen(HWND window, POINT* point);
bool ScreenToClient(HWND window, POINT* point);
HWND GetParent(HWND window);
HWND GetWindow(HWND window, int relation);
enum : int { GW_HWNDNEXT = 2, GW_CHILD = 5 };
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND window);
// The deepest visible, enabled window under a device-screen point; null outside every window.
HWND WindowFromPoint(POINT point);

bool SetWindowTextW(HWND window, const wchar_t* text);
// Copies at most maxCount - 1 characters and a terminator; returns the characters copied.
int GetWindowTextW(HWND window, wchar_t* buffer, int maxCount);
int GetWindowTextLengthW(HWND window);
std::wstring windowText(HWND window);

// Window timers post WM_TIMER (wParam the identifier) every interval while the queue is idle.
uintptr_t SetTimer(HWND window, uintptr_t id, UINT milliseconds, void* unused);
bool KillTimer(HWND window, uintptr_t id);

// Pointer messages go to the capturing window wherever the pointer is. A press captures the
// pressed window until the release, so that a release is never lost.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();

HCURSOR LoadCursorW(HINSTANCE instance, int id);
HCURSOR SetCursor(HCURSOR cursor);
enum : int { IDC_ARROW = 32512, IDC_IBEAM = 32513, IDC_HAND = 32649 };
HICON LoadIconW(HINSTANCE instance, int id);

} // namespace velmora
