#pragma once
// Drawing contexts and bitmaps: the subset of the handheld's graphics device interface that the
// game calls, over in-memory pixel buffers. A bitmap is a top-down DIB section of 16-bit RGB565 or
// 32-bit 0x00RRGGBB pixels; a device context draws into the bitmap selected into it.
//
// Objects are owned by their creator and released with DeleteObject / DeleteDC, as the game's
// code was written for; a bitmap cannot be deleted while it is selected into a context.

#include <cstdint>
#include <memory>

namespace velmora {

using COLORREF = uint32_t; // 0x00BBGGRR, the order the graphics calls take colours in
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

enum class GdiKind { Bitmap, Pen, Brush, Font };

struct GdiObject {
    explicit GdiObject(GdiKind objectKind) : kind(objectKind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    const GdiKind kind;
    int selectCount = 0; // contexts that hold it selected
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

} // namespace velmora
