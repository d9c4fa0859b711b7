#pragma once
// The pixel buffer every picture of the game is composed in: a top-down bitmap at the display's
// depth (RGB565 on the handhelds) or at 32 bits, selected into a memory drawing context of its own
// for its whole life so that drawing-context calls can draw into it too.

#include "base/color.h"
#include "base/verify.h"
#include "platform/gdi.h"

#include <cstdint>

namespace velmora {

// The display's depth, asked once per process: below 16 counts as 16, 24 or more as 32.
int displayDepth();

struct Surface {
    Surface() = default;
    ~Surface() { release(); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // A zero-filled surface of |width| x |height| pixels at the display's depth or 32 bits; any
    // previous pixels are released first. False (surface left empty) for a zero or oversized area.
    bool create(int width, int height, bool deviceDepth);
    // Takes ownership of a bitmap made elsewhere (a decoder's): selects it into a new memory
    // context and reads the fields back from it. False (bitmap deleted) when no context can be made.
    bool adopt(HBITMAP newBitmap, bool deviceDepth);
    // Selects the previous bitmap back, deletes the bitmap and the context, and a font left selected
    // in the context (text drawing keeps its last font there). The colour key and frame delay stay.
    void release();
    bool empty() const { return bits == nullptr; }
    // Exchanges everything, pixels, context and fields, with another surface.
    void swap(Surface& other) noexcept;

    // Callers keep (x, y) inside the surface.
    uint8_t* pixelAddress(int x, int y) const {
        VERIFY(x >= 0 && y >= 0 && x < width && y < height,
               "clip to the surface before asking for an address");
        return bits + bytesPerPixel * x + stride * y;
    }
    // 0xRRGGBB; 0 outside the surface.
    uint32_t getPixel(int x, int y) const;
    // Ignored outside the surface.
    void setPixel(int x, int y, uint32_t rgb);

    uint8_t* bits = nullptr; // first byte of the top row
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    int stride = 0; // ((bitsPerPixel * width + 31) / 32) * 4
    int bitsPerPixel = 0;
    int size = 0; // stride * height
    bool useDeviceDepth = false;
    HDC memoryDC = nullptr;
    HBITMAP bitmap = nullptr;
    bool hasTransparentColor = false;
    uint32_t transparentColor = 0; // 0xRRGGBB
    float frameDelay = 0.0f;       // seconds, for a frame of an animation
    HGDIOBJ previousBitmap = nullptr;
};

} // namespace velmora
