#include "render/triangle_walk.h"

#include <utility>

namespace velmora {
namespace {

// The difference of an interpolant from the top vertex's; u and v may have wrapped in 32 bits, so
// it is taken modulo 2^32 (textures repeat).
int64_t wrappedDifference(int32_t to, int32_t from) {
    return static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
}

TrianglePlane planeOf(int32_t a0, int32_t a1, int32_t a2, int64_t x10, int64_t y10, int64_t x20, int64_t y20,
                      int64_t determinant) {
    const int64_t d1 = wrappedDifference(a1, a0);
    const int64_t d2 = wrappedDifference(a2, a0);
    // Numerators stay below 2^48 (32-bit differences times 15-bit screen spans).
    return {a0, divideTruncated(d1 * y20 - d2 * y10, determinant), divideTruncated(d2 * x10 - d1 * x20, determinant)};
}

} // namespace

bool setUpTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, int targetHeight,
                   unsigned interpolants, TriangleSetup& t) {
    const ScreenVertex* v[3] = {&a, &b, &c};
    if (v[1]->y < v[0]->y)
        std::swap(v[0], v[1]);
    if (v[2]->y < v[1]->y)
        std::swap(v[1], v[2]);
    if (v[1]->y < v[0]->y)
        std::swap(v[0], v[1]);
    const ScreenVertex& top = *v[0];
    const ScreenVertex& middle = *v[1];
    const ScreenVertex& bottom = *v[2];
    if (top.y >= targetHeight || bottom.y <= 0 || top.y == bottom.y)
        return false;
    const int64_t x10 = middle.x - top.x, y10 = middle.y - top.y;
    const int64_t x20 = bottom.x - top.x, y20 = bottom.y - top.y;
    // Positive when the middle vertex lies left of the long edge; the planes need its negation.
    const int64_t area = x20 * y10 - x10 * y20;
    if (area == 0)
        return false;
    t.top = &top;
    t.middle = &middle;
    t.bottom = &bottom;
    t.middleOnLeft = area > 0;
    const int64_t determinant = -area;
    if (interpolants & WalkDepth)
        t.z = planeOf(top.depth, middle.depth, bottom.depth, x10, y10, x20, y20, determinant);
    if (interpolants & WalkTexture) {
        t.u = planeOf(top.u, middle.u, bottom.u, x10, y10, x20, y20, determinant);
        t.v = planeOf(top.v, middle.v, bottom.v, x10, y10, x20, y20, determinant);
    }
    if (interpolants & WalkLight) {
        t.lx = planeOf(top.lightX, middle.lightX, bottom.lightX, x10, y10, x20, y20, determinant);
        t.ly = planeOf(top.lightY, middle.lightY, bottom.lightY, x10, y10, x20, y20, determinant);
    }
    return true;
}

} // namespace velmora
