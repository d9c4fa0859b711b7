// The blitters on a full 480x640 16-bit page: a whole-frame copy next to memcpy of the same bytes,
// and a 2x stretch of a quarter-size picture onto the page; then the same through the
// drawing-context calls, which take the other blit path.
#include "platform/drawing.h"
#include "surface/blitters.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace velmora {
namespace {

constexpr int pageWidth = 480, pageHeight = 640;

void fillPattern(Surface& surface) {
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            surface.setPixel(x, y, uint32_t(x * 2654435761u + y * 40503u));
}

void BM_Memcpy(benchmark::State& state) {
    Surface source, destination;
    source.create(pageWidth, pageHeight, false);
    destination.create(pageWidth, pageHeight, false);
    const size_t bytes = size_t(pageWidth) * pageHeight * 2; // a 16-bit page
    for (auto _ : state) {
        std::memcpy(destination.bits, source.bits, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_Memcpy);

void BM_CopyBlit16(benchmark::State& state) {
    Surface source, destination;
    source.create(pageWidth, pageHeight, true);
    destination.create(pageWidth, pageHeight, true);
    fillPattern(source);
    const uint32_t key = state.range(0) ? 0x123456u : noColor;
    for (auto _ : state) {
        copyBlit(destination, source, 0, 0, wholeSurface, key);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * source.size);
    state.SetLabel(source.bitsPerPixel == 16 ? (key == noColor ? "16-bit" : "16-bit keyed") : "not 16-bit");
}
BENCHMARK(BM_CopyBlit16)->Arg(0)->Arg(1);

void BM_StretchBlit240x320To480x640(benchmark::State& state) {
    Surface source, destination;
    source.create(pageWidth / 2, pageHeight / 2, true);
    destination.create(pageWidth, pageHeight, true);
    fillPattern(source);
    const uint32_t key = state.range(0) ? 0x123456u : noColor;
    for (auto _ : state) {
        stretchBlit(destination, source, 0, 0, pageWidth, pageHeight, wholeSurface, key);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * pageWidth * pageHeight);
}
BENCHMARK(BM_StretchBlit240x320To480x640)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FillWholePage(benchmark::State& state) {
    Surface destination;
    destination.create(pageWidth, pageHeight, true);
    for (auto _ : state) {
        fillRect(destination, 0x336699, 0, 0, -1, -1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * destination.size);
}
BENCHMARK(BM_FillWholePage);

// Drawing-context blits between the surfaces' memory contexts. Argument 0: SRCCOPY, 1: SRCINVERT,
// 2: 32-bit source onto the 16-bit page.
void BM_ContextBitBlt(benchmark::State& state) {
    Surface source, destination;
    source.create(pageWidth, pageHeight, state.range(0) != 2);
    destination.create(pageWidth, pageHeight, true);
    fillPattern(source);
    const DWORD rop = state.range(0) == 1 ? SRCINVERT : SRCCOPY;
    for (auto _ : state) {
        BitBlt(destination.memoryDC, 0, 0, pageWidth, pageHeight, source.memoryDC, 0, 0, rop);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * pageWidth * pageHeight);
}
BENCHMARK(BM_ContextBitBlt)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A quarter-size picture stretched 2x onto the page; argument 1 keys out one colour.
void BM_ContextStretch240x320To480x640(benchmark::State& state) {
    Surface source, destination;
    source.create(pageWidth / 2, pageHeight / 2, true);
    destination.create(pageWidth, pageHeight, true);
    fillPattern(source);
    for (auto _ : state) {
        if (state.range(0))
            TransparentImage(destination.memoryDC, 0, 0, pageWidth, pageHeight, source.memoryDC, 0, 0,
                             pageWidth / 2, pageHeight / 2, RGB(0x12, 0x34, 0x56));
        else
            StretchBlt(destination.memoryDC, 0, 0, pageWidth, pageHeight, source.memoryDC, 0, 0,
                       pageWidth / 2, pageHeight / 2, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * pageWidth * pageHeight);
}
BENCHMARK(BM_ContextStretch240x320To480x640)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velmora
