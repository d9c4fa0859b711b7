#pragma once
// The copy routines of the direct display output: 16-bit back-buffer pixels into a framebuffer
// whose steps between pixels may be negative, straight or turned a quarter turn, one to one or with
// every pixel doubled. Callers must clip: every pixel of a job lands inside the framebuffer.

#include <cstddef>
#include <cstdint>

namespace velmora {

// How a page lies on the portrait screen. A landscape page's back buffer is as wide as the screen
// is high and is turned a quarter turn on the way out; (x, y) is where the page is put.
enum class ScreenOrientation : int {
    Portrait = 0,
    // Back-buffer pixel (c, r) of a back buffer W wide at screen (x + r, y + W - 1 - c): its top
    // edge runs up the left side of the screen.
    CounterClockwise = 1,
    // Pixel (c, r) of a back buffer H high at screen (x + H - 1 - r, y + c): its top edge runs down
    // the right side of the screen.
    Clockwise = 2,
};

// One copy: rows x columns source pixels starting at source, rows sourceRowStep apart (in pixels).
// destination is the framebuffer pixel of the job's corner, the top-left of the area it covers on
// the screen; xStep and yStep (in pixels, signed) lead to the next framebuffer pixel right and down.
struct FramebufferCopy {
    const uint16_t* source = nullptr;
    ptrdiff_t sourceRowStep = 0;
    uint16_t* destination = nullptr;
    ptrdiff_t xStep = 0;
    ptrdiff_t yStep = 0;
    int rows = 0;
    int columns = 0;
    ScreenOrientation orientation = ScreenOrientation::Portrait;
};

// One framebuffer pixel per source pixel. Rows whose framebuffer step runs one pixel forward along
// the copy (or one back, for the counter-clockwise turn, which reads its rows backwards) are block
// copies; other rows go pixel by pixel, four at a time.
void plainCopy(const FramebufferCopy& job);
// Each source pixel fills two by two framebuffer pixels (a half-resolution picture on the whole
// panel); the job's destination is already the doubled corner.
void doublingCopy(const FramebufferCopy& job);

} // namespace velmora
