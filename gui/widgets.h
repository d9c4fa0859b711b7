#pragma once
// The behaviour of widget sprites (buttons, check boxes, hyperlinks, tip links, edit boxes) when
// the stylus presses and releases them. The canvas runs it for the pressed node after the page's
// mouse listener has seen the message, then repaints.

#include "render/sprite.h"

#include <string>

namespace velmora {

class Canvas;

// The widget kind named by a template's "GUIType" item (any case); None for anything else.
GuiType guiTypeFromName(const std::wstring& name);

void pressWidget(Canvas& page, Sprite& node);
void releaseWidget(Canvas& page, Sprite& node);

// The message a check box shows when its group has no line in the page template.
inline constexpr wchar_t missingGroupMessage[] =
    L"The property \"grpName=GUIType:checkboxGroup, selected:0\" need to be added into template.";

} // namespace velmora
