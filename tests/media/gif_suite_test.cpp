// Runs the GIF decoder over the public GIF test suite. The suite composes frames as browsers do (a
// transparent canvas, disposal 2 clears to transparent); the game keeps the transparent index as a
// colour and applies it later as a key, so only opaque reference pixels are compared.
#include "media/gif_decoder.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

namespace velmora {
namespace {

using Section = std::map<std::string, std::string>;

std::map<std::string, Section> readConf(const std::filesystem::path& path) {
    std::map<std::string, Section> sections;
    std::ifstream stream(path);
    std::string line, current;
    while (std::getline(stream, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            current = line.substr(1, line.find(']') - 1);
            continue;
        }
        const size_t equals = line.find(" = ");
        if (equals != std::string::npos)
            sections[current][line.substr(0, equals)] = line.substr(equals + 3);
        else if (line.back() == '=')
            sections[current][line.substr(0, line.find(' '))] = "";
    }
    return sections;
}

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> items;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ','))
        if (!item.empty())
            items.push_back(item);
    return items;
}

// Where the game's rules differ from the suite's on purpose.
const std::set<std::string> differentByDesign = {
    "no-data",                  // a file without any image has no frame to show
    "image-zero-width",         // these images carry no data at all: no frame either
    "image-zero-height",
    "image-zero-size",
    "images-combine",           // every image is a frame of its own, also without graphic control blocks
    "images-overlap",
    "high-color",
    "animation-multi-image",
    "animation-multi-image-explicit-zero-delay",
    "dispose-none",             // only disposal 1 keeps the previous frame; 0 starts the next one blank
    "plain-text",               // the image after a plain-text extension is shown (the suite expects none)
    "max-width",                // pictures wider or higher than 8192 pixels are refused
    "max-height",
    "invalid-colors",           // indices past a short colour table read black instead of failing the frame
    "dispose-restore-previous", // "restore previous" starts the next frame blank
};

TEST(GifSuite, MatchesTheReferenceFramesWhereTheCompositionRulesAgree) {
    const std::filesystem::path suite = test::testData("gif/suite");
    if (suite.empty())
        GTEST_SKIP() << "no GIF test suite on this machine";
    std::ifstream list(suite / "TESTS");
    std::string name;
    int checked = 0;
    while (std::getline(list, name)) {
        if (name.empty() || differentByDesign.count(name))
            continue;
        SCOPED_TRACE(name);
        auto conf = readConf(suite / (name + ".conf"));
        const std::vector<uint8_t> file = test::readBytes(suite / conf["config"]["input"]);
        const GifImage image = decodeGif(file, false, GifFrames::All);
        const std::vector<std::string> frames = splitCommas(conf["config"]["frames"]);
        EXPECT_EQ(image.frames.size(), frames.size());
        if (image.frames.size() != frames.size())
            continue;
        for (size_t i = 0; i < frames.size(); ++i) {
            const Surface& frame = *image.frames[i];
            const Section& expected = conf[frames[i]];
            EXPECT_EQ(frame.width, std::stoi(conf["config"]["width"]));
            EXPECT_EQ(frame.height, std::stoi(conf["config"]["height"]));
            if (expected.count("delay")) {
                EXPECT_FLOAT_EQ(frame.frameDelay, std::stoi(expected.at("delay")) * 0.01f);
            }
            const std::vector<uint8_t> rgba = test::readBytes(suite / expected.at("pixels"));
            ASSERT_EQ(rgba.size(), size_t(frame.width) * frame.height * 4);
            for (int y = 0; y < frame.height; ++y) {
                for (int x = 0; x < frame.width; ++x) {
                    const uint8_t* pixel = &rgba[(size_t(y) * frame.width + x) * 4];
                    if (pixel[3] != 255)
                        continue;
                    const uint32_t rgb = (uint32_t(pixel[0]) << 16) | (pixel[1] << 8) | pixel[2];
                    EXPECT_EQ(frame.getPixel(x, y), rgb) << "frame " << i << " at " << x << "," << y;
                }
            }
        }
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

} // namespace
} // namespace velmora
