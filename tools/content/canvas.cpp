#include "canvas.h"

#include <algorithm>
#include <cstring>

namespace velmora::content {

Canvas::Canvas(int width, int height, int supersample)
    : width_(width), height_(height), supersample_(supersample),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * supersample, height * supersample)),
      cr_(cairo_create(surface_)) {
    cairo_scale(cr_, supersample, supersample);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

static Picture pictureOf(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Picture result(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t argb;
            std::memcpy(&argb, data + size_t(y) * stride + size_t(x) * 4, 4);
            const int a = int(argb >> 24);
            if (a == 0)
                continue;
            auto unpremultiply = [a](uint32_t c) {
                return uint8_t(std::min<uint32_t>(255, (c * 255 + a / 2) / a));
            };
            result.at(x, y) = {unpremultiply((argb >> 16) & 255), unpremultiply((argb >> 8) & 255),
                               unpremultiply(argb & 255), uint8_t(a)};
        }
    }
    return result;
}

Picture Canvas::picture() const {
    Picture full = pictureOf(surface_);
    return supersample_ == 1 ? full : downsample(full, supersample_);
}

cairo_surface_t* makeSurface(const Picture& picture) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_surface_flush(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            auto premultiply = [&p](uint8_t c) { return uint32_t((c * p.a + 127) / 255); };
            const uint32_t argb =
                uint32_t(p.a) << 24 | premultiply(p.r) << 16 | premultiply(p.g) << 8 | premultiply(p.b);
            std::memcpy(data + size_t(y) * stride + size_t(x) * 4, &argb, 4);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

void Canvas::drawPicture(const Picture& picture, double x, double y, double scale) {
    cairo_surface_t* surface = makeSurface(picture);
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, scale, scale);
    cairo_set_source_surface(cr_, surface, 0, 0);
    if (scale >= 1.0)
        cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(surface);
}

bool writePng(const Picture& picture, const std::string& path) {
    cairo_surface_t* surface = makeSurface(picture);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace velmora::content
