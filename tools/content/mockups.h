#pragma once
// Mockups: every screen put together from its background, pictures and sample texts as the game
// will show it at 480 x 640, for a person to check the layout and the art together.

#include "assets.h"
#include "pages.h"
#include "picture.h"

#include <string>

namespace velmora::content {

// The screen of a page at 480 x 640; pop-ups are shown over the game screen, the message box over
// the main menu.
Picture mockup(const Page& page, const AssetSet& assets);

// Pictures whose size must be twice their rectangle (copied unscaled at 480 x 640); returns a
// description of every mismatch, empty when all fit.
std::string checkPictureSizes(const AssetSet& assets);

} // namespace velmora::content
