#pragma once
// A synchronous fade of a page to or from a colour (black in the game), at fixed steps, outside
// the main loop: each step paints (or only darkens the picture already shown) and presents.

#include "gui/frame_page.h"

namespace velmora {

enum class FadeDirection { In, Out };
// What each pass shows under the overlay: the page painted again, or, when fading out, the picture
// already on the screen darkened a little more each pass (a fade-in always paints).
enum class FadeFrames { Repaint, DarkenShown };

struct FadeTransition {
    FadeTransition(float fadeDuration, int fadeStepsPerSecond, int fadeColour)
        : duration(fadeDuration), stepsPerSecond(fadeStepsPerSecond), colour(fadeColour) {}

    // steps = stepsPerSecond x duration; the overlay's opacity runs from full to none (fading in)
    // or the other way over steps + 1 passes, one every 1000 / stepsPerSecond ms. Fading out with
    // DarkenShown darkens the shown picture by 640 / steps each pass instead of repainting it.
    void run(FramePage& page, FadeDirection direction, FadeFrames frames) const;

    float duration;
    int stepsPerSecond;
    int colour; // 0xRRGGBB
};

} // namespace velmora
