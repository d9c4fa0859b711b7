// Putting a back buffer on the screen through the framebuffer: the rectangle to copy, where it
// lands for each orientation, what the screen's edges cut off, and the copy itself.
#include "render/gapi_display.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

// A copy in back-buffer pixels: the source area and the screen corner of the area it covers.
struct Placement {
    int64_t sourceX = 0, sourceY = 0, columns = 0, rows = 0;
    int64_t x = 0, y = 0;
};

// Clamps rect to the back buffer (writing it back) and finds where its corner lands.
Placement place(const Surface& backBuffer, int x, int y, RECT* rect, ScreenOrientation orientation) {
    if (!rect)
        return {0, 0, backBuffer.width, backBuffer.height, x, y};
    rect->left = std::max<LONG>(rect->left, 0);
    rect->top = std::max<LONG>(rect->top, 0);
    rect->right = std::min<LONG>(rect->right, backBuffer.width);
    rect->bottom = std::min<LONG>(rect->bottom, backBuffer.height);
    Placement p{rect->left, rect->top, int64_t(rect->right) - rect->left, int64_t(rect->bottom) - rect->top,
                x,          y};
    switch (orientation) {
    case ScreenOrientation::CounterClockwise:
        p.x += rect->top;
        p.y += backBuffer.width - rect->right;
        break;
    case ScreenOrientation::Clockwise:
        p.x += backBuffer.height - rect->bottom;
        p.y += rect->left;
        break;
    case ScreenOrientation::Portrait:
        p.x += rect->left;
        p.y += rect->top;
        break;
    }
    return p;
}

// Cuts off what falls outside a screen of width x height back-buffer pixels, on every side, so
// that what stays lands exactly where it would have without the cut. False when nothing stays.
bool clipToScreen(Placement& p, ScreenOrientation orientation, int64_t width, int64_t height) {
    const bool turned = orientation != ScreenOrientation::Portrait;
    const int64_t wide = turned ? p.rows : p.columns;
    const int64_t high = turned ? p.columns : p.rows;
    const int64_t left = std::max<int64_t>(-p.x, 0), top = std::max<int64_t>(-p.y, 0);
    const int64_t right = std::max<int64_t>(p.x + wide - width, 0);
    const int64_t bottom = std::max<int64_t>(p.y + high - height, 0);
    if (wide - left - right <= 0 || high - top - bottom <= 0)
        return false;
    switch (orientation) {
    case ScreenOrientation::CounterClockwise:
        // Rows run across the screen from the left, columns up it from the bottom.
        p.sourceY += left;
        p.sourceX += bottom;
        break;
    case ScreenOrientation::Clockwise:
        // Rows run across the screen from the right, columns down it from the top.
        p.sourceY += right;
        p.sourceX += top;
        break;
    case ScreenOrientation::Portrait:
        p.sourceX += left;
        p.sourceY += top;
        break;
    }
    (turned ? p.rows : p.columns) -= left + right;
    (turned ? p.columns : p.rows) -= top + bottom;
    p.x += left;
    p.y += top;
    return true;
}

} // namespace

void GapiDisplay::blitToScreen(const Surface& backBuffer, int x, int y, RECT* rect,
                               ScreenOrientation orientation) {
    const GapiDisplayState& s = state();
    if (!s.framebuffer || !s.displayProperties || backBuffer.empty() || backBuffer.bitsPerPixel != 16)
        return;
    if (orientation != ScreenOrientation::CounterClockwise && orientation != ScreenOrientation::Clockwise)
        orientation = ScreenOrientation::Portrait;
    // A 240 x 320 system on a 480 x 640 panel: every pixel is doubled, so the screen holds half as
    // many back-buffer pixels each way and the corner lands twice as far.
    const int scale = s.rawVga && !s.trueVga ? 2 : 1;
    const GXDisplayProperties& screen = *s.displayProperties;
    Placement p = place(backBuffer, x, y, rect, orientation);
    if (!clipToScreen(p, orientation, screen.cxWidth / scale, screen.cyHeight / scale))
        return;
    FramebufferCopy job;
    job.source =
        reinterpret_cast<const uint16_t*>(backBuffer.bits + p.sourceY * backBuffer.stride) + p.sourceX;
    job.sourceRowStep = backBuffer.stride / 2;
    job.xStep = screen.cbxPitch / 2;
    job.yStep = screen.cbyPitch / 2;
    job.destination =
        reinterpret_cast<uint16_t*>(s.framebuffer) + scale * (p.x * job.xStep + p.y * job.yStep);
    job.rows = static_cast<int>(p.rows);
    job.columns = static_cast<int>(p.columns);
    job.orientation = orientation;
    if (scale == 2)
        doublingCopy(job);
    else
        plainCopy(job);
}

} // namespace velmora
