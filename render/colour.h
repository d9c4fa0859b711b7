#pragma once
// Arithmetic on packed 0x00RRGGBB colours.

#include <cstdint>

namespace velmora::colour {

constexpr uint32_t red(uint32_t c) { return (c >> 16) & 255; }
constexpr uint32_t green(uint32_t c) { return (c >> 8) & 255; }
constexpr uint32_t blue(uint32_t c) { return c & 255; }
constexpr bool isGrey(uint32_t c) { return red(c) == green(c) && green(c) == blue(c); }
constexpr uint32_t make(uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; }
constexpr uint32_t average(uint32_t c) { return (red(c) + green(c) + blue(c)) / 3; }
constexpr uint32_t grey(uint32_t c) { return ((3 * red(c) + 6 * green(c) + blue(c)) / 10) * 0x010101; }
constexpr uint32_t invert(uint32_t c) { return 0xFFFFFF & ~c; }

// Per-channel sum limited to 255 (red and green lose their low bit): carries land in
// the bit above each channel, and every carrying channel is then filled with ones.
constexpr uint32_t addSaturated(uint32_t a, uint32_t b) {
    const uint32_t s = (a & 0xFEFEFF) + (b & 0xFEFEFF);
    const uint32_t k = s & 0x1010100;
    return (s | (k - (k >> 8))) & 0xFFFFFF;
}
// Per-channel difference limited to 0, by the same carry trick on a + ~b.
constexpr uint32_t subtractSaturated(uint32_t a, uint32_t b) {
    const uint32_t s = (a & 0xFEFEFF) + (~b & 0xFEFEFF);
    const uint32_t k = ~s & 0x1010100;
    return s & ~(k - (k >> 8)) & 0xFFFFFF;
}
// Each channel x f >> 8, f in 0 ... 256.
constexpr uint32_t scale(uint32_t c, uint32_t f) {
    return make((red(c) * f) >> 8, (green(c) * f) >> 8, (blue(c) * f) >> 8);
}
constexpr uint32_t halfSum(uint32_t a, uint32_t b) { return ((a >> 1) & 0x7F7F7F) + ((b >> 1) & 0x7F7F7F); }
// Each channel b + ((a - b) x f >> 8): f = 256 gives a, 0 gives b.
constexpr uint32_t blend(uint32_t a, uint32_t b, int f) {
    auto channel = [f](uint32_t ca, uint32_t cb) {
        return static_cast<uint32_t>(static_cast<int>(cb) + ((static_cast<int>(ca) - static_cast<int>(cb)) * f >> 8));
    };
    return make(channel(red(a), red(b)), channel(green(a), green(b)), channel(blue(a), blue(b)));
}
constexpr uint32_t modulate(uint32_t a, uint32_t b) {
    return make((red(a) * red(b)) >> 8, (green(a) * green(b)) >> 8, (blue(a) * blue(b)) >> 8);
}

} // namespace velmora::colour
