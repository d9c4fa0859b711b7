// The game page on hole 1 of a course (VELMORA_BENCH_COURSE, else the first) of an install tree
// (the build's own by default, VELMORA_BENCH_ROOT for another): a whole frame at 480 x 640 (update
// with the ball's step, the sky and hills, the 3D view, the heads-up scenes, the minimap, present),
// with the ball at rest on the tee and in flight; the frames of the hole played out by the shot
// planner at 240 x 320, 480 x 640 and 960 x 1280, split into update, sky and 3D view, 2D scenes and
// heads-up display, and present; and loading the hole up to its first frame.
// Headless; frames are timed one by one on a fake clock (the frame timer's sleep costs nothing), and
// the medians of wall time and of the thread's processor time are reported.
#include "base/wide_string.h"
#include "game/computer_player.h"
#include "game/game_canvas.h"
#include "media/resource_archive.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ui_scale.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

constexpr int defaultWidth = 480;
constexpr int defaultHeight = 640;

fs::path installRoot() {
    const char* root = std::getenv("VELMORA_BENCH_ROOT");
    return root ? fs::path(root) : fs::path(VELMORA_BINARY_DIR);
}

// VELMORA_BENCH_COURSE, or the first course of the install (the course pictures scenes/<course>.jpg
// name them), or none.
std::wstring firstCourse() {
    if (const char* chosen = std::getenv("VELMORA_BENCH_COURSE"))
        return fromOsPath(chosen);
    std::vector<std::string> courses;
    const fs::path scenes = installRoot() / "resources" / "scenes";
    if (fs::exists(scenes)) {
        for (const auto& entry : fs::directory_iterator(scenes)) {
            if (entry.path().extension() == ".jpg")
                courses.push_back(entry.path().stem().string());
        }
    }
    std::sort(courses.begin(), courses.end());
    return courses.empty() ? L"" : fromOsPath(courses.front());
}

// A headless main window of the benchmark's size with the install's archives mounted.
class Session {
public:
    explicit Session(int width = defaultWidth, int height = defaultHeight) : width_(width), height_(height) {
        setenv("VELMORA_HEADLESS", "1", 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const fs::path resources = installRoot() / "resources";
        temp_ = fs::temp_directory_path() / ("velmora-bench-" + std::to_string(getpid()));
        setTempFolder(fromOsPath(temp_.string()) + L"/");
        registerArchive(L"GUI.zip", fromOsPath((resources / "GUI").string()));
        registerArchive(L"scenes.zip", fromOsPath((resources / "scenes").string()));
        registerArchive(L"sounds.zip", fromOsPath((resources / "sounds").string()));
        main_ = std::make_unique<Window>(L"Bench", nullptr, false);
        main_->create(0, 0, width_, height_);
        setUiScale(static_cast<float>(width_) / 240.0f);
    }
    ~Session() {
        main_.reset();
        closeArchives();
    }
    // A loaded game page of one player on hole 1; none when the hole cannot be loaded.
    GameCanvas* open(const std::wstring& course) {
        auto owned = std::make_unique<GameCanvas>(fromOsPath((installRoot() / "resources").string()) + L"\\");
        GameCanvas* canvas = owned.get();
        canvas->courseName = course;
        Player player;
        player.playerName = L"Bench";
        player.characterNo = 1;
        canvas->players.push_back(player);
        canvas->returnToFrontEnd = [] {};
        main_->addChild(std::move(owned), 0, 0, width_, height_);
        if (!canvas->loadHole(nullptr)) {
            main_->removeChild(canvas);
            return nullptr;
        }
        canvas->frameTimer.mode = FrameTimer::FreeRunning;
        canvas->startFrames();
        return canvas;
    }
    void close(GameCanvas* canvas) { main_->removeChild(canvas); }

    FakeClock clock;

private:
    int width_;
    int height_;
    ScopedClock useClock_{clock};
    fs::path temp_;
    std::unique_ptr<Window> main_;
};

double elapsedMs(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of this thread: on a machine shared with other work it leaves out the time the
// thread waited for a processor.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void reportMedians(benchmark::State& state, std::vector<double>& times, std::vector<double>& cpuTimes) {
    if (times.empty())
        return;
    state.counters["median_ms"] = median(times);
    state.counters["p90_ms"] = times[times.size() * 9 / 10];
    state.counters["min_ms"] = times.front();
    state.counters["cpu_median_ms"] = median(cpuTimes);
}

// One frame of the page as the main loop makes it: frame (update, paint, afterPaint) and present.
void gameFrame(benchmark::State& state) {
    const std::wstring course = firstCourse();
    Session session;
    GameCanvas* canvas = course.empty() ? nullptr : session.open(course);
    if (!canvas) {
        state.SkipWithError("no course in the install tree");
        return;
    }
    const bool flying = state.range(0) == 1;
    std::vector<double> times, cpuTimes;
    int frame = 0;
    for (auto _ : state) {
        // In flight: a long drive struck again whenever the ball has come down.
        if (flying && canvas->ball->isStill && frame % 120 == 0) {
            canvas->ball->placeAt(canvas->teePosition);
            canvas->ball->launch(95.0f, 0.38f);
        }
        ++frame;
        session.clock.advance(40);
        const double cpuStart = threadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        canvas->onIdle(MSG{}, nullptr);
        const double ms = elapsedMs(start);
        cpuTimes.push_back(threadCpuMs() - cpuStart);
        state.SetIterationTime(ms / 1000.0);
        times.push_back(ms);
    }
    reportMedians(state, times, cpuTimes);
    state.SetLabel(toUtf8(course) + (flying ? ", ball in flight" : ", ball on the tee"));
    session.close(canvas);
}
BENCHMARK(gameFrame)->Arg(0)->Arg(1)->UseManualTime()->Iterations(500)->Unit(benchmark::kMillisecond);

double percentile95(std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * 95 / 100)];
}

void setVisible(GameCanvas& canvas, bool threeD, bool visible, std::vector<Scene*>& changed) {
    for (const auto& scene : canvas.scenes) {
        if ((scene->kind == SceneKind::Scene3D) == threeD && scene->visible != visible) {
            scene->visible = visible;
            changed.push_back(scene.get());
        }
    }
}

// The frames of hole 1 played by the computer player (the hole begins again in a new page once it
// is over), at the size of the arguments. The frame is made as the main loop makes it, in four
// timed parts: the computer player's step (its shot planning) and update; paint with only the 3D
// scenes (the sky, the hills and the course); the 2D scenes and afterPaint (heads-up display, cup
// marker, minimap, the keys); present.
void demoHoleFrame(benchmark::State& state) {
    const std::wstring course = firstCourse();
    Session session(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    GameCanvas* canvas = course.empty() ? nullptr : session.open(course);
    if (!canvas) {
        state.SkipWithError("no course in the install tree");
        return;
    }
    bool holeOver = false;
    const auto play = [&holeOver](GameCanvas& page) {
        page.relaunchTo = [&holeOver](const std::wstring&) { return holeOver = true; };
        page.computerPlayer = std::make_unique<ComputerPlayer>(page);
    };
    play(*canvas);
    std::vector<double> update, threeD, twoD, present, total, cpu;
    const float dt = 0.04f;
    int holes = 0;
    for (auto _ : state) {
        if (holeOver) {
            session.close(canvas);
            canvas = session.open(course);
            play(*canvas);
            holeOver = false;
            ++holes;
        }
        session.clock.advance(40);
        canvas->dt = dt;
        std::vector<Scene*> hidden;
        const double cpuStart = threadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        const bool measured = canvas->frameTimer.tick(); // the turns move on at its measurements
        canvas->computerPlayer->onFrame(dt);
        canvas->update(dt);
        const auto updated = std::chrono::steady_clock::now();
        setVisible(*canvas, false, false, hidden);
        canvas->paint();
        for (Scene* scene : hidden)
            scene->visible = true;
        hidden.clear();
        const auto drawn3d = std::chrono::steady_clock::now();
        setVisible(*canvas, true, false, hidden);
        canvas->Canvas::paint();
        for (Scene* scene : hidden)
            scene->visible = true;
        canvas->afterPaint(dt);
        if (measured)
            canvas->onMeasurement(GameCanvas::measuringWindowMs * 0.001f);
        const auto drawn2d = std::chrono::steady_clock::now();
        canvas->present(nullptr);
        const auto end = std::chrono::steady_clock::now();
        cpu.push_back(threadCpuMs() - cpuStart);
        const auto ms = [](auto a, auto b) {
            return std::chrono::duration<double, std::milli>(b - a).count();
        };
        update.push_back(ms(start, updated));
        threeD.push_back(ms(updated, drawn3d));
        twoD.push_back(ms(drawn3d, drawn2d));
        present.push_back(ms(drawn2d, end));
        total.push_back(ms(start, end));
        state.SetIterationTime(total.back() / 1000.0);
    }
    for (auto& [name, values] : {std::pair<const char*, std::vector<double>*>{"update", &update},
                                 {"3d", &threeD},
                                 {"2d_hud", &twoD},
                                 {"present", &present},
                                 {"frame", &total}}) {
        state.counters[std::string(name) + "_median_ms"] = median(*values);
        state.counters[std::string(name) + "_p95_ms"] = percentile95(*values);
        state.counters[std::string(name) + "_max_ms"] = values->back(); // sorted by percentile95
    }
    state.counters["cpu_median_ms"] = median(cpu);
    state.counters["holes_played"] = holes;
    state.SetLabel(toUtf8(course));
    session.close(canvas);
}
BENCHMARK(demoHoleFrame)
    ->Args({240, 320})
    ->Args({480, 640})
    ->Args({960, 1280})
    ->UseManualTime()
    ->Iterations(750)
    ->Unit(benchmark::kMillisecond);

// Loading the hole (model, terrain, trees, minimap) up to its first frame.
void holeLoad(benchmark::State& state) {
    const std::wstring course = firstCourse();
    Session session;
    std::vector<double> times, cpuTimes;
    for (auto _ : state) {
        const double cpuStart = threadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        GameCanvas* canvas = course.empty() ? nullptr : session.open(course);
        if (!canvas) {
            state.SkipWithError("no course in the install tree");
            return;
        }
        canvas->onIdle(MSG{}, nullptr);
        const double ms = elapsedMs(start);
        cpuTimes.push_back(threadCpuMs() - cpuStart);
        state.SetIterationTime(ms / 1000.0);
        times.push_back(ms);
        session.close(canvas);
    }
    reportMedians(state, times, cpuTimes);
    state.SetLabel(toUtf8(course));
}
BENCHMARK(holeLoad)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench
