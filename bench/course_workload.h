#pragma once
// The golf-hole workload of the shared benchmark folder, set up as the peer renders it: the course
// at scale 1, unlit textures, two-sided terrain, the woods keyed by magenta, and the three views.

#include "render/image_cache.h"
#include "render/object3d.h"
#include "render/view3d.h"

#include <memory>
#include <string>

namespace velmora::bench {

struct CourseView {
    const char* name;
    Vector3 eye;    // file coordinates (z up)
    Vector3 target;
};

inline constexpr CourseView courseViews[] = {
    {"TEE", {380.0f, 56.0f, 24.0023727f}, {388.320007f, 358.0f, 13.1277351f}},
    {"HIGH", {380.0f, 198.0f, 167.498764f}, {442.720001f, 518.0f, 8.75669193f}},
    {"GREEN", {448.0f, 662.0f, 7.82309198f}, {460.0f, 710.0f, 3.51181602f}},
};

// The peer clears to (0.53, 0.75, 0.95), which its 16-bit buffer holds as (16, 47, 29): rounded,
// where truncating (135, 191, 242) would give blue 30. This is that 16-bit colour widened.
inline constexpr uint32_t skyColour = 0x84BEEF;

std::wstring workloadFolder();

struct Course {
    ImageCache images;
    std::unique_ptr<Model3D> model;
    Vector3 fileCentre; // the box centre that normalising moved to the origin, in our frame
};

// False when the workload is missing.
bool loadCourse(Course& course);
// Camera and settings of a view at a size, as the peer sets them.
void setUpView(View3D& view, const Course& course, const CourseView& courseView, int width, int height);

} // namespace velmora::bench
