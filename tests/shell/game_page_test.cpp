// The front-end page driven through its real templates, headless on the fake clock, in an install
// tree of its own (the templates of the repository, the generated pictures and sounds, five golfer
// pictures and three courses) with a player's data folder of its own.
#include "../support/temp_folder.h"
#include "base/wide_string.h"
#include "game/save_slots.h"
#include "gui/input_pad.h"
#include "gui/message_box.h"
#include "gui/property_template.h"
#include "media/resource_archive.h"
#include "media/resource_file.h"
#include "media/wave_sound.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/ui_scale.h"
#include "shell/game_page.h"
#include "shell/start_up.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path sourceGui = fs::path(VELMORA_SOURCE_DIR) / "resources" / "GUI";
const fs::path builtResources = fs::path(VELMORA_BINARY_DIR) / "resources";
const std::vector<std::wstring> courses = {L"dunes", L"green_valley", L"lake_side"};

class FrontEndTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(builtResources / "GUI" / "GUI.zip")) << "build the content first";
        clearMessageQueue();
        setUiScale(1.0f);
        fs::create_directories(root.os("bin"));
        fs::create_directories(root.os("resources"));
        fs::copy(sourceGui, root.os("resources/GUI"));
        fs::copy_file(builtResources / "GUI" / "GUI.zip", root.os("resources/GUI/GUI.zip"));
        fs::create_directories(root.os("resources/sounds"));
        fs::copy_file(builtResources / "sounds" / "sounds.zip", root.os("resources/sounds/sounds.zip"));
        setTempFolder(root.game("extracted/"));
        registerArchive(L"GUI.zip", root.game("resources/GUI"));
        registerArchive(L"sounds.zip", root.game("resources/sounds"));
        setup.resourcesFolder = root.game("resources") + L"\\";
        setup.guiFolder = setup.resourcesFolder + L"GUI\\";
        setup.manualFolder = root.game("manual") + L"\\";
        fs::create_directories(root.os("resources/characters"));
        for (int c = 0; c < 5; ++c) {
            const std::string name = "character" + std::to_string(c);
            fs::copy_file(builtResources / "characters" / (name + ".gif"),
                          root.os("resources/characters/" + name + ".gif"));
            setup.characterImages.push_back(fromUtf8(name));
        }
        // The course pictures: the generated blank slide stands in for each course.
        const auto slide = readResourceFile(setup.guiFolder + L"slideBlank.jpg");
        ASSERT_TRUE(slide);
        for (const std::wstring& course : courses) {
            test::writeFile(root.os("resources/scenes/" + toUtf8(course) + ".jpg"),
                            std::string(slide->begin(), slide->end()));
        }
        setup.sceneImages = courses;
        main = std::make_unique<Window>(L"Main", nullptr, false);
        ASSERT_TRUE(main->create(0, 0, 240, 320));
    }
    void TearDown() override {
        main.reset();
        closeArchives();
        clearMessageQueue();
        soundEnabled = true;
    }

    // A new front-end page on the main window, its exits recorded.
    GamePage& open() {
        auto owned = std::make_unique<GamePage>(setup);
        page = owned.get();
        page->exits.relaunch = [this](const std::wstring& commandLine) { relaunches.push_back(commandLine); };
        page->exits.openDocument = [this](const std::wstring& folder, const std::wstring& file) {
            documents.push_back(folder + file);
        };
        page->exits.quit = [this] { ++quits; };
        main->addChild(std::move(owned), 0, 0, 240, 320);
        page->setFocus();
        return *page;
    }
    GamePage& openAt(const std::wstring& screen) {
        open().showFirstPage(screen);
        test::pumpMessages();
        return *page;
    }

    Sprite* sprite(const std::wstring& name) const { return dynamic_cast<Sprite*>(page->findNode(name)); }
    // Taps the middle of a node of the page (its scene's offset included).
    void tapNode(const std::wstring& name) {
        const Sprite* node = sprite(name);
        ASSERT_NE(node, nullptr) << toUtf8(name);
        const Scene* scene = page->findSceneOfNode(name);
        test::tapScreen(scene->x + node->x + node->width / 2, scene->y + node->y + node->height / 2);
    }
    void tapPadKey(const std::wstring& name) { tapNode(name); }
    // Taps the on-screen key that types c (switching the layout as needed).
    void typeOnPad(wchar_t c) {
        const Scene* pad = page->findScene(inputPadSceneName);
        const bool shifted = shiftedKeyLabels.find(c) != std::wstring_view::npos;
        const size_t index = shifted ? shiftedKeyLabels.find(c) : normalKeyLabels.find(c);
        ASSERT_NE(index, std::wstring_view::npos);
        if (shifted != page->inputPad()->caps())
            tapNode(L"btnCaps_MSGBOX");
        const auto* key = static_cast<const Sprite*>(
            pad->children.at(pad->children.count() - characterKeyCount + static_cast<int>(index)));
        test::tapScreen(pad->x + key->x + key->width / 2, pad->y + key->y + key->height / 2);
    }
    std::wstring messageText() const { return sprite(L"sptMessage") ? sprite(L"sptMessage")->text : L""; }
    // Steps the slot's golfer up until it is c.
    void chooseCharacter(int slot, int c) {
        for (int i = 0; i < 5 && page->characters().selected(slot) != c; ++i)
            tapNode(L"arrowU" + std::to_wstring(slot));
        ASSERT_EQ(page->characters().selected(slot), c);
    }
    // The player's copy of a file the front end keeps.
    PropertyTemplate fileOf(const char* name) const {
        PropertyTemplate file;
        file.load(root.game("user/velmora"), fromUtf8(name));
        return file;
    }

    FakeClock clock;
    ScopedClock useClock{clock};
    test::TempFolder root;
    test::ScopedVariable userData{"XDG_DATA_HOME", root.os("user").c_str()};
    FrontEndSetup setup;
    std::unique_ptr<Window> main;
    GamePage* page = nullptr;
    std::vector<std::wstring> relaunches;
    std::vector<std::wstring> documents;
    int quits = 0;
};

TEST_F(FrontEndTest, EveryScreenLeadsWhereItsButtonsSay) {
    open().showFirstPage(std::nullopt);
    test::pumpMessages();
    EXPECT_EQ(page->templateName, L"cover.properties");
    EXPECT_TRUE(sprite(L"press0")->visible);
    ASSERT_NE(page->characters().selected(0), 0) << "player 1 starts with a golfer";
    test::tapScreen(120, 160);
    EXPECT_EQ(page->templateName, L"intro.properties");
    EXPECT_TRUE(page->isRunning()) << "the slide show runs";
    tapNode(L"cmdManual");
    EXPECT_EQ(documents, std::vector<std::wstring>{setup.manualFolder + L"index.htm"});
    tapNode(L"cmdLoadGame");
    EXPECT_EQ(page->templateName, L"loadGame.properties");
    tapNode(L"btnLoadBack");
    tapNode(L"cmdGSetting");
    EXPECT_EQ(page->templateName, L"gsetting.properties");
    tapNode(L"btnEnterIntro");
    tapNode(L"btnEnterPlayerMenu");
    EXPECT_EQ(page->templateName, L"playerMenu.properties");
    tapNode(L"btnEnterCourseMenu");
    EXPECT_EQ(page->templateName, L"courseMenu.properties");
    tapNode(L"btnEnterPlayerMenu");
    tapNode(L"btnEnterIntro");
    tapNode(L"cmdQuitGame");
    EXPECT_EQ(page->templateName, L"back.properties");
    EXPECT_TRUE(sprite(L"press0")->visible);
    EXPECT_EQ(quits, 0);
    tapNode(L"cmdExit");
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(relaunches.empty());
}

TEST_F(FrontEndTest, UpArrowStepsThroughTheGolfersNobodyElseHolds) {
    openAt(L"playerMenu");
    chooseCharacter(0, 3);
    std::vector<int32_t> seen;
    for (int i = 0; i < 5; ++i) {
        tapNode(L"arrowU1");
        seen.push_back(page->characters().selected(1));
        EXPECT_EQ(sprite(L"playerName1")->visible, seen.back() != 0);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 4, 0, 1}));
    EXPECT_EQ(sprite(L"Player1")->texture, page->imageCache.lookup(setup.resourcesFolder + L"characters\\",
                                                                   L"character1.gif", PowerOfTwo::No));
}

TEST_F(FrontEndTest, DownArrowReleasesTheFirstGolferAndNoPlayerCannotGoOn) {
    openAt(L"playerMenu");
    chooseCharacter(0, 1);
    tapNode(L"arrowD0");
    EXPECT_EQ(page->characters().selected(0), 0);
    EXPECT_FALSE(sprite(L"playerName0")->visible);

    tapNode(L"btnEnterCourseMenu");
    EXPECT_TRUE(isMessageOpen(*page));
    EXPECT_EQ(messageText(), selectPlayerMessage);
    EXPECT_EQ(messageKey(*page), selectMessageKey);
    tapNode(L"arrowU2"); // under the box: nothing happens
    EXPECT_EQ(page->characters().selected(2), 0);
    tapNode(L"btnOK");
    EXPECT_FALSE(isMessageOpen(*page));
    EXPECT_EQ(page->templateName, L"playerMenu.properties");
}

TEST_F(FrontEndTest, NamesKeepTheOldNameWhenEmptyAndLoseRecordSeparators) {
    openAt(L"playerMenu");
    EXPECT_EQ(sprite(L"playerName0")->text, L"player1");
    tapNode(L"playerName0");
    ASSERT_TRUE(page->inputPad()->isOpen());
    tapPadKey(L"btnClear_MSGBOX");
    for (wchar_t c : std::wstring(L"a=n:n"))
        typeOnPad(c);
    tapPadKey(L"btnOk_MSGBOX");
    EXPECT_EQ(page->playerNames()[0], L"ann");
    EXPECT_EQ(sprite(L"playerName0")->text, L"ann");

    tapNode(L"playerName0");
    tapPadKey(L"btnClear_MSGBOX");
    tapPadKey(L"btnOk_MSGBOX");
    EXPECT_EQ(page->playerNames()[0], L"ann");
    EXPECT_EQ(sprite(L"playerName0")->text, L"ann") << "the box shows the name kept";
    EXPECT_EQ(page->playerNames()[1], L"player2");
}

TEST_F(FrontEndTest, CourseArrowsWrapShowTheBestScoresAndTheChoiceIsStored) {
    test::writeFile(root.os("resources/GUI/scores.properties"), "lake_side=Ann:-2,Bob:0\n");
    openAt(L"courseMenu");
    EXPECT_EQ(page->courseName(), L"dunes");
    EXPECT_EQ(sprite(L"sptCourseName")->text, L"Dunes");
    EXPECT_EQ(sprite(L"ScoreName0")->text, L"----------");
    tapNode(L"CourseArrL");
    EXPECT_EQ(page->courseIndex(), 2);
    EXPECT_EQ(sprite(L"sptCourseName")->text, L"Lake Side");
    EXPECT_EQ(sprite(L"ScoreName0")->text, L"Ann");
    EXPECT_EQ(sprite(L"ScoreValue0")->text, L"-2");
    EXPECT_EQ(sprite(L"ScoreValue1")->text, L"E");
    EXPECT_EQ(sprite(L"ScoreValue2")->text, L"---");
    tapNode(L"CourseArrR");
    EXPECT_EQ(page->courseIndex(), 0);
    tapNode(L"CourseArrR");
    EXPECT_EQ(sprite(L"sptCourseName")->text, L"Green Valley");
    EXPECT_EQ(sprite(L"ScoreName0")->text, L"----------") << "rows of the last course are cleared";
    tapNode(L"btnEnterPlayerMenu");
    EXPECT_EQ(fileOf("courseMenu.properties").getInt(L"courseSelected", L"", -1), 1);

    // A stored index beyond the list falls back to the first course.
    PropertyTemplate menu = fileOf("courseMenu.properties");
    menu.put(L"courseSelected", L"7");
    ASSERT_TRUE(menu.save());
    tapNode(L"btnEnterCourseMenu");
    EXPECT_EQ(page->courseName(), L"dunes");
}

TEST_F(FrontEndTest, TeeOffRelaunchesWithTheGameRecord) {
    openAt(L"playerMenu");
    chooseCharacter(0, 3);
    chooseCharacter(2, 1);
    tapNode(L"btnEnterCourseMenu");
    tapNode(L"CourseArrL");
    tapNode(L"btnStartGame");
    ASSERT_EQ(relaunches.size(), 1u);
    EXPECT_EQ(relaunches[0], L"ARG:course=lake_side,hole=1,CharacterSelected0=3,PlayerName0=player1,"
                             L"PlayerScores0=0;0;0;0;0;0;0;0;0,"
                             L"CharacterSelected1=0,PlayerName1=player2,PlayerScores1=0;0;0;0;0;0;0;0;0,"
                             L"CharacterSelected2=1,PlayerName2=player3,PlayerScores2=0;0;0;0;0;0;0;0;0,"
                             L"CharacterSelected3=0,PlayerName3=player4,PlayerScores3=0;0;0;0;0;0;0;0;0");
    EXPECT_FALSE(page->isRunning());
    EXPECT_EQ(fileOf("courseMenu.properties").getInt(L"courseSelected", L"", -1), 2);
}

TEST_F(FrontEndTest, CongratulationsRankThePlayersOfTheResults) {
    test::writeFile(root.os("resources/GUI/scores.properties"), "lake_side=Ann:-2,Cy:5\n");
    open().showCongratulations(L"round:results,name0:Ann,totalScore0:-2,name1:Bob,totalScore1:0,name2:Cy,"
                               L"totalScore2:5,course:lake_side");
    test::pumpMessages();
    EXPECT_EQ(sprite(L"txtCongratulations")->text, L"Congratulations, Ann!");
    const wchar_t* scores[] = {L"-2", L"E", L"+5"};
    const wchar_t* names[] = {L"Ann", L"Bob", L"Cy"};
    for (int p = 0; p < 3; ++p) {
        const std::wstring n = std::to_wstring(p);
        EXPECT_EQ(sprite(L"txtPos" + n)->text, std::to_wstring(p + 1));
        EXPECT_EQ(sprite(L"txtPlayer" + n)->text, names[p]);
        EXPECT_EQ(sprite(L"txtScore" + n)->text, scores[p]);
        EXPECT_TRUE(sprite(L"txtScore" + n)->visible);
    }
    EXPECT_FALSE(sprite(L"txtPlayer3")->visible);
    EXPECT_EQ(sprite(L"txtCongratulationsCourseNameValue")->text, L"Lake Side");
    EXPECT_EQ(sprite(L"ScoreValue1")->text, L"+5");
    tapNode(L"btnCongratulationsOK");
    EXPECT_EQ(relaunches, std::vector<std::wstring>{L"ARG:intro"});
}

TEST_F(FrontEndTest, LoadPageHighlightsTheTickedSlotAndResumesOnlySavedOnes) {
    test::writeFile(
        root.os("resources/GUI/saveGame.properties"),
        "slot3=slotName:Sunday,courseName:dunes,holeNo:4,\nslot3_0=PlayerName:Ann,elevation:0.0\n");
    openAt(L"loadGame");
    EXPECT_EQ(page->selectedSlot(), 0);
    EXPECT_EQ(sprite(L"txtLoadSlot3")->text, L"Sunday");
    EXPECT_EQ(sprite(L"txtLoadSlot0")->text, emptySlotText);
    EXPECT_EQ(sprite(L"txtLoadSlot0")->textColor, 0xFF9664u);
    EXPECT_EQ(sprite(L"txtLoadSlot3")->textColor, 0xDC96B4u);

    tapNode(L"btnLoadGame");
    EXPECT_EQ(messageText(), selectSlotMessage) << "slot 0 is empty";
    tapNode(L"btnOK");

    tapNode(L"chkGolfBall3");
    EXPECT_EQ(page->selectedSlot(), 3);
    EXPECT_EQ(sprite(L"txtLoadSlot3")->textColor, 0xFF9664u);
    EXPECT_EQ(sprite(L"txtLoadSlot0")->textColor, 0xDC96B4u);
    tapNode(L"chkGolfBall3");
    EXPECT_EQ(sprite(L"txtLoadSlot3")->textColor, 0xFF9664u) << "the highlighted slot again changes nothing";
    EXPECT_EQ(fileOf("loadGame.properties").getInt(L"checkboxGolf", L"selected", -1), 3)
        << "saved at the tap";
    tapNode(L"btnLoadGame");
    EXPECT_EQ(relaunches, std::vector<std::wstring>{L"ARG:slot3"});

    // A stored slot out of range selects nothing, and nothing can be resumed.
    PropertyTemplate slots = fileOf("loadGame.properties");
    slots.setItem(L"checkboxGolf", L"selected", L"12");
    ASSERT_TRUE(slots.save());
    openAt(L"loadGame");
    EXPECT_EQ(page->selectedSlot(), -1);
    tapNode(L"btnLoadGame");
    EXPECT_EQ(messageText(), selectSlotMessage);
    EXPECT_EQ(relaunches.size(), 1u);

    // The player's own saved games hide the shipped file.
    test::writeFile(root.os("user/velmora/saveGame.properties"), "slot5=slotName:Monday,courseName:dunes,\n");
    openAt(L"loadGame");
    EXPECT_EQ(sprite(L"txtLoadSlot5")->text, L"Monday");
    EXPECT_EQ(sprite(L"txtLoadSlot3")->text, emptySlotText);
}

TEST_F(FrontEndTest, SettingsPersistAcrossARestartOfThePage) {
    openAt(L"intro");
    tapNode(L"cmdGSetting");
    tapNode(L"rdoSoundOff");
    EXPECT_FALSE(soundEnabled);
    tapNode(L"chkWindStrong");
    tapNode(L"chkMulliganOff");
    tapNode(L"chkGAPIVideo");
    main.reset(); // the instance ends
    ASSERT_TRUE((main = std::make_unique<Window>(L"Main", nullptr, false))->create(0, 0, 240, 320));
    openAt(L"gsetting");
    EXPECT_EQ(sprite(L"rdoSoundOff")->status, SpriteStatus::Bright);
    EXPECT_EQ(sprite(L"rdoSoundOn")->status, SpriteStatus::Normal);
    EXPECT_EQ(sprite(L"chkWindStrong")->status, SpriteStatus::Bright);
    EXPECT_EQ(sprite(L"chkWindLight")->status, SpriteStatus::Normal);
    EXPECT_EQ(sprite(L"chkGAPIVideo")->status, SpriteStatus::Normal);
    EXPECT_FALSE(readSoundSetting(setup.guiFolder));
    PropertyTemplate settings = fileOf("gsetting.properties");
    EXPECT_EQ(settings.getInt(L"WindCondition", L"selected", -1), 2);
    EXPECT_EQ(settings.getInt(L"Mulligans", L"selected", -1), 0);
    tapNode(L"rdoSoundOn");
    EXPECT_TRUE(soundEnabled);
    EXPECT_TRUE(readSoundSetting(setup.guiFolder));
    EXPECT_EQ(test::readFile(root.os("resources/GUI/gsetting.properties")),
              test::readFile(sourceGui / "gsetting.properties"))
        << "the shipped settings stay as they were";
}

TEST_F(FrontEndTest, WithoutGolferOrCoursePicturesTheMenusSayWhatIsMissing) {
    setup.characterImages = {L"character0"};
    setup.sceneImages.clear();
    openAt(L"intro");
    clock.advance(500);
    page->frame(); // the slide show has nothing to show
    tapNode(L"btnEnterPlayerMenu");
    EXPECT_EQ(page->characters().selected(0), 0);
    EXPECT_EQ(messageText(), noGolfersMessage);
    tapNode(L"btnOK");
    tapNode(L"arrowU0");
    EXPECT_EQ(page->characters().selected(0), 0);

    openAt(L"courseMenu");
    EXPECT_EQ(messageText(), noCoursesMessage);
    tapNode(L"btnOK");
    tapNode(L"CourseArrR");
    EXPECT_TRUE(isMessageOpen(*page));
    tapNode(L"btnOK");
    tapNode(L"btnStartGame");
    EXPECT_TRUE(isMessageOpen(*page));
    EXPECT_TRUE(relaunches.empty());
}

} // namespace
} // namespace velmora
