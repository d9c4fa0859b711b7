#include "widgets.h"

#include "canvas.h"
#include "draw.h"
#include "look.h"

#include <algorithm>
#include <cmath>

namespace velmora::content {

using namespace look;

ToneColours toneColours(Tone tone) {
    switch (tone) {
    case Tone::Orange:
        return {kYellow, kOrange, kOrangeInk};
    case Tone::Blue:
        return {kBlueLight, kBlue, kBlueInk};
    case Tone::Green:
        return {kGreenLight, kGreenButton, kGreenInk};
    case Tone::Red:
        return {kRedLight, kRed, kRedInk};
    }
    return {};
}

Picture keyed(Picture picture) {
    hardenAlpha(picture, 128);
    return picture;
}

namespace {

// The face of a button and the lip under it; pressing sinks the face onto the lip.
Box drawButtonBody(cairo_t* cr, double w, double h, double radius, Tone tone, bool pressed) {
    const ToneColours colours = toneColours(tone);
    const double lip = std::max(4.0, std::round(h / 10));
    const double inset = 1.5;
    const Box face{inset, inset + (pressed ? lip - 1 : 0), w - 2 * inset, h - 2 * inset - lip};
    // Lip (the button's side), drawn at the bottom position of the face.
    roundedRectangle(cr, inset, inset + lip, w - 2 * inset, h - 2 * inset - lip, radius);
    setColour(cr, colours.ink);
    cairo_fill(cr);
    // Face.
    roundedRectangle(cr, face.x, face.y, face.w, face.h, radius);
    const uint32_t top = pressed ? shade(colours.top, 0.88) : colours.top;
    const uint32_t bottom = pressed ? shade(colours.bottom, 0.85) : colours.bottom;
    setVerticalGradient(cr, face.y, face.y + face.h,
                        {{0, pressed ? bottom : top}, {1, pressed ? top : bottom}});
    cairo_fill_preserve(cr);
    setColour(cr, colours.ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Gloss on the upper half of a raised face; a shadow along the top edge of a pressed one.
    if (!pressed) {
        roundedRectangle(cr, face.x + 5, face.y + 4, face.w - 10, face.h * 0.42, std::max(2.0, radius - 5));
        setColour(cr, 0xFFFFFF, 0.38);
        cairo_fill(cr);
    } else {
        cairo_save(cr);
        roundedRectangle(cr, face.x, face.y, face.w, face.h, radius);
        cairo_clip(cr);
        setVerticalGradient(cr, face.y, face.y + 8, {{0, 0x000000, 0.28}, {1, 0x000000, 0.0}});
        cairo_paint(cr);
        cairo_restore(cr);
    }
    return face;
}

} // namespace

void drawButtonLabel(cairo_t* cr, const std::string& label, const Box& face, uint32_t ink, double size) {
    TextStyle style{Font::LabelSlanted,      size, 0xFFFFFF,
                    std::max(2.0, size / 9), ink,  std::max(1.5, size / 14)};
    style = fitText(cr, label, style, face.w - 16);
    drawTextCentred(cr, label, face.x + face.w / 2, face.y + face.h / 2, style);
}

Picture pillButton(int w, int h, Tone tone, bool pressed, const FaceContent& content) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    const Box face =
        drawButtonBody(cr, w, h, (h - std::max(4.0, std::round(h / 10.0))) * 0.42, tone, pressed);
    if (content)
        content(cr, face, pressed);
    return keyed(canvas.picture());
}

Picture labelButton(const std::string& label, int w, int h, Tone tone, bool pressed,
                    const FaceContent& icon) {
    const uint32_t ink = toneColours(tone).ink;
    return pillButton(w, h, tone, pressed, [&](cairo_t* cr, const Box& face, bool down) {
        Box text = face;
        if (icon) {
            const Box iconBox{face.x + 8, face.y + 3, face.h - 6, face.h - 6};
            icon(cr, iconBox, down);
            text.x += iconBox.w + 4;
            text.w -= iconBox.w + 4;
        }
        drawButtonLabel(cr, label, text, ink, face.h * 0.56);
    });
}

Picture roundButton(int size, Tone tone, bool pressed, const FaceContent& content) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const Box face = drawButtonBody(cr, size, size, size / 2.0, tone, pressed);
    if (content)
        content(cr, face, pressed);
    return keyed(canvas.picture());
}

void drawArrowGlyph(cairo_t* cr, const Box& box, Arrow arrow, uint32_t fill, uint32_t ink) {
    const double cx = box.x + box.w / 2, cy = box.y + box.h / 2, r = std::min(box.w, box.h) * 0.3;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, arrow == Arrow::Right  ? 0
                     : arrow == Arrow::Down ? M_PI / 2
                     : arrow == Arrow::Left ? M_PI
                                            : -M_PI / 2);
    cairo_new_path(cr);
    cairo_move_to(cr, r * 1.1, 0);
    cairo_line_to(cr, -r * 0.7, -r);
    cairo_line_to(cr, -r * 0.7, r);
    cairo_close_path(cr);
    fillWithOutline(cr, fill, ink, 2.5);
    cairo_restore(cr);
}

Picture markPicture(Mark mark, bool ticked, int size, const std::string& label, int width) {
    Canvas canvas(std::max(width, size), size);
    cairo_t* cr = canvas.cr();
    const double s = size, inset = 3;
    const Box box{inset, inset, s - 2 * inset, s - 2 * inset};
    switch (mark) {
    case Mark::Check:
        roundedRectangle(cr, box.x, box.y, box.w, box.h, 7);
        break;
    case Mark::Radio:
    case Mark::Ball:
        cairo_new_path(cr);
        cairo_arc(cr, s / 2, s / 2, box.w / 2, 0, 2 * M_PI);
        break;
    }
    if (mark == Mark::Ball) {
        setVerticalGradient(cr, box.y, box.y + box.h,
                            {{0, ticked ? 0xFFFFFFu : 0xE6E9EEu}, {1, ticked ? 0xDDE3EAu : 0xB5BCC6u}});
    } else {
        setVerticalGradient(cr, box.y, box.y + box.h, {{0, 0xE9EEF3}, {0.4, 0xFFFFFF}, {1, 0xFFFFFF}});
    }
    cairo_fill_preserve(cr);
    setColour(cr, ticked && mark == Mark::Ball ? kOrangeDeep : kNavy);
    cairo_set_line_width(cr, ticked && mark == Mark::Ball ? 4 : 3);
    cairo_stroke(cr);
    if (mark == Mark::Ball) {
        // Dimples; a ticked ball also gets a little flag.
        for (int i = 0; i < 7; ++i) {
            const double a = i * 2 * M_PI / 7 + 0.3, r = box.w * (i % 2 ? 0.18 : 0.3);
            cairo_new_path(cr);
            cairo_arc(cr, s / 2 + std::cos(a) * r, s / 2 + std::sin(a) * r, s * 0.045, 0, 2 * M_PI);
            setColour(cr, ticked ? 0xB8C2CE : 0x9AA3AE);
            cairo_fill(cr);
        }
        if (ticked) {
            cairo_new_path(cr);
            cairo_move_to(cr, s * 0.62, s * 0.12);
            cairo_line_to(cr, s * 0.62, s * 0.62);
            setColour(cr, kNavy);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            cairo_new_path(cr);
            cairo_move_to(cr, s * 0.62, s * 0.12);
            cairo_line_to(cr, s * 0.92, s * 0.22);
            cairo_line_to(cr, s * 0.62, s * 0.33);
            cairo_close_path(cr);
            setColour(cr, kRed);
            cairo_fill_preserve(cr);
            setColour(cr, kNavy);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    } else if (ticked && mark == Mark::Check) {
        cairo_new_path(cr);
        cairo_move_to(cr, s * 0.24, s * 0.52);
        cairo_line_to(cr, s * 0.43, s * 0.72);
        cairo_line_to(cr, s * 0.80, s * 0.26);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColour(cr, kGreenInk);
        cairo_set_line_width(cr, s * 0.2);
        cairo_stroke_preserve(cr);
        setColour(cr, kGreenLight);
        cairo_set_line_width(cr, s * 0.11);
        cairo_stroke(cr);
    } else if (ticked && mark == Mark::Radio) {
        cairo_new_path(cr);
        cairo_arc(cr, s / 2, s / 2, box.w * 0.3, 0, 2 * M_PI);
        setVerticalGradient(cr, s * 0.2, s * 0.8, {{0, kYellow}, {1, kOrangeDeep}});
        cairo_fill_preserve(cr);
        setColour(cr, kOrangeInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    if (!label.empty()) {
        TextStyle style{Font::Label, s * 0.58, ticked ? kOrangeDeep : kNavy};
        drawText(cr, label, s + 6, s / 2 + style.size * 0.36, style);
    }
    return keyed(canvas.picture());
}

void drawPanel(cairo_t* cr, const Box& box, PanelStyle style, double radius) {
    // A soft shadow: a few widening, fading outlines below the panel.
    for (int i = 6; i >= 1; --i) {
        roundedRectangle(cr, box.x - i * 0.5 + 2, box.y + i + 2, box.w + i, box.h, radius + i);
        setColour(cr, 0x000000, 0.05);
        cairo_fill(cr);
    }
    roundedRectangle(cr, box.x, box.y, box.w, box.h, radius);
    if (style == PanelStyle::Cream)
        setVerticalGradient(cr, box.y, box.y + box.h, {{0, 0xFFFFFF}, {0.12, kCream}, {1, kCreamShade}});
    else
        setVerticalGradient(cr, box.y, box.y + box.h, {{0, 0x1D4E3A, 0.94}, {1, kDarkPanel, 0.94}});
    cairo_fill_preserve(cr);
    setColour(cr, style == PanelStyle::Cream ? kPanelEdge : 0x0A2418);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // A thin inner highlight.
    roundedRectangle(cr, box.x + 4, box.y + 4, box.w - 8, box.h - 8, std::max(2.0, radius - 4));
    setColour(cr, 0xFFFFFF, style == PanelStyle::Cream ? 0.9 : 0.18);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

Picture cardPicture(int w, int h, const std::function<void(cairo_t*)>& content) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    roundedRectangle(cr, 2, 2, w - 4, h - 4, 16);
    setVerticalGradient(cr, 0, h, {{0, 0xFFFFFF}, {0.1, kCream}, {1, kCreamShade}});
    cairo_fill(cr);
    if (content)
        content(cr);
    roundedRectangle(cr, 2, 2, w - 4, h - 4, 16);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    return keyed(canvas.picture());
}

void drawRibbon(cairo_t* cr, const Box& box, const std::string& title) {
    const double fold = box.h * 0.35, tail = box.h * 0.7;
    // The tails behind, in a darker green, notched at their ends.
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? box.x : box.x + box.w;
        const double inner = edge - side * tail * 0.2;
        const double outer = edge + side * tail;
        cairo_new_path(cr);
        cairo_move_to(cr, inner, box.y + fold);
        cairo_line_to(cr, outer, box.y + fold);
        cairo_line_to(cr, outer - side * tail * 0.35, box.y + fold + box.h / 2);
        cairo_line_to(cr, outer, box.y + fold + box.h);
        cairo_line_to(cr, inner, box.y + fold + box.h);
        cairo_close_path(cr);
        setColour(cr, 0x1F6E2C);
        cairo_fill_preserve(cr);
        setColour(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        // The fold.
        cairo_new_path(cr);
        cairo_move_to(cr, edge, box.y + box.h);
        cairo_line_to(cr, edge - side * tail * 0.2, box.y + fold + box.h);
        cairo_line_to(cr, edge - side * 0.0, box.y + fold + box.h);
        cairo_close_path(cr);
        setColour(cr, 0x0F4A1C);
        cairo_fill(cr);
    }
    roundedRectangle(cr, box.x, box.y, box.w, box.h, 6);
    setVerticalGradient(cr, box.y, box.y + box.h, {{0, 0x5CC24A}, {0.5, 0x3FA535}, {1, 0x2E8A2C}});
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundedRectangle(cr, box.x + 5, box.y + 4, box.w - 10, box.h * 0.35, 4);
    setColour(cr, 0xFFFFFF, 0.25);
    cairo_fill(cr);
    TextStyle style{Font::LabelSlanted, box.h * 0.62, 0xFFFFFF, 3, kInk, 2.5, 0, 1.5};
    style = fitText(cr, title, style, box.w - 24);
    drawTextCentred(cr, title, box.x + box.w / 2, box.y + box.h / 2, style);
}

} // namespace velmora::content
