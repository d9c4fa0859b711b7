#pragma once
// Blends a whole surface toward one colour: the page fade draws it over the back buffer at
// growing or shrinking amounts.

#include "surface/overlay.h"
#include "surface/surface.h"

#include <cstdint>

namespace velmora {

class FadeEffect : public Overlay {
public:
    // Every channel c becomes c + ((target - c) * amount >> 8): per 565 field at 16 bits, per byte
    // at 32 bits. amount 0 leaves the surface alone, 256 paints it the colour.
    void apply() override;

    Surface* surface = nullptr;
    uint32_t color = 0; // 0xRRGGBB
    int amount = 0;     // 0 ... 256
};

} // namespace velmora
