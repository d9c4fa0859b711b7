#include "media/lzw_decoder.h"

#include <cstring>
#include <memory>

namespace velmora {

namespace {

constexpr int maxCodeBits = 12;
constexpr int maxCodes = 1 << maxCodeBits;

// Each code's string is kept as (prefix code, last byte) with its length and first byte, so a
// string is written straight into place from its end instead of through a stack.
struct LzwTable {
    uint16_t prefix[maxCodes];
    uint8_t suffix[maxCodes];
    uint8_t first[maxCodes];
    uint16_t length[maxCodes];
};

} // namespace

std::optional<size_t> decodeLzw(std::span<const uint8_t> codes, int minCodeSize, std::span<uint8_t> pixels) {
    if (minCodeSize < 1 || minCodeSize > 11)
        return std::nullopt;
    const auto table = std::make_unique<LzwTable>();
    const int clear = 1 << minCodeSize, end = clear + 1;
    for (int code = 0; code < clear && code < 256; ++code) {
        table->suffix[code] = table->first[code] = static_cast<uint8_t>(code);
        table->length[code] = 1;
    }
    const int roots = clear < 256 ? clear : 256; // root codes that stand for a colour index
    int nextFree = clear + 2;
    int width = minCodeSize + 1;
    int previous = -1; // none right after a clear
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
        if (previous < 0) {
            if (code >= roots)
                return std::nullopt;
            out[written++] = static_cast<uint8_t>(code);
            previous = code;
            continue;
        }
        if (code > nextFree || (code < clear && code >= roots))
            return std::nullopt;
        // A code not yet in the table is the previous string plus that string's first byte. A full
        // table takes no more entries until the encoder clears it.
        if (nextFree < maxCodes) {
            const bool known = code < nextFree;
            table->prefix[nextFree] = static_cast<uint16_t>(previous);
            table->suffix[nextFree] = table->first[known ? code : previous];
            table->first[nextFree] = table->first[previous];
            table->length[nextFree] = static_cast<uint16_t>(table->length[previous] + 1);
            ++nextFree;
            if (nextFree == (1 << width) && width < maxCodeBits)
                ++width;
        }

        // Write the string from its last byte back to its first, leaving out what passes the frame.
        const size_t length = table->length[code];
        size_t index = length;
        int link = code;
        for (; written + index > capacity; link = table->prefix[link])
            --index;
        while (index-- > 0) {
            out[written + index] = table->suffix[link];
            link = table->prefix[link];
        }
        written = written + length < capacity ? written + length : capacity;
        previous = code;
    }
    return written;
}

} // namespace velmora
