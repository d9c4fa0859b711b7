#include "media/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto layout = velmora::readWaveLayout({data, size});
    if (!layout)
        return 0;
    // Every sample byte the layout names must lie inside the input.
    unsigned sum = 0;
    for (size_t i = 0; i < layout->dataSize; ++i)
        sum += data[layout->dataOffset + i];
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
