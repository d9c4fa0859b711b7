#include "gui/open_document.h"

#include "platform/messages.h"
#include "platform/shell_services.h"

#include <string>

namespace velmora {

bool openDocument(std::wstring_view folder, std::wstring_view fileName) {
    std::wstring path(folder);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    path += fileName;
    SHELLEXECUTEINFOW info;
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteEx(&info);
}

} // namespace velmora
