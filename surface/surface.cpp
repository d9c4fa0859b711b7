#include "surface/surface.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace velmora {

int displayDepth() {
    static const int depth = [] {
        HBITMAP probe = CreateCompatibleBitmap(nullptr, 1, 1);
        const int bits = probe ? probe->bitsPerPixel : 16;
        DeleteObject(probe);
        if (bits < 16)
            return 16;
        return bits >= 24 ? 32 : bits;
    }();
    return depth;
}

bool Surface::create(int newWidth, int newHeight, bool deviceDepth) {
    release();
    const int depth = deviceDepth ? displayDepth() : 32;
    HBITMAP created = CreateDIBSection(std::abs(newWidth), std::abs(newHeight), depth, nullptr);
    return created && adopt(created, deviceDepth);
}

bool Surface::adopt(HBITMAP newBitmap, bool deviceDepth) {
    release();
    if (!newBitmap)
        return false;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(newBitmap);
        return false;
    }
    memoryDC = dc;
    bitmap = newBitmap;
    previousBitmap = SelectObject(dc, newBitmap);
    useDeviceDepth = deviceDepth;
    bits = newBitmap->bits;
    width = newBitmap->width;
    height = newBitmap->height;
    bitsPerPixel = newBitmap->bitsPerPixel;
    bytesPerPixel = bitsPerPixel / 8;
    stride = newBitmap->stride;
    size = stride * height;
    return true;
}

void Surface::release() {
    if (memoryDC) {
        // Text drawing leaves its last font selected in the context for the next text: it goes
        // with the context.
        HGDIOBJ stockFont = GetStockObject(SYSTEM_FONT);
        HGDIOBJ font = SelectObject(memoryDC, stockFont);
        if (font && font != stockFont)
            DeleteObject(font);
        SelectObject(memoryDC, previousBitmap);
        DeleteObject(bitmap);
        DeleteDC(memoryDC);
    }
    memoryDC = nullptr;
    bitmap = nullptr;
    previousBitmap = nullptr;
    bits = nullptr;
    width = height = bytesPerPixel = stride = bitsPerPixel = size = 0;
}

void Surface::swap(Surface& other) noexcept {
    std::swap(bits, other.bits);
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(bytesPerPixel, other.bytesPerPixel);
    std::swap(stride, other.stride);
    std::swap(bitsPerPixel, other.bitsPerPixel);
    std::swap(size, other.size);
    std::swap(useDeviceDepth, other.useDeviceDepth);
    std::swap(memoryDC, other.memoryDC);
    std::swap(bitmap, other.bitmap);
    std::swap(hasTransparentColor, other.hasTransparentColor);
    std::swap(transparentColor, other.transparentColor);
    std::swap(frameDelay, other.frameDelay);
    std::swap(previousBitmap, other.previousBitmap);
}

uint32_t Surface::getPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const uint8_t* pixel = pixelAddress(x, y);
    uint32_t value = 0; // little-endian: a 16-bit pixel fills the low bytes
    std::memcpy(&value, pixel, static_cast<size_t>(bytesPerPixel));
    return decodePixel(value, bitsPerPixel);
}

void Surface::setPixel(int x, int y, uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    uint8_t* pixel = pixelAddress(x, y);
    const uint32_t value = encodePixel(rgb, bitsPerPixel);
    std::memcpy(pixel, &value, static_cast<size_t>(bytesPerPixel));
}

} // namespace velmora
