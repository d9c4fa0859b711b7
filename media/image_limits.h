#pragma once
// Limits that every image decoder applies to sizes read from a file.

namespace velmora {

// Pictures wider or higher than this are refused as corrupt; no game picture comes near it.
inline constexpr int maxImageSide = 8192;

} // namespace velmora
