#include "scenery.h"

#include "draw.h"
#include "look.h"
#include "random.h"

#include <cmath>
#include <vector>

namespace velmora::content {

using namespace look;

namespace {

void cloud(cairo_t* cr, double x, double y, double size, Random& random, uint32_t light, uint32_t shadow) {
    struct Puff {
        double dx, dy, r;
    };
    std::vector<Puff> puffs;
    const int count = random.integer(4, 6);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count - 0.5;
        puffs.push_back({t * size * 1.6, -std::cos(t * M_PI) * size * 0.35 * random.range(0.7, 1.2),
                         size * random.range(0.28, 0.42) * (1 - std::fabs(t) * 0.6)});
    }
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        for (const Puff& p : puffs) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + p.dx, y + p.dy + (pass == 0 ? size * 0.08 : 0), p.r, 0, 2 * M_PI);
        }
        cairo_new_sub_path(cr);
        roundedRectangle(cr, x - size * 0.85, y - size * 0.05 + (pass == 0 ? size * 0.08 : 0), size * 1.7,
                         size * 0.3, size * 0.15);
        setColour(cr, pass == 0 ? shadow : light);
        cairo_fill(cr);
    }
}

double hillHeight(double x, double width, double phase, double amplitude) {
    const double u = x / width * 2 * M_PI;
    return amplitude * (0.55 * std::sin(u * 1.3 + phase) + 0.3 * std::sin(u * 2.7 + phase * 1.7) +
                        0.15 * std::sin(u * 5.1 + phase * 0.6));
}

void hills(cairo_t* cr, double width, double base, double amplitude, double phase, uint32_t top,
           uint32_t bottom) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, base + 200);
    for (double x = 0; x <= width; x += 4)
        cairo_line_to(cr, x, base - amplitude - hillHeight(x, width, phase, amplitude));
    cairo_line_to(cr, width, base + 200);
    cairo_close_path(cr);
    setVerticalGradient(cr, base - 2 * amplitude, base, {{0, top}, {1, bottom}});
    cairo_fill(cr);
}

void tree(cairo_t* cr, double x, double y, double size, uint32_t dark, uint32_t light) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x - size * 0.08, y - size * 0.5, size * 0.16, size * 0.5);
    setColour(cr, kTrunk);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y - size * 0.75, size * 0.45, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x - size * 0.3, y - size * 0.55, size * 0.3, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + size * 0.3, y - size * 0.55, size * 0.3, 0, 2 * M_PI);
    setColour(cr, dark);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x - size * 0.12, y - size * 0.88, size * 0.22, 0, 2 * M_PI);
    setColour(cr, light, 0.7);
    cairo_fill(cr);
}

} // namespace

void drawGolfBall(cairo_t* cr, double x, double y, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_pattern_t* shading =
        cairo_pattern_create_radial(x - radius * 0.35, y - radius * 0.35, radius * 0.1, x, y, radius * 1.05);
    cairo_pattern_add_color_stop_rgb(shading, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(shading, 0.7, 0.93, 0.95, 0.97);
    cairo_pattern_add_color_stop_rgb(shading, 1, 0.72, 0.76, 0.82);
    cairo_set_source(cr, shading);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shading);
    setColour(cr, kNavy);
    cairo_set_line_width(cr, std::max(1.5, radius * 0.1));
    cairo_stroke(cr);
    for (int ring = 0; ring < 2; ++ring) {
        const int count = ring == 0 ? 1 : 6;
        for (int i = 0; i < count; ++i) {
            const double a = i * 2 * M_PI / count + 0.4;
            const double r = ring * radius * 0.5;
            cairo_new_path(cr);
            cairo_arc(cr, x + std::cos(a) * r, y + std::sin(a) * r, radius * 0.1, 0, 2 * M_PI);
            setColour(cr, 0xA9B3BF, 0.8);
            cairo_fill(cr);
        }
    }
}

void drawFlag(cairo_t* cr, double x, double y, double h, uint32_t cloth) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - h);
    setColour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, std::max(1.5, h * 0.045));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - h);
    cairo_curve_to(cr, x + h * 0.25, y - h * 1.02, x + h * 0.35, y - h * 0.85, x + h * 0.55, y - h * 0.9);
    cairo_line_to(cr, x + h * 0.5, y - h * 0.62);
    cairo_curve_to(cr, x + h * 0.3, y - h * 0.58, x + h * 0.2, y - h * 0.7, x, y - h * 0.65);
    cairo_close_path(cr);
    setColour(cr, cloth);
    cairo_fill_preserve(cr);
    setColour(cr, shade(cloth, 0.6));
    cairo_set_line_width(cr, std::max(1.0, h * 0.025));
    cairo_stroke(cr);
}

void drawScenery(cairo_t* cr, double width, double height, const SceneryOptions& options) {
    Random random(options.seed);
    const double horizon = height * options.horizon;
    // Sky.
    if (options.sunset)
        setVerticalGradient(cr, 0, horizon,
                            {{0, 0x2B3F8C}, {0.45, 0xC76BA0}, {0.8, 0xFF9E5E}, {1, 0xFFD08A}});
    else
        setVerticalGradient(cr, 0, horizon, {{0, kSkyTop}, {0.7, 0x6FB8F5}, {1, kSkyHorizon}});
    cairo_paint(cr);
    // Sun and its glow.
    const double sunX = width * (options.sunset ? 0.3 : 0.82),
                 sunY = options.sunset ? horizon * 0.82 : height * 0.1;
    cairo_pattern_t* glow = cairo_pattern_create_radial(sunX, sunY, 0, sunX, sunY, width * 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.98, 0.85, 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.98, 0.85, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    cairo_new_path(cr);
    cairo_arc(cr, sunX, sunY, width * 0.07, 0, 2 * M_PI);
    setColour(cr, options.sunset ? 0xFFE39A : kSun);
    cairo_fill(cr);
    // Clouds.
    for (int i = 0; i < options.clouds; ++i) {
        const double y = random.range(height * 0.06, horizon * 0.72);
        const double size = random.range(width * 0.08, width * 0.16) * (0.6 + y / horizon * 0.5);
        cloud(cr, random.range(-0.05, 1.05) * width, y, size, random, options.sunset ? 0xFFD9C9 : kCloud,
              options.sunset ? 0xD68FA8 : kCloudShade);
    }
    // Hills and the tree line.
    const double phase = random.range(0, 6.28);
    hills(cr, width, horizon - height * 0.02, height * 0.05, phase, options.sunset ? 0x7E8FA0 : 0x9CCFA0,
          options.sunset ? 0x6C8A7A : kHillFar);
    hills(cr, width, horizon + height * 0.01, height * 0.03, phase + 2, options.sunset ? 0x4E7A52 : kHillNear,
          options.sunset ? 0x3E6A44 : 0x4A9A3E);
    for (double x = -10; x < width + 20; x += random.range(width * 0.03, width * 0.06)) {
        const double size = random.range(height * 0.035, height * 0.06);
        tree(cr, x, horizon + height * 0.012, size, options.sunset ? 0x24502E : kTreeDark,
             options.sunset ? 0x3A7040 : kTreeLight);
    }
    // Ground: rough, with the fairway in mown stripes running to the green.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, horizon, width, height - horizon);
    setVerticalGradient(
        cr, horizon, height,
        {{0, options.sunset ? 0x3C7A34u : 0x5DB043u}, {1, options.sunset ? 0x2E6A2Au : kRough}});
    cairo_fill(cr);
    const double greenX = width * options.greenX, greenY = horizon + height * 0.035;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, width * 0.08, height);
    cairo_curve_to(cr, width * 0.25, height * 0.8, greenX - width * 0.3, greenY + height * 0.1,
                   greenX - width * 0.12, greenY);
    cairo_line_to(cr, greenX + width * 0.12, greenY);
    cairo_curve_to(cr, greenX + width * 0.1, greenY + height * 0.12, width * 0.95, height * 0.8, width * 0.98,
                   height);
    cairo_close_path(cr);
    cairo_clip(cr);
    const int stripes = 14;
    for (int i = 0; i < stripes; ++i) {
        const double t0 = double(i) / stripes, t1 = double(i + 1) / stripes;
        const double y0 = greenY + (height - greenY) * t0 * t0, y1 = greenY + (height - greenY) * t1 * t1;
        cairo_rectangle(cr, 0, y0, width, y1 - y0 + 1);
        const uint32_t light = options.sunset ? 0x5E9A44 : kGrassLight,
                       dark = options.sunset ? 0x4E8A3A : kGrassDark;
        setColour(cr, i % 2 ? light : dark);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // The green, a bunker beside it and the flag.
    cairo_new_path(cr);
    ellipsePath(cr, greenX, greenY + height * 0.005, width * 0.13, height * 0.022);
    setColour(cr, options.sunset ? 0x7CB85A : kGreen);
    cairo_fill(cr);
    cairo_new_path(cr);
    ellipsePath(cr, greenX - width * 0.16, greenY + height * 0.025, width * 0.06, height * 0.012);
    setColour(cr, options.sunset ? 0xD9BE86 : kSand);
    cairo_fill(cr);
    drawFlag(cr, greenX + width * 0.02, greenY, height * 0.07, kRed);
}

} // namespace velmora::content
