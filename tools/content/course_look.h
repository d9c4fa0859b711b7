#pragma once
// The colours of each kind of course: its grass, sand, water and trees, its sky and the land on
// the horizon.

#include "course_style.h"

#include <cstdint>

namespace velmora::content {

struct CourseLook {
    uint32_t rough, fairwayLight, fairwayDark, green, tee, sand, water, bank, outer;
    uint32_t treeDark, treeLight, conifer, bush, trunk;
    uint32_t skyTop, skyHorizon, cloud, cloudShade;
    uint32_t hillFar, hillNear;
    uint32_t land;     // below the hills: the course template's background colour
    double cloudCover; // 0 ... 1
    bool conifers;     // pines among the broadleaf trees
    bool gorse;        // low bushes instead of a wall of trees
};

const CourseLook& lookOf(CourseStyle style);

} // namespace velmora::content
