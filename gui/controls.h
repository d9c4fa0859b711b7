#pragma once
// The native controls a template's AWT components place on a page, as toolkit windows with the
// class names and styles their kinds call for.

#include "gui/window.h"

#include <memory>
#include <string>

namespace velmora {

enum class AWTType { Button = 0, Edit = 1, ComboBox = 2, ListBox = 3, Label = 4, Static = 5, TextArea = 6 };

// A child control window of the given kind, not yet created: add it to a page with addChild.
std::unique_ptr<Window> createControl(AWTType type, int id, const std::wstring& text);

} // namespace velmora
