#include "shell/front_end_choices.h"
#include "shell/slide_show.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

// The golfer cycle and the course arrows are tested through the page (game_page_test); here the
// edges that the page's templates cannot reach.
TEST(FrontEndChoices, StepsWithoutPicturesOrBeyondTheListsStayInRange) {
    CharacterChoice none(0);
    none.step(0, true);
    none.assign(0, 1);
    EXPECT_EQ(none.selected(0), 0);
    CharacterChoice onlyEmpty(1);
    onlyEmpty.step(0, false);
    EXPECT_EQ(onlyEmpty.selected(0), 0);
    onlyEmpty.step(7, true);
    EXPECT_EQ(stepCourse(9, -1, 3), 2) << "a stored course beyond the list steps from course 0";
    EXPECT_EQ(stepCourse(0, +1, 0), 0);
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
