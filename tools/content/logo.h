#pragma once
// The game's title logo: the name in bold slanted letters, white to yellow, with a deep green and
// a white outline, a swoosh with a ball behind it and a "GOLF" tag under it.

#include <cairo.h>

namespace velmora::content {

// Centred on (cx, cy); size is the height of the letters in pixels.
void drawLogo(cairo_t* cr, double cx, double cy, double size, bool withTag = true);

} // namespace velmora::content
