#pragma once
// JPEG and BMP output. JPEGs are baseline, three-component (even for grey pictures) with full
// chroma resolution so that edges of text and outlines stay clean; BMPs are 24-bit, uncompressed,
// with the 40-byte information header.

#include "picture.h"

#include <string>

namespace velmora::content {

bool writeJpeg(const std::string& path, const Picture& picture, int quality = 92);
bool writeBmp(const std::string& path, const Picture& picture);

} // namespace velmora::content
