#pragma once
// 16-bit mono PCM wave files with the canonical 44-byte header and nothing else: the game plays
// every byte after byte 44 as samples.

#include <string>
#include <vector>

namespace velmora::content {

constexpr int kSampleRate = 22050;

// Samples in -1..1 (clipped); written as 16-bit signed.
bool writeWav(const std::string& path, const std::vector<float>& samples, int sampleRate = kSampleRate);

} // namespace velmora::content
