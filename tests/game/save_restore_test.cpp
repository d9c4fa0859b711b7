// The scorecard and the save panel on the game page, driven by taps, and a game saved mid-hole and
// loaded into a new page that goes on from the same spot.
#include "game/game_restore.h"
#include "game/save_panel.h"
#include "game/save_slots.h"
#include "game/scorecard.h"
#include "gui/input_pad.h"
#include "tests/game/game_fixture.h"

#include <sys/stat.h>

namespace velmora {
namespace {

class SaveRestoreTest : public test::GameTest {
protected:
    Sprite* node(const std::wstring& name) const { return dynamic_cast<Sprite*>(canvas->findNode(name)); }
    void tapNode(const std::wstring& name) {
        const Scene* scene = canvas->findSceneOfNode(name);
        const Sprite* target = node(name);
        ASSERT_TRUE(scene && target) << toUtf8(name);
        test::tapScreen(scene->x + target->x + target->drawWidth() / 2,
                        scene->y + target->y + target->drawHeight() / 2);
    }
    // Taps the input pad's keys for the text (characters of its first layout), then its OK.
    void typeOnPad(std::wstring_view text) {
        const Scene* pad = canvas->findScene(inputPadSceneName);
        ASSERT_TRUE(pad && pad->visible);
        for (wchar_t c : text) {
            const Sprite* key = nullptr;
            for (const Node* child : pad->children) {
                const auto* sprite = dynamic_cast<const Sprite*>(child);
                if (sprite && sprite->name == L"btn_MSGBOX" && sprite->text == std::wstring(1, c))
                    key = sprite;
            }
            ASSERT_TRUE(key) << "no key " << static_cast<char>(c);
            test::tapScreen(pad->x + key->x + key->drawWidth() / 2, pad->y + key->y + key->drawHeight() / 2);
        }
        tapNode(L"btnOk_MSGBOX");
    }
    std::string savedFile() const { return root.os("data/velmora/saveGame.properties").string(); }
};

TEST_F(SaveRestoreTest, TheScorecardPagesThroughThePlayers) {
    open(3, 2);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(node(L"txtScoreCardCourseName")->text, L"Course: Meadow");
    EXPECT_EQ(node(L"txtPar0")->text, L"") << "a loaded hole clears the card";
    canvas->players[1].scores = {3, 2};
    canvas->currentPlayer = 1;
    canvas->sceneSysMenu->visible = true;

    canvas->runCommand(L"btnOpenScoreCard");
    EXPECT_TRUE(canvas->sceneScorecard->visible);
    EXPECT_FALSE(canvas->sceneSysMenu->visible);
    EXPECT_FALSE(canvas->showMinimap);
    EXPECT_EQ(node(L"txtScoreCardPlayerName")->text, L"Player: Ann1");
    EXPECT_EQ(node(L"txtStatus0")->text, L"-1");

    tapNode(L"btnNextCard");
    EXPECT_EQ(node(L"txtScoreCardPlayerName")->text, L"Player: Ann2");
    tapNode(L"btnNextCard");
    EXPECT_EQ(node(L"txtScoreCardPlayerName")->text, L"Player: Ann0") << "past the last comes the first";
    tapNode(L"btnPreviousCard");
    EXPECT_EQ(node(L"txtScoreCardPlayerName")->text, L"Player: Ann2") << "before the first comes the last";
    tapNode(L"btnCloseScoreCard");
    EXPECT_FALSE(canvas->sceneScorecard->visible);
    EXPECT_TRUE(canvas->showMinimap);
}

TEST_F(SaveRestoreTest, TheSavePanelNamesSlotsAndSavesIntoThem) {
    open(1);
    ASSERT_TRUE(loaded);
    canvas->startFrames();
    EXPECT_EQ(node(L"txtSlot2")->text, emptySlotText);
    canvas->runCommand(L"btnSaveGame");
    EXPECT_TRUE(canvas->sceneSaveGame->visible);
    EXPECT_FALSE(canvas->isRunning()) << "the game stands still behind the panel";

    // An empty slot opens the pad empty; the pad's '=' never gets into the name.
    tapNode(L"btnSaveSlot2");
    ASSERT_TRUE(canvas->inputPad()->isOpen());
    EXPECT_EQ(canvas->inputPad()->text(), L"");
    typeOnPad(L"sun=day");
    EXPECT_EQ(node(L"txtSlot2")->text, L"sunday");
    EXPECT_EQ(messageKey(*canvas), gameSavedKey);
    EXPECT_EQ(readSlotName(canvas->resourcesFolder(), slotKey(2)), L"sunday");
    tapNode(L"btnOK");
    EXPECT_FALSE(isMessageOpen(*canvas));

    // The prefilled name confirmed keeps the name.
    tapNode(L"btnSaveSlot2");
    EXPECT_EQ(canvas->inputPad()->text(), L"sunday");
    tapNode(L"btnOk_MSGBOX");
    EXPECT_EQ(readSlotName(canvas->resourcesFolder(), slotKey(2)), L"sunday");
    tapNode(L"btnOK");

    // A name of separators only saves nothing, and the slot shows its name again.
    const std::string before = test::readFile(savedFile());
    tapNode(L"btnSaveSlot2");
    tapNode(L"btnClear_MSGBOX");
    typeOnPad(L"==");
    EXPECT_EQ(node(L"txtSlot2")->text, L"sunday");
    EXPECT_FALSE(isMessageOpen(*canvas));
    EXPECT_EQ(test::readFile(savedFile()), before);

    tapNode(L"btnSaveOK");
    EXPECT_FALSE(canvas->sceneSaveGame->visible);
    EXPECT_TRUE(canvas->isRunning());
}

TEST_F(SaveRestoreTest, AFailedSaveTellsThePlayerAndKeepsTheSlot) {
    open(1);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(saveGame(canvas->resourcesFolder(), slotKey(4), captureGame(*canvas, L"kept")), std::nullopt);
    chmod(savedFile().c_str(), 0444);
    fillSavePanel(*canvas);
    canvas->runCommand(L"btnSaveGame");
    saveGameInSlot(*canvas, 4, L"other");
    EXPECT_EQ(messageKey(*canvas), gameNotSavedKey) << "the player is told";
    EXPECT_EQ(node(L"txtSlot4")->text, L"kept");
    EXPECT_EQ(readSlotName(canvas->resourcesFolder(), slotKey(4)), L"kept");
}

TEST_F(SaveRestoreTest, AGameSavedMidHoleGoesOnFromTheSameSpot) {
    open(3, 3);
    ASSERT_TRUE(loaded);
    // Player 1 is to play, farthest from the hole, from the fairway.
    ball().placeAt({4.0f, 0.0f, 20.0f});
    for (int i = 0; i < 3; ++i) {
        Player& player = canvas->players[static_cast<size_t>(i)];
        player.scores = {4 + i, 5, 2 - (i == 2 ? 1 : 0)};
        player.isOnTee = false;
        player.location = {static_cast<float>(i), 0.5f, -10.0f * static_cast<float>(i)};
        player.lastStrikePoint = {1.0f, 0.25f, 180.0f};
        player.mulliganPermit = i == 0;
        player.selectedClub = ClubIron;
    }
    canvas->players[1].location = ball().position;
    canvas->currentPlayer = 1;
    canvas->previousPlayer = 0;
    const SavedGame before = captureGame(*canvas, L"mid");
    ASSERT_TRUE(before.ball.isInFairway);
    ASSERT_EQ(saveGame(canvas->resourcesFolder(), slotKey(5), before), std::nullopt);

    const std::optional<SavedGame> saved = loadSavedGame(canvas->resourcesFolder(), slotKey(5));
    ASSERT_TRUE(saved);
    auto* resumed =
        main->addChild(std::make_unique<GameCanvas>(root.game("resources") + L"\\"), 0, 0, 240, 320);
    ASSERT_TRUE(resumed->loadHole(&*saved));
    EXPECT_EQ(resumed->holeNumber, 3);
    EXPECT_EQ(resumed->courseName, canvas->courseName);
    EXPECT_EQ(resumed->currentPlayer, 1);
    const SavedGame after = captureGame(*resumed, L"mid");
    EXPECT_EQ(after.ball.position, before.ball.position);
    EXPECT_TRUE(after.ball.isInFairway && after.ball.isStill);
    ASSERT_EQ(after.players.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const Player& was = before.players[i];
        const Player& is = after.players[i];
        EXPECT_EQ(is.playerName, was.playerName);
        EXPECT_EQ(is.characterNo, was.characterNo);
        EXPECT_EQ(is.scores, was.scores);
        // Positions are written with six decimals.
        EXPECT_LT((is.location - was.location).length(), 1e-5f);
        EXPECT_LT((is.lastStrikePoint - was.lastStrikePoint).length(), 1e-5f);
        EXPECT_EQ(is.isOnTee, was.isOnTee) << "players are not reset to the tee";
        EXPECT_EQ(is.mulliganPermit, was.mulliganPermit);
    }
    EXPECT_EQ(resumed->grpGolfer->transform.getTranslation(), resumed->ball->position);
}

TEST_F(SaveRestoreTest, AGameSavedBeforeTheFirstStrokeStartsWithPlayerZero) {
    open(2);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(saveGame(canvas->resourcesFolder(), slotKey(0), captureGame(*canvas, L"fresh")), std::nullopt);
    auto* resumed =
        main->addChild(std::make_unique<GameCanvas>(root.game("resources") + L"\\"), 0, 0, 240, 320);
    const std::optional<SavedGame> saved = loadSavedGame(canvas->resourcesFolder(), slotKey(0));
    ASSERT_TRUE(saved);
    ASSERT_TRUE(resumed->loadHole(&*saved));
    EXPECT_EQ(resumed->currentPlayer, 0);
    EXPECT_TRUE(resumed->ball->isOnTee);
    EXPECT_TRUE(resumed->ball->isInTGround);
    EXPECT_EQ(resumed->ball->position, canvas->ball->position);
    for (const Player& player : resumed->players)
        EXPECT_TRUE(player.isOnTee);
}

TEST_F(SaveRestoreTest, TheLastHoleUpdatesTheCoursesBestScores) {
    test::writeFile(root.os("data/velmora/scores.properties"), "meadow=Old:1\n");
    open(2, 9);
    ASSERT_TRUE(loaded);
    canvas->relaunchTo = [](const std::wstring&) { return true; };
    canvas->pars.fill(4);
    canvas->players[0].scores.fill(5);
    canvas->players[1].scores.fill(4);
    canvas->messageAcknowledged(L"FINISHED_HOLE", okButton);
    EXPECT_EQ(test::readFile(root.os("data/velmora/scores.properties")), "meadow=Ann1:0,Old:1,Ann0:9\n");
}

} // namespace
} // namespace velmora
