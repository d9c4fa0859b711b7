#pragma once
// Fonts drawn from a picture holding a grid of equally sized glyph cells, and the two layouts that
// use them: one line at a point, and a word-wrapped box.

#include "surface/surface.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

enum class CaseConversion { None = 0, Upper = 1, Lower = 2 };
enum class TextAlignment { Left = 0, Center = 1, Right = 2 };

struct TextBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class BitmapFont {
public:
    // Loads the picture at the display's depth (a failure leaves the font without glyphs). The key
    // is the picture's own when it has one, else transparentColor.
    BitmapFont(const std::wstring& path, int columns, int rows, CaseConversion caseConversion, int startCode,
               uint32_t transparentColor);

    // Texts are cut at this many characters.
    void resizeBuffer(size_t capacity) { bufferCapacity = capacity; }

    int columns = 1;
    int rows = 1;
    int startCode = 32;
    CaseConversion caseConvertion = CaseConversion::Upper;
    uint32_t transparentColor = 0;
    int glyphCount = 0;
    int cellWidth = 0, cellHeight = 0;
    Surface picture;
    size_t bufferCapacity = 256;
};

// Draws text from (x, y), each cell height pixels high (0: the cells' own size) and as wide as
// that scales the cell. Characters outside the font draw cell 0; spaces only advance.
void drawText(const BitmapFont& font, Surface& target, int x, int y, std::wstring_view text, int height);

// Word-wraps text into the box: lines break after the last blank that fits, at "\n\r" pairs, or
// inside a word too long for the box. A line that starts above the bottom is drawn whole.
void drawTextBox(const BitmapFont& font, Surface& target, TextBox box, std::wstring_view text, int height,
                 TextAlignment alignment);

} // namespace velmora
