// The sound building blocks: mixing into loops, filters that loop, levels.
#include "synth.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::content {
namespace {

TEST(SoundBlocks, MixingWrapsPastTheEndOnlyForLoops) {
    Samples loop(10, 0.0f), once(10, 0.0f);
    const Samples burst(4, 1.0f);
    const double eightSamples = 8.0 / kSampleRate;
    mixInto(loop, burst, eightSamples, 0.5f, true);
    mixInto(once, burst, eightSamples, 0.5f, false);
    EXPECT_EQ(loop, (Samples{0.5f, 0.5f, 0, 0, 0, 0, 0, 0, 0.5f, 0.5f}));
    EXPECT_EQ(once, (Samples{0, 0, 0, 0, 0, 0, 0, 0, 0.5f, 0.5f}));
}

TEST(SoundBlocks, AFilteredLoopJoinsWhereItStarts) {
    Random random(5);
    Samples noise = whiteNoise(0.5, random);
    Samples looped = noise;
    Biquad::lowPass(300).processLoop(looped);
    // Filtering the loop twice over continues from its end into its start: the second pass of a
    // plain filter over two copies gives the same samples.
    Samples twice = noise;
    twice.insert(twice.end(), noise.begin(), noise.end());
    Biquad::lowPass(300).process(twice);
    for (size_t i = 0; i < looped.size(); i += 997)
        EXPECT_NEAR(looped[i], twice[noise.size() + i], 1e-4) << i;
}

TEST(SoundBlocks, EnvelopesAndLevels) {
    Samples tone1 = tone(Wave::Sine, 0.1, 440.0);
    EXPECT_EQ(tone1.size(), samplesFor(0.1));
    normalise(tone1, 0.5f);
    float peak = 0;
    for (float s : tone1)
        peak = std::max(peak, std::fabs(s));
    EXPECT_FLOAT_EQ(peak, 0.5f);
    Samples faded(100, 1.0f);
    applyFade(faded, 0, 50.0 / kSampleRate);
    EXPECT_FLOAT_EQ(faded[0], 1.0f);
    EXPECT_NEAR(faded[99], 0.0f, 0.03f);
    EXPECT_NEAR(noteFrequency(69), 440.0, 1e-9);
    EXPECT_NEAR(noteFrequency(81), 880.0, 1e-9);
}

} // namespace
} // namespace velmora::content
