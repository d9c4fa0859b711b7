// The wave reader: chunks found wherever they lie, sizes bounded by the file, impossible formats
// refused.
#include "media/wave_file.h"
#include "test_files.h"
#include "wave_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

std::vector<uint8_t> dataOf(const std::vector<uint8_t>& file, const WaveFileLayout& layout) {
    return {file.begin() + std::ptrdiff_t(layout.dataOffset),
            file.begin() + std::ptrdiff_t(layout.dataOffset + layout.dataSize)};
}

TEST(WaveFile, ACanonicalFileHasItsSamplesFromByte44) {
    const auto samples = sampleBytes({1, -2, 3});
    const auto file = writeWave({.channels = 1, .rate = 11025, .bits = 16, .samples = samples});
    ASSERT_EQ(file.size(), 50u);
    const auto layout = readWaveLayout(file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->dataOffset, 44u);
    EXPECT_EQ(layout->dataSize, 6u);
    EXPECT_EQ(layout->format.wFormatTag, 1);
    EXPECT_EQ(layout->format.nChannels, 1);
    EXPECT_EQ(layout->format.nSamplesPerSec, 11025u);
    EXPECT_EQ(layout->format.nAvgBytesPerSec, 22050u);
    EXPECT_EQ(layout->format.nBlockAlign, 2);
    EXPECT_EQ(layout->format.wBitsPerSample, 16);
    EXPECT_EQ(layout->format.cbSize, 0);
}

TEST(WaveFile, OtherChunksBeforeTheSamplesAreSkippedWithTheirPadding) {
    const std::string list("LIST\x05\x00\x00\x00"
                           "abcde\x00",
                           14);
    const std::vector<uint8_t> samples = {10, 20, 30, 40};
    const auto file = writeWave({.channels = 2, .bits = 8, .samples = samples, .chunksBeforeData = list});
    const auto layout = readWaveLayout(file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->dataOffset, 58u);
    EXPECT_EQ(dataOf(file, *layout), samples);
}

TEST(WaveFile, SampleDataEndsWithTheChunkOrTheFileWhicheverIsFirst) {
    const std::vector<uint8_t> samples = {1, 2, 3, 4};
    auto claimsTooMuch = writeWave({.samples = samples, .dataSizeField = 0x7FFFFFF0});
    auto layout = readWaveLayout(claimsTooMuch);
    ASSERT_TRUE(layout);
    EXPECT_EQ(dataOf(claimsTooMuch, *layout), samples);

    auto trailingChunk = writeWave({.samples = samples});
    const std::string tail("junk\x02\x00\x00\x00zz", 10);
    trailingChunk.insert(trailingChunk.end(), tail.begin(), tail.end());
    layout = readWaveLayout(trailingChunk);
    ASSERT_TRUE(layout);
    EXPECT_EQ(dataOf(trailingChunk, *layout), samples) << "the chunk after the samples is not played";
}

TEST(WaveFile, RefusesWhatCannotBeAWaveFile) {
    const auto good = writeWave({.samples = sampleBytes({1, 2})});
    EXPECT_FALSE(readWaveLayout(std::span(good).first(43))) << "shorter than the header";
    auto renamed = good;
    renamed[0] = 'X';
    EXPECT_FALSE(readWaveLayout(renamed));
    EXPECT_FALSE(readWaveLayout(writeWave({.channels = 0, .samples = sampleBytes({1, 2})})));
    EXPECT_FALSE(readWaveLayout(writeWave({.rate = 0, .samples = sampleBytes({1, 2})})));
    EXPECT_FALSE(readWaveLayout(writeWave({.bits = 12, .samples = sampleBytes({1, 2})})));
    EXPECT_FALSE(readWaveLayout(writeWave({.channels = 2, .blockAlign = 2, .samples = sampleBytes({1, 2})})));
    auto noData = good;
    noData[36] = 'D';
    EXPECT_FALSE(readWaveLayout(noData));
    auto shortFormat = good;
    shortFormat[16] = 14; // a format chunk too small for its fields
    EXPECT_FALSE(readWaveLayout(shortFormat));
}

// The shared test files keep a LIST chunk before their samples. Both hold the same pluck, so the
// 8-bit samples must follow the 16-bit ones: a reader that took the header for samples would not.
TEST(WaveFile, TheTestFilesWithALeadingListChunkReadTheSameSound) {
    const auto folder = testData("wav");
    if (folder.empty())
        GTEST_SKIP() << "no shared test data";
    const auto wide = readBytes(folder / "pluck-pcm16.wav");
    const auto narrow = readBytes(folder / "pluck-pcm8.wav");
    const auto wideLayout = readWaveLayout(wide);
    const auto narrowLayout = readWaveLayout(narrow);
    ASSERT_TRUE(wideLayout && narrowLayout);
    EXPECT_GT(wideLayout->dataOffset, 44u);
    EXPECT_EQ(wideLayout->format.nChannels, narrowLayout->format.nChannels);
    EXPECT_EQ(wideLayout->format.wBitsPerSample, 16);
    EXPECT_EQ(narrowLayout->format.wBitsPerSample, 8);
    const size_t samples = narrowLayout->dataSize;
    ASSERT_EQ(wideLayout->dataSize, 2 * samples);
    EXPECT_EQ(wideLayout->dataOffset + wideLayout->dataSize, wide.size());
    int far = 0;
    for (size_t i = 0; i < samples; ++i) {
        const size_t w = wideLayout->dataOffset + 2 * i;
        const int sixteen = int16_t(uint16_t(wide[w] | (wide[w + 1] << 8)));
        const int eight = (int(narrow[narrowLayout->dataOffset + i]) - 128) * 256;
        far += std::abs(sixteen - eight) > 512;
    }
    EXPECT_EQ(far, 0);
}

} // namespace
} // namespace velmora::test
