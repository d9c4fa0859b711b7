#pragma once
// Pictures of a course's holes drawn by the game's 3D engine, as the game shows them: the hole with
// its woods band rebuilt on the ground, the trees planted along the ring and the flag on the cup,
// over the course's sky and hills.

#include "game/course_features.h"
#include "render/image_cache.h"
#include "render/object3d.h"
#include "render/scene3d.h"
#include "render/view3d.h"
#include "surface/surface.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora::tool {

class HoleScene {
public:
    // courseFolder as the game names folders (backslashes). False when the hole cannot be read.
    bool load(const std::wstring& courseFolder, int number);

    Vector3 tee() const { return tee_; } // on the ground
    Vector3 cup() const { return cup_; }
    Vector3 courseSize() const { return courseSize_; }
    // Ground height under (x, z), or 0 outside the course.
    float groundAt(float x, float z);

    // Draws the view from eye toward target into a 32-bit surface: the sky and hills behind, then
    // the course without its outer land.
    void drawView(Surface& target, const Vector3& eye, const Vector3& lookAt, float fieldOfView);
    // Draws the whole box from high above, north (the far end of the hole's file) up, outer land
    // included, as the game's minimap snapshot does.
    void drawFromAbove(Surface& target);

private:
    void rebuildWoods(const std::wstring& courseFolder);
    void plantTrees(const std::wstring& courseFolder, const std::vector<std::wstring>& pictures);
    void placeFlag(const std::wstring& courseFolder, const std::wstring& model, float radius);
    void drawBackdrop(Surface& target, const Vector3& eye, const Vector3& lookAt, int horizonY);
    void drawNodes(Surface& target, View3D& view);

    ImageCache images_;
    std::unique_ptr<Model3D> course_;
    Terrain terrain_;
    Scene3D plants_; // holds the plants only; drawn with the course
    std::unique_ptr<Model3D> flag_;
    Mesh3D* outer_ = nullptr;
    CourseBoundary lines_;
    Surface sky_;
    Surface hills_;
    uint32_t background_ = 0x406030;
    Vector3 tee_;
    Vector3 cup_;
    Vector3 courseSize_;
};

} // namespace velmora::tool
