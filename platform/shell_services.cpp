#include "platform/shell_services.h"

#include "base/wide_string.h"
#include "platform/device_profile.h"
#include "platform/last_error.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cwchar>

namespace velmora {

namespace {
DWORD fullScreen = 0;
} // namespace

bool SHFullScreen(HWND, DWORD state) {
    fullScreen = state;
    return true;
}

DWORD fullScreenState() {
    return fullScreen;
}

bool SHSipPreference(HWND, int) {
    return true;
}

bool SipShowIM(DWORD) {
    return true;
}

bool ShellExecuteEx(SHELLEXECUTEINFOW* info) {
    if (!info || !info->lpFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    std::wstring path = info->lpFile;
    replaceChar(path, L'\\', L'/');
    const std::string file = toUtf8(path);
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) {
        setLastErrorFromErrno(errno);
        return false;
    }
    // The opener runs in a grandchild so that nothing is left to reap and the game never waits.
    const pid_t child = fork();
    if (child < 0) {
        setLastErrorFromErrno(errno);
        return false;
    }
    if (child == 0) {
        if (fork() == 0) {
            for (int fd = 3; fd < 1024; ++fd)
                close(fd);
            char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(file.c_str()), nullptr};
            execvp("xdg-open", argv);
        }
        _exit(0);
    }
    int ignored = 0;
    waitpid(child, &ignored, 0);
    return true;
}

bool SystemParametersInfoW(UINT action, UINT param, void* buffer, UINT) {
    if (action != SPI_GETOEMINFO || !buffer || param == 0)
        return false;
    auto* text = static_cast<wchar_t*>(buffer);
    const std::wstring& information = deviceProfile().oemInfo;
    const size_t count = std::min<size_t>(param - 1, information.size());
    std::wmemcpy(text, information.data(), count);
    text[count] = L'\0';
    return true;
}

bool GetVersionExW(OSVERSIONINFOW* info) {
    if (!info)
        return false;
    info->dwMajorVersion = deviceProfile().osMajorVersion;
    info->dwMinorVersion = deviceProfile().osMinorVersion;
    info->dwBuildNumber = 1;
    info->dwPlatformId = 3;
    info->szCSDVersion[0] = L'\0';
    return true;
}

} // namespace velmora
