#include "bitmap_fonts.h"

#include "canvas.h"
#include "draw.h"
#include "fonts.h"
#include "look.h"

#include <algorithm>
#include <cctype>

namespace velmora::content {

const std::vector<BitmapFontStyle>& bitmapFontStyles() {
    using namespace look;
    const int label = int(Font::Label), body = int(Font::Body);
    static const std::vector<BitmapFontStyle> styles = {
        // Titles: white (bright: yellow) letters with a deep green outline, textSize 24.
        {"fontTitle.gif", 30, 48, label, 40, kWhite, kInk, 3.5},
        {"fontTitleBright.gif", 30, 48, label, 40, kYellow, kInk, 3.5},
        // Labels over scenery, panels of colour and the heads-up display, textSize 14.
        {"fontLabel.gif", 16, 28, label, 22, kWhite, kInk, 2.5},
        {"fontLabelBright.gif", 16, 28, label, 22, kYellow, kInk, 2.5},
        // Body text on light panels, textSize 16.
        {"fontBody.gif", 20, 32, body, 24, kNavy, 0, 0},
        {"fontBodyBright.gif", 20, 32, body, 24, kOrangeDeep, 0, 0},
        // Tables (scores, scorecard), textSize 12.
        {"fontSmall.gif", 14, 24, body, 17.5, kNavy, 0, 0},
        {"fontSmallBright.gif", 14, 24, body, 17.5, kOrangeDeep, 0, 0},
    };
    return styles;
}

Picture renderBitmapFont(const BitmapFontStyle& style) {
    const int width = style.cellWidth * kFontColumns, height = style.cellHeight * kFontRows;
    // Drawn four times larger and averaged down: smooth letter shapes before the alpha is hardened.
    Canvas canvas(width, height, 4);
    cairo_t* cr = canvas.cr();
    TextStyle text{Font(style.font), style.size, style.fill, style.outlineWidth, style.outline};
    // One baseline for every cell: capitals and descenders both fit.
    const double baseline = style.cellHeight * 0.76;
    for (int code = kFontStartCode + 1; code < 127; ++code) {
        const int cell = code - kFontStartCode;
        const double cellX = (cell % kFontColumns) * style.cellWidth;
        const double cellY = (cell / kFontColumns) * style.cellHeight;
        const std::string glyph(1, char(code));
        // Squeeze wide letters (W, M, @) into the cell instead of letting them touch the next one.
        const double room = style.cellWidth - 2.0;
        const double inked = textWidth(cr, glyph, text);
        cairo_save(cr);
        cairo_rectangle(cr, cellX, cellY, style.cellWidth, style.cellHeight);
        cairo_clip(cr);
        cairo_translate(cr, cellX + style.cellWidth / 2.0, cellY + baseline);
        if (inked > room)
            cairo_scale(cr, room / inked, 1.0);
        drawText(cr, glyph, 0, 0, text, Align::Centre);
        cairo_restore(cr);
    }
    Picture picture = canvas.picture();
    hardenAlpha(picture, 110);
    return picture;
}

Picture sampleText(const Picture& grid, const BitmapFontStyle& style, const std::string& text,
                   bool upperCase) {
    Picture result(int(text.size()) * style.cellWidth, style.cellHeight);
    for (size_t i = 0; i < text.size(); ++i) {
        int code = upperCase ? std::toupper(static_cast<unsigned char>(text[i])) : text[i];
        int cell = code - kFontStartCode;
        if (cell < 0 || cell >= kFontColumns * kFontRows)
            cell = 0;
        const Picture glyph =
            crop(grid, (cell % kFontColumns) * style.cellWidth, (cell / kFontColumns) * style.cellHeight,
                 style.cellWidth, style.cellHeight);
        compose(result, glyph, int(i) * style.cellWidth, 0);
    }
    return result;
}

} // namespace velmora::content
