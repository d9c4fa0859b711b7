#include "surface/fade_effect.h"

#include "base/pixel_format.h"

#include <algorithm>

namespace velmora {

namespace {

// One channel toward its target; the shift of a negative product rounds toward minus infinity.
inline uint32_t blendChannel(uint32_t value, uint32_t target, int amount) {
    const int channel = static_cast<int>(value);
    return static_cast<uint32_t>(channel + ((static_cast<int>(target) - channel) * amount >> 8));
}

template <typename Format>
void fade(Surface& surface, uint32_t color, int amount) {
    using F = Format;
    const uint32_t target = encodePixel(color, surface.bitsPerPixel);
    const uint32_t targetRed = (target >> F::redShift) & F::redMask;
    const uint32_t targetGreen = (target >> F::greenShift) & F::greenMask;
    const uint32_t targetBlue = (target >> F::blueShift) & F::blueMask;
    for (int y = 0; y < surface.height; ++y) {
        typename F::Pixel* row = pixelRow<F>(surface.bits, surface.stride, y);
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t pixel = row[x];
            const uint32_t red = blendChannel((pixel >> F::redShift) & F::redMask, targetRed, amount);
            const uint32_t green = blendChannel((pixel >> F::greenShift) & F::greenMask, targetGreen, amount);
            const uint32_t blue = blendChannel((pixel >> F::blueShift) & F::blueMask, targetBlue, amount);
            row[x] = static_cast<typename F::Pixel>((red << F::redShift) | (green << F::greenShift) |
                                                    (blue << F::blueShift));
        }
    }
}

} // namespace

void FadeEffect::apply() {
    const int clamped = std::clamp(amount, 0, 256);
    if (!surface || surface->empty() || clamped == 0)
        return;
    if (surface->bitsPerPixel == 16)
        fade<Format16>(*surface, color, clamped);
    else
        fade<Format32>(*surface, color, clamped);
}

} // namespace velmora
