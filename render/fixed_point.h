#pragma once
// The engine's fixed-point number formats. Mesh vertices and view-space depths are world units with
// 11 fractional bits; texture coordinates, edge positions and interpolants are 16.16.

#include <cstdint>

namespace velmora {

using Fixed11 = int32_t; // world units x 2048
using Fixed16 = int32_t; // 16.16

constexpr int worldShift = 11;
constexpr int32_t worldUnit = 1 << worldShift;  // 2048
constexpr float worldUnitInverse = 1.0f / 2048.0f;
constexpr int textureShift = 16;
constexpr int32_t textureUnit = 1 << textureShift; // 65536
constexpr float textureUnitInverse = 1.0f / 65536.0f;
// Projected vertex positions carry this many fractional bits of a pixel, so that edges and
// texture coordinates do not jump by whole pixels as a vertex moves.
constexpr int subpixelBits = 8;
constexpr int32_t subpixelUnit = 1 << subpixelBits;

// A float truncated toward zero to an integer, limited to +-2.1e9; NaN gives 0. Every conversion of
// outside or computed floats goes through it, so that none can overflow.
constexpr int32_t saturatedInt(float value) {
    if (!(value == value))
        return 0;
    return static_cast<int32_t>(value < -2.1e9f ? -2.1e9f : (value > 2.1e9f ? 2.1e9f : value));
}

// Float to fixed point, truncating toward zero (the conversion every loader uses).
constexpr Fixed11 toFixed11(float value) { return saturatedInt(value * static_cast<float>(worldUnit)); }
constexpr float fromFixed11(Fixed11 value) { return static_cast<float>(value) * worldUnitInverse; }
constexpr Fixed16 toFixed16(float value) { return saturatedInt(value * static_cast<float>(textureUnit)); }
constexpr float fromFixed16(Fixed16 value) { return static_cast<float>(value) * textureUnitInverse; }

// a / b truncated toward zero, exactly as integer division gives it, through one double division
// (much faster than a 64-bit integer division): exact while |a| < 2^52, because the quotient is
// then rounded by less than its distance to the next integer.
inline int64_t divideTruncated(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<double>(a) / static_cast<double>(b));
}

} // namespace velmora
