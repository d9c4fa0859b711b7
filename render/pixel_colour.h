#pragma once
// Per-field colour arithmetic for the rasterizer on the two pixel formats. At 16 bits products are
// taken per 5-6-5 field ((a x b) >> 5 for red and blue, >> 6 for green) and sums saturate each field
// at its maximum; at 32 bits each field is a byte (>> 8, saturating at 255).

#include "base/color.h"
#include "base/pixel_format.h"

#include <bit>
#include <cstdint>

namespace velmora {

template <typename F>
struct PixelOps {
    static constexpr int redBits = std::popcount(F::redMask);
    static constexpr int greenBits = std::popcount(F::greenMask);
    static constexpr int blueBits = std::popcount(F::blueMask);
    static constexpr uint32_t white = (F::redMask << F::redShift) | (F::greenMask << F::greenShift) | F::blueMask;

    static constexpr uint32_t r(uint32_t p) { return (p >> F::redShift) & F::redMask; }
    static constexpr uint32_t g(uint32_t p) { return (p >> F::greenShift) & F::greenMask; }
    static constexpr uint32_t b(uint32_t p) { return p & F::blueMask; }
    static constexpr uint32_t pack(uint32_t red, uint32_t green, uint32_t blue) {
        return (red << F::redShift) | (green << F::greenShift) | blue;
    }

    // a x b per field: light x texel.
    static constexpr uint32_t modulate(uint32_t x, uint32_t y) {
        return pack((r(x) * r(y)) >> redBits, (g(x) * g(y)) >> greenBits, (b(x) * b(y)) >> blueBits);
    }
    // c + ((target - c) x f >> 8) per field, f in 0 ... 256.
    static constexpr uint32_t moveToward(uint32_t c, uint32_t target, int f) {
        auto field = [f](uint32_t from, uint32_t to) {
            return static_cast<uint32_t>(static_cast<int>(from) +
                                         ((static_cast<int>(to) - static_cast<int>(from)) * f >> 8));
        };
        return pack(field(r(c), r(target)), field(g(c), g(target)), field(b(c), b(target)));
    }
    static constexpr uint32_t addSaturated(uint32_t x, uint32_t y) {
        const uint32_t red = r(x) + r(y), green = g(x) + g(y), blue = b(x) + b(y);
        return pack(red > F::redMask ? F::redMask : red, green > F::greenMask ? F::greenMask : green,
                    blue > F::blueMask ? F::blueMask : blue);
    }
    // Each field x level >> 8, level in 0 ... 255.
    static constexpr uint32_t scale(uint32_t c, int level) {
        const auto l = static_cast<uint32_t>(level);
        return pack((r(c) * l) >> 8, (g(c) * l) >> 8, (b(c) * l) >> 8);
    }
    // 2 x (R + G + B) of the pixel's 5-6-5 fields: 0 ... 250.
    static constexpr int alphaOf(uint32_t p) {
        return static_cast<int>(2 * ((r(p) >> (redBits - 5)) + (g(p) >> (greenBits - 6)) + (b(p) >> (blueBits - 5))));
    }
};

} // namespace velmora
