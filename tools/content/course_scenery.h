#pragma once
// The pictures around a course's holes: the sky behind the view, the distant hills over it, the
// band of trees on the woods ring and the single trees and bushes planted along it. Keyed pictures
// come out with hard edges: transparent pixels become the key colour when written as GIF.

#include "course_look.h"
#include "picture.h"

#include <cstdint>

namespace velmora::content {

constexpr int skyWidth = 480, skyHeight = 160;
constexpr int landscapeHeight = 64;
constexpr int woodsWidth = 1024, woodsHeight = 64; // 16:1, the ring's repeat is laid out for it

// Seamless from its right edge to its left edge.
Picture skyPicture(const CourseLook& look, uint64_t seed);
// As wide as the sky, hills on a transparent sky, seamless left to right.
Picture landscapePicture(const CourseLook& look, uint64_t seed);
// A dense band of trees, transparent between their crowns, seamless left to right.
Picture woodsPicture(const CourseLook& look, uint64_t seed);

enum class PlantKind { Broadleaf, Conifer, Bush, Gorse };
// Trees are 64 x 128, bushes 128 x 64 (the game tells them apart by their proportion).
Picture plantPicture(PlantKind kind, const CourseLook& look, uint64_t seed);

} // namespace velmora::content
