#include "course_view.h"

#include "check_text.h"

#include "base/wide_string.h"
#include "game/course_features.h"
#include "game/hole_marks.h"
#include "gui/property_template.h"
#include "media/image_loader.h"
#include "render/bounding_box.h"
#include "render/model_loader.h"
#include "render/scalar_math.h"
#include "render/texture.h"
#include "render/view3d.h"
#include "surface/blitters.h"

#include <algorithm>
#include <cmath>

namespace velmora::tool {
namespace {

constexpr float pi = 3.14159265f;

constexpr uint32_t plantSeed = 20240607u;

uint32_t sample(const Surface& surface, float u, float v) {
    const int x = std::clamp(int(u), 0, surface.width - 1), y = std::clamp(int(v), 0, surface.height - 1);
    return surface.getPixel(x, y);
}

// Draws the picture scaled by `scale` with its top-left corner at (x, y), repeated to the right
// and left so that it covers the target's width; keyed pixels are left out.
void drawTiled(Surface& target, const Surface& picture, float scale, int x, int y) {
    const int width = int(picture.width * scale), height = int(picture.height * scale);
    if (width <= 0)
        return;
    x %= width;
    if (x > 0)
        x -= width;
    for (int row = std::max(0, y); row < std::min(target.height, y + height); ++row) {
        const float v = (row - y) / scale;
        for (int column = 0; column < target.width; ++column) {
            const float u = float((column - x) % width) / scale;
            const uint32_t colour = sample(picture, u, v);
            if (picture.hasTransparentColor && colour == picture.transparentColor)
                continue;
            target.setPixel(column, row, colour);
        }
    }
}

} // namespace

bool HoleScene::load(const std::wstring& courseFolder, int number) {
    PropertyTemplate values;
    values.load(courseFolder, L"courseGrps.properties");
    const int32_t background = values.getColor(L"scene.bkgColor", L"", -1);
    if (background >= 0)
        background_ = uint32_t(background);

    ModelRequest request;
    request.folder = courseFolder;
    request.fileName = formatWide(L"hole%d.3ds", number);
    request.radius = 400.0f;
    request.imageCache = &images_;
    course_ = loadModel(request);
    if (!course_)
        return false;
    course_->setDetailLevel(ShadingMode::Unlit);
    course_->setTwoSided(true);
    const std::wstring woods = L"woods";
    const BoundingBox box = boxOfMeshes(*course_, nullptr, &woods);
    for (const auto& mesh : *course_->meshes)
        for (Vertex3D& vertex : mesh->vertices)
            vertex.y -= toFixed11(box.min.y);
    courseSize_ = box.size();
    outer_ = course_->findMesh(L"outer");
    terrain_.build(*course_, findSurfaces(*course_));

    Vector3 normal;
    if (const Mesh3D* tground = course_->findMesh(L"tground")) {
        tee_ = teeSpot(*tground);
        terrain_.dropToGround(tee_, normal);
    }
    if (const Mesh3D* green = course_->findMesh(L"green")) {
        cup_ = cupSpot(*green);
        terrain_.dropToGround(cup_, normal);
    }
    rebuildWoods(courseFolder);
    plantTrees(courseFolder, splitList(values.getString(L"treesName").value_or(L"")));
    if (const auto flag = values.getValueList(L"grpFlag"); flag && flag->get(L"model"))
        placeFlag(courseFolder, *flag->get(L"model"), values.getFloat(L"grpFlag", L"radius", 3.5f));
    loadImage(sky_, courseFolder + L"\\Skydome.jpg", false);
    loadImage(hills_, courseFolder + L"\\landscape.gif", false);
    return true;
}

float HoleScene::groundAt(float x, float z) {
    Vector3 p{x, 0, z}, normal;
    return terrain_.dropToGround(p, normal) ? p.y : 0.0f;
}

void HoleScene::rebuildWoods(const std::wstring& courseFolder) {
    Mesh3D* woods = course_->findMesh(L"woods");
    if (woods && woods->vertices.size() >= 8)
        lines_ = buildTreeLine(woods, images_.lookup(courseFolder, L"woods.gif", PowerOfTwo::Stretch), terrain_);
}

void HoleScene::plantTrees(const std::wstring& courseFolder, const std::vector<std::wstring>& pictures) {
    std::vector<Texture*> textures;
    for (const std::wstring& name : pictures)
        if (Texture* texture = images_.lookup(courseFolder, name, PowerOfTwo::Stretch))
            textures.push_back(texture);
    // The same sequence every time, so that every picture of a hole shows the same trees.
    seedRandom(plantSeed);
    placePlants(plants_, lines_.playLine, textures, terrain_);
}

void HoleScene::placeFlag(const std::wstring& courseFolder, const std::wstring& model, float radius) {
    ModelRequest request;
    request.folder = courseFolder;
    request.fileName = model;
    request.radius = radius;
    request.imageCache = &images_;
    flag_ = loadModel(request);
    if (!flag_)
        return;
    flag_->setDetailLevel(ShadingMode::Unlit);
    flag_->setTwoSided(true);
    if (const Mesh3D* pole = flag_->findMesh(L"flagpole")) {
        const Vector3 axis = boxOf(*pole).centre();
        for (const auto& mesh : *flag_->meshes) {
            for (Vertex3D& v : mesh->vertices) {
                v.x -= toFixed11(axis.x);
                v.z -= toFixed11(axis.z);
            }
        }
    }
    flag_->transform.setTranslation({cup_.x, cup_.y + radius, cup_.z});
}

void HoleScene::drawBackdrop(Surface& target, const Vector3& eye, const Vector3& lookAt, int horizonY) {
    // The sky turns with the heading, one picture width a full turn, as the game scrolls it.
    Vector3 d = lookAt - eye;
    d.y = 0;
    d.normalise();
    float heading = std::atan2(d.x, d.z);
    if (heading < 0)
        heading += 2 * pi;
    const float scale = float(target.width) / 240.0f;
    if (!sky_.empty()) {
        const int skyBottom = horizonY + int(2 * scale);
        // Above a sky that does not reach the top, more of its top colour.
        for (int y = 0; y < std::min(target.height, skyBottom - int(sky_.height * scale)); ++y)
            for (int x = 0; x < target.width; ++x)
                target.setPixel(x, y, sky_.getPixel(0, 0));
        drawTiled(target, sky_, scale, -int(heading / (2 * pi) * sky_.width * scale),
                  skyBottom - int(sky_.height * scale));
        if (!hills_.empty())
            drawTiled(target, hills_, scale, -int(heading / (2 * pi) * sky_.width * scale),
                      skyBottom + int(5 * scale) - int(hills_.height * scale));
    }
}

void HoleScene::drawNodes(Surface& target, View3D& view) {
    std::vector<Object3D*> nodes{course_.get()};
    for (int i = 0; i < plants_.children.count(); ++i)
        if (auto* plant = dynamic_cast<Object3D*>(plants_.children.at(i)))
            nodes.push_back(plant);
    if (flag_)
        nodes.push_back(flag_.get());
    RasterTarget raster{target.bits,   target.stride,       target.width,
                        target.height, target.bitsPerPixel, nullptr};
    view.draw(raster, nodes);
}

void HoleScene::drawView(Surface& target, const Vector3& eye, const Vector3& lookAt, float fieldOfView) {
    fillRect(target, background_, 0, 0, -1, -1);
    View3D view;
    view.setViewport(target.width, target.height);
    view.settings.frontClip = 1.0f;
    view.settings.backClip = 2000.0f;
    view.camera.setFieldOfView(fieldOfView);
    view.camera.setEye(eye);
    view.camera.setTarget(lookAt);
    view.camera.setUp(0, 1, 0);
    Vector3 ahead = lookAt - eye;
    ahead.y = 0;
    const Projected horizon = view.camera.project(eye + ahead.normalised() * 100000.0f, 1.0f);
    drawBackdrop(target, eye, lookAt, horizon.x == Camera3D::offScreen ? target.height / 2 : horizon.y);
    if (outer_)
        outer_->visible = false;
    drawNodes(target, view);
}

void HoleScene::drawFromAbove(Surface& target) {
    fillRect(target, background_, 0, 0, -1, -1);
    View3D view;
    view.setViewport(target.width, target.height);
    view.settings.frontClip = 100.0f;
    view.settings.backClip = 10000.0f;
    // The smaller side spans distance x tan(fov / 2): fit the whole box with a little room.
    const float distance = 4800.0f;
    const float across = float(std::min(target.width, target.height));
    const float span = std::max(courseSize_.x * across / float(target.width),
                                courseSize_.z * across / float(target.height)) *
                       1.03f;
    view.camera.setFieldOfView(2.0f * std::atan(span / distance) * 180.0f / pi);
    view.camera.setEye(0, distance, 0);
    view.camera.setTarget(0, 1, -0.1f);
    view.camera.setUp(0, 1, 0);
    if (outer_)
        outer_->visible = true;
    drawNodes(target, view);
}

} // namespace velmora::tool
