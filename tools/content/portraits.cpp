#include "portraits.h"

#include "canvas.h"
#include "draw.h"
#include "figure_parts.h"
#include "look.h"

#include <cmath>
#include <functional>

namespace velmora::content {
namespace {

constexpr double kCentre = kPortraitSize / 2.0;
constexpr double kRadius = kPortraitSize / 2.0 - 3;

void badge(cairo_t* cr, uint32_t colour, const std::function<void()>& inside) {
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, kRadius, 0, 2 * M_PI);
    setColour(cr, figure::kOutline);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, kRadius - 2, 0, 2 * M_PI);
    setVerticalGradient(cr, 0, kPortraitSize, {{0, shade(colour, 1.35)}, {1, colour}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, kRadius - 2, 0, 2 * M_PI);
    cairo_clip(cr);
    inside();
    cairo_restore(cr);
    // A white ring inside the outline.
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, kRadius - 3.5, 0, 2 * M_PI);
    setColour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

Picture portraitFrame(const Look& look, double eyesClosed) {
    Canvas canvas(kPortraitSize, kPortraitSize, 4);
    cairo_t* cr = canvas.cr();
    badge(cr, look.badge, [&] {
        cairo_save(cr);
        cairo_translate(cr, kCentre, kCentre + 10);
        cairo_scale(cr, 0.39, 0.39);
        drawPortraitBust(cr, look, eyesClosed);
        cairo_restore(cr);
    });
    Picture picture = canvas.picture();
    hardenAlpha(picture, 100);
    return picture;
}

} // namespace

std::vector<GifFrame> golferPortrait(const Look& look) {
    // Eyes open for about three seconds, then a quick blink.
    return {{portraitFrame(look, 0), 300}, {portraitFrame(look, 1), 12}};
}

std::vector<GifFrame> emptySlotPortrait() {
    Canvas canvas(kPortraitSize, kPortraitSize, 4);
    cairo_t* cr = canvas.cr();
    badge(cr, 0x9AA4AE, [&] {
        // A plain silhouette with a question mark: nobody has taken this slot.
        cairo_new_path(cr);
        cairo_arc(cr, kCentre, kCentre - 5, 17, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCentre, kCentre + 43, 32, M_PI, 2 * M_PI);
        setColour(cr, 0xC8CED4);
        cairo_fill(cr);
        drawTextCentred(cr, "?", kCentre, kCentre - 5, {Font::Label, 25, 0xFFFFFF, 2.2, 0x6A747E});
    });
    Picture picture = canvas.picture();
    hardenAlpha(picture, 100);
    return {{picture, 0}};
}

} // namespace velmora::content
