#include "fonts.h"

#include <cairo-ft.h>
#include <cstdio>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace velmora::content {
namespace {

// Paths come from the build (the Debian packages fonts-liberation2 and fonts-dejavu-core).
const char* const kPaths[] = {VELMORA_FONT_LABEL, VELMORA_FONT_LABEL_SLANTED, VELMORA_FONT_BODY,
                              VELMORA_FONT_REGULAR};
constexpr int kFontCount = sizeof kPaths / sizeof kPaths[0];

FT_Library library = nullptr;
cairo_font_face_t* faces[kFontCount] = {};

} // namespace

bool openFonts() {
    if (!library && FT_Init_FreeType(&library) != 0)
        return false;
    for (int i = 0; i < kFontCount; ++i) {
        if (faces[i])
            continue;
        FT_Face face = nullptr;
        if (FT_New_Face(library, kPaths[i], 0, &face) != 0) {
            std::fprintf(stderr, "cannot open the font %s\n", kPaths[i]);
            return false;
        }
        // The faces live as long as the process: generators are short-lived tools.
        faces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
    }
    return true;
}

cairo_font_face_t* fontFace(Font font) {
    return faces[int(font)];
}

void useFont(cairo_t* cr, Font font, double size) {
    cairo_set_font_face(cr, fontFace(font));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace velmora::content
