#pragma once
// The free fonts the generators draw with, opened once through FreeType for cairo.

#include <cairo.h>

namespace velmora::content {

enum class Font {
    Label,        // Liberation Sans Bold: button labels, titles
    LabelSlanted, // Liberation Sans Bold Italic: the logo and big sporty labels
    Body,         // DejaVu Sans Bold: glyph grids, small print that must stay legible
    Regular,      // DejaVu Sans: running text in pictures
};

// False (with a message) when a font file cannot be opened.
bool openFonts();
cairo_font_face_t* fontFace(Font font);

// Selects the font at the given pixel size on the context.
void useFont(cairo_t* cr, Font font, double size);

} // namespace velmora::content
