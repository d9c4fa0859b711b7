#pragma once
// Reads a whole data file into memory for the decoders, from disk or from a resource archive.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The bytes of the file at path (game convention: "\\" separators), or none when it cannot be opened.
std::optional<std::vector<uint8_t>> readResourceFile(const std::wstring& path);

} // namespace velmora
