// Playing the hand-made hole through the game page on the fake clock: the gauge under the keys and
// the stylus, the strike at the swing's impact, the keys' order of precedence, the water and the
// mulligan, the result of a holed ball, and the records the end of a hole hands on.
#include "game/launch_records.h"
#include "gui/message_box.h"
#include "platform/messages.h"
#include "tests/game/game_fixture.h"

namespace velmora {
namespace {

class PlayTest : public test::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        seedRandom(99);
    }
    void start(int playerCount = 1) {
        open(playerCount);
        ASSERT_TRUE(loaded);
        canvas->windSpeed = canvas->windStrength = 0;
        canvas->relaunchTo = [this](const std::wstring& line) {
            relaunched.push_back(line);
            return relaunchWorks;
        };
        canvas->startFrames();
    }
    void keyDown(int key) { canvas->onKey(WM_KEYDOWN, key); }
    void keyUp(int key) { canvas->onKey(WM_KEYUP, key); }
    // Frames until the ball has been struck and is at rest again (at most limit).
    int playOut(int limit = 2000) {
        bool moved = false;
        for (int i = 0; i < limit; ++i) {
            frames(1);
            moved = moved || !ball().isStill;
            if (moved && ball().isStill && !ball().isInTheCup)
                return i + 1;
        }
        return limit;
    }
    std::wstring message() {
        auto* text = dynamic_cast<Sprite*>(canvas->findNode(L"sptMessage"));
        return isMessageOpen(*canvas) && text ? text->text : L"";
    }
    std::wstring nodeText(const wchar_t* name) {
        auto* sprite = dynamic_cast<Sprite*>(canvas->findNode(name));
        return sprite ? sprite->text : L"";
    }
    Player& player(int i = 0) { return canvas->players[static_cast<size_t>(i)]; }

    std::vector<std::wstring> relaunched;
    bool relaunchWorks = true;
};

TEST_F(PlayTest, TheKeysChargeTheGaugeAndATapSwingsTheClubIntoTheBall) {
    start();
    EXPECT_EQ(nodeText(L"txtPlayerName"), L"Ann0");
    EXPECT_EQ(nodeText(L"txtStrokeNum"), L"Stroke:0");
    EXPECT_EQ(nodeText(L"txtLie"), L"T");
    EXPECT_EQ(nodeText(L"txtClubType"), L"Wood");
    EXPECT_EQ(nodeText(L"txtDistance"), L"258.0yds") << "400 units from the tee";
    keyDown(VK_DOWN);
    frames(10);
    keyUp(VK_DOWN);
    frames(1);
    const int charged = canvas->gauge.power;
    EXPECT_GT(charged, 20);
    EXPECT_EQ(canvas->gaugePower->width, canvas->gaugeMaxWidth * charged / 100 - 0)
        << "the bar shows the power";
    keyDown(VK_RETURN);
    frames(1);
    keyUp(VK_RETURN);
    EXPECT_TRUE(canvas->gauge.swinging);
    EXPECT_EQ(canvas->gaugePower->texture, nullptr) << "the green bar runs down";
    const Vector3 tee = ball().position;
    playOut();
    EXPECT_EQ(player().scores[0], 1);
    EXPECT_EQ(player().lastStrikePoint, tee);
    EXPECT_FALSE(player().isOnTee);
    EXPECT_GT(player().distanceToHole, 0.0f);
    EXPECT_EQ(messageKey(*canvas), L"BALL_TRAVELLED");
    EXPECT_TRUE(player().mulliganPermit);
    // Any key acknowledges: the next turn aims from where the ball lies, with a club for the distance.
    keyDown(VK_SPACE);
    frames(1);
    keyUp(VK_SPACE);
    frames(1);
    EXPECT_FALSE(isMessageOpen(*canvas));
    EXPECT_EQ(player().location.x, ball().position.x);
    EXPECT_EQ(player().location.z, ball().position.z);
    EXPECT_EQ(canvas->gauge.power, 0);
    EXPECT_TRUE(canvas->gaugeRuler->visible);
    EXPECT_NE(nodeText(L"txtLie"), L"T");
}

TEST_F(PlayTest, AGaugeKeyTappedWithinOneFrameChargesEvenWhenAnotherKeyIsLetGo) {
    start();
    keyDown(VK_LEFT);
    frames(3);
    keyDown(VK_DOWN);
    keyUp(VK_DOWN);
    keyUp(VK_LEFT);
    frames(1);
    EXPECT_GT(canvas->gauge.power, 0);
}

TEST_F(PlayTest, ATapOnTheRulerAfterTheBarDrainedChargesAgain) {
    start();
    const Sprite& ruler = *canvas->gaugeRuler;
    const int x = ruler.x + ruler.drawWidth() / 2;
    const int y = ruler.y + ruler.drawHeight() / 2;
    canvas->onCommand(canvas, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    frames(8);
    canvas->onCommand(canvas, WM_LBUTTONUP, 0, x, y);
    EXPECT_FALSE(canvas->gauge.charging);
    EXPECT_GT(canvas->gauge.power, 0);
    frames(40);
    EXPECT_EQ(canvas->gauge.power, 0) << "drained back";
    canvas->onCommand(canvas, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    EXPECT_TRUE(canvas->gauge.charging);
    EXPECT_FALSE(canvas->gauge.swinging);
    frames(5);
    canvas->onCommand(canvas, WM_LBUTTONUP, 0, x + 500, y); // lifted beside the ruler
    EXPECT_FALSE(canvas->gauge.charging);
    canvas->onCommand(canvas, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    EXPECT_TRUE(canvas->gauge.swinging);
}

// The turn of the aim seen from above: positive one way, negative the other.
float turnBetween(const Vector3& before, const Vector3& after) {
    return cross(before, after).y;
}

TEST_F(PlayTest, DraggingLeftAboveTheRulerTurnsTheAimLikeTheRightKey) {
    start();
    frames(1);
    Vector3 before = ball().aim();
    canvas->onCommand(canvas, WM_LBUTTONDOWN, MK_LBUTTON, 120, 150);
    for (int x = 118; x > 60; x -= 4) {
        canvas->onCommand(canvas, WM_MOUSEMOVE, MK_LBUTTON, x, 150);
        frames(1);
    }
    canvas->onCommand(canvas, WM_LBUTTONUP, 0, 60, 150);
    const float byStylus = turnBetween(before, ball().aim());
    EXPECT_GT(std::fabs(byStylus), 1e-3f);
    before = ball().aim();
    keyDown(VK_RIGHT);
    frames(10);
    keyUp(VK_RIGHT);
    frames(1);
    const float byKey = turnBetween(before, ball().aim());
    EXPECT_GT(byKey * byStylus, 0.0f) << "the same way";
    EXPECT_NEAR(std::fabs(byKey), std::sin(0.5f * 0.04f * 10 + 0.5f * 0.04f * 0.04f * 45), 0.01f)
        << "0.5 radians a second, growing by 0.5 a second";
    before = ball().aim();
    canvas->onCommand(canvas, WM_LBUTTONDOWN, MK_LBUTTON, 60, 150);
    for (int x = 64; x < 120; x += 4) {
        canvas->onCommand(canvas, WM_MOUSEMOVE, MK_LBUTTON, x, 150);
        frames(1);
    }
    EXPECT_LT(turnBetween(before, ball().aim()) * byStylus, 0.0f) << "dragging right turns back";
}

TEST_F(PlayTest, KeysCloseMenusFirstThenAnswerMessagesButLeaveTheWaterQuestion) {
    start();
    canvas->sceneClubMenu->visible = true;
    keyDown(VK_DOWN);
    frames(1);
    EXPECT_FALSE(canvas->sceneClubMenu->visible);
    EXPECT_EQ(canvas->gauge.power, 0) << "the key only closed the menu";
    keyUp(VK_DOWN);
    frames(1);
    keyUp('1');
    frames(1);
    EXPECT_EQ(canvas->gauge.power, 0) << "a digit does nothing";
    keyUp(VK_TAB);
    frames(1);
    EXPECT_TRUE(canvas->showFps);
    canvas->checkingTarget = true;
    keyUp(VK_LEFT);
    frames(1);
    EXPECT_FALSE(canvas->checkingTarget);

    ball().placeAt({80, 0, 0});
    frames(1);
    ASSERT_EQ(messageKey(*canvas), L"WATER_HAZARD");
    keyDown(VK_RETURN);
    frames(1);
    keyUp(VK_RETURN);
    frames(1);
    EXPECT_TRUE(isMessageOpen(*canvas)) << "the water asks for Yes or No";
    canvas->answerMessage(yesButton);
    EXPECT_FALSE(isMessageOpen(*canvas));
    EXPECT_TRUE(ball().isShown());
    EXPECT_EQ(player().scores[0], 1) << "the penalty stroke";
}

TEST_F(PlayTest, AMulliganAfterTheWaterTakesBackTheStrokeAndItsPenalty) {
    start();
    canvas->takeMulligan();
    EXPECT_EQ(messageKey(*canvas), L"MULLIGAN_DENIED");
    canvas->answerMessage(okButton);
    const Vector3 struckFrom{80, 0, 64};
    ball().placeAt(struckFrom);
    const Vector3 placed = ball().position;
    canvas->selectClubFor(player(), ClubPutter);
    canvas->gauge.power = 100;
    canvas->strike();
    playOut();
    ASSERT_EQ(messageKey(*canvas), L"WATER_HAZARD") << "rolled into the water";
    EXPECT_EQ(player().scores[0], 2);
    canvas->answerMessage(yesButton);
    EXPECT_EQ(player().scores[0], 2);
    EXPECT_NE(ball().position, placed) << "dropped behind the water";
    canvas->takeMulligan();
    EXPECT_EQ(messageKey(*canvas), L"MULLIGAN");
    EXPECT_EQ(player().scores[0], 0) << "stroke and penalty stroke taken back";
    EXPECT_NEAR((ball().position - placed).length(), 0.0f, 1e-3f);
    EXPECT_EQ(nodeText(L"txtStrokeNum"), L"Stroke:0");
    EXPECT_FALSE(player().mulliganPermit) << "once per stroke";
}

TEST_F(PlayTest, AHoledBallIsAnnouncedThenTheHoleEndsWithTheNextHolesRecord) {
    start(2);
    player(0).playerName = L"A,n=n:a;";
    for (int i : {0, 1}) {
        player(i).scores = {4, 0, 0, 0, 0, 0, 0, 0, 0};
        player(i).finishedThisHole = true;
    }
    player(1).scores[0] = 6;
    canvas->periodicCheck();
    EXPECT_EQ(messageKey(*canvas), L"BIRD");
    EXPECT_EQ(message(), L"Par");
    EXPECT_TRUE(canvas->golferView);
    canvas->periodicCheck();
    EXPECT_EQ(messageKey(*canvas), L"BIRD") << "an open message holds the turn";
    canvas->answerMessage(okButton);
    canvas->periodicCheck();
    EXPECT_EQ(messageKey(*canvas), L"FINISHED_HOLE");
    EXPECT_EQ(message(), L"Finished hole 1");
    canvas->answerMessage(okButton);
    ASSERT_EQ(relaunched.size(), 1u);
    const GameRecord next = readGameRecord(relaunched[0].substr(4));
    EXPECT_EQ(next.hole, 2);
    EXPECT_EQ(next.course, L"meadow");
    EXPECT_EQ(next.slots[0].name, L"Anna") << "no record separators";
    EXPECT_EQ(next.slots[0].scores[0], 4);
    EXPECT_EQ(next.slots[1].scores[0], 6);
    EXPECT_EQ(next.slots[1].character, 2);
    EXPECT_EQ(next.slots[2].name, L"dummy");
    EXPECT_EQ(next.slots[3].character, 0);
    EXPECT_FALSE(canvas->gameLoaded);
}

TEST_F(PlayTest, TheNinthHoleRanksThePlayersAndAFailedRelaunchKeepsTheGame) {
    start(3);
    canvas->holeNumber = 9;
    canvas->pars.fill(4);
    player(0).scores.fill(5);
    player(1).scores.fill(4);
    player(2).scores.fill(5);
    canvas->messageAcknowledged(L"FINISHED_HOLE", okButton);
    ASSERT_EQ(relaunched.size(), 1u);
    const ResultsRecord results = readResultsRecord(relaunched[0].substr(4));
    ASSERT_EQ(results.players.size(), 3u);
    EXPECT_EQ(results.players[0].name, L"Ann1");
    EXPECT_EQ(results.players[0].totalScore, 0);
    EXPECT_EQ(results.players[1].name, L"Ann0") << "a tie keeps the order of play";
    EXPECT_EQ(results.players[2].name, L"Ann2");

    relaunchWorks = false;
    const int boxes = messageBoxCount();
    canvas->messageAcknowledged(L"FINISHED_HOLE", okButton);
    EXPECT_EQ(messageBoxCount(), boxes + 1);
    EXPECT_NE(lastMessageBox().text.find(L"could not start"), std::wstring::npos);
    EXPECT_TRUE(canvas->gameLoaded);
    EXPECT_TRUE(canvas->isRunning());
}

TEST_F(PlayTest, MenuButtonsChooseClubAndSwingAimAndQuit) {
    start();
    canvas->runCommand(L"btnClubMenu");
    EXPECT_TRUE(canvas->sceneClubMenu->visible);
    canvas->runCommand(L"btnClubPutter");
    EXPECT_FALSE(canvas->sceneClubMenu->visible);
    EXPECT_EQ(player().selectedClub, ClubPutter);
    EXPECT_EQ(nodeText(L"txtStrokeType"), L"Putt");
    canvas->runCommand(L"btnStrokeFlop");
    EXPECT_EQ(nodeText(L"txtClubType"), L"Wedge");
    canvas->runCommand(L"btnClubSpare");
    EXPECT_EQ(player().selectedClub, ClubWood) << "an unknown club button is the wood";
    EXPECT_EQ(player().selectedSwingType, SwingFull);

    canvas->sceneSysMenu->visible = true;
    ball().turnAim(true, 0.5f);
    canvas->runCommand(L"btnAutoAim");
    EXPECT_FALSE(canvas->sceneSysMenu->visible);
    EXPECT_NEAR(ball().aim().z, -1.0f, 1e-3f) << "back toward the cup";
    EXPECT_EQ(message(), L"Your ball is now aiming at the flag");
    canvas->answerMessage(okButton);
    canvas->runCommand(L"btnExitGame");
    EXPECT_EQ(messageKey(*canvas), L"QUIT");
    canvas->answerMessage(noButton);
    EXPECT_EQ(returns, 0);
    canvas->runCommand(L"btnExitGame");
    canvas->answerMessage(yesButton);
    EXPECT_EQ(returns, 1);
}

TEST_F(PlayTest, StrokesStopAt100AndTheMulliganButtonStaysAwayWhenOff) {
    start();
    player().scores[0] = 99;
    canvas->addStroke(player());
    canvas->addStroke(player());
    EXPECT_EQ(player().scores[0], 100);
    canvas->mulligansEnabled = false;
    canvas->showActionButtons(true);
    EXPECT_FALSE(dynamic_cast<Sprite*>(canvas->findNode(L"btnMulligan"))->visible);
    EXPECT_TRUE(dynamic_cast<Sprite*>(canvas->findNode(L"btnAutoAim"))->visible);
}

TEST_F(PlayTest, TheWindGustsByOneMphAtMostAndItsDirectionDriftsSlowly) {
    start();
    canvas->windStrength = 3;
    canvas->windCondition = 2;
    float direction = canvas->windDirection;
    bool gusted = false;
    for (int i = 0; i < 200; ++i) {
        canvas->windStep();
        EXPECT_GE(canvas->windSpeed, 2);
        EXPECT_LE(canvas->windSpeed, 4);
        gusted = gusted || canvas->windSpeed != 3;
        EXPECT_LE(std::fabs(canvas->windDirection - direction), 0.1f + 1e-6f);
        direction = canvas->windDirection;
    }
    EXPECT_TRUE(gusted);
    canvas->windStrength = 0;
    canvas->windStep();
    EXPECT_EQ(canvas->windSpeed, 0);
}

} // namespace
} // namespace velmora
