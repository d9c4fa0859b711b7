#include "media/wave_file.h"

#include "base/byte_reader.h"

#include <cstring>

namespace velmora {

namespace {

bool hasTag(std::span<const uint8_t> bytes, size_t offset, const char* tag) {
    return offset + 4 <= bytes.size() && std::memcmp(bytes.data() + offset, tag, 4) == 0;
}

// A format that describes whole samples; whether a device plays it is the device's affair.
bool isPossible(const WAVEFORMATEX& f) {
    return f.nChannels > 0 && f.nSamplesPerSec > 0 && f.wBitsPerSample > 0 && f.wBitsPerSample % 8 == 0 &&
           f.nBlockAlign == uint32_t(f.nChannels) * (f.wBitsPerSample / 8);
}

std::optional<WAVEFORMATEX> readFormat(ByteReader reader) {
    const auto tag = reader.u16();
    const auto channels = reader.u16();
    const auto rate = reader.u32();
    const auto average = reader.u32();
    const auto blockAlign = reader.u16();
    const auto bits = reader.u16();
    if (!bits)
        return std::nullopt;
    WAVEFORMATEX format;
    format.wFormatTag = *tag;
    format.nChannels = *channels;
    format.nSamplesPerSec = *rate;
    format.nAvgBytesPerSec = *average;
    format.nBlockAlign = *blockAlign;
    format.wBitsPerSample = *bits;
    return format;
}

} // namespace

std::optional<WaveFileLayout> readWaveLayout(std::span<const uint8_t> bytes) {
    if (bytes.size() < waveHeaderSize || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE"))
        return std::nullopt;
    std::optional<WAVEFORMATEX> format;
    std::optional<WaveFileLayout> layout;
    ByteReader reader(bytes);
    reader.seek(12);
    // Every chunk moves the reader on by at least its 8-byte head, so the walk ends.
    while (reader.remaining() >= 8 && !(format && layout)) {
        const size_t head = reader.position();
        reader.skip(4);
        const uint32_t size = *reader.u32();
        const size_t body = reader.position();
        const size_t available = std::min<size_t>(size, reader.remaining());
        if (!format && hasTag(bytes, head, "fmt ") && size >= 16) {
            format = readFormat(ByteReader(bytes.subspan(body, available)));
            if (!format)
                return std::nullopt;
        } else if (!layout && hasTag(bytes, head, "data")) {
            layout = WaveFileLayout{{}, body, available};
        }
        // Chunks are padded to an even size.
        if (!reader.skip(available) || (size % 2 == 1 && !reader.skip(1)))
            break;
        if (available < size)
            break;
    }
    if (!format || !layout || !isPossible(*format))
        return std::nullopt;
    layout->format = *format;
    return layout;
}

} // namespace velmora
