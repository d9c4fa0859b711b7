#pragma once
// Writes a picture of 0x00RRGGBB pixels as a 24-bit BMP or an 8-bit RGB PNG file, chosen by the
// file name's extension (".bmp", otherwise PNG).

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

bool writeImageFile(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);

} // namespace velmora
