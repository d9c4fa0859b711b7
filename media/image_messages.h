#pragma once
// How the image loaders tell the player about a picture they cannot show.

#include <string>

namespace velmora {

enum class MessageIcon { Exclamation, Error };

void showImageMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon);

} // namespace velmora
