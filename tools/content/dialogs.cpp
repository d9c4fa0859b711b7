// The message box and its pictures, the on-screen keyboard, the blinking prompts, the credits and
// the placeholder course picture.
#include "canvas.h"
#include "draw.h"
#include "gui_pictures.h"
#include "icons.h"
#include "logo.h"
#include "look.h"
#include "scenery.h"

#include <cmath>

namespace velmora::content {

using namespace look;

namespace {

Picture messageBoxPicture() {
    return cardPicture(400, 400, [](cairo_t* cr) {
        roundedRectangle(cr, 10, 10, 380, 380, 12);
        setColour(cr, kPanelEdge);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        // The picture window (the course or the hole result covers it); plain messages show a ball
        // on its tee under a blue sky here.
        const Box window{40, 24, 320, 240};
        cairo_save(cr);
        cairo_rectangle(cr, window.x, window.y, window.w, window.h);
        cairo_clip(cr);
        setVerticalGradient(cr, window.y, window.y + window.h,
                            {{0, kSkyTop}, {0.6, kSkyHorizon}, {0.6, kGrassLight}, {1, kGrassDark}});
        cairo_paint(cr);
        drawFlag(cr, 290, 160, 90, kRed);
        cairo_new_path(cr);
        polygonPath(cr, {{186, 196}, {214, 196}, {203, 204}, {202, 238}, {198, 238}, {197, 204}});
        setColour(cr, 0xF2C14E);
        cairo_fill_preserve(cr);
        setColour(cr, kNavy);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        drawGolfBall(cr, 200, 180, 17);
        cairo_restore(cr);
        cairo_rectangle(cr, window.x, window.y, window.w, window.h);
        setColour(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
}

Picture dropInHole() {
    Canvas canvas(320, 240, 2);
    cairo_t* cr = canvas.cr();
    // A close-up of the green: the ball dropping into the cup beside the flagstick.
    cairo_pattern_t* green = cairo_pattern_create_radial(160, 150, 20, 160, 150, 240);
    cairo_pattern_add_color_stop_rgb(green, 0, 0.72, 0.95, 0.5);
    cairo_pattern_add_color_stop_rgb(green, 1, 0.3, 0.66, 0.22);
    cairo_set_source(cr, green);
    cairo_paint(cr);
    cairo_pattern_destroy(green);
    for (int i = 0; i < 8; ++i) {
        cairo_new_path(cr);
        cairo_rectangle(cr, i * 44 - 10, 0, 22, 240);
        setColour(cr, 0xFFFFFF, 0.06);
        cairo_fill(cr);
    }
    // Cup with its white liner.
    cairo_new_path(cr);
    ellipsePath(cr, 150, 172, 62, 22);
    setColour(cr, 0xFFFFFF);
    cairo_fill(cr);
    cairo_new_path(cr);
    ellipsePath(cr, 150, 174, 55, 18);
    setColour(cr, 0x10170F);
    cairo_fill(cr);
    // The ball, half in, with motion lines above it.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 320, 172);
    cairo_clip(cr);
    drawGolfBall(cr, 140, 166, 22);
    cairo_restore(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 126 + i * 14, 110 - i * 6);
        cairo_line_to(cr, 126 + i * 14, 134);
        setColour(cr, 0xFFFFFF, 0.85);
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    // Flagstick from the cup.
    cairo_new_path(cr);
    cairo_move_to(cr, 176, 176);
    cairo_line_to(cr, 214, 6);
    setColour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 214, 6);
    cairo_curve_to(cr, 250, 10, 270, 0, 306, 14);
    cairo_line_to(cr, 292, 62);
    cairo_curve_to(cr, 260, 48, 240, 58, 204, 52);
    cairo_close_path(cr);
    setColour(cr, kRed);
    cairo_fill_preserve(cr);
    setColour(cr, 0x7A1A12);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Sparkles.
    const double sparkles[][3] = {{60, 60, 14}, {96, 30, 9}, {250, 110, 12}, {40, 130, 8}, {280, 170, 10}};
    for (const auto& s : sparkles) {
        cairo_new_path(cr);
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4, r = k % 2 ? s[2] * 0.3 : s[2];
            const double x = s[0] + std::cos(a) * r, y = s[1] + std::sin(a) * r;
            if (k == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        cairo_close_path(cr);
        setColour(cr, kYellow);
        cairo_fill_preserve(cr);
        setColour(cr, kOrangeInk);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    return canvas.picture();
}

Picture slideBlank() {
    Canvas canvas(320, 240);
    cairo_t* cr = canvas.cr();
    SceneryOptions options;
    options.seed = 31;
    options.horizon = 0.62;
    options.clouds = 3;
    drawScenery(cr, 320, 240, options);
    drawLogo(cr, 160, 70, 34, false);
    return canvas.picture();
}

Picture keyboardPad() {
    Canvas canvas(460, 400);
    cairo_t* cr = canvas.cr();
    roundedRectangle(cr, 2, 2, 456, 396, 20);
    setVerticalGradient(cr, 0, 400, {{0, 0xDDE8F2}, {1, 0xAFC3D6}});
    cairo_fill_preserve(cr);
    setColour(cr, kNavy);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // The title strip (y 12-44): the program writes the prompt there in dark grey.
    roundedRectangle(cr, 10, 10, 440, 36, 10);
    setColour(cr, 0xFFFFFF);
    cairo_fill(cr);
    // Wells behind the character keys and the function keys.
    roundedRectangle(cr, 12, 98, 436, 232, 14);
    setColour(cr, 0x7F98B0);
    cairo_fill(cr);
    roundedRectangle(cr, 12, 338, 436, 54, 14);
    setColour(cr, 0x5E7894);
    cairo_fill(cr);
    return keyed(canvas.picture());
}

Picture key(int w, int h, bool dark) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    roundedRectangle(cr, 1.5, 1.5, w - 3, h - 3, 7);
    setColour(cr, dark ? 0x0A1626 : 0x44546A);
    cairo_fill(cr);
    roundedRectangle(cr, 1.5, 1.5, w - 3, h - 6, 7);
    if (dark)
        setVerticalGradient(cr, 0, h, {{0, 0x3C5A78}, {1, 0x1E3450}});
    else
        setVerticalGradient(cr, 0, h, {{0, 0xFFFFFF}, {1, 0xE2E9F0}});
    cairo_fill_preserve(cr);
    setColour(cr, dark ? 0x0A1626 : 0x44546A);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    return keyed(canvas.picture());
}

// A prompt that blinks: the text for 0.6 s, nothing for 0.4 s.
std::vector<GifFrame> blinkingText(const std::string& text) {
    Canvas canvas(320, 48);
    const TextStyle style =
        fitText(canvas.cr(), text, {Font::LabelSlanted, 30, 0xFFFFFF, 3, kInk, 2.5, 0, 1.5}, 308);
    drawTextCentred(canvas.cr(), text, 160, 24, style);
    return {{keyed(canvas.picture()), 60}, {Picture(320, 48), 40}};
}

Picture credits() {
    // Scrolls upward forever on the goodbye page: the lines are spaced evenly over the whole height,
    // so the gap from the last line back to the first is the same as every other.
    const char* lines[] = {"VELMORA GOLF",
                           "",
                           "DESIGN AND CODE",
                           "THE VELMORA TEAM",
                           "",
                           "ART, MUSIC, SOUND",
                           "DRAWN AND",
                           "PLAYED BY OUR",
                           "OWN TOOLS",
                           "",
                           "LETTERS",
                           "DEJAVU AND",
                           "LIBERATION",
                           "",
                           "THANKS FOR",
                           "PLAYING!"};
    constexpr int kLines = sizeof lines / sizeof lines[0];
    Canvas canvas(256, 512);
    cairo_t* cr = canvas.cr();
    const double step = 512.0 / kLines;
    for (int i = 0; i < kLines; ++i) {
        const bool heading = i == 0 || i == 2 || i == 5 || i == 10;
        drawTextCentred(cr, lines[i], 128, step * (i + 0.5),
                        {Font::Label, heading ? 21.0 : 18.0, heading ? kYellow : 0xFFFFFF, 2.5, kInk});
    }
    return keyed(canvas.picture());
}

Picture arm(bool left) {
    Canvas canvas(48, 48, 4);
    cairo_t* cr = canvas.cr();
    if (left) {
        drawFlag(cr, 16, 44, 40, kRed);
    } else {
        drawGolfBall(cr, 24, 22, 12);
        cairo_new_path(cr);
        cairo_move_to(cr, 16, 34);
        cairo_line_to(cr, 32, 34);
        cairo_line_to(cr, 26, 38);
        cairo_line_to(cr, 25, 46);
        cairo_line_to(cr, 23, 46);
        cairo_line_to(cr, 22, 38);
        cairo_close_path(cr);
        setColour(cr, 0xF2C14E);
        cairo_fill_preserve(cr);
        setColour(cr, kNavy);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    return keyed(canvas.picture());
}

} // namespace

void addDialogs(AssetSet& assets) {
    assets.add("GUI/msgBox.gif", messageBoxPicture(), "dialogs");
    assets.add("GUI/msgArmL.gif", arm(true), "dialogs");
    assets.add("GUI/msgArmR.gif", arm(false), "dialogs");
    assets.add("GUI/dropInHole.jpg", dropInHole(), "dialogs");
    assets.add("GUI/slideBlank.jpg", slideBlank(), "dialogs");
    assets.add("GUI/inputpad.gif", keyboardPad(), "dialogs");
    assets.add("GUI/btn.gif", key(36, 36, false), "dialogs");
    assets.add("GUI/btnBig.gif", key(80, 40, true), "dialogs");
    assets.addAnimation("GUI/tapToStart.gif", blinkingText("TAP TO START"), "dialogs");
    assets.addAnimation("GUI/thanks.gif", blinkingText("THANKS FOR PLAYING!"), "dialogs");
    assets.add("GUI/credits.gif", credits(), "dialogs");
}

} // namespace velmora::content
