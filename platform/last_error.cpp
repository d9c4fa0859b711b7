#include "platform/last_error.h"

#include "base/wide_string.h"

#include <cerrno>

namespace velmora {

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD error) {
    lastError = error;
}

void setLastErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
    case 0:
        lastError = ERROR_SUCCESS;
        break;
    case ENOENT:
        lastError = ERROR_FILE_NOT_FOUND;
        break;
    case ENOTDIR:
        lastError = ERROR_PATH_NOT_FOUND;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        lastError = ERROR_ACCESS_DENIED;
        break;
    case ENOMEM:
        lastError = ERROR_NOT_ENOUGH_MEMORY;
        break;
    case EEXIST:
        lastError = ERROR_ALREADY_EXISTS;
        break;
    default:
        lastError = ERROR_INVALID_PARAMETER;
        break;
    }
}

std::wstring FormatMessageW(DWORD, DWORD messageId) {
    const wchar_t* text = nullptr;
    switch (messageId) {
    case ERROR_SUCCESS:
        text = L"The operation completed successfully.";
        break;
    case ERROR_FILE_NOT_FOUND:
        text = L"The system cannot find the file specified.";
        break;
    case ERROR_PATH_NOT_FOUND:
        text = L"The system cannot find the path specified.";
        break;
    case ERROR_ACCESS_DENIED:
        text = L"Access is denied.";
        break;
    case ERROR_INVALID_HANDLE:
        text = L"The handle is invalid.";
        break;
    case ERROR_NOT_ENOUGH_MEMORY:
        text = L"Not enough storage is available to process this command.";
        break;
    case ERROR_INVALID_PARAMETER:
        text = L"The parameter is incorrect.";
        break;
    case ERROR_ALREADY_EXISTS:
        text = L"Cannot create a file when that file already exists.";
        break;
    case ERROR_INVALID_WINDOW_HANDLE:
        text = L"Invalid window handle.";
        break;
    case ERROR_CANNOT_FIND_WND_CLASS:
        text = L"Cannot find window class.";
        break;
    case ERROR_CLASS_ALREADY_EXISTS:
        text = L"Class already exists.";
        break;
    default:
        return formatWide(L"Error %u.\r\n", static_cast<unsigned>(messageId));
    }
    return std::wstring(text) + L"\r\n";
}

} // namespace velmora
