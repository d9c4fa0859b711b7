#include "media/image_messages.h"

#include "base/wide_string.h"

#include <cstdio>

namespace velmora {

void showImageMessage(const std::wstring& text, const std::wstring& title, MessageIcon) {
    std::fprintf(stderr, "%s: %s\n", toUtf8(title).c_str(), toUtf8(text).c_str());
}

} // namespace velmora
