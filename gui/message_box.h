#pragma once
// The page's message box: the sprite scene "sceneMessageBox" of the template
// "messagebox.properties", added to a page on its first message and then only shown and hidden.
// While shown it is the topmost sprite scene, so it takes every tap; its buttons reach the page's
// mouse listener as releases over "btnOK", "btnYes" or "btnNo", and the page tells its messages
// apart by the key stored with each.

#include "render/texture.h"

#include <optional>
#include <string>

namespace velmora {

class Canvas;

enum class MessageButtons { Ok = 0, YesNo = 1, None = 2 };

inline constexpr wchar_t messageBoxSceneName[] = L"sceneMessageBox";
inline constexpr wchar_t messageBoxTemplateName[] = L"messagebox.properties";

// Shows text with the chosen buttons and picture (none: the template's own background only) as
// the message key; with animate the box slides in from above, between arm decorations.
void showMessage(Canvas& page, const std::wstring& text, const std::wstring& key, MessageButtons buttons,
                 Texture* picture, bool animate);
// Hides the box (sliding it out with animate); nothing happens on a page without one.
void hideMessage(Canvas& page, bool animate);
// True while the page's message box is shown.
bool isMessageOpen(const Canvas& page);
// The key of the message shown last, or none when the page has no message box.
std::optional<std::wstring> messageKey(const Canvas& page);

// The folder messagebox.properties is read from: the program's GUI folder unless another is set.
const std::wstring& messageBoxFolder();
void setMessageBoxFolder(const std::wstring& folder);

} // namespace velmora
