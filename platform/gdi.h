#pragma once
// Drawing contexts and bitmaps: the subset of the handheld's graphics device interface that the
// game calls, over in-memory pixel buffers. A bitmap is a top-down DIB section of 16-bit RGB565 or
// 32-bit 0x00RRGGBB pixels; a device context draws into the bitmap selected into it.
//
// Objects are owned by their creator and released with DeleteObject / DeleteDC, as the game's
// code was written for; a bitmap cannot be deleted while it is selected into a context.

#include "platform/types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

using COLORREF = uint32_t; // 0x00BBGGRR, the order the graphics calls take colours in
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// Between the engine's 0xRRGGBB and the drawing calls' 0x00BBGGRR.
constexpr COLORREF rgbToColorRef(uint32_t rgb) {
    return RGB(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>(rgb & 0xFF));
}
constexpr uint32_t rgbFromColorRef(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

enum class GdiKind { Bitmap, Pen, Brush, Font };

struct GdiObject {
    explicit GdiObject(GdiKind objectKind) : kind(objectKind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    const GdiKind kind;
    int selectCount = 0; // contexts that hold it selected
    bool stock = false;  // a stock object: DeleteObject leaves it alone
};
using HGDIOBJ = GdiObject*;

struct Bitmap : GdiObject {
    Bitmap() : GdiObject(GdiKind::Bitmap) {}
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // 16 (RGB565) or 32 (0x00RRGGBB)
    int stride = 0;       // bytes per row, rounded up to 4
    uint8_t* bits = nullptr;
    std::unique_ptr<uint8_t[]> storage;
};
using HBITMAP = Bitmap*;

enum PenStyle : int { PS_SOLID = 0, PS_DASH = 1, PS_NULL = 5 };

struct Pen : GdiObject {
    Pen() : GdiObject(GdiKind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};
using HPEN = Pen*;

struct Brush : GdiObject {
    Brush() : GdiObject(GdiKind::Brush) {}
    bool hollow = false; // the null brush: fills nothing
    COLORREF color = 0;
};
using HBRUSH = Brush*;

// A logical font as the game asks for it. A positive height is the cell height (ascent plus
// descent), a negative one the character height (the em size); 0 asks for the default size.
struct LOGFONTW {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 400; // 400 normal, 700 bold
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    wchar_t lfFaceName[32] = {};
};
enum : int { FW_NORMAL = 400, FW_BOLD = 700 };

struct FontFace; // the resolved face and its glyph cache (platform/font.h)
struct Font : GdiObject {
    Font() : GdiObject(GdiKind::Font) {}
    LOGFONTW logFont;
    std::shared_ptr<FontFace> face;
};
using HFONT = Font*;

struct DeviceContext;
using HDC = DeviceContext*;

// The depth of the display: VELMORA_DEPTH (16 or 32), 16 by default. Read once per process.
int displayBitsPerPixel();

// A zero-filled top-down bitmap; *bits receives the first byte of the top row. Only 16 and 32
// bits per pixel are supported (24 is stored as 32). Null when the size is not positive or too large.
HBITMAP CreateDIBSection(int width, int height, int bitsPerPixel, void** bits);
// A bitmap at the display's depth.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// A memory context compatible with the screen (dc may be null). It starts with a 1 x 1 bitmap of
// the display's depth selected, as on the original platform.
HDC CreateCompatibleDC(HDC dc);
// Selects a bitmap (or pen, brush, font) and returns the one it replaces.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
bool DeleteObject(HGDIOBJ object);
bool DeleteDC(HDC dc);

// The bitmap currently selected into a context.
HBITMAP currentBitmap(HDC dc);

enum DeviceCap { BITSPIXEL = 12, HORZRES = 8, VERTRES = 10 };
int GetDeviceCaps(HDC dc, int index);

// Stock objects are shared and never deleted. A new context holds the black pen, the white brush
// and the system font.
enum StockObject : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
};
HGDIOBJ GetStockObject(int object);

// A pen of style PS_SOLID, PS_DASH (one pixel wide, 18 on and 6 off) or PS_NULL.
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// Resolves the face through fontconfig ("Arial" becomes Liberation Sans); null only when no font
// at all can be loaded.
HFONT CreateFontIndirectW(const LOGFONTW* logFont);

enum CurrentObject : int { OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_FONT = 6, OBJ_BITMAP = 7 };
HGDIOBJ GetCurrentObject(HDC dc, int kind);
// Copies a font's LOGFONTW; returns the bytes copied, 0 for other objects.
int GetObjectW(HGDIOBJ object, int size, void* out);

// Drawing state of a context.
enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };
enum BinaryRasterOp : int {
    R2_BLACK = 1,
    R2_NOT = 6, // inverts the destination: drawing twice restores it
    R2_XORPEN = 7,
    R2_NOP = 11,
    R2_NOTXORPEN = 10,
    R2_COPYPEN = 13,
    R2_WHITE = 16,
};
enum PolyFillMode : int { ALTERNATE = 1, WINDING = 2 };
COLORREF SetTextColor(HDC dc, COLORREF color); // each returns the previous value
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
int SetROP2(HDC dc, int mode);
int SetPolyFillMode(HDC dc, int mode);

} // namespace velmora
