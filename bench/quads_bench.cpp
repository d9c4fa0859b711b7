// The main menu's slide show as a workload: two 200 x 150 pictures (stored 256 x 256) cross-faded
// over a 240 x 320 page, 16 and 32 bits, one opaque and one half transparent. Time per frame.
#include "platform/gdi.h"
#include "render/scene2d_nodes.h"
#include "render/texture.h"

#include <benchmark/benchmark.h>

namespace velmora::bench {
namespace {

std::unique_ptr<Texture> slidePicture(int bitsPerPixel, uint32_t tint) {
    auto texture = std::make_unique<Texture>();
    auto frame = std::make_unique<Surface>();
    frame->adopt(CreateDIBSection(256, 256, bitsPerPixel, nullptr), false);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            frame->setPixel(x, y, tint ^ static_cast<uint32_t>((x * 3) << 8 | y));
    texture->frames.push_back(std::move(frame));
    texture->originalWidth = 200;
    texture->originalHeight = 150;
    texture->width = texture->height = 256;
    texture->log2Width = texture->log2Height = 8;
    return texture;
}

void slideShow(benchmark::State& state) {
    const int bitsPerPixel = static_cast<int>(state.range(0));
    Surface page;
    page.adopt(CreateDIBSection(240, 320, bitsPerPixel, nullptr), false);
    auto scene = buildScene2D({0, 0, 240, 320});
    scene->painter->viewport = {&page, 0, 0, 240, 320};
    scene->bkgColor = 0;
    auto first = slidePicture(bitsPerPixel, 0x402000);
    auto second = slidePicture(bitsPerPixel, 0x004020);
    Texture* pictures[2] = {first.get(), second.get()};
    for (int i = 0; i < 2; ++i) {
        auto slide = buildRect2D(pictures[i], nullptr, 1.0f);
        slide->setDetailLevel(ShadingMode::UnlitBlended);
        slide->transform = Transform2D::translation(0, 80);
        slide->firstMaterial()->transparency = i == 0 ? 0 : 128;
        scene->add(i == 0 ? L"slide1" : L"slide2", std::move(slide));
    }
    for (auto _ : state) {
        scene->painter->draw(0.1f);
        benchmark::DoNotOptimize(page.bits);
    }
}

BENCHMARK(slideShow)->Arg(16)->Arg(32);

} // namespace
} // namespace velmora::bench
