#include "figure.h"

namespace velmora::content {

const std::vector<Look>& golferLooks() {
    // skin, hair, hair style, headwear, hat, shirt, trousers, skirt, shoes, badge, build, beard, glasses
    static const std::vector<Look> looks = {
        {"Rex", 0xF5C8A0, 0x5A3A22, Hair::Short, Headwear::Cap, 0xFFFFFF, 0xE8392E, 0x1F2F5C, false, 0xFAFAFA,
         0x2378E0, 0.95, false, false},
        {"Mia", 0xFFDCC0, 0xF2C440, Hair::Ponytail, Headwear::Visor, 0xFF5FA2, 0x12B5A5, 0xFFFFFF, true,
         0xFFFFFF, 0xFFB020, 0.88, false, false},
        {"Otis", 0x8A5530, 0x1C1410, Hair::Curly, Headwear::FlatCap, 0x4A5A68, 0xFFB21F, 0x2E7D32, false,
         0x6B3F22, 0x3FAE34, 1.22, true, false},
        {"Kai", 0xC98D5C, 0x181418, Hair::Bun, Headwear::None, 0x000000, 0x8A5CD0, 0x22242C, false, 0xF2F2F2,
         0xE8392E, 1.0, false, false},
        {"Gus", 0xF0B8A0, 0xC8CCD0, Hair::Receding, Headwear::None, 0x000000, 0x5CB8FF, 0xD8C08C, false,
         0x7A4A2A, 0x8A5CD0, 1.08, false, true},
    };
    return looks;
}

} // namespace velmora::content
