// Frame times of the golf-hole workload at three sizes and three views, 16-bit target: clear
// colour and depth, draw the course. Reports the fastest and the median frame of each case, to be
// set against the peer's figures measured in the same session. VELMORA_BENCH_DUMP=folder also
// writes each picture as a PPM file; VELMORA_BENCH_SORTED=1 sorts the opaque faces too.
#include "course_workload.h"

#include "surface/blitters.h"
#include "surface/surface.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace velmora::bench {
namespace {

constexpr int warmUpFrames = 10;
constexpr int timedFrames = 200;

Course& course() {
    static Course loaded;
    static const bool ok = loadCourse(loaded);
    (void)ok;
    return loaded;
}

// The picture as a PPM file. 5- and 6-bit fields are widened by repeating their high bits, so that
// full intensity stays 255, as other renderers write their 16-bit pictures.
void writePpm(const Surface& surface, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fprintf(file, "P6 %d %d 255\n", surface.width, surface.height);
    for (int y = 0; y < surface.height; ++y) {
        const auto* row = reinterpret_cast<const uint16_t*>(surface.bits + intptr_t{y} * surface.stride);
        for (int x = 0; x < surface.width; ++x) {
            const unsigned red = row[x] >> 11, green = (row[x] >> 5) & 63, blue = row[x] & 31;
            const unsigned char bytes[3] = {static_cast<unsigned char>(red << 3 | red >> 2),
                                            static_cast<unsigned char>(green << 2 | green >> 4),
                                            static_cast<unsigned char>(blue << 3 | blue >> 2)};
            std::fwrite(bytes, 1, 3, file);
        }
    }
    std::fclose(file);
}

void renderCourse(benchmark::State& state) {
    Course& workload = course();
    if (!workload.model) {
        state.SkipWithError("workload missing");
        return;
    }
    const CourseView& courseView = courseViews[state.range(0)];
    const int width = static_cast<int>(state.range(1));
    const int height = width * 4 / 3;
    Surface target;
    target.create(width, height, true);
    if (target.bitsPerPixel != 16) {
        state.SkipWithError("needs a 16-bit display depth (VELMORA_DEPTH=16)");
        return;
    }
    View3D view;
    setUpView(view, workload, courseView, width, height);
    if (std::getenv("VELMORA_BENCH_SORTED")) // opaque faces front to back as well
        view.setSorting(true, true);
    RasterTarget raster{target.bits, target.stride, width, height, target.bitsPerPixel, nullptr};
    Object3D* nodes[] = {workload.model.get()};
    const auto frame = [&] {
        fillRect(target, skyColour, 0, 0, -1, -1);
        view.draw(raster, nodes);
    };
    std::vector<double> times;
    for (auto _ : state) {
        for (int i = 0; i < warmUpFrames; ++i)
            frame();
        times.clear();
        for (int i = 0; i < timedFrames; ++i) {
            const auto start = std::chrono::steady_clock::now();
            frame();
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        double total = 0;
        for (double t : times)
            total += t;
        state.SetIterationTime(total / 1000.0);
    }
    std::sort(times.begin(), times.end());
    state.counters["min_ms"] = times.front();
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["faces"] = view.renderer.queuedFaces();
    state.SetLabel(std::string(courseView.name) + " " + std::to_string(width) + "x" + std::to_string(height));
    if (const char* folder = std::getenv("VELMORA_BENCH_DUMP")) {
        writePpm(target, std::string(folder) + "/" + courseView.name + "_" + std::to_string(width) + "x" +
                             std::to_string(height) + ".ppm");
    }
}

BENCHMARK(renderCourse)
    ->ArgsProduct({{0, 1, 2}, {240, 480, 960}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench
