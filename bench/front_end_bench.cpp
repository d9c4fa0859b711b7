// The front end's frame on its main menu (the cross-faded course slides and the menu's sprites) at
// 240 x 320, 480 x 640 and 960 x 1280, on the build's own resources (or VELMORA_BENCH_ROOT's):
// frame and present as the main loop makes them, timed one by one on a fake clock.
#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ui_scale.h"
#include "shell/game_page.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

fs::path resourcesRoot() {
    const char* root = std::getenv("VELMORA_BENCH_ROOT");
    return (root ? fs::path(root) : fs::path(VELMORA_BINARY_DIR)) / "resources";
}

// The picture names the program lists at start: "<folder>/*.<extension>" without the extension.
std::vector<std::wstring> pictureNames(const fs::path& folder, const char* extension) {
    std::vector<std::wstring> names;
    if (fs::exists(folder)) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == extension)
                names.push_back(fromOsPath(entry.path().stem().string()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void frontEndFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    setenv("VELMORA_HEADLESS", "1", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    FakeClock clock;
    ScopedClock useClock(clock);
    const fs::path resources = resourcesRoot();
    const fs::path temp = fs::temp_directory_path() / ("velmora-bench-front-" + std::to_string(getpid()));
    setTempFolder(fromOsPath(temp.string()) + L"/");
    registerArchive(L"GUI.zip", fromOsPath((resources / "GUI").string()));
    registerArchive(L"scenes.zip", fromOsPath((resources / "scenes").string()));
    registerArchive(L"sounds.zip", fromOsPath((resources / "sounds").string()));
    setUiScale(static_cast<float>(width) / 240.0f);
    {
        Window main(L"Bench", nullptr, false);
        main.create(0, 0, width, height);
        const std::wstring folder = fromOsPath(resources.string()) + L"\\";
        FrontEndSetup setup{folder, folder + L"GUI\\", folder + L"..\\manual\\",
                            pictureNames(resources / "characters", ".gif"),
                            pictureNames(resources / "scenes", ".jpg")};
        auto* page = main.addChild(std::make_unique<GamePage>(setup), 0, 0, width, height);
        page->showFirstPage(L"intro");
        std::vector<double> times;
        for (auto _ : state) {
            clock.advance(100);
            const auto start = std::chrono::steady_clock::now();
            page->onIdle(MSG{}, nullptr);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            state.SetIterationTime(ms / 1000.0);
            times.push_back(ms);
        }
        std::sort(times.begin(), times.end());
        state.counters["median_ms"] = times[times.size() / 2];
        state.counters["p95_ms"] = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    }
    closeArchives();
}
BENCHMARK(frontEndFrame)
    ->Args({240, 320})
    ->Args({480, 640})
    ->Args({960, 1280})
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench
