#include "media/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velmora::Surface surface;
    velmora::decodeBmp({data, size}, size % 2 == 0, surface);
    return 0;
}
