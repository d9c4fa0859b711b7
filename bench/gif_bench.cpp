// GIF decoding of a large animation, ours next to giflib's DGifSlurp on the same bytes. Ours also
// composes every frame into a full-screen 16-bit surface; giflib only fills index rasters.
#include "media/gif_decoder.h"
#include "tests/media/gif_writer.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <malloc.h>
#include <random>

namespace velmora {
namespace {

// 24 frames of 480x320 with 256 colours: smooth gradients with noise, so that the LZW tables fill
// and clear as in photographic animations.
const std::vector<uint8_t>& largeAnimation() {
    static const std::vector<uint8_t> file = [] {
        std::vector<uint32_t> colors;
        for (uint32_t i = 0; i < 256; ++i)
            colors.push_back((i << 16) | ((255 - i) << 8) | (i * 7 & 0xFF));
        std::mt19937 random(42);
        std::vector<test::GifFrameLayout> frames;
        for (int frame = 0; frame < 24; ++frame) {
            test::GifFrameLayout values{.width = 480, .height = 320, .disposal = 1, .delay = 4};
            values.indices.resize(size_t(480) * 320);
            for (int y = 0; y < 320; ++y)
                for (int x = 0; x < 480; ++x)
                    values.indices[size_t(y) * 480 + x] =
                        uint8_t((x + y + frame * 8) / 4 + (random() % 4 == 0 ? random() % 8 : 0));
            frames.push_back(std::move(values));
        }
        return test::writeGif(480, 320, colors, 0, frames);
    }();
    return file;
}

// Both decoders allocate their frames afresh every run. Keep freed memory in the process, as a
// running game's heap does, so that the figures compare decoding rather than page faults.
void keepHeap() {
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

void BM_DecodeGifOurs(benchmark::State& state) {
    keepHeap();
    const std::vector<uint8_t>& file = largeAnimation();
    for (auto _ : state) {
        GifImage image = decodeGif(file, true, GifFrames::All);
        benchmark::DoNotOptimize(image.frames.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_DecodeGifOurs)->Unit(benchmark::kMillisecond);

struct MemoryInput {
    const std::vector<uint8_t>* bytes;
    size_t position = 0;
};

int readMemory(GifFileType* file, GifByteType* out, int count) {
    auto* input = static_cast<MemoryInput*>(file->UserData);
    const size_t available = std::min(size_t(count), input->bytes->size() - input->position);
    std::memcpy(out, input->bytes->data() + input->position, available);
    input->position += available;
    return static_cast<int>(available);
}

void BM_DecodeGifGiflibSlurp(benchmark::State& state) {
    keepHeap();
    const std::vector<uint8_t>& file = largeAnimation();
    for (auto _ : state) {
        MemoryInput input{&file};
        int error = 0;
        GifFileType* gif = DGifOpen(&input, readMemory, &error);
        DGifSlurp(gif);
        benchmark::DoNotOptimize(gif->SavedImages);
        DGifCloseFile(gif, &error);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_DecodeGifGiflibSlurp)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora
