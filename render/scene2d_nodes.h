#pragma once
// Building the flat objects a scene template describes ("Scene2D", "Group2D") from the values of
// their template lines. The template loader parses the lines and calls these; they know nothing of
// templates.

#include "render/group2d.h"
#include "render/scene2d.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

class ImageCache;

struct Scene2DValues {
    int x = 0, y = 0, width = 0, height = 0; // pixels, already scaled
};

struct Group2DValues {
    float scale = 1.0f;
    std::wstring texture; // picture names, read through the image cache padded to powers of two
    std::wstring mask;
    bool visible = true;
    ShadingMode detailLevel = ShadingMode::Unlit;
    uint32_t color = 0xFFFFFF; // the material colour
};

// A flat scene with its painter.
std::unique_ptr<Scene2D> buildScene2D(const Scene2DValues& values);
// The quad of a "Group2D" line (a Rect2D), pictures from folder through images; none (after the
// error message) when it has no picture or two of different sizes.
std::unique_ptr<Group2D> buildGroup2D(ImageCache* images, const std::wstring& folder,
                                      const Group2DValues& values);
// The copies of a line with "number" n >= 2: n - 1 copies, each with its own material.
std::vector<std::unique_ptr<Group2D>> copiesOf(const Group2D& node, int number);

} // namespace velmora
