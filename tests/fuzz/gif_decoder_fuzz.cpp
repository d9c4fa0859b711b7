#include "media/gif_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velmora::decodeGif({data, size}, size % 2 == 0, velmora::GifFrames::All);
    return 0;
}
