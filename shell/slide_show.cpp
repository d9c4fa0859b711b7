#include "shell/slide_show.h"

#include "render/trig_tables.h"

#include <algorithm>

namespace velmora {

SlideFrame slideFrame(float clock, int count) {
    SlideFrame frame;
    const float turn = 2.0f * kPi;
    frame.picture1 = static_cast<int>((clock + kPi) / turn) % count;
    frame.transparency1 = static_cast<int>((1.0f - std::min(1.0f, cosT(clock) + 1.0f)) * 256.0f);
    frame.picture2 = (static_cast<int>(clock / turn) + 1) % count;
    frame.transparency2 = static_cast<int>((1.0f - std::min(1.0f, sinT(clock - kPi / 2.0f) + 1.0f)) * 256.0f);
    return frame;
}

} // namespace velmora
