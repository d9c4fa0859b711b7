// Page backgrounds: scenery with the panels, frames, ribbons and captions of each page's layout.
#include "draw.h"
#include "figure.h"
#include "golfer_animations.h"
#include "logo.h"
#include "look.h"
#include "pages.h"
#include "scenery.h"

#include <cmath>

namespace velmora::content {

using namespace look;

namespace {

void drawFrame(cairo_t* cr, const Box& inner) {
    const double border = 8;
    const Box outer{inner.x - border, inner.y - border, inner.w + 2 * border, inner.h + 2 * border};
    for (int i = 5; i >= 1; --i) {
        roundedRectangle(cr, outer.x + 2, outer.y + i + 2, outer.w, outer.h, 10 + i);
        setColour(cr, 0x000000, 0.06);
        cairo_fill(cr);
    }
    roundedRectangle(cr, outer.x, outer.y, outer.w, outer.h, 10);
    setVerticalGradient(cr, outer.y, outer.y + outer.h, {{0, 0xFFFFFF}, {1, 0xE6ECF2}});
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, inner.x - 2, inner.y - 2, inner.w + 4, inner.h + 4);
    setColour(cr, 0x24384A);
    cairo_fill(cr);
}

void drawRows(cairo_t* cr, const Box& box, int count, bool onDark) {
    const double h = box.h / count;
    for (int i = 0; i < count; ++i) {
        if (i % 2)
            continue;
        roundedRectangle(cr, box.x, box.y + i * h, box.w, h, 6);
        setColour(cr, onDark ? 0xFFFFFF : kNavy, onDark ? 0.07 : 0.05);
        cairo_fill(cr);
    }
}

void drawTrophy(cairo_t* cr, const Box& box) {
    cairo_save(cr);
    cairo_translate(cr, box.x, box.y);
    cairo_scale(cr, box.w / 100, box.h / 100);
    cairo_new_path(cr);
    // Handles.
    cairo_arc(cr, 22, 34, 14, M_PI * 0.5, M_PI * 1.5);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 78, 34, 14, M_PI * 0.5, -M_PI * 0.5);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    setColour(cr, 0xF5B800);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // Cup, stem and base.
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 14);
    cairo_line_to(cr, 80, 14);
    cairo_curve_to(cr, 80, 50, 64, 62, 56, 64);
    cairo_line_to(cr, 56, 76);
    cairo_line_to(cr, 70, 80);
    cairo_line_to(cr, 70, 92);
    cairo_line_to(cr, 30, 92);
    cairo_line_to(cr, 30, 80);
    cairo_line_to(cr, 44, 76);
    cairo_line_to(cr, 44, 64);
    cairo_curve_to(cr, 36, 62, 20, 50, 20, 14);
    cairo_close_path(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    setVerticalGradient(cr, 14, 92, {{0, 0xFFF1A0}, {0.5, 0xFFC83A}, {1, 0xD99A00}});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 20);
    cairo_curve_to(cr, 30, 40, 36, 50, 42, 54);
    setColour(cr, 0xFFFFFF, 0.7);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawCaption(cairo_t* cr, const std::string& text, double x, double y, double size, uint32_t colour) {
    drawText(cr, text, x, y, {Font::Label, size, colour, 0, 0, 0, 0, size * 0.06});
}

} // namespace

void drawCoverGolfer(cairo_t* cr, double x, double y, double height) {
    cairo_save(cr);
    const double scale = height / 420;
    cairo_translate(cr, x - 110 * scale, y - kGround * scale);
    cairo_scale(cr, scale, scale);
    drawSideFigure(cr, golferLooks()[0], Club::Driver, finishPose());
    cairo_restore(cr);
}

void paintBackground(cairo_t* cr, const Page& page) {
    const double width = page.scene.w * 2.0, height = page.scene.h * 2.0;
    SceneryOptions options;
    options.seed = page.scenerySeed;
    options.sunset = page.sunset;
    options.horizon = page.name == "cover" ? 0.62 : 0.6;
    drawScenery(cr, width, height, options);
    bool darkPanel = false;
    for (const Decoration& d : page.decorations) {
        const Box box = pixels(d.rect);
        switch (d.kind) {
        case Decoration::Ribbon:
            drawRibbon(cr, box, d.text);
            break;
        case Decoration::CreamPanel:
            drawPanel(cr, box, PanelStyle::Cream);
            if (!d.text.empty())
                drawCaption(cr, d.text, box.x + 14, box.y + 24, 17, kPanelEdge);
            darkPanel = false;
            break;
        case Decoration::DarkPanel:
            drawPanel(cr, box, PanelStyle::Dark);
            darkPanel = true;
            break;
        case Decoration::Frame:
            drawFrame(cr, box);
            break;
        case Decoration::Plate:
            drawPanel(cr, box, PanelStyle::Cream, 10);
            break;
        case Decoration::Caption:
            drawCaption(cr, d.text, box.x, box.y + box.h * 0.9, box.h * 0.95, kPanelEdge);
            break;
        case Decoration::Rows:
            drawRows(cr, box, d.count, darkPanel);
            break;
        case Decoration::Logo:
            drawLogo(cr, box.x + box.w / 2 - box.h * 0.1, box.y + box.h * 0.42,
                     box.h * (page.name == "cover" ? 0.44 : 0.62), page.name == "cover");
            break;
        case Decoration::Golfer: {
            // A ball flying off in an arc with its trail, then the golfer holding the finish.
            cairo_new_path(cr);
            const double bx = box.x + box.w * 0.95, by = box.y + box.h * 0.72;
            const auto trail = [&](double t) {
                return std::pair{bx + t * width * 0.18, by - std::sin(t * 1.9) * height * 0.36};
            };
            for (int i = 0; i < 14; ++i) {
                const auto [px, py] = trail(i / 13.0);
                cairo_new_sub_path(cr);
                cairo_arc(cr, px, py, 2 + i * 0.12, 0, 2 * M_PI);
            }
            setColour(cr, 0xFFFFFF, 0.85);
            cairo_fill(cr);
            const auto [ballX, ballY] = trail(1.08);
            drawGolfBall(cr, ballX, ballY, 9);
            drawCoverGolfer(cr, box.x + box.w * 0.5, box.y + box.h - 6, box.h * 0.95);
            break;
        }
        case Decoration::Trophy:
            drawTrophy(cr, box);
            break;
        }
    }
}

} // namespace velmora::content
