#include "small_hole.h"

#include "gif_file.h"
#include "image_files.h"
#include "model_3ds_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace velmora::test {
namespace {

using content::Object3ds;

constexpr int cell = 16;

bool within(int x, int y, int x0, int y0, int x1, int y1) {
    return x >= x0 && x < x1 && y >= y0 && y < y1;
}

// The surface of the cell whose lower-left corner is (x, y).
std::string surfaceOf(const SmallHole& hole, int x, int y) {
    const int teeY = int(hole.teeY);
    if (within(x, y, -16, teeY - 16, 16, teeY + 16))
        return "tground";
    if (within(x, y, -32, 192, 32, 256))
        return "green";
    if (within(x, y, 48, 144, 80, 176))
        return "bunker";
    if (hole.water && within(x, y, -128, -48, -80, 0))
        return "water";
    if (hole.water && within(x, y, -144, -64, -64, 16))
        return hole.bank ? "waterbank" : "rough";
    if (within(x, y, -32, -208, 32, 176))
        return "fairway";
    return std::hypot(x + cell / 2.0, y + cell / 2.0) < 330 ? "rough" : "outer";
}

class ObjectMaker {
public:
    explicit ObjectMaker(const std::string& name) {
        object.name = name;
        object.material = "m_" + name;
    }
    uint16_t vertex(double x, double y, double z, float u = 0, float v = 0) {
        const auto key = std::make_tuple(x, y, z);
        const auto found = indices_.find(key);
        if (found != indices_.end())
            return found->second;
        object.vertices.push_back({float(x), float(y), float(z)});
        object.mapping.push_back({u, v});
        return indices_[key] = uint16_t(object.vertices.size() - 1);
    }
    void triangle(uint16_t a, uint16_t b, uint16_t c) { object.faces.push_back({a, b, c}); }

    Object3ds object;

private:
    std::map<std::tuple<double, double, double>, uint16_t> indices_;
};

Object3ds woods(bool counterClockwise) {
    ObjectMaker ring("woods");
    const int points = 60;
    for (int level = 0; level < 2; ++level)
        for (int i = 0; i <= points; ++i) {
            // Clockwise seen from above: from +y toward +x.
            const double a = 2 * M_PI * (i % points) / points * (counterClockwise ? -1 : 1);
            ring.object.vertices.push_back(
                {float(300 * std::sin(a)), float(300 * std::cos(a)), float(level * 10)});
            ring.object.mapping.push_back({float(i) / 4, float(level)});
        }
    const int n = points + 1;
    for (int i = 0; i + 1 < n; ++i) {
        ring.triangle(uint16_t(i), uint16_t(i + 1), uint16_t(i + 1 + n));
        ring.triangle(uint16_t(i), uint16_t(i + 1 + n), uint16_t(i + n));
    }
    return ring.object;
}

} // namespace

void writeSmallHole(const SmallHole& hole, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::map<std::string, ObjectMaker> objects;
    bool gapMade = false, downMade = false;
    for (int y = -400; y < 400; y += cell) {
        for (int x = -400; x < 400; x += cell) {
            const std::string surface = surfaceOf(hole, x, y);
            ObjectMaker& maker = objects.try_emplace(surface, surface).first->second;
            if (surface == "green" && hole.greenWithoutCentre)
                continue; // made below as one square without a middle vertex
            if (surface == "rough" && hole.gap && !gapMade && x == 96 && y == 0) {
                gapMade = true;
                continue;
            }
            const uint16_t a = maker.vertex(x, y, 0), b = maker.vertex(x + cell, y, 0),
                           c = maker.vertex(x + cell, y + cell, 0), d = maker.vertex(x, y + cell, 0);
            if (surface == "fairway" && hole.faceDown && !downMade) {
                downMade = true;
                maker.triangle(a, c, b);
            } else {
                maker.triangle(a, b, c);
            }
            maker.triangle(a, c, d);
        }
    }
    if (hole.greenWithoutCentre) {
        ObjectMaker& green = objects.at("green");
        const uint16_t a = green.vertex(-32, 192, 0), b = green.vertex(32, 192, 0),
                       c = green.vertex(32, 256, 0), d = green.vertex(-32, 256, 0);
        green.triangle(a, b, c);
        green.triangle(a, c, d);
    }
    content::Model3ds model;
    for (auto& [name, maker] : objects) {
        if (name == hole.leftOut)
            continue;
        model.materials.push_back({maker.object.material, 0xFFFFFF, "t.jpg", true});
        model.objects.push_back(maker.object);
    }
    if (hole.leftOut != "woods") {
        model.materials.push_back({"m_woods", 0xFFFFFF, "woods.gif", true});
        model.objects.push_back(woods(hole.counterClockwise));
    }
    ASSERT_TRUE(content::write3ds((folder / "hole1.3ds").string(), model));
    ASSERT_TRUE(
        content::writeJpeg((folder / "t.jpg").string(), content::Picture(8, 8, content::opaque(0x50A040))));
    content::Picture trees(16, 8, content::opaque(0x206020));
    trees.at(3, 0) = {}; // a transparent pixel: the picture is keyed
    ASSERT_TRUE(content::writeGif((folder / "woods.gif").string(), trees));
}

} // namespace velmora::test
