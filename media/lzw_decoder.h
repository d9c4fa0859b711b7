#pragma once
// The variable-width LZW decoding of GIF image data (least significant bit first).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmora {

// Bytes a caller leaves readable after the code data, so that codes are fetched with one 32-bit
// load; they are never decoded.
inline constexpr size_t lzwSpareBytes = 4;

// Decodes the codes of one frame into colour indices, at most pixels.size() of them. codes must be
// followed by lzwSpareBytes readable bytes. Returns the number of indices written (data that
// ends early, or an end code, leaves the rest unwritten), or none for undecodable data: a minimum
// code size outside 1 ... 11, a code beyond the table, a root code above 255.
std::optional<size_t> decodeLzw(std::span<const uint8_t> codes, int minCodeSize, std::span<uint8_t> pixels);

} // namespace velmora
