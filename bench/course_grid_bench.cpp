// Loading the golf-hole workload's 3DS file with its textures, building the course grid over it
// as the game does, and the rate of dropToGround queries over the course.
#include "course_workload.h"

#include "game/course_grid.h"
#include "render/model_loader.h"

#include <benchmark/benchmark.h>

namespace velmora::bench {
namespace {

ModelRequest courseRequest(ImageCache& images) {
    ModelRequest request;
    request.folder = workloadFolder();
    request.fileName = L"course.3ds";
    request.radius = courseRadius;
    request.imageCache = &images;
    return request;
}

void loadCourseModel(benchmark::State& state) {
    for (auto _ : state) {
        ImageCache images; // textures are read again each time
        auto model = loadModel(courseRequest(images));
        if (!model) {
            state.SkipWithError("workload missing");
            return;
        }
        benchmark::DoNotOptimize(model.get());
    }
}
BENCHMARK(loadCourseModel)->Unit(benchmark::kMillisecond);

void buildGrid(benchmark::State& state) {
    ImageCache images;
    auto model = loadModel(courseRequest(images));
    if (!model) {
        state.SkipWithError("workload missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(buildCourseGrid(*model));
}
BENCHMARK(buildGrid)->Unit(benchmark::kMillisecond);

void dropToGround(benchmark::State& state) {
    ImageCache images;
    auto model = loadModel(courseRequest(images));
    if (!model) {
        state.SkipWithError("workload missing");
        return;
    }
    auto grid = buildCourseGrid(*model);
    // A walk over the whole course on a 997-unit stride pattern, so that cells vary.
    uint32_t step = 0;
    int hits = 0;
    for (auto _ : state) {
        step = (step + 997) % (800 * 800);
        Vector3 point{static_cast<float>(step % 800) - 400.0f, 0.0f, static_cast<float>(step / 800) - 400.0f};
        Vector3 normal;
        hits += grid->dropToGround(point, normal) != nullptr;
        benchmark::DoNotOptimize(point);
    }
    state.counters["queries_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["hit_share"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}
BENCHMARK(dropToGround);

} // namespace
} // namespace velmora::bench
