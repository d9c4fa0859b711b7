#include "figure_parts.h"

#include "draw.h"

#include <cmath>

namespace velmora::content::figure {

uint32_t darker(uint32_t rgb) {
    return shade(rgb, 0.78);
}

void limbPath(cairo_t* cr, const Vec* points, int count, double width, uint32_t fill) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, points[0].x, points[0].y);
        for (int i = 1; i < count; ++i)
            cairo_line_to(cr, points[i].x, points[i].y);
        setColour(cr, pass == 0 ? kOutline : fill);
        cairo_set_line_width(cr, pass == 0 ? width + 2 * kOutlineWidth : width);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void limb(cairo_t* cr, Vec a, Vec b, double width, uint32_t fill) {
    const Vec points[] = {a, b};
    limbPath(cr, points, 2, width, fill);
}

void fillOutlined(cairo_t* cr, uint32_t fill) {
    fillWithOutline(cr, fill, kOutline, kOutlineWidth);
}

void blob(cairo_t* cr, Vec centre, double rx, double ry, double angle, uint32_t fill) {
    cairo_new_path(cr);
    ellipsePath(cr, centre.x, centre.y, rx, ry, angle);
    fillOutlined(cr, fill);
}

void shoe(cairo_t* cr, Vec ankle, double direction, double heelLift, uint32_t colour) {
    if (direction == 0) {
        blob(cr, ankle + Vec{0, 8}, 15, 11, 0, colour);
        return;
    }
    // Side view: the sole runs from heel to toe; lifting the heel turns it about the toe.
    const double tilt = heelLift * 0.8;
    const Vec toe = ankle + Vec{30 * direction, 10};
    const Vec centre = toe - Vec{direction * std::cos(tilt), std::sin(tilt)} * 24;
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, tilt * direction);
    cairo_new_path(cr);
    roundedRectangle(cr, -27, -9, 54, 18, 9);
    cairo_restore(cr);
    fillOutlined(cr, colour);
}

void drawClub(cairo_t* cr, Club club, Vec hands, double angle, double shorten) {
    if (club == Club::None)
        return;
    const double length = (club == Club::Driver ? 190 : club == Club::Wedge ? 170 : 138) * shorten;
    const Vec direction{std::cos(angle), std::sin(angle)};
    const Vec grip = hands - direction * 16;
    const Vec head = hands + direction * length;
    limb(cr, grip, hands + direction * 10, 9, 0x2B2B2B); // grip
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 4 + 2 * 2.5);
    cairo_move_to(cr, hands.x, hands.y);
    cairo_line_to(cr, head.x, head.y);
    cairo_stroke(cr);
    setColour(cr, kShaft);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, hands.x, hands.y);
    cairo_line_to(cr, head.x, head.y);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The head sits across the end of the shaft, its face toward the ball side.
    const double across = angle - M_PI / 2;
    switch (club) {
    case Club::Driver:
        blob(cr, head + Vec{std::cos(across), std::sin(across)} * -6, 17 * std::max(shorten, 0.7), 11,
             angle + M_PI / 2, 0x30343E);
        break;
    case Club::Wedge:
        blob(cr, head + Vec{std::cos(across), std::sin(across)} * -5, 13 * std::max(shorten, 0.7), 7,
             angle + M_PI / 2, 0xC9CED6);
        break;
    case Club::Putter:
        blob(cr, head + Vec{std::cos(across), std::sin(across)} * -4, 16 * std::max(shorten, 0.7), 6,
             angle + M_PI / 2, 0x4A505C);
        break;
    case Club::None:
        break;
    }
}

} // namespace velmora::content::figure
