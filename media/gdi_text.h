#pragma once
// Text in platform fonts: the font a sprite asks for, kept selected in the drawing context from one
// sprite to the next, and the text calls the widgets use.

#include "platform/gdi.h"
#include "platform/types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

struct FontRequest {
    int height = 16;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    std::wstring_view face = {}; // empty: "Arial"
};

// A proportional sans-serif font (face cut to 31 characters); the stock system font when none
// can be made.
HFONT createFont(const FontRequest& request);
// Whether the context's current font is the one asked for (an empty face asks for "Arial").
bool fontMatches(HDC dc, const FontRequest& request);
// Selects a font made for the request unless the current one matches; the one it replaces is
// deleted (stock fonts are kept).
void useFont(HDC dc, const FontRequest& request);

// The text at a point, top left of its first cell, in the context's font and text colour.
void textOut(HDC dc, int x, int y, std::wstring_view text);
// The text in a box with a DrawTextW format.
void textBox(HDC dc, RECT box, std::wstring_view text, UINT format);

struct TextMetrics {
    int lineHeight = 0; // ascent + descent
    int averageWidth = 0;
};
TextMetrics textMetrics(HDC dc);
// The text's width and height; (-1, -1) when it cannot be measured.
SIZE textExtent(HDC dc, std::wstring_view text);

// Fills a rectangle with a colour (0xRRGGBB).
void fillWithColor(HDC dc, RECT rect, uint32_t color);

} // namespace velmora
