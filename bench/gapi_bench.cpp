// The direct display output: blitToScreen of a whole 480 x 640 frame into an emulated 480 x 640
// panel, in each orientation, on a memory layout where the copy is a block copy per row and on one
// where it is the pixel loop, and a 240 x 320 frame doubled onto the panel; next to memcpy of the
// same 614,400 bytes.
#include "platform/device_profile.h"
#include "render/gapi_display.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmora {
namespace {

constexpr int panelWidth = 480, panelHeight = 640;
constexpr int64_t frameBytes = int64_t(panelWidth) * panelHeight * 2;

// A 240-wide system screen: the raw 480 x 640 panel then doubles, and the older game interface
// without the raw query gives the same panel one to one. Set before anything reads the screen.
const bool lowResolutionSystem = setenv("VELMORA_SCREEN", "240x320", 1) == 0;

void fillPattern(Surface& surface) {
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            surface.setPixel(x, y, uint32_t(x * 2654435761u + y * 40503u));
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint8_t> source(frameBytes, 1), destination(frameBytes);
    for (auto _ : state) {
        std::memcpy(destination.data(), source.data(), frameBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * frameBytes);
}
BENCHMARK(BM_Memcpy);

void BM_BlitToScreen(benchmark::State& state, PanelMemory memory, ScreenOrientation orientation,
                     bool doubled) {
    DeviceProfile device;
    device.panel = {panelWidth, panelHeight};
    device.memory = memory;
    if (!doubled) {
        device.osMajorVersion = 4;
        device.answersRawQuery = false;
    }
    GapiDisplay::close();
    setDeviceProfile(device);
    if (!lowResolutionSystem || !GapiDisplay::open(nullptr, true, false) ||
        (GapiDisplay::state().rawVga && !GapiDisplay::state().trueVga) != doubled) {
        state.SkipWithError("the emulated display did not open as wanted");
        return;
    }
    const int scale = doubled ? 2 : 1;
    const bool turned = orientation != ScreenOrientation::Portrait;
    Surface frame;
    frame.create((turned ? panelHeight : panelWidth) / scale, (turned ? panelWidth : panelHeight) / scale,
                 true);
    fillPattern(frame);
    for (auto _ : state) {
        GapiDisplay::blitToScreen(frame, 0, 0, nullptr, orientation);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * frameBytes);
    GapiDisplay::close();
}

using enum PanelMemory;
using enum ScreenOrientation;
// Block copies per row: rows of memory along the screen's rows, or along the turned page's rows.
BENCHMARK_CAPTURE(BM_BlitToScreen, portrait_block, Rows, Portrait, false);
BENCHMARK_CAPTURE(BM_BlitToScreen, counterclockwise_block, ColumnsFromLeft, CounterClockwise, false);
BENCHMARK_CAPTURE(BM_BlitToScreen, clockwise_block, ColumnsFromRight, Clockwise, false);
// The four-way pixel loops: memory running across the copy.
BENCHMARK_CAPTURE(BM_BlitToScreen, portrait_pixels, ColumnsFromRight, Portrait, false);
BENCHMARK_CAPTURE(BM_BlitToScreen, counterclockwise_pixels, Rows, CounterClockwise, false);
BENCHMARK_CAPTURE(BM_BlitToScreen, clockwise_pixels, Rows, Clockwise, false);
// A 240 x 320 frame, every pixel doubled.
BENCHMARK_CAPTURE(BM_BlitToScreen, portrait_doubled, Rows, Portrait, true);
BENCHMARK_CAPTURE(BM_BlitToScreen, counterclockwise_doubled, Rows, CounterClockwise, true);
BENCHMARK_CAPTURE(BM_BlitToScreen, clockwise_doubled, Rows, Clockwise, true);

} // namespace
} // namespace velmora
