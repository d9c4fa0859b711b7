#pragma once
// Services of the handheld's shell: the full-screen switch, the input panel, opening a document
// with its default application, and the device information the display output asks for.

#include "platform/types.h"

#include <string>

namespace velmora {

enum FullScreenFlags : DWORD {
    SHFS_SHOWTASKBAR = 0x0001,
    SHFS_HIDETASKBAR = 0x0002,
    SHFS_SHOWSIPBUTTON = 0x0004,
    SHFS_HIDESIPBUTTON = 0x0008,
    SHFS_SHOWSTARTICON = 0x0010,
    SHFS_HIDESTARTICON = 0x0020,
};
// The desktop has no task bar to hide: the request is only remembered (fullScreenState).
bool SHFullScreen(HWND window, DWORD state);
DWORD fullScreenState();

// Raising and lowering the on-screen keyboard: the desktop has a real one, so nothing happens.
enum SipState : int { SIP_UP = 0, SIP_DOWN = 1 };
bool SHSipPreference(HWND window, int state);
bool SipShowIM(DWORD flags);
constexpr DWORD SIPF_OFF = 0;
constexpr DWORD SIPF_ON = 1;

struct SHELLEXECUTEINFOW {
    DWORD cbSize = sizeof(SHELLEXECUTEINFOW);
    DWORD fMask = 0;
    HWND hwnd = nullptr;
    const wchar_t* lpVerb = nullptr;
    const wchar_t* lpFile = nullptr; // the game's backslash path
    const wchar_t* lpParameters = nullptr;
    const wchar_t* lpDirectory = nullptr;
    int nShow = 0;
};
// Opens the file with the desktop's default application (xdg-open), without waiting for it.
// False when the file does not exist or no opener can be started.
bool ShellExecuteEx(SHELLEXECUTEINFOW* info);

// SPI_GETOEMINFO: the device profile's maker string, cut to the buffer (param characters with the
// terminator).
constexpr UINT SPI_GETOEMINFO = 258;
bool SystemParametersInfoW(UINT action, UINT param, void* buffer, UINT flags);

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    wchar_t szCSDVersion[128] = {};
};
// Reports the device profile's system version (5.1 unless the environment says otherwise).
bool GetVersionExW(OSVERSIONINFOW* info);

} // namespace velmora
