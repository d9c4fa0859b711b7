#include "gif_file.h"

#include "byte_output.h"
#include "quantize.h"

#include <cstdint>
#include <cstdio>
#include <gif_lib.h>

namespace velmora::content {
namespace {

bool putFrame(GifFileType* gif, const IndexedPicture& indexed, int delay, bool keyed) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delay;
    control.TransparentColor = keyed ? 0 : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
        return false;
    if (EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_ERROR)
        return false;
    for (int y = 0; y < indexed.height; ++y) {
        auto* row = const_cast<GifPixelType*>(indexed.indices.data() + size_t(y) * indexed.width);
        if (EGifPutLine(gif, row, indexed.width) == GIF_ERROR)
            return false;
    }
    return true;
}

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

// Viewers loop an animation only with this block; the game ignores it and decides itself.
bool putLoopExtension(GifFileType* gif) {
    static const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loopForever[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, sizeof name, name) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, sizeof loopForever, loopForever) != GIF_ERROR &&
           EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

} // namespace

bool writeGif(const std::string& path, const std::vector<GifFrame>& frames) {
    if (frames.empty())
        return false;
    std::vector<const Picture*> pictures;
    for (const GifFrame& frame : frames)
        pictures.push_back(&frame.picture);
    const Palette palette = buildPalette(pictures);

    int bits = 1;
    while ((1u << bits) < palette.colours.size())
        ++bits;
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < map->ColorCount; ++i) {
        const Rgba c = size_t(i) < palette.colours.size() ? palette.colours[i] : Rgba{0, 0, 0, 255};
        map->Colors[i] = {c.r, c.g, c.b};
    }
    // Encoded in memory, then written with ordinary file permissions.
    std::vector<uint8_t> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return false;
    }
    EGifSetGifVersion(gif, true);
    const int width = frames[0].picture.width, height = frames[0].picture.height;
    bool ok = EGifPutScreenDesc(gif, width, height, bits, 0, map) != GIF_ERROR;
    if (ok && frames.size() > 1)
        ok = putLoopExtension(gif);
    for (const GifFrame& frame : frames) {
        if (!ok)
            break;
        ok = putFrame(gif, mapToPalette(frame.picture, palette), frame.delay, palette.hasKey);
    }
    ok = EGifCloseFile(gif, &error) != GIF_ERROR && ok;
    GifFreeMapObject(map);
    if (!ok)
        return false;
    return writeBytes(path, bytes);
}

bool writeGif(const std::string& path, const Picture& picture) {
    return writeGif(path, {{picture, 0}});
}

} // namespace velmora::content
