#include "course_textures.h"

#include "draw.h"
#include "noise.h"
#include "random.h"

#include <algorithm>
#include <cmath>

namespace velmora::content {
namespace {

constexpr int size = surfaceTextureSize;

struct Grain {
    double mottle;  // share of brightness change by the large, soft patches
    int cells;      // of the patches across the picture
    double speckle; // share of brightness change from pixel to pixel
};

// Brightness factor 1 +- the grain at (x, y), tiling with the picture.
double grainAt(int x, int y, const Grain& grain, uint64_t seed, Random& random) {
    const double u = double(x) / size * grain.cells, v = double(y) / size * grain.cells;
    return 1 + grain.mottle * fractalNoise(u, v, seed, 3, grain.cells) + grain.speckle * random.range(-1, 1);
}

Picture grass(uint32_t base, const Grain& grain, uint64_t seed) {
    Picture picture(size, size);
    Random random(seed);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            picture.at(x, y) = opaque(shade(base, grainAt(x, y, grain, seed, random)));
    return picture;
}

// Mowing stripes: two bands across the picture's width, along its height.
Picture striped(uint32_t light, uint32_t dark, const Grain& grain, uint64_t seed) {
    Picture picture(size, size);
    Random random(seed);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double band = 0.5 + 0.5 * std::sin((x + 0.5) / size * 2 * M_PI);
            const uint32_t base = mix(dark, light, smoothstep(0.35, 0.65, band));
            picture.at(x, y) = opaque(shade(base, grainAt(x, y, grain, seed, random)));
        }
    }
    return picture;
}

Picture sand(uint32_t base, uint64_t seed) {
    Picture picture = grass(base, {0.05, 4, 0.06}, seed);
    // Rake lines: faint ridges across the picture.
    for (int y = 0; y < size; ++y) {
        const double ridge = 1 + 0.03 * std::sin((y + 0.5) / size * 2 * M_PI * 8);
        for (int x = 0; x < size; ++x) {
            Rgba& p = picture.at(x, y);
            p = opaque(shade(uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b, ridge));
        }
    }
    return picture;
}

Picture water(uint32_t base, uint64_t seed) {
    Picture picture(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = double(x) / size, v = double(y) / size;
            const double swell = fractalNoise(u * 4, v * 4, seed, 3, 4);
            // Wavelets: bright crests where a warped wave pattern peaks.
            const double crest =
                std::sin((v * 6 + 0.35 * swell) * 2 * M_PI) *
                std::sin((u * 3 + 0.25 * fractalNoise(u * 2, v * 2, seed + 9, 2, 2)) * 2 * M_PI);
            uint32_t colour = shade(base, 1 + 0.12 * swell);
            colour = mix(colour, 0xFFFFFF, 0.35 * smoothstep(0.72, 0.98, crest));
            picture.at(x, y) = opaque(colour);
        }
    }
    return picture;
}

// Grass toward the water, darker and browner where the ground gets wet.
Picture bank(uint32_t base, uint64_t seed) {
    Picture picture(size, size);
    Random random(seed);
    const Grain grain{0.12, 4, 0.07};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double wet =
                0.5 + 0.5 * fractalNoise(double(x) / size * 4, double(y) / size * 4, seed + 3, 2, 4);
            const uint32_t colour = mix(base, 0x6B5A3A, 0.45 * smoothstep(0.4, 0.8, wet));
            picture.at(x, y) = opaque(shade(colour, grainAt(x, y, grain, seed, random)));
        }
    }
    return picture;
}

} // namespace

Picture surfaceTexture(Surface surface, const CourseLook& look, uint64_t seed) {
    switch (surface) {
    case Surface::Tground:
        return striped(shade(look.tee, 1.04), shade(look.tee, 0.96), {0.03, 4, 0.03}, seed);
    case Surface::Green:
        return grass(look.green, {0.04, 4, 0.035}, seed);
    case Surface::Bunker:
        return sand(look.sand, seed);
    case Surface::Water:
        return water(look.water, seed);
    case Surface::Waterbank:
        return bank(look.bank, seed);
    case Surface::Fairway:
        return striped(look.fairwayLight, look.fairwayDark, {0.05, 4, 0.03}, seed);
    case Surface::Rough:
        return grass(look.rough, {0.12, 4, 0.04}, seed);
    case Surface::Outer:
        return grass(look.outer, {0.14, 2, 0.08}, seed);
    }
    return {};
}

} // namespace velmora::content
