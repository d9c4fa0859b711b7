#pragma once
// GIF89a output through giflib: one global palette, the key colour as transparent index 0 in every
// frame, full-size frames (disposal "leave in place"), delays in hundredths of a second.

#include "picture.h"

#include <string>
#include <vector>

namespace velmora::content {

struct GifFrame {
    Picture picture; // transparent pixels (alpha 0) become the key colour
    int delay = 0;   // hundredths of a second
};

bool writeGif(const std::string& path, const std::vector<GifFrame>& frames);
bool writeGif(const std::string& path, const Picture& picture);

} // namespace velmora::content
