#pragma once
// Pictures of small bitmaps as rows of characters, so that pixel tests read as pictures and a
// failure shows where it differs.

#include "platform/gdi.h"

#include <map>
#include <string>
#include <vector>

namespace velmora {

// A colour (0x00BBGGRR) as the bitmap stores it: RGB565 or 0x00RRGGBB.
inline uint32_t storedPixel(COLORREF c, int bitsPerPixel) {
    const uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return bitsPerPixel == 16 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3) : (r << 16) | (g << 8) | b;
}

// One string per row; each pixel is the character of the legend colour it holds (compared at
// the bitmap's depth), '?' for others.
inline std::vector<std::string> pixelGrid(HBITMAP bitmap, const std::map<COLORREF, char>& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap->height; ++y) {
        std::string row;
        for (int x = 0; x < bitmap->width; ++x) {
            const uint8_t* line = bitmap->bits + y * bitmap->stride;
            const uint32_t p = bitmap->bitsPerPixel == 16 ? reinterpret_cast<const uint16_t*>(line)[x]
                                                          : reinterpret_cast<const uint32_t*>(line)[x];
            char shown = '?';
            for (const auto& [colour, symbol] : legend) {
                if (storedPixel(colour, bitmap->bitsPerPixel) == p)
                    shown = symbol;
            }
            row += shown;
        }
        rows.push_back(row);
    }
    return rows;
}

// A memory context with a fresh bitmap of the given depth selected; released with the object.
struct TestCanvas {
    TestCanvas(int width, int height, int bitsPerPixel)
        : dc(CreateCompatibleDC(nullptr)), bitmap(CreateDIBSection(width, height, bitsPerPixel, nullptr)) {
        previous = SelectObject(dc, bitmap);
    }
    ~TestCanvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

} // namespace velmora
