// The heads-up display of the game page, its pop-up menus, the scorecard, the save panel and the
// ball's shadow.
#include "canvas.h"
#include "draw.h"
#include "gui_pictures.h"
#include "icons.h"
#include "look.h"

#include <cmath>

namespace velmora::content {

using namespace look;

namespace {

constexpr uint32_t kGlass = 0x0E3A24;

void glassPlate(cairo_t* cr, const Box& box, double radius, double alpha = 0.82) {
    roundedRectangle(cr, box.x, box.y, box.w, box.h, radius);
    setVerticalGradient(cr, box.y, box.y + box.h, {{0, 0x1F5C3A, alpha}, {1, kGlass, alpha}});
    cairo_fill_preserve(cr);
    setColour(cr, 0x07200F);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundedRectangle(cr, box.x + 4, box.y + 3, box.w - 8, std::min(box.h * 0.4, 20.0),
                     std::max(2.0, radius - 4));
    setColour(cr, 0xFFFFFF, 0.1);
    cairo_fill(cr);
}

void creamPlate(cairo_t* cr, const Box& box, double radius) {
    roundedRectangle(cr, box.x, box.y, box.w, box.h, radius);
    setVerticalGradient(cr, box.y, box.y + box.h, {{0, 0xFFFFFF}, {1, kCreamShade}});
    cairo_fill_preserve(cr);
    setColour(cr, kPanelEdge);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// Keyed pictures know no partial transparency: the dark glass plates come out opaque, the same
// over every part of the course.
Picture hudPicture(int w, int h, const std::function<void(cairo_t*)>& draw) {
    Canvas canvas(w, h);
    draw(canvas.cr());
    return keyed(canvas.picture());
}

void chip(cairo_t* cr, const Box& box, bool tappable) {
    roundedRectangle(cr, box.x, box.y, box.w, box.h, 10);
    setColour(cr, 0xFFFFFF, 0.14);
    cairo_fill_preserve(cr);
    setColour(cr, 0xFFFFFF, 0.3);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (tappable) {
        // A small caret: this chip opens a menu.
        const double x = box.x + box.w - 12, y = box.y + box.h / 2;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 6, y - 3);
        cairo_line_to(cr, x + 6, y - 3);
        cairo_line_to(cr, x, y + 5);
        cairo_close_path(cr);
        setColour(cr, kYellow);
        cairo_fill(cr);
    }
}

Picture highlightedChip(int w, int h) {
    return hudPicture(w, h, [w, h](cairo_t* cr) {
        roundedRectangle(cr, 2, 2, w - 4, h - 4, 10);
        setVerticalGradient(cr, 2, h - 2, {{0, kOrangeDeep}, {1, kYellow}});
        cairo_fill_preserve(cr);
        setColour(cr, kOrangeInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
}

void headerBand(cairo_t* cr, double w, const std::string& title) {
    cairo_save(cr);
    roundedRectangle(cr, 2, 2, w - 4, 200, 16);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, w, 46);
    setVerticalGradient(cr, 0, 46, {{0, 0x5CC24A}, {1, 0x2E8A2C}});
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 2, 46);
    cairo_line_to(cr, w - 2, 46);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    drawTextCentred(cr, title, w / 2, 24, {Font::LabelSlanted, 30, 0xFFFFFF, 2.5, kInk, 2, 0, 1.5});
}

Picture scorecardPicture() {
    const int w = 448;
    return cardPicture(w, 536, [](cairo_t* cr) {
        headerBand(cr, w, "SCORECARD");
        // Column headings, stripes for the nine holes and the total row (layout units times two).
        const TextStyle heading{Font::Label, 18, kPanelEdge};
        drawText(cr, "HOLE", 44, 136, heading, Align::Centre);
        drawText(cr, "PAR", 170, 136, heading, Align::Centre);
        drawText(cr, "STROKES", 276, 136, heading, Align::Centre);
        drawText(cr, "+/-", 380, 136, heading, Align::Centre);
        for (int i = 0; i < 9; ++i) {
            const double y = 148 + i * 32;
            if (i % 2 == 0) {
                roundedRectangle(cr, 12, y - 2, w - 24, 32, 6);
                setColour(cr, kNavy, 0.06);
                cairo_fill(cr);
            }
            drawText(cr, std::to_string(i + 1), 44, y + 22, {Font::Label, 22, kNavy}, Align::Centre);
        }
        cairo_new_path(cr);
        cairo_move_to(cr, 12, 434);
        cairo_line_to(cr, w - 12, 434);
        setColour(cr, kPanelEdge);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        drawText(cr, "TOTAL", 44, 463, {Font::Label, 18, kPanelEdge}, Align::Centre);
    });
}

Picture savePanelPicture() {
    return cardPicture(448, 512, [](cairo_t* cr) {
        headerBand(cr, 448, "SAVE GAME");
        for (int k = 0; k < 8; ++k) {
            roundedRectangle(cr, 16, 56 + k * 48, 324, 44, 10);
            setColour(cr, 0xFFFFFF);
            cairo_fill_preserve(cr);
            setColour(cr, 0x9DB3C8);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    });
}

// The power bar: a ramp from green through yellow to red, glossy, so that it reads at any width.
Picture powerBar() {
    Canvas canvas(242, 24);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* ramp = cairo_pattern_create_linear(0, 0, 242, 0);
    cairo_pattern_add_color_stop_rgb(ramp, 0, 0.2, 0.78, 0.25);
    cairo_pattern_add_color_stop_rgb(ramp, 0.5, 1.0, 0.88, 0.2);
    cairo_pattern_add_color_stop_rgb(ramp, 0.78, 1.0, 0.55, 0.1);
    cairo_pattern_add_color_stop_rgb(ramp, 1, 0.92, 0.16, 0.12);
    cairo_set_source(cr, ramp);
    cairo_paint(cr);
    cairo_pattern_destroy(ramp);
    setVerticalGradient(
        cr, 0, 24, {{0, 0xFFFFFF, 0.45}, {0.45, 0xFFFFFF, 0.1}, {0.5, 0x000000, 0.0}, {1, 0x000000, 0.25}});
    cairo_paint(cr);
    return canvas.picture();
}

Picture gaugeRuler() {
    return hudPicture(272, 52, [](cairo_t* cr) {
        roundedRectangle(cr, 2, 4, 268, 44, 12);
        setVerticalGradient(cr, 4, 48, {{0, 0x3A4E64}, {1, 0x16222E}});
        cairo_fill_preserve(cr);
        setColour(cr, 0x050A10);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        // The well the bar fills (the bar sits at 16, 14 and is 242 x 24 at full power).
        roundedRectangle(cr, 13, 11, 248, 30, 6);
        setColour(cr, 0x0A1118);
        cairo_fill(cr);
        for (int i = 0; i <= 8; ++i) {
            const double x = 16 + 242.0 * i / 8;
            cairo_new_path(cr);
            cairo_move_to(cr, x, i % 2 ? 42 : 40);
            cairo_line_to(cr, x, 47);
            setColour(cr, i == 8 ? kRed : 0xFFFFFF, i % 2 ? 0.5 : 0.9);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    });
}

Picture ballShadow() {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    // A dark disc fading to grass green: the whole square is drawn blended, so its edge should
    // look like the ground it lies on.
    cairo_pattern_t* disc = cairo_pattern_create_radial(16, 16, 0, 16, 16, 16);
    cairo_pattern_add_color_stop_rgb(disc, 0, 0.05, 0.1, 0.05);
    cairo_pattern_add_color_stop_rgb(disc, 0.55, 0.12, 0.24, 0.1);
    cairo_pattern_add_color_stop_rgb(disc, 1, 0.33, 0.6, 0.24);
    cairo_set_source(cr, disc);
    cairo_paint(cr);
    cairo_pattern_destroy(disc);
    return canvas.picture();
}

} // namespace

void addHud(AssetSet& assets) {
    assets.add("GUI/hudTop.gif",
               hudPicture(480, 88,
                          [](cairo_t* cr) {
                              glassPlate(cr, {2, 2, 300, 84}, 16);
                              // A ring behind the player's picture.
                              cairo_new_path(cr);
                              cairo_arc(cr, 46, 44, 41, 0, 2 * M_PI);
                              setColour(cr, kYellow);
                              cairo_fill(cr);
                              // The course name is drawn here by the game, at (304, 28), in green.
                              creamPlate(cr, {296, 2, 182, 84}, 16);
                              drawText(cr, "COURSE", 306, 22, {Font::Label, 15, kPanelEdge, 0, 0, 0, 0, 1});
                          }),
               "hud");
    assets.add("GUI/hudBottom.gif",
               hudPicture(480, 60,
                          [](cairo_t* cr) {
                              glassPlate(cr, {2, 2, 300, 56}, 14);
                              // "Hole 3 / Par 4" is drawn here by the game, at (304, 4).
                              creamPlate(cr, {296, 2, 182, 56}, 14);
                          }),
               "hud");
    assets.add("GUI/hudStrip.gif",
               hudPicture(480, 56,
                          [](cairo_t* cr) {
                              glassPlate(cr, {2, 2, 476, 52}, 14);
                              chip(cr, {8, 8, 90, 40}, false);
                              chip(cr, {106, 8, 140, 40}, true);
                              chip(cr, {254, 8, 146, 40}, true);
                              drawGlyph(cr, {258, 10, 34, 34}, Glyph::Swing, 0xFFFFFF, kNavy);
                          }),
               "hud");
    assets.add("GUI/hudInfo.gif",
               hudPicture(200, 64,
                          [](cairo_t* cr) {
                              glassPlate(cr, {2, 2, 196, 60}, 12);
                              drawGlyph(cr, {6, 4, 28, 28}, Glyph::Flag, 0xFFFFFF, 0x07200F);
                              drawGlyph(cr, {6, 32, 28, 28}, Glyph::Slope, 0xC8F0A0, 0x07200F);
                          }),
               "hud");
    assets.add("GUI/windBadge.gif",
               hudPicture(128, 32,
                          [](cairo_t* cr) {
                              glassPlate(cr, {2, 2, 124, 28}, 13);
                              drawGlyph(cr, {6, 3, 26, 26}, Glyph::Wind, 0xFFFFFF, 0x07200F);
                          }),
               "hud");
    assets.add("GUI/gaugeRuler.gif", gaugeRuler(), "hud");
    assets.add("GUI/gaugePower.bmp", powerBar(), "hud");
    assets.add("GUI/chipClub_on.gif", highlightedChip(144, 52), "hud");
    assets.add("GUI/chipStroke_on.gif", highlightedChip(148, 52), "hud");
    assets.add("GUI/panelSys.gif", cardPicture(240, 388), "menus");
    assets.add("GUI/panelClub.gif", cardPicture(220, 216), "menus");
    assets.add("GUI/panelStroke.gif", cardPicture(200, 268), "menus");
    assets.add("GUI/scorecard.gif", scorecardPicture(), "menus");
    assets.add("GUI/savePanel.gif", savePanelPicture(), "menus");
}

void addCourseProps(AssetSet& assets) {
    assets.add("scenes/golfball/ballshadow.jpg", ballShadow(), "hud");
}

} // namespace velmora::content
