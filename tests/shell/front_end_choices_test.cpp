#include "shell/front_end_choices.h"
#include "shell/slide_show.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

std::vector<int32_t> steps(CharacterChoice& choice, int slot, bool up, int count) {
    std::vector<int32_t> seen;
    for (int i = 0; i < count; ++i) {
        choice.step(slot, up);
        seen.push_back(choice.selected(slot));
    }
    return seen;
}

TEST(CharacterChoice, EachPlayerStepsThroughTheCharactersNobodyElseHolds) {
    CharacterChoice choice(5);
    choice.assign(0, 3);
    EXPECT_EQ(steps(choice, 1, true, 5), (std::vector<int32_t>{1, 2, 4, 0, 1}));
    // Player 1 now holds 1: player 2 going down skips 3 and 1.
    EXPECT_EQ(steps(choice, 2, false, 4), (std::vector<int32_t>{4, 2, 0, 4}));
    EXPECT_TRUE(choice.hasPlayer());
}

TEST(CharacterChoice, DownFromTheFirstCharacterReleasesIt) {
    CharacterChoice choice(5);
    choice.assign(0, 1);
    choice.step(0, false);
    EXPECT_EQ(choice.selected(0), 0);
    EXPECT_FALSE(choice.hasPlayer());
    choice.step(1, true); // character 1 is free again
    EXPECT_EQ(choice.selected(1), 1);
}

TEST(CharacterChoice, NoPicturesOrOnlyTheEmptySlotNeverLoops) {
    CharacterChoice none(0);
    none.step(0, true);
    none.assign(0, 1);
    EXPECT_EQ(none.selected(0), 0);
    CharacterChoice onlyEmpty(1);
    onlyEmpty.step(0, false);
    EXPECT_EQ(onlyEmpty.selected(0), 0);
    onlyEmpty.step(7, true); // no such slot
}

TEST(CourseChoice, ArrowsWrapAndStoredIndexesOutOfRangeFallBack) {
    EXPECT_EQ(stepCourse(2, +1, 3), 0);
    EXPECT_EQ(stepCourse(0, -1, 3), 2);
    EXPECT_EQ(stepCourse(1, +1, 3), 2);
    EXPECT_EQ(stepCourse(0, +1, 0), 0);
    EXPECT_EQ(validCourse(7, 3), 0);
    EXPECT_EQ(validCourse(-1, 3), 0);
    EXPECT_EQ(validCourse(2, 3), 2);
    EXPECT_EQ(stepCourse(9, -1, 3), 2) << "a bad index steps from course 0";
}

TEST(NodeNumbers, NumberAfterAPrefix) {
    EXPECT_EQ(numberAfter(L"chkGolfBall7", L"chkGolfBall", 8), 7);
    EXPECT_EQ(numberAfter(L"chkGolfBall8", L"chkGolfBall", 8), std::nullopt);
    EXPECT_EQ(numberAfter(L"chkGolfBall", L"chkGolfBall", 8), std::nullopt);
    EXPECT_EQ(numberAfter(L"xplayerName2_ok", L"playerName", 4), 2);
    EXPECT_EQ(numberAfter(L"playerName99999999999", L"playerName", 4), std::nullopt);
}

TEST(SlideShow, OneSlideIsAlwaysOpaqueAndPicturesChangeOnlyWhileInvisible) {
    const int count = 3;
    SlideFrame before = slideFrame(0.0f, count);
    EXPECT_EQ(before.transparency1, 0);
    EXPECT_GE(before.transparency2, 250);
    std::vector<int> shown;
    for (int step = 1; step <= 2000; ++step) {
        const SlideFrame now = slideFrame(step * 0.01f, count); // 20 radians: three cycles
        EXPECT_TRUE(now.transparency1 == 0 || now.transparency2 == 0) << "at step " << step;
        if (now.picture1 != before.picture1) {
            EXPECT_GE(std::max(before.transparency1, now.transparency1), 250) << "slide 1 at step " << step;
        }
        if (now.picture2 != before.picture2) {
            EXPECT_GE(std::max(before.transparency2, now.transparency2), 250) << "slide 2 at step " << step;
        }
        const int opaque = now.transparency1 == 0 ? now.picture1 : now.picture2;
        if (shown.empty() || shown.back() != opaque)
            shown.push_back(opaque);
        before = now;
    }
    // The courses follow each other in order and start again.
    ASSERT_GE(shown.size(), 4u);
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], static_cast<int>(i % count));
}

} // namespace
} // namespace velmora
