#include "draw.h"

#include <algorithm>
#include <cmath>

namespace velmora::content {

void setColour(cairo_t* cr, uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0,
                          alpha);
}

uint32_t mix(uint32_t a, uint32_t b, double t) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double ca = (a >> shift) & 255, cb = (b >> shift) & 255;
        result |= uint32_t(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return result;
}

uint32_t shade(uint32_t rgb, double factor) {
    if (factor > 1.0)
        return mix(rgb, 0xFFFFFF, std::min(1.0, factor - 1.0));
    return mix(0x000000, rgb, std::max(0.0, factor));
}

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius) {
    radius = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void polygonPath(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    cairo_new_sub_path(cr);
    for (const auto& [x, y] : points)
        cairo_line_to(cr, x, y);
    cairo_close_path(cr);
}

void fillWithOutline(cairo_t* cr, uint32_t fill, uint32_t outline, double outlineWidth) {
    setColour(cr, outline);
    cairo_set_line_width(cr, outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, fill);
    cairo_fill(cr);
}

void setVerticalGradient(cairo_t* cr, double y0, double y1, const std::vector<GradientStop>& stops) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    for (const GradientStop& stop : stops)
        cairo_pattern_add_color_stop_rgba(pattern, stop.offset, ((stop.rgb >> 16) & 255) / 255.0,
                                          ((stop.rgb >> 8) & 255) / 255.0, (stop.rgb & 255) / 255.0,
                                          stop.alpha);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

namespace {

void selectStyle(cairo_t* cr, const TextStyle& style) {
    useFont(cr, style.font, style.size);
    cairo_matrix_t matrix;
    // Negative shear in y-down space leans the letters to the right.
    cairo_matrix_init(&matrix, style.size, 0, -style.slant * style.size, style.size, 0, 0);
    cairo_set_font_matrix(cr, &matrix);
}

double advanceOf(cairo_t* cr, char c) {
    const char text[2] = {c, 0};
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    return extents.x_advance;
}

double layoutWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
    double width = 0;
    for (char c : text)
        width += advanceOf(cr, c) + style.tracking;
    return text.empty() ? 0 : width - style.tracking;
}

void textPath(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style) {
    for (char c : text) {
        const char one[2] = {c, 0};
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, one);
        x += advanceOf(cr, c) + style.tracking;
    }
}

void paintText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style,
               uint32_t fill, uint32_t outline) {
    cairo_new_path(cr);
    textPath(cr, text, x, y, style);
    if (style.outlineWidth > 0) {
        setColour(cr, outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, fill);
    cairo_fill(cr);
}

} // namespace

double textWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
    cairo_save(cr);
    selectStyle(cr, style);
    const double width = layoutWidth(cr, text, style);
    cairo_restore(cr);
    return width + 2 * style.outlineWidth + style.shadowOffset;
}

void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style, Align align) {
    cairo_save(cr);
    selectStyle(cr, style);
    const double width = layoutWidth(cr, text, style);
    if (align == Align::Centre)
        x -= width / 2;
    else if (align == Align::Right)
        x -= width;
    if (style.shadowOffset > 0)
        paintText(cr, text, x + style.shadowOffset, y + style.shadowOffset, style, style.outline,
                  style.outline);
    paintText(cr, text, x, y, style, style.fill, style.outline);
    cairo_restore(cr);
}

void drawTextCentred(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& style) {
    cairo_save(cr);
    selectStyle(cr, style);
    cairo_text_extents_t capital;
    cairo_text_extents(cr, "H", &capital);
    cairo_restore(cr);
    drawText(cr, text, cx - style.shadowOffset / 2, cy - capital.y_bearing / 2 - style.shadowOffset / 2,
             style, Align::Centre);
}

TextStyle fitText(cairo_t* cr, const std::string& text, TextStyle style, double maxWidth) {
    while (style.size > 6 && textWidth(cr, text, style) > maxWidth)
        style.size -= 0.5;
    return style;
}

} // namespace velmora::content
