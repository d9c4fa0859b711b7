#include "platform/gdi.h"

#include "platform/device_context.h"
#include "platform/display.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace velmora {

namespace {

constexpr int64_t maxBitmapBytes = int64_t(1) << 30;

HGDIOBJ& slotFor(DeviceContext& dc, GdiKind kind) {
    switch (kind) {
    case GdiKind::Pen:
        return dc.pen;
    case GdiKind::Brush:
        return dc.brush;
    case GdiKind::Font:
    case GdiKind::Bitmap: // held in its own typed slot
        break;
    }
    return dc.font;
}

template <typename Object> Object* makeStock(Object* object) {
    object->stock = true;
    return object;
}

HBRUSH stockBrush(COLORREF color, bool hollow) {
    auto* brush = new Brush;
    brush->color = color;
    brush->hollow = hollow;
    return makeStock(brush);
}

HPEN stockPen(int style, COLORREF color) {
    auto* pen = new Pen;
    pen->style = style;
    pen->color = color;
    return makeStock(pen);
}

} // namespace

HGDIOBJ GetStockObject(int object) {
    // Created on first use and kept for the life of the process.
    static HGDIOBJ const stock[] = {
        stockBrush(RGB(255, 255, 255), false),
        stockBrush(RGB(192, 192, 192), false),
        stockBrush(RGB(128, 128, 128), false),
        stockBrush(RGB(64, 64, 64), false),
        stockBrush(RGB(0, 0, 0), false),
        stockBrush(0, true),
        stockPen(PS_SOLID, RGB(255, 255, 255)),
        stockPen(PS_SOLID, RGB(0, 0, 0)),
        stockPen(PS_NULL, 0),
    };
    if (object >= WHITE_BRUSH && object <= NULL_PEN)
        return stock[object];
    if (object == SYSTEM_FONT) {
        static HFONT const systemFont = [] {
            LOGFONTW logFont;
            logFont.lfHeight = -12;
            HFONT font = CreateFontIndirectW(&logFont);
            if (font)
                font->stock = true;
            return font;
        }();
        return systemFont;
    }
    return nullptr;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style != PS_SOLID && style != PS_DASH && style != PS_NULL)
        return nullptr;
    auto* pen = new Pen;
    pen->style = style;
    pen->width = width < 1 ? 1 : width;
    pen->color = color & 0xFFFFFF;
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto* brush = new Brush;
    brush->color = color & 0xFFFFFF;
    return brush;
}

void selectDefaultObjects(DeviceContext& dc) {
    SelectObject(&dc, GetStockObject(BLACK_PEN));
    SelectObject(&dc, GetStockObject(WHITE_BRUSH));
    SelectObject(&dc, GetStockObject(SYSTEM_FONT));
}

HDC createScreenContext(HWND window) {
    HBITMAP screen = screenBitmap();
    if (!screen)
        return nullptr;
    auto* dc = new DeviceContext;
    dc->bitmap = screen;
    ++screen->selectCount;
    dc->window = window;
    dc->onScreen = true;
    selectDefaultObjects(*dc);
    return dc;
}

HGDIOBJ GetCurrentObject(HDC dc, int kind) {
    if (!dc)
        return nullptr;
    switch (kind) {
    case OBJ_PEN:
        return dc->pen;
    case OBJ_BRUSH:
        return dc->brush;
    case OBJ_FONT:
        return dc->font;
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return nullptr;
    }
}

int GetObjectW(HGDIOBJ object, int size, void* out) {
    if (!object || object->kind != GdiKind::Font || !out || size < static_cast<int>(sizeof(LOGFONTW)))
        return 0;
    *static_cast<LOGFONTW*>(out) = static_cast<HFONT>(object)->logFont;
    return sizeof(LOGFONTW);
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    if (!dc)
        return 0;
    const COLORREF previous = dc->textColor;
    dc->textColor = color & 0xFFFFFF;
    return previous;
}

COLORREF GetTextColor(HDC dc) {
    return dc ? dc->textColor : 0;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    if (!dc)
        return 0;
    const COLORREF previous = dc->backgroundColor;
    dc->backgroundColor = color & 0xFFFFFF;
    return previous;
}

int SetBkMode(HDC dc, int mode) {
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int previous = dc->backgroundMode;
    dc->backgroundMode = mode;
    return previous;
}

int SetROP2(HDC dc, int mode) {
    if (!dc || mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    const int previous = dc->rop2;
    dc->rop2 = mode;
    return previous;
}

int SetPolyFillMode(HDC dc, int mode) {
    if (!dc || (mode != ALTERNATE && mode != WINDING))
        return 0;
    const int previous = dc->polyFillMode;
    dc->polyFillMode = mode;
    return previous;
}

int displayBitsPerPixel() {
    static const int depth = [] {
        const char* value = std::getenv("VELMORA_DEPTH");
        return value && std::strcmp(value, "32") == 0 ? 32 : 16;
    }();
    return depth;
}

HBITMAP CreateDIBSection(int width, int height, int bitsPerPixel, void** bits) {
    if (bits)
        *bits = nullptr;
    if (width <= 0 || height <= 0 || (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32))
        return nullptr;
    const int storedBits = bitsPerPixel == 16 ? 16 : 32;
    const int64_t stride = ((int64_t(storedBits) * width + 31) / 32) * 4;
    if (stride * height > maxBitmapBytes)
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->storage.reset(new (std::nothrow) uint8_t[stride * height]());
    if (!bitmap->storage)
        return nullptr;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = storedBits;
    bitmap->stride = static_cast<int>(stride);
    bitmap->bits = bitmap->storage.get();
    if (bits)
        *bits = bitmap->bits;
    return bitmap.release();
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    return CreateDIBSection(width, height, displayBitsPerPixel(), nullptr);
}

HDC CreateCompatibleDC(HDC) {
    HBITMAP initial = CreateCompatibleBitmap(nullptr, 1, 1);
    if (!initial)
        return nullptr;
    auto* dc = new DeviceContext;
    dc->defaultBitmap = initial;
    dc->bitmap = initial;
    initial->selectCount = 1;
    selectDefaultObjects(*dc);
    return dc;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (!dc || !object)
        return nullptr;
    HGDIOBJ previous = nullptr;
    if (object->kind == GdiKind::Bitmap) {
        if (dc->onScreen)
            return nullptr; // a window's context always draws on the screen
        previous = dc->bitmap;
        dc->bitmap = static_cast<HBITMAP>(object);
    } else {
        HGDIOBJ& slot = slotFor(*dc, object->kind);
        previous = slot;
        slot = object;
    }
    if (previous)
        --previous->selectCount;
    ++object->selectCount;
    return previous;
}

bool DeleteObject(HGDIOBJ object) {
    if (object && object->stock)
        return true;
    if (!object || object->selectCount > 0)
        return false;
    delete object;
    return true;
}

bool DeleteDC(HDC dc) {
    if (!dc)
        return false;
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(dc->bitmap), dc->pen, dc->brush, dc->font}) {
        if (object)
            --object->selectCount;
    }
    delete dc->defaultBitmap; // only ever selected into its own context
    delete dc;
    return true;
}

HBITMAP currentBitmap(HDC dc) {
    return dc ? dc->bitmap : nullptr;
}

int GetDeviceCaps(HDC dc, int index) {
    switch (index) {
    case BITSPIXEL:
        return dc && dc->bitmap ? dc->bitmap->bitsPerPixel : displayBitsPerPixel();
    case HORZRES:
        return dc && dc->bitmap ? dc->bitmap->width : 0;
    case VERTRES:
        return dc && dc->bitmap ? dc->bitmap->height : 0;
    default:
        return 0;
    }
}

} // namespace velmora
