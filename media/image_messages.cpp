#include "media/image_messages.h"

#include "platform/message_box.h"
#include "platform/native_window.h"

namespace velmora {

void showImageMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon) {
    if (icon == MessageIcon::Error)
        MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    else
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace velmora
