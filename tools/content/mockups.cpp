#include "mockups.h"

#include "bitmap_fonts.h"
#include "canvas.h"
#include "draw.h"
#include "figure.h"
#include "golfer_animations.h"
#include "look.h"
#include "scenery.h"

#include <cctype>
#include <map>

namespace velmora::content {

using namespace look;

namespace {

const Page& pageNamed(const std::string& name) {
    for (const Page& page : pages())
        if (page.name == name)
            return page;
    return pages().front();
}

bool isPopup(const Page& page) {
    return page.scenerySeed == 0;
}

const Picture& fontGrid(TextFont font, const BitmapFontStyle** style) {
    static std::map<int, std::pair<BitmapFontStyle, Picture>> grids;
    const char* files[] = {"", "fontTitle.gif", "fontLabel.gif", "fontBody.gif", "fontSmall.gif"};
    auto found = grids.find(int(font));
    if (found == grids.end()) {
        for (const BitmapFontStyle& s : bitmapFontStyles())
            if (s.file == files[int(font)])
                found = grids.emplace(int(font), std::make_pair(s, renderBitmapFont(s))).first;
    }
    *style = &found->second.first;
    return found->second.second;
}

void drawSampleText(Canvas& canvas, const Widget& w, Box box) {
    if (w.sample.empty())
        return;
    box.x += w.textOffsetX * 2;
    box.y += w.textOffsetY * 2;
    if (w.font == TextFont::System) {
        // The game's system font: Arial (Liberation Sans) at 16 units.
        const bool dark = w.node.find("LoadSlot") != std::string::npos || w.node == "txtCongratulations";
        TextStyle style{Font::Label, 30, dark ? 0xFFB080 : kNavy};
        if (w.node == "txtCongratulations")
            style = {Font::Label, 30, 0xFFFFFF, 2.5, kInk};
        drawText(canvas.cr(), w.sample, w.centred ? box.x + box.w / 2 : box.x + 2, box.y + 26, style,
                 w.centred ? Align::Centre : Align::Left);
        return;
    }
    const BitmapFontStyle* style = nullptr;
    const Picture& grid = fontGrid(w.font, &style);
    const Picture text = sampleText(grid, *style, w.sample, true);
    double x = box.x + 2;
    if (w.centred)
        x = box.x + (box.w - text.width) / 2;
    canvas.drawPicture(text, x, box.y);
}

void drawWidgets(Canvas& canvas, const Page& page, const AssetSet& assets) {
    const double originX = page.scene.x * 2.0, originY = page.scene.y * 2.0;
    for (const Widget& w : page.widgets) {
        if (w.hiddenInMockup)
            continue;
        Box box = pixels(w.rect);
        box.x += originX;
        box.y += originY;
        if (!w.picture.empty()) {
            const Picture& picture = assets.picture(w.picture);
            if (w.node == "gaugePower" || w.node == "rectPrompt")
                canvas.drawPicture(w.node == "gaugePower" ? scaleNearest(picture, int(box.w), int(box.h))
                                                          : crop(picture, 0, 40, int(box.w), int(box.h)),
                                   box.x, box.y);
            else
                canvas.drawPicture(picture, box.x, box.y);
        }
        drawSampleText(canvas, w, box);
    }
}

void drawGameView(Canvas& canvas, const AssetSet& assets) {
    // A stand-in for the 3D view: the course, the golfer aiming and the ball at his feet.
    SceneryOptions options;
    options.seed = 19;
    options.horizon = 0.42;
    drawScenery(canvas.cr(), 480, 640, options);
    static const Picture golfer = scaleNearest(stanceFrame(golferLooks()[0]), 128, 256);
    canvas.drawPicture(golfer, 240 - 128 - 4, 420 - 256 + 20);
    drawGolfBall(canvas.cr(), 246, 432, 6);
    (void)assets;
}

// The texts the game draws into its panels itself: Arial 16, (80;150;80), at (152, 14) and (152, 2).
void drawPanelTexts(Canvas& canvas) {
    const TextStyle arial{Font::Regular, 26, 0x509650};
    drawText(canvas.cr(), "Green Valley", 304, 28 + 25, arial);
    drawText(canvas.cr(), "Hole 3 / Par 4", 304, 580 + 4 + 25, arial);
}

// The on-screen keyboard as the program builds it over a page (230 x 200 units, centred).
void drawKeyboard(Canvas& canvas, const AssetSet& assets) {
    const double sx = 10, sy = 120;
    canvas.drawPicture(assets.picture("inputpad.gif"), sx, sy);
    cairo_t* cr = canvas.cr();
    drawText(cr, "Input Slot Name:", sx + 230, sy + 12 + 24, {Font::Regular, 26, 0x141414}, Align::Centre);
    cairo_rectangle(cr, sx + 40, sy + 48, 380, 36);
    setColour(cr, 0x141414);
    cairo_fill_preserve(cr);
    setColour(cr, 0xEBEBEB);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawText(cr, "Sunday", sx + 46, sy + 76, {Font::Regular, 28, 0xEBEBEB});
    const char* labels = "1234567890qwertyuiopasdfghjkl/zxcvbnm-=.";
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 10; ++column) {
            const double x = sx + (11 + 21 * column) * 2, y = sy + (54 + 30 * row) * 2;
            canvas.drawPicture(assets.picture("btn.gif"), x, y);
            drawText(cr, std::string(1, labels[row * 10 + column]), x + 18, y + 26,
                     {Font::Regular, 26, 0x141414}, Align::Centre);
        }
    }
    const char* big[] = {"Caps", "Clear", "Del", "Esc", "Ok"};
    for (int i = 0; i < 5; ++i) {
        const double x = sx + (10 + 43 * i) * 2, y = sy + 173 * 2;
        canvas.drawPicture(assets.picture("btnBig.gif"), x, y);
        drawText(cr, big[i], x + 40, y + 29, {Font::Regular, 24, 0xEBEBEB}, Align::Centre);
    }
}

} // namespace

Picture mockup(const Page& page, const AssetSet& assets) {
    Canvas canvas(480, 640);
    // What lies under the page: the game for its pop-ups, the main menu for the message box.
    if (page.name == "game" || (isPopup(page) && page.name != "messagebox")) {
        drawGameView(canvas, assets);
        drawWidgets(canvas, pageNamed("game"), assets);
        drawPanelTexts(canvas);
    } else if (page.name == "messagebox") {
        const Page& menu = pageNamed("intro");
        canvas.drawPicture(assets.picture(menu.background), 0, 0);
        drawWidgets(canvas, menu, assets);
    }
    if (page.name != "game") {
        if (!page.background.empty())
            canvas.drawPicture(assets.picture(page.background), page.scene.x * 2.0, page.scene.y * 2.0);
        drawWidgets(canvas, page, assets);
    }
    if (page.name == "saveGame")
        drawKeyboard(canvas, assets);
    return canvas.picture();
}

std::string checkPictureSizes(const AssetSet& assets) {
    std::string problems;
    for (const Page& page : pages()) {
        auto check = [&](const std::string& file, int w, int h, const std::string& what) {
            if (file.empty())
                return;
            const Picture& picture = assets.picture(file);
            if (picture.width != w || picture.height != h)
                problems += page.name + ": " + what + " " + file + " is " + std::to_string(picture.width) +
                            "x" + std::to_string(picture.height) + ", expected " + std::to_string(w) + "x" +
                            std::to_string(h) + "\n";
        };
        check(page.background, page.scene.w * 2, page.scene.h * 2, "background");
        for (const Widget& w : page.widgets) {
            // The power bar is stretched on purpose; the credits scroll behind a smaller window.
            if (w.node == "gaugePower" || w.node == "rectPrompt")
                continue;
            check(w.picture, w.rect.w * 2, w.rect.h * 2, w.node);
            check(w.bright, w.rect.w * 2, w.rect.h * 2, w.node);
        }
    }
    return problems;
}

} // namespace velmora::content
