#pragma once
// Text output with the context's font and text colour: anti-aliased glyphs blended onto 16- and
// 32-bit bitmaps, drawn without kerning. The point of ExtTextOutW is the top left of the text
// cell; an opaque background mode fills the cell with the background colour first.

#include "platform/gdi.h"
#include "platform/types.h"

#include <string>

namespace velmora {

enum ExtTextOutOption : UINT { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };
// count < 0: up to the terminator. widths, when given, are the advances to use per character.
bool ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, const wchar_t* text, int count,
                 const int* widths);

enum DrawTextFormat : UINT {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,    // with DT_SINGLELINE
    DT_BOTTOM = 0x0008,     // with DT_SINGLELINE
    DT_WORDBREAK = 0x0010,  // break lines between words that pass the right edge
    DT_SINGLELINE = 0x0020, // line breaks in the text do not break
    DT_EXPANDTABS = 0x0040,
    DT_NOCLIP = 0x0100,
    DT_CALCRECT = 0x0400, // only measure: the rectangle's bottom (and right) are set
    DT_NOPREFIX = 0x0800, // '&' is an ordinary character (otherwise it is dropped, "&&" is one '&')
};
// Lines break at "\r\n", "\n\r", '\r' or '\n', and with DT_WORDBREAK before a word that would pass
// the right edge (blanks at a break are dropped; a word longer than the box stays whole). Returns
// the height of the text.
int DrawTextW(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format);

bool GetTextExtentPoint32W(HDC dc, const wchar_t* text, int count, SIZE* size);
// How many characters fit within maxExtent (into *fit) and each prefix's width (into widths).
bool GetTextExtentExPointW(HDC dc, const wchar_t* text, int count, int maxExtent, int* fit, int* widths,
                           SIZE* size);

struct TEXTMETRICW {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
};
bool GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);

// The family name the context's font resolved to (for checks that Arial became Liberation Sans).
std::string fontFamilyName(HDC dc);

} // namespace velmora
