// Heads of the golfers, from the side (facing right) and from the front, with hair, hats and faces.
#include "draw.h"
#include "figure_parts.h"

#include <cmath>

namespace velmora::content::figure {
namespace {

constexpr uint32_t kEye = 0x231A1A;
// Cartoon proportions: the head is drawn larger than life.
constexpr double kHeadScale = 1.2;
constexpr uint32_t kMouth = 0x7A2A2A;

void line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, uint32_t colour) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Fills a region of hair inside clip, as a disc slightly larger than the skull.
void hairCap(cairo_t* cr, const Look& look, double radiusX, double radiusY, double centreY, bool curly) {
    cairo_new_path(cr);
    ellipsePath(cr, 0, centreY, radiusX, radiusY);
    if (curly) {
        for (int i = 0; i < 12; ++i) {
            const double a = M_PI + i * M_PI / 11;
            ellipsePath(cr, std::cos(a) * radiusX, centreY + std::sin(a) * radiusY, 8, 8);
        }
    }
    fillOutlined(cr, look.hair);
}

void sideHeadwear(cairo_t* cr, const Look& look) {
    const uint32_t brim = shade(look.hat, 0.85);
    switch (look.headwear) {
    case Headwear::Cap:
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, -2, -8);
        cairo_scale(cr, 33, 29);
        cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        cairo_restore(cr);
        fillOutlined(cr, look.hat);
        blob(cr, {33, -10}, 15, 5, 0.12, brim);
        break;
    case Headwear::Visor:
        blob(cr, {0, -14}, 32, 7, 0, look.hat);
        blob(cr, {33, -11}, 15, 5, 0.12, brim);
        break;
    case Headwear::FlatCap:
        cairo_new_path(cr);
        ellipsePath(cr, 2, -18, 34, 15, 0.12);
        fillOutlined(cr, look.hat);
        blob(cr, {33, -10}, 12, 4, 0.2, brim);
        break;
    case Headwear::None:
        break;
    }
}

void frontHeadwear(cairo_t* cr, const Look& look) {
    const uint32_t brim = shade(look.hat, 0.85);
    switch (look.headwear) {
    case Headwear::Cap:
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 0, -17);
        cairo_scale(cr, 35, 27);
        cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        cairo_restore(cr);
        fillOutlined(cr, look.hat);
        blob(cr, {0, -17}, 37, 6, 0, brim);
        break;
    case Headwear::Visor:
        blob(cr, {0, -20}, 34, 5, 0, look.hat);
        blob(cr, {0, -15}, 37, 5, 0, brim);
        break;
    case Headwear::FlatCap:
        cairo_new_path(cr);
        ellipsePath(cr, 0, -28, 37, 13);
        fillOutlined(cr, look.hat);
        blob(cr, {0, -19}, 28, 4, 0, brim);
        break;
    case Headwear::None:
        break;
    }
}

void frontMouth(cairo_t* cr, Mouth mouth) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3.5);
    setColour(cr, kMouth);
    cairo_new_path(cr);
    switch (mouth) {
    case Mouth::Smile:
        cairo_arc(cr, 0, 12, 11, 0.25 * M_PI, 0.75 * M_PI);
        cairo_stroke(cr);
        break;
    case Mouth::Grin:
        cairo_move_to(cr, -13, 16);
        cairo_curve_to(cr, -10, 32, 10, 32, 13, 16);
        cairo_close_path(cr);
        fillOutlined(cr, 0xFFFFFF);
        break;
    case Mouth::Flat:
        cairo_move_to(cr, -8, 21);
        cairo_line_to(cr, 8, 21);
        cairo_stroke(cr);
        break;
    case Mouth::Frown:
        cairo_arc(cr, 0, 31, 10, 1.25 * M_PI, 1.75 * M_PI);
        cairo_stroke(cr);
        break;
    case Mouth::Open:
        ellipsePath(cr, 0, 21, 6, 7);
        fillOutlined(cr, 0x8A2030);
        break;
    case Mouth::Shout:
        ellipsePath(cr, 0, 22, 10, 9);
        fillOutlined(cr, 0x8A2030);
        break;
    }
    cairo_restore(cr);
}

} // namespace

void drawSideHead(cairo_t* cr, const Look& look, Vec centre, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, tilt);
    cairo_scale(cr, kHeadScale, kHeadScale);
    if (look.hairStyle == Hair::Ponytail) {
        cairo_new_path(cr);
        cairo_move_to(cr, -20, -14);
        cairo_curve_to(cr, -52, -10, -58, 24, -46, 38);
        cairo_curve_to(cr, -40, 20, -30, 6, -18, 0);
        cairo_close_path(cr);
        fillOutlined(cr, look.hair);
    } else if (look.hairStyle == Hair::Bun) {
        blob(cr, {-24, -26}, 14, 13, 0, look.hair);
    }
    // Skull, jaw and nose as one outlined shape.
    cairo_new_path(cr);
    ellipsePath(cr, 0, 0, 30, 31);
    ellipsePath(cr, 10, 12, 21, 17);
    ellipsePath(cr, 30, 4, 6, 6);
    fillOutlined(cr, look.skin);
    if (look.beard) {
        cairo_new_path(cr);
        cairo_move_to(cr, -4, 10);
        cairo_curve_to(cr, 4, 34, 26, 32, 31, 16);
        cairo_line_to(cr, 22, 18);
        cairo_curve_to(cr, 12, 18, 4, 12, -4, 10);
        cairo_close_path(cr);
        fillOutlined(cr, look.hair);
    }
    blob(cr, {-5, 3}, 6, 8, 0, shade(look.skin, 0.9));
    // Hair over the top and back of the head.
    cairo_save(cr);
    cairo_new_path(cr);
    if (look.hairStyle == Hair::Receding)
        polygonPath(cr, {{-44, -14}, {-12, -18}, {-12, -4}, {-18, 14}, {-44, 18}});
    else
        polygonPath(cr, {{-44, -46}, {34, -46}, {28, -14}, {6, -17}, {-10, -8}, {-20, 12}, {-44, 18}});
    cairo_clip(cr);
    hairCap(cr, look, 34, 35, 0, look.hairStyle == Hair::Curly);
    cairo_restore(cr);
    // Eye, brow and mouth on the face side.
    blob(cr, {17, -3}, 3, 4, 0, kEye);
    line(cr, 11, -12, 22, -12, 3, shade(look.hair, 0.8));
    line(cr, 19, 19, 26, 18, 3, kMouth);
    if (look.glasses) {
        cairo_new_path(cr);
        ellipsePath(cr, 18, -3, 8, 7);
        setColour(cr, 0x202020);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        line(cr, 10, -4, -2, -2, 2.5, 0x202020);
    }
    sideHeadwear(cr, look);
    cairo_restore(cr);
}

void drawFrontHead(cairo_t* cr, const Look& look, Vec centre, double tilt, Mouth mouth, Brows brows,
                   double eyesClosed) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, tilt);
    cairo_scale(cr, kHeadScale, kHeadScale);
    if (look.hairStyle == Hair::Ponytail)
        blob(cr, {34, 14}, 9, 17, -0.3, look.hair);
    else if (look.hairStyle == Hair::Bun)
        blob(cr, {0, -38}, 15, 12, 0, look.hair);
    blob(cr, {-33, 4}, 7, 10, 0, look.skin);
    blob(cr, {33, 4}, 7, 10, 0, look.skin);
    cairo_new_path(cr);
    ellipsePath(cr, 0, 0, 32, 35);
    fillOutlined(cr, look.skin);
    if (look.beard) {
        // A short beard along the jaw and chin.
        cairo_new_path(cr);
        cairo_move_to(cr, -30, 12);
        cairo_curve_to(cr, -26, 44, 26, 44, 30, 12);
        cairo_curve_to(cr, 22, 24, 12, 30, 0, 30);
        cairo_curve_to(cr, -12, 30, -22, 24, -30, 12);
        cairo_close_path(cr);
        fillOutlined(cr, look.hair);
    }
    // Hair over the forehead and sides.
    cairo_save(cr);
    cairo_new_path(cr);
    if (look.hairStyle == Hair::Receding) {
        polygonPath(cr, {{-44, -20}, {-24, -20}, {-26, 2}, {-44, 6}});
        polygonPath(cr, {{44, -20}, {24, -20}, {26, 2}, {44, 6}});
    } else if (look.hairStyle == Hair::Short || look.hairStyle == Hair::Curly) {
        polygonPath(
            cr,
            {{-44, -50}, {44, -50}, {44, 0}, {30, -2}, {24, -16}, {-6, -18}, {-24, -12}, {-32, 0}, {-44, 0}});
    } else {
        // Pulled back, parted in the middle.
        polygonPath(cr, {{-44, -50},
                         {44, -50},
                         {44, 2},
                         {30, 0},
                         {20, -20},
                         {2, -26},
                         {-2, -26},
                         {-20, -20},
                         {-30, 0},
                         {-44, 2}});
    }
    cairo_clip(cr);
    hairCap(cr, look, 36, 38, 0, look.hairStyle == Hair::Curly);
    cairo_restore(cr);
    // Cheeks, eyes, brows, nose, mouth.
    cairo_new_path(cr);
    setColour(cr, 0xFF7F7F, 0.25);
    ellipsePath(cr, -18, 12, 6, 4);
    ellipsePath(cr, 18, 12, 6, 4);
    cairo_fill(cr);
    for (int side : {-1, 1}) {
        const double x = 12 * side;
        if (eyesClosed > 0.5) {
            line(cr, x - 5, -1, x + 5, -1, 3, kEye);
        } else {
            const double open = 1 - eyesClosed * 0.7;
            cairo_new_path(cr);
            ellipsePath(cr, x, -2, 6, 7.5 * open);
            setColour(cr, 0xFFFFFF);
            cairo_fill_preserve(cr);
            setColour(cr, kEye);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            cairo_new_path(cr);
            ellipsePath(cr, x + side * 0.5, -1, 3.4, 4.6 * open);
            setColour(cr, kEye);
            cairo_fill(cr);
        }
        const double browY = brows == Brows::Raised ? -16 : -11;
        const double slope = brows == Brows::Angry ? 5 : 0;
        line(cr, x - 6 * side, browY - slope * 0.2, x + 6 * side, browY + slope, 3.5, shade(look.hair, 0.7));
    }
    line(cr, -2, 9, 2, 9, 3, shade(look.skin, 0.7));
    frontMouth(cr, mouth);
    if (look.glasses) {
        cairo_new_path(cr);
        ellipsePath(cr, -12, -2, 9, 8);
        ellipsePath(cr, 12, -2, 9, 8);
        setColour(cr, 0x202020);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        line(cr, -3, -3, 3, -3, 2.5, 0x202020);
    }
    frontHeadwear(cr, look);
    cairo_restore(cr);
}

} // namespace velmora::content::figure
