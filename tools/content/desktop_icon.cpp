#include "desktop_icon.h"

#include "canvas.h"
#include "draw.h"
#include "look.h"
#include "scenery.h"

#include <algorithm>

namespace velmora::content {

using namespace look;

Picture drawDesktopIcon(int size) {
    Canvas canvas(size, size, 4);
    cairo_t* cr = canvas.cr();
    const double s = size;
    // Small icons keep only the ball, the flag and the green, with lines no thinner than a pixel.
    const bool small = size <= 24;
    const double rim = std::max(1.0, s * 0.035);
    const double inset = rim / 2 + s * 0.02;
    const auto badge = [&] { roundedRectangle(cr, inset, inset, s - 2 * inset, s - 2 * inset, s * 0.2); };
    badge();
    cairo_save(cr);
    cairo_clip_preserve(cr);
    setVerticalGradient(cr, 0, s, {{0, kSkyTop}, {0.55, kSkyHorizon}, {0.56, kHillNear}, {1, kRough}});
    cairo_fill(cr);
    if (!small) {
        ellipsePath(cr, s * 0.2, s * 0.6, s * 0.45, s * 0.14);
        setColour(cr, kHillFar);
        cairo_fill(cr);
    }
    // The green, the flag on it and the ball before them.
    ellipsePath(cr, s * 0.62, s * 0.72, s * 0.42, s * 0.16);
    setColour(cr, kGreen);
    cairo_fill(cr);
    drawFlag(cr, s * 0.64, s * 0.7, s * (small ? 0.56 : 0.5), kRed);
    drawGolfBall(cr, s * 0.33, s * 0.68, s * (small ? 0.24 : 0.2));
    cairo_restore(cr);
    badge();
    setColour(cr, kInk);
    cairo_set_line_width(cr, rim);
    cairo_stroke(cr);
    return canvas.picture();
}

} // namespace velmora::content
