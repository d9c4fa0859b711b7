// velmora-tool image FILE OUT: decodes a picture with the game's own loaders and writes its frames
// as binary PPM files, so that content authors can check what the game will show.
#include "commands.h"

#include "base/wide_string.h"
#include "media/image_loader.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace velmora::tool {

namespace {

bool writePpm(const Surface& surface, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fprintf(file, "P6\n%d %d\n255\n", surface.width, surface.height);
    std::vector<uint8_t> row(size_t(surface.width) * 3);
    bool written = true;
    for (int y = 0; y < surface.height && written; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t rgb = surface.getPixel(x, y);
            row[size_t(x) * 3] = uint8_t(rgb >> 16);
            row[size_t(x) * 3 + 1] = uint8_t(rgb >> 8);
            row[size_t(x) * 3 + 2] = uint8_t(rgb);
        }
        written = std::fwrite(row.data(), 1, row.size(), file) == row.size();
    }
    return std::fclose(file) == 0 && written;
}

// OUT for a still picture; OUT with the frame number before its extension for an animation.
std::string framePath(const std::string& out, size_t frame, size_t frameCount) {
    if (frameCount < 2)
        return out;
    const std::filesystem::path path(out);
    return (path.parent_path() / (path.stem().string() + "." + std::to_string(frame) + path.extension().string()))
        .string();
}

} // namespace

int runImage(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: velmora-tool image FILE OUT\n");
        return exitUsage;
    }
    const std::wstring path = fromUtf8(arguments[0]);
    std::vector<std::unique_ptr<Surface>> frames;
    if (isGifPath(path)) {
        frames = loadGifFrames(path, false);
    } else {
        auto surface = std::make_unique<Surface>();
        if (loadImage(*surface, path, false))
            frames.push_back(std::move(surface));
    }
    if (frames.empty()) {
        std::fprintf(stderr, "velmora-tool: %s: the game shows nothing for this picture\n", arguments[0].c_str());
        return exitFailed;
    }
    std::printf("width %d\nheight %d\nframes %zu\n", frames[0]->width, frames[0]->height, frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        const Surface& frame = *frames[i];
        std::printf("frame %zu: delay %.2f s, ", i, frame.frameDelay);
        if (frame.hasTransparentColor)
            std::printf("key #%06X\n", frame.transparentColor);
        else
            std::printf("no key\n");
        const std::string out = framePath(arguments[1], i, frames.size());
        if (!writePpm(frame, out)) {
            std::fprintf(stderr, "velmora-tool: cannot write %s\n", out.c_str());
            return exitFailed;
        }
    }
    return exitOk;
}

} // namespace velmora::tool
