#include "platform/files.h"
#include "platform/message_box.h"
#include "shell/first_page.h"
#include "shell/start_up.h"

#include <cstdio>
#include <unistd.h>

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
    EXPECT_EQ(landscapeMessage(L"velmora"), L"'velmora' can not run under landscape mode.\nChange the screen "
                                            L"orientation to portrait mode and run again.");
}

TEST(MemoryCheck, EnoughMemoryAsksNothingAndTooLittleAsksTheUser) {
    const int before = messageBoxCount();
    EXPECT_EQ(checkMemory(nullptr, 4.0f, 4.0f), IDYES);
    EXPECT_EQ(messageBoxCount(), before);
    queueMessageBoxAnswer(IDNO);
    EXPECT_EQ(checkMemory(nullptr, 4.0f, 2.5f), IDNO);
    EXPECT_EQ(lastMessageBox().caption, L"Memory Warning");
    EXPECT_EQ(lastMessageBox().text,
              L"'test_shell' needs 4.0MB memory. Free memory is now 2.5MB.\nSystem will adjust "
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
    EXPECT_EQ(saved.page, FirstPage::SavedGame);
    EXPECT_EQ(saved.record, L"intro2");
    EXPECT_EQ(chooseFirstPage(L"-x ARG:slot3").record, L"slot3") << "ARG: anywhere on the line";
}

class ResourceFolders : public testing::Test {
protected:
    void SetUp() override {
        root = fromOsPath(testing::TempDir()) + L"velmora_resources_" + std::to_wstring(getpid());
        for (const wchar_t* folder : {L"", L"\\GUI", L"\\characters", L"\\characters\\old.gif"})
            createFolder(root + folder);
        for (const wchar_t* file :
             {L"\\characters\\character3.gif", L"\\characters\\character10.gif",
              L"\\characters\\Character2.gif", L"\\characters\\notes.txt", L"\\characters\\.gif"})
            std::fclose(openFile(root + file, "wb"));
    }
    void TearDown() override {
        deleteFilesInFolder(root + L"\\characters");
        deleteFilesInFolder(root + L"\\GUI");
        removeFolder(root + L"\\characters\\old.gif");
        removeFolder(root + L"\\characters");
        removeFolder(root + L"\\GUI");
        removeFolder(root);
    }
    void writeSettings(const char* text) {
        std::FILE* file = openFile(root + L"\\GUI\\gsetting.properties", "wb");
        std::fputs(text, file);
        std::fclose(file);
    }
    std::wstring root;
};

TEST_F(ResourceFolders, PictureNamesAreCutAtTheirFirstDotAndSortedByCharacter) {
    const std::vector<std::wstring> names = listPictureNames(root + L"\\GUI\\..\\characters\\*.gif");
    // ".gif" has a name, which its first dot cuts to nothing.
    EXPECT_EQ(names, (std::vector<std::wstring>{L"", L"Character2", L"character10", L"character3"}));
    EXPECT_TRUE(listPictureNames(root + L"\\missing\\*.jpg").empty());
}

TEST_F(ResourceFolders, SoundIsOnOnlyForTheFirstChoice) {
    EXPECT_FALSE(readSoundSetting(root + L"\\GUI\\")) << "no settings file";
    writeSettings("soundEffect=selected:0, status:1\n");
    EXPECT_TRUE(readSoundSetting(root + L"\\GUI\\"));
    writeSettings("soundEffect=selected:1\n");
    EXPECT_FALSE(readSoundSetting(root + L"\\GUI\\"));
    writeSettings("soundEffect=status:0\n");
    EXPECT_FALSE(readSoundSetting(root + L"\\GUI\\")) << "a missing entry";
}

} // namespace
} // namespace velmora
