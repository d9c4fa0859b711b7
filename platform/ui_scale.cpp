#include "platform/ui_scale.h"

namespace velmora {

namespace {
float scale = 1.0f;
}

float uiScale() {
    return scale;
}

void setUiScale(float newScale) {
    if (newScale > 0.0f)
        scale = newScale;
}

int scaled(int value) {
    if (scale == 1.0f)
        return value;
    return static_cast<int>(static_cast<float>(value) * scale + 0.5f);
}

float scaled(float value) {
    return scale == 1.0f ? value : value * scale;
}

} // namespace velmora
