#pragma once
// Reads a whole data file into memory for the decoders, from disk or from a resource archive.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// Files read whole are at most this large: no picture, model or sound of the game comes near it,
// and a bigger file (or a device that never ends) would only exhaust memory.
inline constexpr size_t maxResourceFileBytes = size_t{64} << 20;

// The bytes of the file at path (game convention: "\\" separators), or none when it cannot be opened
// or read, or holds more than maxResourceFileBytes.
std::optional<std::vector<uint8_t>> readResourceFile(const std::wstring& path);

} // namespace velmora
