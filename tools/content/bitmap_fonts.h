#pragma once
// Glyph grids for the game's "BitmapFont" nodes: 16 columns x 6 rows of equal cells for the
// character codes 32-127 (cell 0 is the blank), drawn at twice the layout size on the key colour.

#include "picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::content {

struct BitmapFontStyle {
    std::string file; // picture name in the GUI folder
    int cellWidth;    // pixels
    int cellHeight;   // pixels; a template asks for cellHeight / 2 as its textSize
    int font;         // a Font value
    double size;      // pixel size of the letters
    uint32_t fill;
    uint32_t outline;
    double outlineWidth;
};

constexpr int kFontColumns = 16;
constexpr int kFontRows = 6;
constexpr int kFontStartCode = 32;

// Every font the game ships, normal and bright variants side by side.
const std::vector<BitmapFontStyle>& bitmapFontStyles();

Picture renderBitmapFont(const BitmapFontStyle& style);

// Draws text with a glyph grid the way the game does (monospaced cells, upper-cased when asked),
// for the contact sheet's samples.
Picture sampleText(const Picture& grid, const BitmapFontStyle& style, const std::string& text,
                   bool upperCase);

} // namespace velmora::content
