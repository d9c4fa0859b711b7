#pragma once
// The last error of a failed system call and its text, for the error reports that show it.

#include "platform/types.h"

#include <string>

namespace velmora {

enum SystemError : DWORD {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_PATH_NOT_FOUND = 3,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_NOT_ENOUGH_MEMORY = 8,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_ALREADY_EXISTS = 183,
    ERROR_INVALID_WINDOW_HANDLE = 1400,
    ERROR_CANNOT_FIND_WND_CLASS = 1407,
    ERROR_CLASS_ALREADY_EXISTS = 1410,
};

DWORD GetLastError();
void SetLastError(DWORD error);
// Records the error that errno describes.
void setLastErrorFromErrno(int errnoValue);

constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
// The system's text for an error code, ending with a line break as the original does.
std::wstring FormatMessageW(DWORD flags, DWORD messageId);

} // namespace velmora
