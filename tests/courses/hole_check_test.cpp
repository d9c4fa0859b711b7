// The validator on a small hand-made hole: it passes as made, and each single breach is named.
#include "small_hole.h"

#include "course_check.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

std::vector<std::string> breachesOf(const SmallHole& hole) {
    TempFolder folder;
    writeSmallHole(hole, folder.os());
    tool::CourseSettings settings;
    settings.pars.fill(4);
    ImageCache images;
    return tool::checkHole(folder.game(), 1, settings, images).breaches;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST(HoleCheck, AHandMadeHoleKeepingEveryRulePasses) {
    TempFolder folder;
    writeSmallHole({}, folder.os());
    tool::CourseSettings settings;
    settings.pars.fill(4);
    ImageCache images;
    const tool::HoleReport report = tool::checkHole(folder.game(), 1, settings, images);
    EXPECT_TRUE(report.breaches.empty()) << joined(report.breaches);
    EXPECT_TRUE(report.water);
    EXPECT_NEAR(report.yards, 464 * 0.645, 0.5); // tee (0, -240) to cup (0, 224)
}

struct Breach {
    const char* what;
    SmallHole hole;
    const char* named; // a part of the message naming it
};

void PrintTo(const Breach& breach, std::ostream* stream) {
    *stream << breach.what;
}

class HoleBreaches : public testing::TestWithParam<Breach> {};

TEST_P(HoleBreaches, AreNamed) {
    const std::vector<std::string> breaches = breachesOf(GetParam().hole);
    const bool named = std::any_of(breaches.begin(), breaches.end(), [](const std::string& breach) {
        return breach.find(GetParam().named) != std::string::npos;
    });
    EXPECT_TRUE(named) << GetParam().what << "; the breaches:\n" << joined(breaches);
}

SmallHole breaking(void (*change)(SmallHole&)) {
    SmallHole hole;
    change(hole);
    return hole;
}

std::string breachName(const testing::TestParamInfo<Breach>& param) {
    std::string name = param.param.what;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    OneEach, HoleBreaches,
    testing::Values(Breach{"missing bunker", breaking([](SmallHole& h) { h.leftOut = "bunker"; }),
                           "the object 'bunker' is missing"},
                    Breach{"missing ring", breaking([](SmallHole& h) { h.leftOut = "woods"; }),
                           "the object 'woods' is missing"},
                    Breach{"water without bank", breaking([](SmallHole& h) { h.bank = false; }),
                           "water without its 'waterbank'"},
                    Breach{"ring the wrong way", breaking([](SmallHole& h) { h.counterClockwise = true; }),
                           "runs counter-clockwise"},
                    Breach{"gap", breaking([](SmallHole& h) { h.gap = true; }), "have no ground under them"},
                    Breach{"face down", breaking([](SmallHole& h) { h.faceDown = true; }),
                           "1 faces of 'fairway' face down"},
                    Breach{"cup off centre", breaking([](SmallHole& h) { h.greenWithoutCentre = true; }),
                           "units off that centre"},
                    Breach{"tee outside the trees", breaking([](SmallHole& h) { h.teeY = -336; }),
                           "lies outside the trees"}),
    breachName);

} // namespace
} // namespace velmora::test
