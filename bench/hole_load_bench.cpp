// Loading a generated hole as the game does when a hole starts: the 3DS model with its textures
// at radius 400, then the course grid over it. Every hole of the shipped courses, from the courses
// step's staging folder (build the content first).
#include "base/wide_string.h"
#include "game/course_grid.h"
#include "render/image_cache.h"
#include "render/model_loader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace velmora::bench {
namespace {

const char* const courses[] = {"heron_dunes", "maple_grove", "silver_lakes"};

std::wstring courseFolder(int course) {
    std::wstring folder =
        fromUtf8(std::string(VELMORA_BINARY_DIR) + "/content/stage/courses/scenes/" + courses[course]);
    replaceChar(folder, L'/', L'\\');
    return folder;
}

void loadHole(benchmark::State& state) {
    const int course = static_cast<int>(state.range(0)), hole = static_cast<int>(state.range(1));
    ModelRequest request;
    request.folder = courseFolder(course);
    request.fileName = formatWide(L"hole%d.3ds", hole);
    request.radius = courseRadius;
    size_t faces = 0;
    for (auto _ : state) {
        ImageCache images; // a new game instance reads the textures again
        request.imageCache = &images;
        auto model = loadModel(request);
        if (!model) {
            state.SkipWithError("the courses are not built");
            return;
        }
        benchmark::DoNotOptimize(buildCourseGrid(*model));
        faces = 0;
        for (const auto& mesh : *model->meshes)
            faces += mesh->faces.size();
    }
    state.counters["faces"] = static_cast<double>(faces);
    state.SetLabel(std::string(courses[course]) + " hole " + std::to_string(hole));
}
BENCHMARK(loadHole)->ArgsProduct({{0, 1, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9}})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench
