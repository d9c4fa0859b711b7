#pragma once
// Golf-course scenery for the page backgrounds: sky, sun, clouds, hills, a tree line and a fairway
// running to a green with its flag.

#include <cairo.h>
#include <cstdint>

namespace velmora::content {

struct SceneryOptions {
    uint64_t seed = 1;
    double horizon = 0.55; // fraction of the height
    bool sunset = false;
    double greenX = 0.62; // where the flag stands, fraction of the width
    int clouds = 5;
};

void drawScenery(cairo_t* cr, double width, double height, const SceneryOptions& options);

// A golf ball with dimples and a soft shade, centred on (x, y).
void drawGolfBall(cairo_t* cr, double x, double y, double radius);

// A flag on its pole standing on (x, y), pole height h.
void drawFlag(cairo_t* cr, double x, double y, double h, uint32_t cloth);

} // namespace velmora::content
