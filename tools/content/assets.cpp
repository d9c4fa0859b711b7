#include "assets.h"

#include "image_files.h"

#include <cstdio>
#include <cstdlib>

namespace velmora::content {
namespace {

std::string fileName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

void AssetSet::add(const std::string& path, const Picture& picture, const std::string& group, Place place) {
    addAnimation(path, {{picture, 0}}, group, place);
}

void AssetSet::addAnimation(const std::string& path, std::vector<GifFrame> frames, const std::string& group,
                            Place place) {
    const std::string name = fileName(path);
    if (byName_.count(name)) {
        // Picture names are unique across the whole game: the game caches pictures by name.
        std::fprintf(stderr, "duplicate picture name %s\n", name.c_str());
        std::abort();
    }
    byName_[name] = assets_.size();
    assets_.push_back({path, std::move(frames), place, group});
}

bool AssetSet::has(const std::string& name) const {
    return byName_.count(name) != 0;
}

const Picture& AssetSet::picture(const std::string& name) const {
    const auto found = byName_.find(name);
    if (found == byName_.end()) {
        std::fprintf(stderr, "no picture named %s\n", name.c_str());
        std::abort();
    }
    return assets_[found->second].frames[0].picture;
}

int AssetSet::write(const OutputFolders& folders) const {
    int failures = 0;
    for (const Asset& asset : assets_) {
        const std::string path = outputPath(folders, asset.place, asset.path);
        bool ok;
        if (endsWith(asset.path, ".jpg"))
            ok = writeJpeg(path, asset.frames[0].picture);
        else if (endsWith(asset.path, ".bmp"))
            ok = writeBmp(path, asset.frames[0].picture);
        else
            ok = writeGif(path, asset.frames);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures;
}

} // namespace velmora::content
