#pragma once
// The ground textures of a course, each tiling seamlessly: mottled rough, striped fairway, a fine
// green, grainy sand, rippled water. The hole is drawn unlit, so the textures carry all the light
// and shade, and they stay low in contrast so that distant ground does not shimmer.

#include "course_look.h"
#include "hole_surfaces.h"
#include "picture.h"

#include <cstdint>

namespace velmora::content {

constexpr int surfaceTextureSize = 128;

Picture surfaceTexture(Surface surface, const CourseLook& look, uint64_t seed);

} // namespace velmora::content
