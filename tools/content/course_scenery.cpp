#include "course_scenery.h"

#include "canvas.h"
#include "draw.h"
#include "noise.h"
#include "plane.h"
#include "random.h"

#include <algorithm>
#include <cmath>

namespace velmora::content {
namespace {

constexpr double tau = 2 * M_PI;

// A crown of overlapping puffs, lit from the upper left.
void crown(cairo_t* cr, double x, double y, double rx, double ry, uint32_t dark, uint32_t light,
           Random& random) {
    struct Puff {
        double x, y, r;
    };
    std::vector<Puff> puffs;
    const int count = 7;
    for (int i = 0; i < count; ++i) {
        const double a = i * tau / count + random.range(-0.3, 0.3);
        puffs.push_back({x + std::cos(a) * rx * 0.55, y + std::sin(a) * ry * 0.5,
                         std::min(rx, ry) * random.range(0.45, 0.6)});
    }
    puffs.push_back({x, y, std::min(rx, ry) * 0.7});
    for (int pass = 0; pass < 3; ++pass) {
        for (const Puff& p : puffs) {
            cairo_new_path(cr);
            const double shift = pass * p.r * 0.22;
            cairo_arc(cr, p.x - shift, p.y - shift, p.r * (1 - 0.25 * pass), 0, tau);
            setColour(cr, pass == 0 ? dark : (pass == 1 ? mix(dark, light, 0.55) : light));
            cairo_fill(cr);
        }
    }
}

void trunk(cairo_t* cr, double x, double top, double bottom, double width, uint32_t colour) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - width * 0.5, bottom);
    cairo_line_to(cr, x - width * 0.3, top);
    cairo_line_to(cr, x + width * 0.3, top);
    cairo_line_to(cr, x + width * 0.5, bottom);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

// A pine: tiers of drooping triangles.
void conifer(cairo_t* cr, double x, double top, double bottom, double width, uint32_t colour) {
    trunk(cr, x, bottom - (bottom - top) * 0.2, bottom, width * 0.12, 0x4A3520);
    const int tiers = 4;
    for (int i = 0; i < tiers; ++i) {
        const double t0 = top + (bottom - top) * (i * 0.2), t1 = top + (bottom - top) * (0.35 + i * 0.17);
        const double w = width * (0.35 + 0.18 * i);
        cairo_new_path(cr);
        cairo_move_to(cr, x, t0);
        cairo_curve_to(cr, x + w * 0.3, t0 + (t1 - t0) * 0.5, x + w * 0.5, t1 - 2, x + w * 0.55, t1);
        cairo_line_to(cr, x - w * 0.55, t1);
        cairo_curve_to(cr, x - w * 0.5, t1 - 2, x - w * 0.3, t0 + (t1 - t0) * 0.5, x, t0);
        setColour(cr, shade(colour, 0.9 + 0.06 * i));
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x, t0);
        cairo_line_to(cr, x - w * 0.5, t1);
        cairo_line_to(cr, x - w * 0.1, t1);
        cairo_close_path(cr);
        setColour(cr, shade(colour, 1.25));
        cairo_fill(cr);
    }
}

void gorseSpeckles(cairo_t* cr, double x, double y, double rx, double ry, Random& random) {
    for (int i = 0; i < int(rx * ry / 6); ++i) {
        const double a = random.range(0, tau), r = std::sqrt(random.unit());
        cairo_new_path(cr);
        cairo_arc(cr, x + std::cos(a) * rx * r * 0.85, y + std::sin(a) * ry * r * 0.8, random.range(0.8, 1.4),
                  0, tau);
        setColour(cr, random.chance(0.5) ? 0xF2CF2A : 0xE8B81E);
        cairo_fill(cr);
    }
}

Picture keyed(Picture picture) {
    hardenAlpha(picture, 128);
    return picture;
}

} // namespace

Picture skyPicture(const CourseLook& look, uint64_t seed) {
    Picture picture(skyWidth, skyHeight);
    for (int y = 0; y < skyHeight; ++y) {
        const double t = double(y) / (skyHeight - 1);
        const uint32_t base = mix(look.skyTop, look.skyHorizon, std::pow(t, 1.3));
        for (int x = 0; x < skyWidth; ++x) {
            // Clouds thin out toward the top and sit on a flat base near the horizon.
            const double u = double(x) / skyWidth * 8, v = double(y) / skyHeight * 3;
            const double density = 0.5 + 0.5 * fractalNoise(u, v * 1.6, seed, 5, 8);
            const double height = smoothstep(0.05, 0.55, t) * (1 - smoothstep(0.85, 1.0, t));
            const double cover =
                smoothstep(1 - look.cloudCover * 0.55, 1.1 - look.cloudCover * 0.4, density) * height;
            const double lit = 0.5 + 0.5 * fractalNoise(u, (v - 0.08) * 1.6, seed, 5, 8);
            const uint32_t cloud =
                mix(look.cloudShade, look.cloud, smoothstep(0.45, 0.75, density - lit + 0.6));
            picture.at(x, y) = opaque(mix(base, cloud, cover));
        }
    }
    return picture;
}

Picture landscapePicture(const CourseLook& look, uint64_t seed) {
    Picture picture(skyWidth, landscapeHeight);
    Random random(seed);
    double phase[6];
    for (double& p : phase)
        p = random.range(0, tau);
    const auto ridge = [&](double x, int layer) {
        const double u = x / skyWidth * tau;
        const double* ph = phase + 3 * layer;
        return 0.5 * std::sin(u * (2 + layer) + ph[0]) + 0.3 * std::sin(u * (5 + layer) + ph[1]) +
               0.2 * std::sin(u * 11 + ph[2]);
    };
    for (int x = 0; x < skyWidth; ++x) {
        const double far = landscapeHeight * 0.5 - ridge(x, 0) * landscapeHeight * 0.18;
        // Tree clumps roughen the near hills.
        const double clumps = 2.5 * (0.5 + 0.5 * gradientNoise(x / 6.0, 0.5, seed + 4, skyWidth / 6));
        const double near = landscapeHeight * 0.72 - ridge(x, 1) * landscapeHeight * 0.1 - clumps;
        for (int y = 0; y < landscapeHeight; ++y) {
            const double t = double(y) / landscapeHeight;
            if (y >= near)
                picture.at(x, y) = opaque(mix(look.hillNear, look.land, smoothstep(0.7, 1.0, t)));
            else if (y >= far)
                picture.at(x, y) = opaque(mix(look.hillFar, look.hillNear, 0.3 * smoothstep(far, near, y)));
        }
    }
    return picture;
}

Picture woodsPicture(const CourseLook& look, uint64_t seed) {
    Canvas canvas(woodsWidth, woodsHeight, 2);
    cairo_t* cr = canvas.cr();
    const double h = woodsHeight;
    // Undergrowth along the bottom, then two rows of crowns; every shape is drawn once more a
    // picture width away so that the band joins seamlessly.
    for (double shift : {-double(woodsWidth), 0.0, double(woodsWidth)}) {
        cairo_save(cr);
        cairo_translate(cr, shift, 0);
        Random rows(seed);
        cairo_rectangle(cr, 0, h * (look.gorse ? 0.78 : 0.74), woodsWidth, h);
        setColour(cr, shade(look.treeDark, 0.8));
        cairo_fill(cr);
        // A back row of dark crowns, then a front row of lighter, taller trees.
        for (int row = 0; row < 2; ++row) {
            const double step = look.gorse ? 16 : 26;
            for (double x = rows.range(0, step); x < woodsWidth; x += step * rows.range(0.65, 1.1)) {
                const double top =
                    look.gorse ? h * rows.range(0.3, 0.55) : h * rows.range(0.0, 0.22) + (1 - row) * h * 0.12;
                const uint32_t dark = row == 0 ? shade(look.treeDark, 0.75) : look.treeDark;
                const uint32_t light = row == 0 ? shade(look.treeLight, 0.8) : look.treeLight;
                if (look.conifers && rows.chance(0.3)) {
                    conifer(cr, x, top, h, (h - top) * 0.5, look.conifer);
                } else {
                    const double r = (h - top) * (look.gorse ? 0.45 : 0.4);
                    if (!look.gorse)
                        trunk(cr, x, top + r, h, r * 0.22, look.trunk);
                    crown(cr, x, top + r, r * rows.range(1.1, 1.4), r, dark, light, rows);
                    if (look.gorse)
                        gorseSpeckles(cr, x, top + r, r, r, rows);
                }
            }
        }
        cairo_restore(cr);
    }
    return keyed(canvas.picture());
}

Picture plantPicture(PlantKind kind, const CourseLook& look, uint64_t seed) {
    const bool tree = kind == PlantKind::Broadleaf || kind == PlantKind::Conifer;
    const int w = tree ? 64 : 128, h = tree ? 128 : 64;
    Canvas canvas(w, h, 2);
    cairo_t* cr = canvas.cr();
    Random random(seed);
    switch (kind) {
    case PlantKind::Broadleaf:
        trunk(cr, w * 0.5, h * 0.45, h, w * 0.16, look.trunk);
        crown(cr, w * 0.5, h * 0.36, w * 0.46, h * 0.34, look.treeDark, look.treeLight, random);
        break;
    case PlantKind::Conifer:
        conifer(cr, w * 0.5, h * 0.02, h, w * 0.95, look.conifer);
        break;
    case PlantKind::Bush:
    case PlantKind::Gorse:
        for (int i = 0; i < 3; ++i) {
            const double x = w * (0.3 + 0.2 * i), r = h * random.range(0.32, 0.42);
            crown(cr, x, h - r, r * 1.2, r, look.treeDark,
                  kind == PlantKind::Gorse ? look.bush : look.treeLight, random);
            if (kind == PlantKind::Gorse)
                gorseSpeckles(cr, x, h - r, r, r, random);
        }
        break;
    }
    return keyed(canvas.picture());
}

} // namespace velmora::content
