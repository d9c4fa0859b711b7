#pragma once
// Limits that every image decoder applies to sizes read from a file.

#include <cstdint>

namespace velmora {

// Pictures wider or higher than this are refused as corrupt; no game picture comes near it.
inline constexpr int maxImageSide = 8192;

// Pixels one picture may hold over all its frames: 64 MiB at 32 bits. An animation keeps a surface
// of its screen's size per frame, so without a total a small file of empty frames could ask for
// gigabytes. A picture beyond it is refused as corrupt; an animation keeps the frames that fit.
inline constexpr int64_t maxPicturePixels = int64_t{16} << 20;

} // namespace velmora
