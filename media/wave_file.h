#pragma once
// Reading wave files: the format and the sample data of a RIFF "WAVE" file, found by its "fmt "
// and "data" chunks wherever they lie. A canonical file (format at byte 20, samples from byte 44)
// reads as it always did; a file with other chunks first plays its samples, not its header.

#include "platform/wave_out.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmora {

// The smallest file taken for a wave file: the canonical header alone.
inline constexpr size_t waveHeaderSize = 44;

struct WaveFileLayout {
    WAVEFORMATEX format; // extra size always 0
    size_t dataOffset = 0;
    size_t dataSize = 0; // never past the end of the file
};

// None for a file shorter than 44 bytes, without "RIFF"/"WAVE", without both chunks, or whose
// format cannot describe samples (no channels, no rate, bits not whole bytes, a block alignment
// other than channels x bytes per sample). A data chunk that claims more than the file holds ends
// at the end of the file.
std::optional<WaveFileLayout> readWaveLayout(std::span<const uint8_t> bytes);

} // namespace velmora
