// Whole pictures drawn by the 3D pipeline compared pixel for pixel with stored references (the
// arithmetic is integer and deterministic). VELMORA_UPDATE_REFERENCES=1 rewrites the references;
// a mismatch writes the picture and a difference image next to the test's temporary files.
#include "render/chip3d.h"
#include "render/image_cache.h"
#include "render/model_loader.h"
#include "render/texture.h"
#include "render/view3d.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

fs::path referenceFolder() { return fs::path(VELMORA_SOURCE_DIR) / "tests" / "render3d" / "reference"; }

std::vector<uint8_t> rgbOf(const Surface& surface) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t pixel = surface.getPixel(x, y);
            rgb.insert(rgb.end(), {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)});
        }
    }
    return rgb;
}

void writePpm(const fs::path& path, int width, int height, const std::vector<uint8_t>& rgb) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
}

std::vector<uint8_t> readPpm(const fs::path& path, int width, int height) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, maximum = 0;
    in >> magic >> w >> h >> maximum;
    in.get();
    if (magic != "P6" || w != width || h != height)
        return {};
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    return rgb;
}

void expectMatchesReference(const Surface& surface, const std::string& name) {
    const std::vector<uint8_t> actual = rgbOf(surface);
    const fs::path reference = referenceFolder() / (name + ".ppm");
    if (std::getenv("VELMORA_UPDATE_REFERENCES")) {
        writePpm(reference, surface.width, surface.height, actual);
        return;
    }
    const std::vector<uint8_t> expected = readPpm(reference, surface.width, surface.height);
    ASSERT_EQ(expected.size(), actual.size()) << "missing or differently sized reference " << reference;
    std::vector<uint8_t> difference(actual.size(), 0);
    int differing = 0;
    for (size_t i = 0; i < actual.size(); i += 3) {
        if (actual[i] != expected[i] || actual[i + 1] != expected[i + 1] || actual[i + 2] != expected[i + 2]) {
            ++differing;
            difference[i] = 255;
        }
    }
    if (differing) {
        const fs::path folder(testing::TempDir());
        writePpm(folder / (name + "_actual.ppm"), surface.width, surface.height, actual);
        writePpm(folder / (name + "_difference.ppm"), surface.width, surface.height, difference);
    }
    EXPECT_EQ(differing, 0) << name << ": pictures written to " << testing::TempDir();
}

// A picture texture of checks and stripes, so that mapping errors show.
std::unique_ptr<Texture> patternTexture(int bitsPerPixel) {
    auto texture = Texture::blank(16, 16, 0, PowerOfTwo::Stretch);
    Surface& surface = *texture->frames.front();
    if (surface.bitsPerPixel != bitsPerPixel)
        surface.create(16, 16, bitsPerPixel == 16 ? true : false);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            surface.setPixel(x, y, ((x / 4 + y / 4) % 2 ? 0xE0C040 : 0x3060A0) + (x == y ? 0x1F1F1F : 0));
    texture->width = texture->height = 16;
    texture->log2Width = texture->log2Height = 4;
    return texture;
}

Object3D* addChip(std::vector<std::unique_ptr<Object3D>>& nodes, Texture* texture, const Vector3& at, float angle,
                  int detailLevel) {
    ChipParameters parameters;
    parameters.texture = texture;
    parameters.width = parameters.height = 1.0f;
    parameters.radiusScale = 0.45f; // 0.9 units across
    nodes.push_back(std::make_unique<Chip3D>(parameters));
    Object3D& chip = *nodes.back();
    chip.transform = Matrix4::rotationY(angle);
    chip.transform.setTranslation(at);
    chip.setDetailLevel(detailLevel);
    chip.materials->front()->flatShaded = false;
    return &chip;
}

// Textured quads in every shading mode, lit, one transparent, one in fog, at both depths.
void drawModes(Surface& surface) {
    auto texture = patternTexture(surface.bitsPerPixel);
    std::vector<std::unique_ptr<Object3D>> nodes;
    addChip(nodes, texture.get(), {-1.1f, 0.6f, 0}, 0.5f, 1);
    addChip(nodes, texture.get(), {0, 0.6f, 0}, 0.0f, 2);
    addChip(nodes, texture.get(), {1.1f, 0.6f, 0}, -0.5f, 3)->materials->front()->transparency = 96;
    addChip(nodes, texture.get(), {-1.1f, -0.6f, 0}, 0.8f, 4)->materials->front()->transparency = 128;
    Object3D* five = addChip(nodes, texture.get(), {0, -0.6f, 1}, 0.3f, 5);
    five->materials->front()->selfIllumination = 0x202000;
    five->materials->front()->textureAmount = 160;
    addChip(nodes, nullptr, {1.1f, -0.6f, 3}, -0.2f, 2)->materials->front()->diffuse = 0xC03030;

    View3D view;
    view.setViewport(surface.width, surface.height);
    view.camera.setEye(0, 0.5f, -6);
    view.camera.setTarget(0, 0, 0);
    view.settings.ambient = 0x202020;
    view.settings.fog = Fog3D{7.0f, 10.0f, 0x808080};
    view.addLight(Light3D({0.5f, -0.7f, 1.0f}, 0xFFFFFF, 0xFFFFFF, 320, 120));
    std::vector<Object3D*> list;
    for (const auto& node : nodes)
        list.push_back(node.get());
    RasterTarget target{surface.bits, surface.stride, surface.width, surface.height, surface.bitsPerPixel, nullptr};
    view.draw(target, list);
}

TEST(ReferencePicture, ShadingModesAt16And32Bits) {
    for (bool deviceDepth : {true, false}) {
        Surface surface;
        ASSERT_TRUE(surface.create(96, 64, deviceDepth));
        if (deviceDepth && surface.bitsPerPixel != 16)
            continue; // the display depth is 32 here
        drawModes(surface);
        expectMatchesReference(surface, deviceDepth ? "modes_16" : "modes_32");
    }
}

TEST(ReferencePicture, GolfHoleFromTheTee) {
    const fs::path data = fs::path(VELMORA_TESTDATA_DIR) / ".." / "bench" / "peer" / "data";
    if (!fs::exists(data / "course.3ds"))
        GTEST_SKIP() << "no benchmark workload";
    ImageCache images;
    ModelRequest request;
    request.folder = data.wstring();
    request.fileName = L"course.3ds";
    request.radius = 400.0f;
    request.imageCache = &images;
    auto course = loadModel(request);
    ASSERT_TRUE(course);
    course->setDetailLevel(1);
    Material3D* woods = course->findMaterial(L"M_WOODS");
    ASSERT_TRUE(woods);
    woods->alphaTexture = woods->texture;
    woods->alphaMode = AlphaMode::ColourKey;
    woods->keyColour = 0xFF00FF;
    Surface surface;
    ASSERT_TRUE(surface.create(120, 160, true));
    if (surface.bitsPerPixel != 16)
        GTEST_SKIP() << "the course textures load at the display depth, 16 bits expected";
    View3D view;
    view.setViewport(120, 160);
    view.settings.backClip = 2000.0f;
    view.camera.setFieldOfView(81.8f);
    // The tee camera of the workload, in our frame around the model's centre.
    view.camera.setEye(20.0f, -11.26f, 344.0f);
    view.camera.setTarget(11.68f, -22.13f, 42.0f);
    Object3D* nodes[] = {course.get()};
    RasterTarget target{surface.bits, surface.stride, surface.width, surface.height, surface.bitsPerPixel, nullptr};
    view.draw(target, nodes);
    expectMatchesReference(surface, "course_tee");
}

} // namespace
} // namespace velmora
