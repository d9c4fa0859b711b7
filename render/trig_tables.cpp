#include "render/trig_tables.h"

#include "render/scalar_math.h"

#include <cmath>

namespace velmora {
namespace {

float sineValues[trigTableSize];
float cosineValues[trigTableSize];

// Fills the tables during static initialisation, before any page runs.
[[maybe_unused]] const bool tablesFilled = [] {
    for (int i = 0; i < trigTableSize; ++i) {
        const double angle = i * 2.0 * 3.14159265358979323846 / trigTableSize;
        sineValues[i] = static_cast<float>(std::sin(angle));
        cosineValues[i] = static_cast<float>(std::cos(angle));
    }
    return true;
}();
bool randomSeeded = false;

} // namespace

const float* const sineTable = sineValues;
const float* const cosineTable = cosineValues;

void initMathTables(uint32_t tickCount) {
    if (randomSeeded)
        return;
    randomSeeded = true;
    seedRandom(tickCount);
}

} // namespace velmora
