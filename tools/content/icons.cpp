#include "icons.h"

#include "canvas.h"
#include "draw.h"
#include "look.h"
#include "scenery.h"

#include <cmath>

namespace velmora::content {

using namespace look;

namespace {

constexpr double kS = kIconSize;

// A round badge: fill painted by the caller inside a clip, then the outline on top.
template <typename Paint> Picture badge(Paint paint) {
    Canvas canvas(kIconSize, kIconSize, 4);
    cairo_t* cr = canvas.cr();
    const double r = kS / 2 - 1.5;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, kS / 2, kS / 2, r, 0, 2 * M_PI);
    cairo_clip(cr);
    paint(cr);
    // Gloss.
    cairo_new_path(cr);
    cairo_arc(cr, kS / 2, kS * 0.1, r * 0.95, 0, M_PI);
    setColour(cr, 0xFFFFFF, 0.18);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, kS / 2, kS / 2, r, 0, 2 * M_PI);
    setColour(cr, kNavy);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    return keyed(canvas.picture());
}

void fillAll(cairo_t* cr, uint32_t top, uint32_t bottom) {
    setVerticalGradient(cr, 0, kS, {{0, top}, {1, bottom}});
    cairo_paint(cr);
}

void outlinedPath(cairo_t* cr, uint32_t fill, double width = 2) {
    fillWithOutline(cr, fill, kNavy, width / 2);
}

} // namespace

void drawClubGlyph(cairo_t* cr, const Box& box, ClubIcon club) {
    cairo_save(cr);
    cairo_translate(cr, box.x, box.y);
    cairo_scale(cr, box.w / 40.0, box.h / 40.0);
    // Shaft from the top right down to the head at the bottom left.
    cairo_new_path(cr);
    cairo_move_to(cr, 31, 5);
    cairo_line_to(cr, 17, 27);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kNavy);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    setColour(cr, 0xD8DEE6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 31, 5);
    cairo_line_to(cr, 28, 10);
    setColour(cr, 0x222222);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_new_path(cr);
    switch (club) {
    case ClubIcon::Wood:
        ellipsePath(cr, 15, 29, 11, 7, -0.25);
        outlinedPath(cr, 0x3A4150);
        cairo_new_path(cr);
        cairo_arc(cr, 12, 27, 3, 0, 2 * M_PI);
        setColour(cr, 0xFFFFFF, 0.5);
        cairo_fill(cr);
        break;
    case ClubIcon::Iron:
    case ClubIcon::Wedge: {
        const double loft = club == ClubIcon::Wedge ? 5 : 0;
        cairo_move_to(cr, 19, 24);
        cairo_line_to(cr, 5 - loft * 0.4, 27 - loft);
        cairo_curve_to(cr, 3 - loft * 0.4, 31, 4, 35, 8, 35);
        cairo_line_to(cr, 20, 31);
        cairo_close_path(cr);
        outlinedPath(cr, club == ClubIcon::Wedge ? 0xE9C46A : 0xC9D1DB);
        for (int g = 0; g < 3; ++g) {
            cairo_new_path(cr);
            cairo_move_to(cr, 8 + g * 0.5, 29.5 + g * 1.8 - loft * 0.2);
            cairo_line_to(cr, 16, 27.5 + g * 1.6);
            setColour(cr, 0x6E7885);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
        }
        break;
    }
    case ClubIcon::Putter:
        roundedRectangle(cr, 4, 27, 18, 7, 2.5);
        outlinedPath(cr, 0x59626F);
        cairo_new_path(cr);
        cairo_rectangle(cr, 8, 29, 10, 1.5);
        setColour(cr, 0xE8392E);
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}

Picture clubIcon(ClubIcon club) {
    return badge([club](cairo_t* cr) {
        fillAll(cr, 0xEAF4FF, 0xB7D3EE);
        drawClubGlyph(cr, {1, 1, 38, 38}, club);
    });
}

Picture lieIcon(LieIcon lie) {
    return badge([lie](cairo_t* cr) {
        switch (lie) {
        case LieIcon::Tee:
            fillAll(cr, kGrassLight, kGrassDark);
            cairo_new_path(cr);
            cairo_move_to(cr, 14, 22);
            cairo_line_to(cr, 26, 22);
            cairo_line_to(cr, 21.5, 25);
            cairo_line_to(cr, 20.8, 36);
            cairo_line_to(cr, 19.2, 36);
            cairo_line_to(cr, 18.5, 25);
            cairo_close_path(cr);
            outlinedPath(cr, 0xF2C14E, 1.5);
            drawGolfBall(cr, 20, 15, 7);
            break;
        case LieIcon::Cup:
            fillAll(cr, kGreen, 0x6CCB4A);
            cairo_new_path(cr);
            ellipsePath(cr, 20, 28, 11, 5);
            outlinedPath(cr, 0x1E2A22, 1.5);
            drawGolfBall(cr, 20, 25, 5.5);
            cairo_new_path(cr);
            cairo_rectangle(cr, 9, 27, 24, 10);
            setColour(cr, 0x6CCB4A);
            cairo_fill(cr);
            drawFlag(cr, 29, 27, 20, kRed);
            break;
        case LieIcon::Green:
            fillAll(cr, 0xB6F08A, kGreen);
            for (int i = 0; i < 5; ++i) {
                cairo_new_path(cr);
                cairo_rectangle(cr, i * 9 - 2, 0, 4.5, kS);
                setColour(cr, 0xFFFFFF, 0.12);
                cairo_fill(cr);
            }
            drawFlag(cr, 17, 33, 24, kRed);
            cairo_new_path(cr);
            ellipsePath(cr, 17, 33, 5, 2);
            setColour(cr, 0x1E2A22);
            cairo_fill(cr);
            break;
        case LieIcon::Fairway:
            fillAll(cr, kGrassLight, kGrassDark);
            for (int i = 0; i < 5; ++i) {
                cairo_new_path(cr);
                cairo_move_to(cr, i * 12 - 12, kS);
                cairo_line_to(cr, i * 12 - 6, kS);
                cairo_line_to(cr, i * 12 + 14, 0);
                cairo_line_to(cr, i * 12 + 8, 0);
                cairo_close_path(cr);
                setColour(cr, 0x4E9E30, 0.35);
                cairo_fill(cr);
            }
            drawGolfBall(cr, 20, 24, 7);
            break;
        case LieIcon::Bunker:
            fillAll(cr, 0xFBE7AE, 0xE3C47A);
            for (int i = 0; i < 4; ++i) {
                cairo_new_path(cr);
                cairo_move_to(cr, 2, 10 + i * 8);
                cairo_curve_to(cr, 14, 6 + i * 8, 26, 14 + i * 8, 38, 10 + i * 8);
                setColour(cr, 0xC9A55A);
                cairo_set_line_width(cr, 1.5);
                cairo_stroke(cr);
            }
            drawGolfBall(cr, 21, 22, 7);
            break;
        case LieIcon::Water:
            fillAll(cr, 0x7CCBFF, 0x2F86D6);
            for (int i = 0; i < 4; ++i) {
                cairo_new_path(cr);
                for (int k = 0; k <= 8; ++k) {
                    const double x = k * 5, y = 9 + i * 8 + std::sin(k * 1.6 + i) * 2;
                    if (k == 0)
                        cairo_move_to(cr, x, y);
                    else
                        cairo_line_to(cr, x, y);
                }
                setColour(cr, 0xFFFFFF, 0.8);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
            }
            break;
        case LieIcon::Rough:
            fillAll(cr, 0x5FB042, 0x3B7F2C);
            for (int i = 0; i < 14; ++i) {
                const double x = 2 + i * 2.8, base = 38;
                cairo_new_path(cr);
                cairo_move_to(cr, x - 1.5, base);
                cairo_curve_to(cr, x, base - 10, x + (i % 2 ? 3 : -3), base - 18, x + (i % 2 ? 5 : -4),
                               base - 22 - (i % 3) * 4);
                cairo_line_to(cr, x + 1.5, base);
                cairo_close_path(cr);
                setColour(cr, i % 2 ? 0x2E6A22 : 0x7FCB55);
                cairo_fill(cr);
            }
            drawGolfBall(cr, 20, 24, 6);
            break;
        }
    });
}

void drawGlyph(cairo_t* cr, const Box& box, Glyph glyph, uint32_t fill, uint32_t ink) {
    cairo_save(cr);
    cairo_translate(cr, box.x, box.y);
    cairo_scale(cr, box.w / 40.0, box.h / 40.0);
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto strokeTwice = [&](double width) {
        setColour(cr, ink);
        cairo_set_line_width(cr, width + 4);
        cairo_stroke_preserve(cr);
        setColour(cr, fill);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    };
    switch (glyph) {
    case Glyph::Menu:
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 9, 11 + i * 9);
            cairo_line_to(cr, 31, 11 + i * 9);
        }
        strokeTwice(4.5);
        break;
    case Glyph::Wind:
        cairo_move_to(cr, 5, 14);
        cairo_line_to(cr, 26, 14);
        cairo_curve_to(cr, 34, 14, 34, 4, 27, 5);
        cairo_move_to(cr, 5, 22);
        cairo_line_to(cr, 31, 22);
        cairo_move_to(cr, 5, 30);
        cairo_line_to(cr, 22, 30);
        cairo_curve_to(cr, 30, 30, 30, 38, 24, 37);
        strokeTwice(3.5);
        break;
    case Glyph::Flag:
        cairo_move_to(cr, 12, 36);
        cairo_line_to(cr, 12, 5);
        strokeTwice(3);
        cairo_new_path(cr);
        cairo_move_to(cr, 12, 5);
        cairo_line_to(cr, 33, 11);
        cairo_line_to(cr, 12, 18);
        cairo_close_path(cr);
        fillWithOutline(cr, kRed, ink, 1.5);
        break;
    case Glyph::Slope:
        cairo_move_to(cr, 4, 34);
        cairo_line_to(cr, 36, 14);
        cairo_line_to(cr, 36, 34);
        cairo_close_path(cr);
        fillWithOutline(cr, fill, ink, 1.5);
        cairo_new_path(cr);
        cairo_move_to(cr, 12, 14);
        cairo_line_to(cr, 12, 4);
        cairo_move_to(cr, 8, 8);
        cairo_line_to(cr, 12, 4);
        cairo_line_to(cr, 16, 8);
        cairo_move_to(cr, 22, 4);
        cairo_line_to(cr, 22, 14);
        cairo_move_to(cr, 18, 10);
        cairo_line_to(cr, 22, 14);
        cairo_line_to(cr, 26, 10);
        strokeTwice(2);
        break;
    case Glyph::Save:
        cairo_move_to(cr, 8, 30);
        cairo_line_to(cr, 27, 11);
        strokeTwice(6);
        cairo_new_path(cr);
        cairo_move_to(cr, 6, 34);
        cairo_line_to(cr, 8, 27);
        cairo_line_to(cr, 12, 31);
        cairo_close_path(cr);
        setColour(cr, ink);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 27, 11);
        cairo_line_to(cr, 31, 7);
        setColour(cr, kRed);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        break;
    case Glyph::Swing:
        cairo_arc(cr, 20, 24, 13, M_PI * 0.9, M_PI * 2.1);
        strokeTwice(3);
        cairo_new_path(cr);
        cairo_move_to(cr, 33, 20);
        cairo_line_to(cr, 35, 29);
        cairo_line_to(cr, 28, 26);
        cairo_close_path(cr);
        setColour(cr, fill);
        cairo_fill_preserve(cr);
        setColour(cr, ink);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
}

} // namespace velmora::content
