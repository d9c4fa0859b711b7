#pragma once
// Table-based sine and cosine for per-frame code, and the angle helpers. The tables hold 4096
// entries over one turn and are filled before main runs.

#include <cstdint>

namespace velmora {

constexpr float kPi = 3.1415927f;
constexpr float kEpsilon = 1e-10f; // a vector shorter than this cannot be normalised

constexpr int trigTableSize = 4096;
extern const float* const sineTable;
extern const float* const cosineTable;

// The table entry of an angle in radians; valid above -256 pi.
inline int tableIndex(float angle) {
    return static_cast<int32_t>((angle + 804.2477f) * 651.8986f) & (trigTableSize - 1);
}
inline float sinT(float angle) { return sineTable[tableIndex(angle)]; }
inline float cosT(float angle) { return cosineTable[tableIndex(angle)]; }

constexpr float degToRad(float degrees) { return degrees * 0.017453292f; }
constexpr float radToDeg(float radians) { return radians * 57.29578f; }

// Called once by the first page that starts: seeds the random generator with the tick count.
// Later calls do nothing.
void initMathTables(uint32_t tickCount);

} // namespace velmora
