#include "media/lzw_decoder.h"

#include <cstring>
#include <memory>

namespace velmora {

namespace {

constexpr int maxCodeBits = 12;
constexpr int maxCodes = 1 << maxCodeBits;

// Every string of the table has already been written once: a code is kept as the place of that
// first occurrence in the output and its length, so decoding a code is a copy of earlier output.
struct LzwTable {
    uint32_t offset[maxCodes];
    uint16_t length[maxCodes];
};

// Copies forward byte by byte where the ranges may overlap (a string that extends the previous one).
inline void copyString(uint8_t* out, size_t from, size_t to, size_t length) {
    if (from + length <= to) {
        std::memcpy(out + to, out + from, length);
        return;
    }
    for (size_t i = 0; i < length; ++i)
        out[to + i] = out[from + i];
}

} // namespace

std::optional<size_t> decodeLzw(std::span<const uint8_t> codes, int minCodeSize, std::span<uint8_t> pixels) {
    if (minCodeSize < 1 || minCodeSize > 11)
        return std::nullopt;
    const auto table = std::make_unique_for_overwrite<LzwTable>();
    const int clear = 1 << minCodeSize, end = clear + 1;
    const int roots = clear < 256 ? clear : 256; // root codes that stand for a colour index
    int nextFree = clear + 2;
    int width = minCodeSize + 1;
    int previous = -1;          // none right after a clear
    size_t previousStart = 0;   // where the previous code's string was written
    size_t previousLength = 0;
    const uint64_t totalBits = uint64_t(codes.size()) * 8;
    uint64_t bitPosition = 0;
    uint8_t* out = pixels.data();
    const size_t capacity = pixels.size();
    size_t written = 0;

    while (written < capacity && bitPosition + width <= totalBits) {
        uint32_t word;
        std::memcpy(&word, codes.data() + bitPosition / 8, sizeof word); // little-endian bit order
        const int code = static_cast<int>((word >> (bitPosition % 8)) & ((1u << width) - 1));
        bitPosition += width;
        if (code == clear) {
            nextFree = clear + 2;
            width = minCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        if (code > nextFree || (code < clear && code >= roots) || (previous < 0 && code >= roots))
            return std::nullopt;
        // A new entry: the previous string plus the first byte of this one, which follows it in the
        // output. A full table takes no more entries until the encoder clears it.
        if (previous >= 0 && nextFree < maxCodes) {
            table->offset[nextFree] = static_cast<uint32_t>(previousStart);
            table->length[nextFree] = static_cast<uint16_t>(previousLength + 1);
            ++nextFree;
            if (nextFree == (1 << width) && width < maxCodeBits)
                ++width;
        }
        size_t length = 1;
        if (code < roots) {
            out[written] = static_cast<uint8_t>(code);
        } else {
            // A code not yet in the table (the one just added) is the previous string plus its own
            // first byte: the same copy, overlapping by one byte.
            length = std::min<size_t>(table->length[code], capacity - written);
            copyString(out, table->offset[code], written, length);
        }
        previous = code;
        previousStart = written;
        previousLength = length;
        written += length;
    }
    return written;
}

} // namespace velmora
