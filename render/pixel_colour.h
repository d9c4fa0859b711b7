#pragma once
// Per-field colour arithmetic on pixels of the rasterizer's two formats. A 16-bit pixel is RGB565;
// products are taken per 5-6-5 field ((a x b) >> 5 for red and blue, >> 6 for green), sums saturate
// each field at its maximum. A 32-bit pixel is 0x00RRGGBB with 8-bit fields (>> 8, saturate at 255).

#include <cstdint>

namespace velmora {

constexpr uint32_t rgbTo565Pixel(uint32_t rgb) {
    return ((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) | ((rgb >> 3) & 0x001F);
}
constexpr uint32_t toPixel(uint32_t rgb, int bitsPerPixel) {
    return bitsPerPixel == 16 ? rgbTo565Pixel(rgb) : rgb & 0xFFFFFF;
}

struct Pixel565 {
    using Pixel = uint16_t;
    static constexpr int rShift = 11, gShift = 5;
    static constexpr uint32_t rMax = 31, gMax = 63, bMax = 31;
    static constexpr int rProductShift = 5, gProductShift = 6, bProductShift = 5;
    static constexpr uint32_t white = 0xFFFF;
};

struct Pixel8888 {
    using Pixel = uint32_t;
    static constexpr int rShift = 16, gShift = 8;
    static constexpr uint32_t rMax = 255, gMax = 255, bMax = 255;
    static constexpr int rProductShift = 8, gProductShift = 8, bProductShift = 8;
    static constexpr uint32_t white = 0xFFFFFF;
};

template <typename F>
struct PixelOps {
    static constexpr uint32_t r(uint32_t p) { return (p >> F::rShift) & F::rMax; }
    static constexpr uint32_t g(uint32_t p) { return (p >> F::gShift) & F::gMax; }
    static constexpr uint32_t b(uint32_t p) { return p & F::bMax; }
    static constexpr uint32_t pack(uint32_t r, uint32_t g, uint32_t b) { return (r << F::rShift) | (g << F::gShift) | b; }

    // a x b per field: light x texel.
    static constexpr uint32_t modulate(uint32_t a, uint32_t b) {
        return pack((r(a) * r(b)) >> F::rProductShift, (g(a) * g(b)) >> F::gProductShift,
                    (PixelOps::b(a) * PixelOps::b(b)) >> F::bProductShift);
    }
    // c + ((target - c) x f >> 8) per field, f in 0 ... 256.
    static constexpr uint32_t moveToward(uint32_t c, uint32_t target, int f) {
        auto field = [f](uint32_t from, uint32_t to) {
            return static_cast<uint32_t>(static_cast<int>(from) + ((static_cast<int>(to) - static_cast<int>(from)) * f >> 8));
        };
        return pack(field(r(c), r(target)), field(g(c), g(target)), field(b(c), b(target)));
    }
    static constexpr uint32_t addSaturated(uint32_t a, uint32_t c) {
        const uint32_t rs = r(a) + r(c), gs = g(a) + g(c), bs = b(a) + b(c);
        return pack(rs > F::rMax ? F::rMax : rs, gs > F::gMax ? F::gMax : gs, bs > F::bMax ? F::bMax : bs);
    }
    // Each field x level >> 8, level in 0 ... 255.
    static constexpr uint32_t scale(uint32_t c, int level) {
        const auto l = static_cast<uint32_t>(level);
        return pack((r(c) * l) >> 8, (g(c) * l) >> 8, (b(c) * l) >> 8);
    }
    // 2 x (R + G + B) of the pixel's 5-6-5 fields: 0 ... 250.
    static constexpr int alphaOf(uint32_t p) {
        if constexpr (F::rMax == 31)
            return static_cast<int>(2 * (r(p) + g(p) + b(p)));
        else
            return static_cast<int>(2 * ((r(p) >> 3) + (g(p) >> 2) + (b(p) >> 3)));
    }
};

} // namespace velmora
