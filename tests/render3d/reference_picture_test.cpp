// Whole pictures drawn by the 3D pipeline compared pixel for pixel with stored references (the
// arithmetic is deterministic). VELMORA_UPDATE_REFERENCES=1 rewrites the references; a mismatch
// writes the picture and a difference image next to the test's temporary files. The golf-hole
// workload of the benchmark folder is also compared with another renderer's pictures of it.
#include "bench/course_workload.h"
#include "media/zip_archive.h"
#include "platform/files.h"
#include "render/chip3d.h"
#include "render/image_cache.h"
#include "render/model_loader.h"
#include "render/texture.h"
#include "render/view3d.h"
#include "surface/blitters.h"
#include "surface/surface.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
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

Object3D* addChip(std::vector<std::unique_ptr<Object3D>>& nodes, Texture* texture, const Vector3& at,
                  float angle, ShadingMode detailLevel) {
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
    addChip(nodes, texture.get(), {-1.1f, 0.6f, 0}, 0.5f, ShadingMode::Unlit);
    addChip(nodes, texture.get(), {0, 0.6f, 0}, 0.0f, ShadingMode::Lit);
    addChip(nodes, texture.get(), {1.1f, 0.6f, 0}, -0.5f, ShadingMode::LitBlended)
        ->materials->front()
        ->transparency = 96;
    addChip(nodes, texture.get(), {-1.1f, -0.6f, 0}, 0.8f, ShadingMode::UnlitBlended)
        ->materials->front()
        ->transparency = 128;
    Object3D* five = addChip(nodes, texture.get(), {0, -0.6f, 1}, 0.3f, ShadingMode::Reflective);
    five->materials->front()->selfIllumination = 0x202000;
    five->materials->front()->textureAmount = 160;
    addChip(nodes, nullptr, {1.1f, -0.6f, 3}, -0.2f, ShadingMode::Lit)->materials->front()->diffuse =
        0xC03030;

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

// The course of the benchmark workload, or null (the test then skips) when the folder is absent.
bench::Course* workload() {
    static bench::Course course;
    static const bool loaded = bench::loadCourse(course);
    return loaded ? &course : nullptr;
}

void drawCourse(Surface& surface, bench::Course& course, const bench::CourseView& courseView, int width,
                int height) {
    surface.create(width, height, true);
    fillRect(surface, bench::skyColour, 0, 0, -1, -1);
    View3D view;
    bench::setUpView(view, course, courseView, width, height);
    Object3D* nodes[] = {course.model.get()};
    RasterTarget target{surface.bits, surface.stride, width, height, surface.bitsPerPixel, nullptr};
    view.draw(target, nodes);
}

TEST(ReferencePicture, GolfHoleFromTheTee) {
    bench::Course* course = workload();
    if (!course)
        GTEST_SKIP() << "no benchmark workload";
    Surface surface;
    drawCourse(surface, *course, bench::courseViews[0], 120, 160);
    if (surface.bitsPerPixel != 16)
        GTEST_SKIP() << "the course textures load at the display depth, 16 bits expected";
    expectMatchesReference(surface, "course_tee");
}

// Red, green and blue bytes of a picture as a 16-bit one shows them (5- and 6-bit fields widened by
// repeating their high bits, so that full intensity is 255), or as they are at 32 bits.
std::vector<uint8_t> displayedRgb(const Surface& surface) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t pixel = surface.getPixel(x, y);
            uint8_t red = uint8_t(pixel >> 16), green = uint8_t(pixel >> 8), blue = uint8_t(pixel);
            if (surface.bitsPerPixel == 16) {
                red |= red >> 5;
                green |= green >> 6;
                blue |= blue >> 5;
            }
            rgb.insert(rgb.end(), {red, green, blue});
        }
    }
    return rgb;
}

// Peak signal-to-noise ratio in dB over all bytes of two pictures of the same size.
double psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    double squares = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double difference = static_cast<double>(a[i]) - b[i];
        squares += difference * difference;
    }
    return squares == 0 ? INFINITY
                        : 10.0 * std::log10(255.0 * 255.0 * static_cast<double>(a.size()) / squares);
}

TEST(ReferencePicture, PSNRMeasuresLikeTheImageTools) {
    EXPECT_EQ(psnr({1, 2, 3}, {1, 2, 3}), INFINITY);
    EXPECT_NEAR(psnr({0, 0, 0, 0}, {0, 0, 0, 255}), 10.0 * std::log10(4.0), 1e-9); // MSE 255^2 / 4
    Surface white;
    ASSERT_TRUE(white.create(1, 1, true));
    white.setPixel(0, 0, 0xFFFFFF);
    EXPECT_EQ(displayedRgb(white), (std::vector<uint8_t>{255, 255, 255}));
}

// The three views of the workload at 480 x 640 against the pictures another (perspective-correct,
// pixel-centre sampling) software renderer made of them, kept in a zip archive beside the
// references. Below 32 dB textures bend on near faces or the geometry has moved.
TEST(ReferencePicture, GolfHoleViewsMatchTheOtherRenderer) {
    bench::Course* course = workload();
    if (!course)
        GTEST_SKIP() << "no benchmark workload";
    const test::TempFolder folder;
    ArchiveHandle archive = openArchive(fromOsPath((referenceFolder() / "course_peer.zip").string()));
    ASSERT_NE(archive, nullptr);
    for (const bench::CourseView& courseView : bench::courseViews) {
        const std::wstring name = fromOsPath(std::string(courseView.name) + ".ppm");
        ASSERT_EQ(extractEntry(archive, name, folder.game() + L"\\", Subfolders::Flatten), extractOk);
        const std::vector<uint8_t> expected =
            readPpm(folder.os(std::string(courseView.name) + ".ppm"), 480, 640);
        ASSERT_FALSE(expected.empty());
        Surface surface;
        drawCourse(surface, *course, courseView, 480, 640);
        const double quality = psnr(displayedRgb(surface), expected);
        EXPECT_GE(quality, 32.0) << courseView.name;
        RecordProperty(std::string("psnr_") + courseView.name, std::to_string(quality));
    }
    closeArchive(archive);
}

} // namespace
} // namespace velmora
