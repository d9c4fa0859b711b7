#include "shell/first_page.h"
#include "shell/start_up.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ScreenLayout, PortraitThreeByFourScreensNeedNoOffset) {
    const ScreenLayout small = layoutScreen(240, 320);
    EXPECT_FALSE(small.landscape);
    EXPECT_EQ(small.pageOffset.x, 0);
    EXPECT_EQ(small.width, 240);
    EXPECT_EQ(small.height, 320);
    const ScreenLayout large = layoutScreen(480, 640);
    EXPECT_EQ(large.pageOffset.x, 0);
    EXPECT_EQ(large.width, 480); // uiScale 480 / 240 = 2
}

TEST(ScreenLayout, OtherPortraitScreensCentreAThreeByFourPage) {
    const ScreenLayout layout = layoutScreen(240, 300);
    EXPECT_EQ(layout.width, 225); // (int)(300 x 0.75 + 0.5)
    EXPECT_EQ(layout.pageOffset.x, 7);
    EXPECT_EQ(layout.pageOffset.y, 0);
    EXPECT_EQ(layout.x, 7);
    EXPECT_EQ(layout.height, 300);
}

TEST(ScreenLayout, LandscapeIsRefusedButSquareIsNot) {
    EXPECT_TRUE(layoutScreen(320, 240).landscape);
    const ScreenLayout square = layoutScreen(300, 300);
    EXPECT_FALSE(square.landscape);
    EXPECT_EQ(square.width, 225);
    EXPECT_EQ(square.pageOffset.x, 37);
    EXPECT_EQ(landscapeMessage(L"velmora"),
              L"'velmora' can not run under landscape mode.\nChange the screen orientation to portrait mode and run again.");
}

TEST(MemoryCheck, EnoughMemoryAsksNothingAndTooLittleAsksTheUser) {
    const int before = messageBoxCount();
    EXPECT_EQ(checkMemory(nullptr, 4.0f, 4.0f), IDYES);
    EXPECT_EQ(messageBoxCount(), before);
    queueMessageBoxAnswer(IDNO);
    EXPECT_EQ(checkMemory(nullptr, 4.0f, 2.5f), IDNO);
    EXPECT_EQ(lastMessageBox().caption, L"Memory Warning");
    EXPECT_EQ(lastMessageBox().text, L"'test_shell' needs 4.0MB memory. Free memory is now 2.5MB.\nSystem will adjust "
                                     L"memory distribution to meet this requirement.\nIngore this warning and continue?");
    EXPECT_EQ(checkMemory(nullptr, 4.0f, 1.0f), IDYES) << "unanswered, the first button";
}

TEST(FirstPageChoice, FollowsTheLaunchRecord) {
    EXPECT_EQ(chooseFirstPage(L"").page, FirstPage::Cover);
    EXPECT_EQ(chooseFirstPage(L"ARG:intro").page, FirstPage::Intro);
    const LaunchChoice results = chooseFirstPage(L"ARG:round:results,name0:Ann,totalScore0:-2,course:Pine");
    EXPECT_EQ(results.page, FirstPage::Congratulations);
    EXPECT_EQ(results.record, L"round:results,name0:Ann,totalScore0:-2,course:Pine");
    EXPECT_EQ(chooseFirstPage(L"ARG:course=Pine,hole=3").page, FirstPage::Game);
    // More than "intro" is not the intro: it is handed to the game as a saved game's name.
    const LaunchChoice saved = chooseFirstPage(L"ARG:intro2");
    EXPECT_EQ(saved.page, FirstPage::Game);
    EXPECT_EQ(saved.record, L"intro2");
    EXPECT_EQ(chooseFirstPage(L"-x ARG:slot3").record, L"slot3") << "ARG: anywhere on the line";
}

} // namespace
} // namespace velmora
