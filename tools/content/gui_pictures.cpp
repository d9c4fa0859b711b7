#include "gui_pictures.h"

#include "canvas.h"
#include "draw.h"
#include "icons.h"
#include "look.h"
#include "pages.h"
#include "widgets.h"

#include <cctype>
#include <cmath>

namespace velmora::content {

using namespace look;

namespace {

void addPair(AssetSet& assets, const std::string& name, const std::function<Picture(bool)>& make) {
    assets.add("GUI/" + name + ".gif", make(false), "buttons");
    assets.add("GUI/" + name + "_on.gif", make(true), "buttons");
}

void addLabelButton(AssetSet& assets, const std::string& name, const std::string& label, int w, int h,
                    Tone tone, const FaceContent& icon = {}) {
    addPair(assets, name, [&](bool on) { return labelButton(label, w, h, tone, on, icon); });
}

FaceContent clubIconContent(ClubIcon club) {
    return [club](cairo_t* cr, const Box& box, bool) {
        cairo_new_path(cr);
        cairo_arc(cr, box.x + box.w / 2, box.y + box.h / 2, box.h / 2, 0, 2 * M_PI);
        setColour(cr, 0xEAF4FF);
        cairo_fill(cr);
        drawClubGlyph(cr, box, club);
    };
}

Picture editBox(bool focused) {
    Canvas canvas(240, 56);
    cairo_t* cr = canvas.cr();
    roundedRectangle(cr, 2, 2, 236, 52, 12);
    setVerticalGradient(cr, 2, 54, {{0, focused ? 0xFFF4C8u : 0xE8EEF4u}, {0.25, 0xFFFFFF}, {1, 0xFFFFFF}});
    cairo_fill_preserve(cr);
    setColour(cr, focused ? kOrangeDeep : kNavy);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // A pencil at the right edge says the name can be typed.
    drawGlyph(cr, {200, 12, 32, 32}, Glyph::Save, focused ? kYellow : 0xFFFFFF, kNavy);
    return keyed(canvas.picture());
}

} // namespace

void addButtonsAndMarks(AssetSet& assets) {
    // Main menu.
    addLabelButton(assets, "btnPlay", "PLAY", 320, 60, Tone::Orange);
    addLabelButton(assets, "btnLoadGame", "LOAD GAME", 320, 48, Tone::Blue);
    addLabelButton(assets, "btnSettings", "SETTINGS", 320, 48, Tone::Blue);
    addLabelButton(assets, "btnManual", "HOW TO PLAY", 320, 48, Tone::Blue);
    addLabelButton(assets, "btnQuit", "QUIT", 320, 48, Tone::Red);
    // Page navigation.
    addLabelButton(assets, "btnBack", "BACK", 200, 60, Tone::Blue);
    addLabelButton(assets, "btnNext", "NEXT", 200, 60, Tone::Orange);
    addLabelButton(assets, "btnTeeOff", "TEE OFF!", 200, 60, Tone::Green);
    addLabelButton(assets, "btnLoad", "LOAD", 200, 60, Tone::Green);
    addLabelButton(assets, "btnOK", "OK", 200, 60, Tone::Green);
    addLabelButton(assets, "btnExit", "EXIT", 200, 60, Tone::Red);
    // Message box.
    addLabelButton(assets, "btnMsgOK", "OK", 120, 44, Tone::Green);
    addLabelButton(assets, "btnMsgYes", "YES", 120, 44, Tone::Green);
    addLabelButton(assets, "btnMsgNo", "NO", 120, 44, Tone::Red);
    // Arrows.
    const std::pair<const char*, Arrow> arrows[] = {{"arrowLeft", Arrow::Left},
                                                    {"arrowRight", Arrow::Right},
                                                    {"arrowUp", Arrow::Up},
                                                    {"arrowDown", Arrow::Down}};
    for (const auto& [name, arrow] : arrows) {
        const Arrow direction = arrow;
        addPair(assets, name, [direction](bool on) {
            return roundButton(48, Tone::Orange, on, [direction](cairo_t* cr, const Box& face, bool) {
                drawArrowGlyph(cr, face, direction, 0xFFFFFF, kOrangeInk);
            });
        });
    }
    // Marks: plain, and labelled options for the settings page.
    addPair(assets, "chkBox", [](bool on) { return markPicture(Mark::Check, on, 40); });
    addPair(assets, "radio", [](bool on) { return markPicture(Mark::Radio, on, 40); });
    addPair(assets, "chkBall", [](bool on) { return markPicture(Mark::Ball, on, 40); });
    const std::pair<const char*, const char*> options[] = {{"optOn", "ON"},
                                                           {"optOff", "OFF"},
                                                           {"optNone", "NONE"},
                                                           {"optLight", "LIGHT"},
                                                           {"optStrong", "STRONG"}};
    const int widths[] = {140, 140, 132, 140, 144};
    for (int i = 0; i < 5; ++i) {
        const std::string label = options[i].second;
        const int width = widths[i];
        addPair(assets, options[i].first,
                [&](bool on) { return markPicture(Mark::Radio, on, 40, label, width); });
    }
    addPair(assets, "optDirectVideo",
            [](bool on) { return markPicture(Mark::Check, on, 40, "DIRECT VIDEO", 280); });
    addPair(assets, "editName", editBox);
    // Heads-up display buttons and menu entries.
    addPair(assets, "btnMenu", [](bool on) {
        return pillButton(64, 52, Tone::Orange, on, [](cairo_t* cr, const Box& face, bool) {
            drawGlyph(cr, {face.x + face.w / 2 - 16, face.y + face.h / 2 - 16, 32, 32}, Glyph::Menu, 0xFFFFFF,
                      kOrangeInk);
        });
    });
    const std::pair<const char*, const char*> menu[] = {
        {"menuScorecard", "SCORECARD"}, {"menuAutoAim", "AUTO AIM"},   {"menuViewHole", "VIEW HOLE"},
        {"menuMulligan", "MULLIGAN"},   {"menuSaveGame", "SAVE GAME"}, {"menuHelp", "HELP"},
        {"menuQuit", "QUIT GAME"},      {"menuClose", "CLOSE"}};
    for (const auto& [name, label] : menu)
        addLabelButton(assets, name, label, 216, 42,
                       std::string(name) == "menuQuit" ? Tone::Red : Tone::Blue);
    const std::pair<const char*, ClubIcon> clubs[] = {{"Wood", ClubIcon::Wood},
                                                      {"Iron", ClubIcon::Iron},
                                                      {"Wedge", ClubIcon::Wedge},
                                                      {"Putter", ClubIcon::Putter}};
    for (const auto& [name, club] : clubs) {
        std::string label = name;
        for (char& c : label)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        addLabelButton(assets, std::string("club") + name, label, 200, 46, Tone::Blue, clubIconContent(club));
    }
    for (const char* name : {"Full", "Punch", "Flop", "Chip", "Putt"}) {
        std::string label = name;
        for (char& c : label)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        addLabelButton(assets, std::string("stroke") + name, label, 180, 46, Tone::Blue);
    }
    addLabelButton(assets, "btnCardClose", "CLOSE", 200, 48, Tone::Green);
    addLabelButton(assets, "btnSaveDone", "DONE", 200, 48, Tone::Green);
    addPair(assets, "btnSaveSlot", [](bool on) {
        return pillButton(72, 40, Tone::Orange, on, [](cairo_t* cr, const Box& face, bool) {
            drawGlyph(cr, {face.x + face.w / 2 - 14, face.y + face.h / 2 - 14, 28, 28}, Glyph::Save, 0xFFFFFF,
                      kOrangeInk);
        });
    });
}

void addBackgrounds(AssetSet& assets) {
    for (const Page& page : pages()) {
        if (page.scenerySeed == 0 || page.background.empty())
            continue;
        Canvas canvas(page.scene.w * 2, page.scene.h * 2);
        paintBackground(canvas.cr(), page);
        assets.add("GUI/" + page.background, canvas.picture(), "backgrounds");
    }
}

void addIcons(AssetSet& assets) {
    const std::pair<const char*, ClubIcon> clubs[] = {{"Wood", ClubIcon::Wood},
                                                      {"Iron", ClubIcon::Iron},
                                                      {"Wedge", ClubIcon::Wedge},
                                                      {"Putter", ClubIcon::Putter}};
    for (const auto& [name, club] : clubs)
        assets.add(std::string("GUI/icons/icon") + name + ".gif", clubIcon(club), "icons");
    const std::pair<const char*, LieIcon> lies[] = {
        {"Tee", LieIcon::Tee},         {"Cup", LieIcon::Cup},       {"Green", LieIcon::Green},
        {"Fairway", LieIcon::Fairway}, {"Bunker", LieIcon::Bunker}, {"Water", LieIcon::Water},
        {"Rough", LieIcon::Rough}};
    for (const auto& [name, lie] : lies)
        assets.add(std::string("GUI/icons/icon") + name + ".gif", lieIcon(lie), "icons");
}

} // namespace velmora::content
