#include "course_look.h"

namespace velmora::content {

const CourseLook& lookOf(CourseStyle style) {
    static const CourseLook parkland{.rough = 0x3E8A2C,
                                     .fairwayLight = 0x79C94C,
                                     .fairwayDark = 0x64B33D,
                                     .green = 0x98E86A,
                                     .tee = 0x70C047,
                                     .sand = 0xEEDDAA,
                                     .water = 0x2C78B4,
                                     .bank = 0x587A34,
                                     .outer = 0x35702A,
                                     .treeDark = 0x1F5A24,
                                     .treeLight = 0x3F8F36,
                                     .conifer = 0x1E4D2E,
                                     .bush = 0x2F7A2C,
                                     .trunk = 0x5E4229,
                                     .skyTop = 0x2F78D8,
                                     .skyHorizon = 0xBFE3FA,
                                     .cloud = 0xFFFFFF,
                                     .cloudShade = 0xD3E2F0,
                                     .hillFar = 0x7FA8A0,
                                     .hillNear = 0x4E8A46,
                                     .land = 0x3F7A33,
                                     .cloudCover = 0.45,
                                     .conifers = true,
                                     .gorse = false};
    static const CourseLook lakes{.rough = 0x4A9A34,
                                  .fairwayLight = 0x82D156,
                                  .fairwayDark = 0x6EBE47,
                                  .green = 0xA0EC74,
                                  .tee = 0x78C84D,
                                  .sand = 0xF6EBC6,
                                  .water = 0x2590D6,
                                  .bank = 0x5F8C3C,
                                  .outer = 0x3F8630,
                                  .treeDark = 0x24662A,
                                  .treeLight = 0x4FA03E,
                                  .conifer = 0x21573A,
                                  .bush = 0x3A8A32,
                                  .trunk = 0x6B4A2E,
                                  .skyTop = 0x1E7FE6,
                                  .skyHorizon = 0xCDEBFC,
                                  .cloud = 0xFFFFFF,
                                  .cloudShade = 0xDCE8F2,
                                  .hillFar = 0x8FB4C8,
                                  .hillNear = 0x5A9A52,
                                  .land = 0x468A38,
                                  .cloudCover = 0.25,
                                  .conifers = false,
                                  .gorse = false};
    static const CourseLook links{.rough = 0x8E9A4C,
                                  .fairwayLight = 0x96BA5A,
                                  .fairwayDark = 0x86AA4E,
                                  .green = 0xA2D868,
                                  .tee = 0x8EB455,
                                  .sand = 0xF0E0B4,
                                  .water = 0x3C7890,
                                  .bank = 0x7D8A48,
                                  .outer = 0x9A9558,
                                  .treeDark = 0x3D5E2A,
                                  .treeLight = 0x6A8A3A,
                                  .conifer = 0x35502C,
                                  .bush = 0x6B7F34,
                                  .trunk = 0x5A4630,
                                  .skyTop = 0x4C7FB8,
                                  .skyHorizon = 0xD6E4EC,
                                  .cloud = 0xF4F6F8,
                                  .cloudShade = 0xB8C4CE,
                                  .hillFar = 0x8A9CA8,
                                  .hillNear = 0x9A9A5E,
                                  .land = 0x8A9050,
                                  .cloudCover = 0.7,
                                  .conifers = false,
                                  .gorse = true};
    switch (style) {
    case CourseStyle::Lakes:
        return lakes;
    case CourseStyle::Links:
        return links;
    default:
        return parkland;
    }
}

} // namespace velmora::content
