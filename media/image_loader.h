#pragma once
// Loads BMP, GIF and JPEG files into surfaces, telling the player (message box) about files that
// are missing, unsupported or corrupt. A picture that fails leaves its surface empty (no frames);
// callers draw nothing for it and go on.

#include "surface/surface.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora {

// The format is chosen by the extension found anywhere in the path: ".jpg", ".JPG", ".jpeg",
// ".JPEG", then ".bmp", ".BMP", then ".gif", ".GIF" (first frame only). The surface is made at
// the display's depth or at 32 bits.
bool loadImage(Surface& surface, const std::wstring& path, bool useDeviceDepth);

// Paths that name GIF files (".gif" or ".GIF" anywhere): loaded with all their frames.
bool isGifPath(const std::wstring& path);

// Every frame of a GIF animation, each a full-screen surface with its delay and colour key.
std::vector<std::unique_ptr<Surface>> loadGifFrames(const std::wstring& path, bool useDeviceDepth);

} // namespace velmora
