#pragma once
// Icons: the club and lie icons of the heads-up display (GUI/icons, 40 x 40 pixels) and the small
// glyphs drawn on buttons and panels.

#include "picture.h"
#include "widgets.h"

#include <cairo.h>
#include <string>

namespace velmora::content {

constexpr int kIconSize = 40;

enum class ClubIcon { Wood, Iron, Wedge, Putter };
enum class LieIcon { Tee, Cup, Green, Fairway, Bunker, Water, Rough };

Picture clubIcon(ClubIcon club);
Picture lieIcon(LieIcon lie);

// A club head with its shaft, drawn into box (for icons and the club menu).
void drawClubGlyph(cairo_t* cr, const Box& box, ClubIcon club);

enum class Glyph { Menu, Wind, Flag, Slope, Save, Swing };
void drawGlyph(cairo_t* cr, const Box& box, Glyph glyph, uint32_t fill, uint32_t ink);

} // namespace velmora::content
