#include "gui/fade_transition.h"

#include "platform/clock.h"
#include "surface/fade_effect.h"

namespace velmora {

namespace {

// Opacity 0 ... 255 as the blend amount 0 ... 256, so that full opacity is the colour itself.
int amountForOpacity(int opacity) {
    return opacity + (opacity >> 7);
}

} // namespace

void FadeTransition::run(FramePage& page, FadeDirection direction, FadeFrames frames) const {
    const bool fadeIn = direction == FadeDirection::In;
    if (!page.backBuffer() || stepsPerSecond <= 0)
        return;
    FadeEffect overlay;
    overlay.surface = page.backBuffer();
    overlay.color = static_cast<uint32_t>(colour) & 0xFFFFFF;
    page.addOverlay(&overlay);
    const int steps = static_cast<int>(static_cast<float>(stepsPerSecond) * duration);
    if (steps <= 0) {
        page.removeOverlay(&overlay);
        return;
    }
    const uint32_t stepMs = static_cast<uint32_t>(1000 / stepsPerSecond);
    uint32_t passStart = GetTickCount();
    for (int pass = 0; pass <= steps; ++pass) {
        const int counter = fadeIn ? steps - pass : pass;
        if (fadeIn || frames == FadeFrames::Repaint) {
            page.paint();
            overlay.amount = amountForOpacity(counter * 255 / steps);
        } else {
            overlay.amount = amountForOpacity(640 / steps);
        }
        page.present(nullptr);
        const uint32_t spent = GetTickCount() - passStart;
        if (spent < stepMs)
            Sleep(stepMs - spent);
        passStart = GetTickCount();
    }
    page.removeOverlay(&overlay);
}

} // namespace velmora
