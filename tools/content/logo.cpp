#include "logo.h"

#include "draw.h"
#include "fonts.h"
#include "look.h"
#include "scenery.h"

#include <cmath>

namespace velmora::content {

using namespace look;

void drawLogo(cairo_t* cr, double cx, double cy, double size, bool withTag) {
    const char* name = "VELMORA";
    cairo_save(cr);
    useFont(cr, Font::LabelSlanted, size * 1.3);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, name, &extents);
    const double tracking = size * 0.02;
    const double width = extents.x_advance + tracking * 6;
    const double left = cx - width / 2, baseline = cy + size * 0.45;
    // The swoosh: a sweep under the word rising to a ball at its right end.
    cairo_new_path(cr);
    cairo_move_to(cr, left + width * 0.02, baseline + size * 0.18);
    cairo_curve_to(cr, left + width * 0.4, baseline + size * 0.42, left + width * 0.8, baseline + size * 0.3,
                   left + width * 1.02, baseline - size * 0.35);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kInk);
    cairo_set_line_width(cr, size * 0.2);
    cairo_stroke_preserve(cr);
    setColour(cr, kOrange);
    cairo_set_line_width(cr, size * 0.1);
    cairo_stroke(cr);
    drawGolfBall(cr, left + width * 1.04, baseline - size * 0.42, size * 0.17);
    // The letters: a wide white rim, a deep green outline, a white-to-yellow fill.
    cairo_new_path(cr);
    double x = left;
    for (const char* c = name; *c; ++c) {
        const char one[2] = {*c, 0};
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, one);
        cairo_text_extents_t letter;
        cairo_text_extents(cr, one, &letter);
        x += letter.x_advance + tracking;
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_save(cr);
    cairo_translate(cr, size * 0.06, size * 0.08);
    setColour(cr, kInk);
    cairo_set_line_width(cr, size * 0.36);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    setColour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, size * 0.36);
    cairo_stroke_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, size * 0.18);
    cairo_stroke_preserve(cr);
    setVerticalGradient(cr, baseline - size, baseline, {{0, 0xFFFFFF}, {0.45, 0xFFF3A0}, {1, kYellow}});
    cairo_fill(cr);
    cairo_restore(cr);
    if (withTag) {
        const double tagW = size * 2.1, tagH = size * 0.52;
        const double tagX = cx + width / 2 - tagW - size * 0.1, tagY = baseline + size * 0.22;
        roundedRectangle(cr, tagX, tagY, tagW, tagH, tagH / 2);
        setVerticalGradient(cr, tagY, tagY + tagH, {{0, kGreenLight}, {1, kGreenButton}});
        cairo_fill_preserve(cr);
        setColour(cr, kInk);
        cairo_set_line_width(cr, std::max(2.0, size * 0.06));
        cairo_stroke(cr);
        drawTextCentred(
            cr, "GOLF", tagX + tagW / 2, tagY + tagH / 2,
            {Font::LabelSlanted, tagH * 0.78, 0xFFFFFF, std::max(1.5, size * 0.04), kInk, 0, 0, size * 0.08});
    }
}

} // namespace velmora::content
