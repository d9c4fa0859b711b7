#pragma once
// The program's icon for desktop menus, launchers and window lists: a golf ball before a flag on
// its green, in a rounded square of sky and grass.

#include "picture.h"

#include <array>

namespace velmora::content {

// The sizes of the hicolor icon theme that desktops look for.
inline constexpr std::array<int, 7> desktopIconSizes = {16, 24, 32, 48, 64, 128, 256};

// The icon at size x size pixels, transparent around its rounded corners.
Picture drawDesktopIcon(int size);

} // namespace velmora::content
