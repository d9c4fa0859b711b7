#pragma once
// A named collection of generated pictures, written in the format their file name says (GIF, JPEG
// or BMP) into the archive staging folder or onto disk, and looked up again for mockups and sheets.

#include "gif_file.h"
#include "output.h"
#include "picture.h"

#include <map>
#include <string>
#include <vector>

namespace velmora::content {

struct Asset {
    std::string path; // relative to the resources folder, e.g. "GUI/btnPlay.gif"
    std::vector<GifFrame> frames;
    Place place = Place::Archive;
    std::string group; // contact sheet it appears on
};

class AssetSet {
public:
    void add(const std::string& path, const Picture& picture, const std::string& group,
             Place place = Place::Archive);
    void addAnimation(const std::string& path, std::vector<GifFrame> frames, const std::string& group,
                      Place place = Place::Archive);

    // The first frame of the picture whose file name (without folder) is name; dies if absent,
    // since layouts and mockups must only name pictures that exist.
    const Picture& picture(const std::string& name) const;
    bool has(const std::string& name) const;

    const std::vector<Asset>& all() const { return assets_; }
    // Writes every asset; returns the number of failures.
    int write(const OutputFolders& folders) const;

private:
    std::vector<Asset> assets_;
    std::map<std::string, size_t> byName_;
};

} // namespace velmora::content
