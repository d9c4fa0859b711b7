#pragma once
// Writes GIF files in memory with giflib, an encoder independent of our decoder.

#include <gif_lib.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace velmora::test {

struct GifFrameLayout {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> indices = {}; // rows in natural order
    bool interlaced = false;
    std::vector<uint32_t> localColors = {}; // 0xRRGGBB; empty: the global table
    bool withControl = true;                // a graphic control block before the image
    int disposal = 0;
    int delay = 0; // hundredths of a second
    int transparentIndex = NO_TRANSPARENT_COLOR;
};

namespace detail {
inline int appendBytes(GifFileType* file, const GifByteType* bytes, int count) {
    auto* out = static_cast<std::vector<uint8_t>*>(file->UserData);
    out->insert(out->end(), bytes, bytes + count);
    return count;
}
inline ColorMapObject* makeColorMap(const std::vector<uint32_t>& colors) {
    int size = 2;
    while (size < static_cast<int>(colors.size()))
        size *= 2;
    std::vector<GifColorType> entries(size, GifColorType{0, 0, 0});
    for (size_t i = 0; i < colors.size(); ++i)
        entries[i] = {GifByteType(colors[i] >> 16), GifByteType(colors[i] >> 8), GifByteType(colors[i])};
    return GifMakeMapObject(size, entries.data());
}
// giflib keeps a copy of an image's local table that neither the next image nor closing frees.
inline void dropLocalTable(GifFileType* file) {
    if (file->Image.ColorMap) {
        GifFreeMapObject(file->Image.ColorMap);
        file->Image.ColorMap = nullptr;
    }
}
} // namespace detail

inline std::vector<uint8_t> writeGif(int screenWidth, int screenHeight,
                                     const std::vector<uint32_t>& globalColors, int backgroundIndex,
                                     const std::vector<GifFrameLayout>& frames) {
    std::vector<uint8_t> bytes;
    int error = 0;
    GifFileType* file = EGifOpen(&bytes, detail::appendBytes, &error);
    if (!file)
        throw std::runtime_error("EGifOpen failed");
    EGifSetGifVersion(file, true);
    ColorMapObject* global = detail::makeColorMap(globalColors);
    EGifPutScreenDesc(file, screenWidth, screenHeight, 8, backgroundIndex, global);
    GifFreeMapObject(global);
    for (const GifFrameLayout& frame : frames) {
        if (frame.withControl) {
            GraphicsControlBlock control{frame.disposal, false, frame.delay, frame.transparentIndex};
            GifByteType extension[4];
            const size_t length = EGifGCBToExtension(&control, extension);
            EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
        }
        detail::dropLocalTable(file);
        ColorMapObject* local = frame.localColors.empty() ? nullptr : detail::makeColorMap(frame.localColors);
        EGifPutImageDesc(file, frame.left, frame.top, frame.width, frame.height, frame.interlaced, local);
        if (local)
            GifFreeMapObject(local);
        // giflib writes rows in the order given: interlaced images are given in pass order.
        std::vector<int> order;
        static constexpr int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < (frame.interlaced ? 4 : 1); ++pass)
            for (int row = frame.interlaced ? starts[pass] : 0; row < frame.height;
                 row += frame.interlaced ? steps[pass] : 1)
                order.push_back(row);
        for (int row : order) {
            std::vector<GifPixelType> line(frame.indices.begin() + row * frame.width,
                                           frame.indices.begin() + (row + 1) * frame.width);
            EGifPutLine(file, line.data(), frame.width);
        }
    }
    detail::dropLocalTable(file);
    EGifCloseFile(file, &error);
    return bytes;
}

} // namespace velmora::test
