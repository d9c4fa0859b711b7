#include "platform/gdi.h"

#include "platform/device_context.h"

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

} // namespace

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
    return dc;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (!dc || !object)
        return nullptr;
    HGDIOBJ previous = nullptr;
    if (object->kind == GdiKind::Bitmap) {
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

HBITMAP currentBitmap(HDC dc) { return dc ? dc->bitmap : nullptr; }

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
