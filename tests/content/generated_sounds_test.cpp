// The sounds archive: every sound the game plays, in the canonical form its wave reader expects.
#include "generated_content.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace velmora::test {
namespace {

struct Expected {
    const char* file;
    double seconds; // 0: any length
    bool loops;
};

// Lengths follow how long the game pauses the course ambience for each jingle.
const Expected kSounds[] = {
    {"title.wav", 0, true},        {"ambience.wav", 0, true},    {"click.wav", 0, false},
    {"fullswing.wav", 0.6, false}, {"chip.wav", 0.6, false},     {"putt.wav", 0.6, false},
    {"bounce.wav", 0, false},      {"cup.wav", 0.8, false},      {"waterSplash.wav", 1.07, false},
    {"applause.wav", 3.0, false},  {"cheering.wav", 3.0, false}, {"boo.wav", 1.9, false},
    {"mystic.wav", 2.4, false},
};

double meanStep(const std::vector<int16_t>& samples) {
    double sum = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        sum += std::abs(samples[i] - samples[i - 1]);
    return sum / double(samples.size() - 1);
}

TEST(GeneratedSounds, EverySoundIsCanonicalSixteenBitMonoPcm) {
    SKIP_WITHOUT_CONTENT();
    const auto& entries = archiveEntries("sounds");
    EXPECT_EQ(entries.size(), std::size(kSounds));
    for (const Expected& expected : kSounds) {
        SCOPED_TRACE(expected.file);
        const auto entry = entries.find(expected.file);
        ASSERT_NE(entry, entries.end());
        const auto wav = readCanonicalWav(entry->second.bytes);
        ASSERT_TRUE(wav);
        EXPECT_EQ(wav->formatTag, 1);
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->sampleRate, 22050);
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_EQ(wav->dataSize, entry->second.bytes.size() - 44);
        const double seconds = double(wav->samples.size()) / wav->sampleRate;
        if (expected.seconds > 0) {
            EXPECT_NEAR(seconds, expected.seconds, 0.01);
        }
        EXPECT_LE(seconds, 16.0); // each sound is held whole in memory
        int peak = 0;
        for (int16_t s : wav->samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000);  // audible
        EXPECT_LT(peak, 32767); // never clipped
    }
}

TEST(GeneratedSounds, LoopsJoinSeamlesslyAndOneShotsEndInSilence) {
    SKIP_WITHOUT_CONTENT();
    for (const Expected& expected : kSounds) {
        SCOPED_TRACE(expected.file);
        const auto wav = readCanonicalWav(archiveEntries("sounds").at(expected.file).bytes);
        ASSERT_TRUE(wav);
        const std::vector<int16_t>& s = wav->samples;
        if (expected.loops) {
            // Played again from the start, the step across the join is like any other step.
            EXPECT_LE(std::abs(s.back() - s.front()), 4 * meanStep(s) + 64);
        } else {
            // No click at the end: the last 5 ms are quiet.
            for (size_t i = s.size() - s.size() / 200 - 110; i < s.size(); ++i)
                ASSERT_LT(std::abs(int(s[i])), 3000) << "sample " << i;
        }
    }
}

} // namespace
} // namespace velmora::test
