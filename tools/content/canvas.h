#pragma once
// A cairo drawing surface in logical units, optionally supersampled, that yields a Picture.

#include "picture.h"

#include <cairo.h>
#include <string>

namespace velmora::content {

class Canvas {
public:
    // width x height logical pixels; with supersample k the drawing happens at k times the size
    // and picture() averages it back down, which gives smooth edges to small figures.
    Canvas(int width, int height, int supersample = 1);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    Picture picture() const;
    // Draws a picture with its top-left corner at (x, y), scaled by scale (nearest when scaling up).
    void drawPicture(const Picture& picture, double x, double y, double scale = 1.0);

private:
    int width_;
    int height_;
    int supersample_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// A cairo image surface holding a copy of the picture (the caller destroys it).
cairo_surface_t* makeSurface(const Picture& picture);

bool writePng(const Picture& picture, const std::string& path);

} // namespace velmora::content
