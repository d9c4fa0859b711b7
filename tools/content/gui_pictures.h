#pragma once
// Every picture of the GUI folder except the fonts: backgrounds, buttons, marks, the heads-up
// display, menus, panels, the message box, the keyboard, icons and the hole-result picture.

#include "assets.h"

namespace velmora::content {

void addButtonsAndMarks(AssetSet& assets);
void addBackgrounds(AssetSet& assets);
void addHud(AssetSet& assets);
void addDialogs(AssetSet& assets);
void addIcons(AssetSet& assets);
void addCourseProps(AssetSet& assets); // scenes/golfball/ballshadow.jpg

} // namespace velmora::content
