// The characters folder as the game counts and plays it.
#include "generated_content.h"

#include <gtest/gtest.h>

#include <regex>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kImpactFrame = 13;
const char* const kSwings[] = {"drive", "chip", "putt"};
const char* const kReactions[] = {"exp_angry", "exp_cheerful", "exp_indifferent"};

fs::path characters() {
    return resourcesFolder() / "characters";
}

int characterCount() {
    int count = 0;
    for (const auto& item : fs::directory_iterator(characters()))
        count += item.is_regular_file() && item.path().extension() == ".gif";
    return count;
}

GifInfo animation(int c, const std::string& name) {
    const std::string number = std::to_string(c);
    const auto gif =
        readGif(readBytes((characters() / ("character" + number) / (name + number + ".gif")).string()));
    return gif ? *gif : GifInfo{};
}

// Seconds until a frame shows at 25 drawn frames a second: a frame is left on the first drawn frame
// at which the time spent on it exceeds its delay.
double secondsToReach(const GifInfo& gif, int frame) {
    double seconds = 0;
    for (int f = 0; f < frame; ++f) {
        int drawn = 1;
        while (drawn * 4 <= gif.frames[size_t(f)].delay)
            ++drawn;
        seconds += drawn * 0.04;
    }
    return seconds;
}

// Whether any visible pixel of the frame lies in the rectangle.
bool inkIn(const GifInfo& gif, int frame, int left, int top, int right, int bottom) {
    const GifFrameInfo& f = gif.frames[size_t(frame)];
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (f.indices[size_t(y) * f.width + x] != f.transparentIndex)
                return true;
    return false;
}

TEST(GeneratedCharacters, PicturesAreNumberedWithoutGapsAndNothingElseIsListed) {
    SKIP_WITHOUT_CONTENT();
    const int count = characterCount();
    EXPECT_GE(count, 5); // four players can each take a golfer of their own
    for (const auto& item : fs::directory_iterator(characters())) {
        const std::string name = item.path().filename().string();
        if (item.is_directory()) {
            EXPECT_TRUE(std::regex_match(name, std::regex("character[1-9][0-9]*"))) << name;
            continue;
        }
        std::smatch match;
        ASSERT_TRUE(std::regex_match(name, match, std::regex("character(0|[1-9][0-9]*)\\.gif"))) << name;
        EXPECT_LT(std::stoi(match[1]), count);
    }
    EXPECT_FALSE(fs::exists(characters() / "character0")); // character 0 is nobody
    for (int c = 0; c < count; ++c) {
        const auto portrait =
            readGif(readBytes((characters() / ("character" + std::to_string(c) + ".gif")).string()));
        ASSERT_TRUE(portrait) << c;
        EXPECT_EQ(portrait->width, 80);
        EXPECT_EQ(portrait->height, 80);
        for (const GifFrameInfo& frame : portrait->frames)
            EXPECT_EQ(frame.transparentColour, 0xFF00FFu);
    }
}

TEST(GeneratedCharacters, EveryGolferHasSevenAnimationsOfOneSizeAndKey) {
    SKIP_WITHOUT_CONTENT();
    for (int c = 1; c < characterCount(); ++c) {
        for (const char* name :
             {"drive", "chip", "putt", "aim", "exp_angry", "exp_cheerful", "exp_indifferent"}) {
            SCOPED_TRACE(std::to_string(c) + " " + name);
            const GifInfo gif = animation(c, name);
            ASSERT_FALSE(gif.frames.empty());
            EXPECT_EQ(gif.width, 64); // a power of two each way: the golfer is a 3D texture
            EXPECT_EQ(gif.height, 128);
            for (const GifFrameInfo& frame : gif.frames) {
                EXPECT_EQ(frame.width, 64);
                EXPECT_EQ(frame.height, 128);
                EXPECT_EQ(frame.transparentColour, 0xFF00FFu);
            }
            EXPECT_GE(gif.frames.size(), std::string(name) == "aim" ? 2u : 14u);
        }
    }
}

TEST(GeneratedCharacters, SwingsMeetTheBallOnFrame13WithinASecond) {
    SKIP_WITHOUT_CONTENT();
    for (int c = 1; c < characterCount(); ++c) {
        for (const char* name : kSwings) {
            SCOPED_TRACE(std::to_string(c) + " " + name);
            const GifInfo gif = animation(c, name);
            ASSERT_GT(gif.frames.size(), size_t(kImpactFrame));
            const double seconds = secondsToReach(gif, kImpactFrame);
            EXPECT_GE(seconds, 0.5);
            EXPECT_LE(seconds, 1.0);
            // The club head is down at the ball on frame 13 and up in the air at the top of the
            // backswing. The ball lies just right of the picture, or a third in for the putt.
            const bool putt = std::string(name) == "putt";
            const int left = putt ? 16 : 54, right = putt ? 30 : 64;
            EXPECT_TRUE(inkIn(gif, kImpactFrame, left, 116, right, 128));
            if (!putt) {
                EXPECT_FALSE(inkIn(gif, 9, left, 116, right, 128));
            }
        }
    }
}

TEST(GeneratedCharacters, ReactionsRestOnFrame13) {
    SKIP_WITHOUT_CONTENT();
    // The game stops a finished player's reaction on frame 13: the pose is already held there.
    for (int c = 1; c < characterCount(); ++c) {
        for (const char* name : kReactions) {
            SCOPED_TRACE(std::to_string(c) + " " + name);
            const GifInfo gif = animation(c, name);
            ASSERT_GT(gif.frames.size(), size_t(kImpactFrame));
            EXPECT_EQ(gif.frames[12].indices, gif.frames[13].indices);
            EXPECT_NE(gif.frames[13].indices, gif.frames.back().indices);
        }
    }
}

} // namespace
} // namespace velmora::test
