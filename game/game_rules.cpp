// What the ball's fate does to the game: strokes and penalty strokes, the distance a stroke went,
// water and out of bounds, the cup, and the jingles that go with them.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/game_events.h"
#include "gui/message_box.h"
#include "media/wave_sound.h"
#include "render/scalar_math.h"

namespace velmora {

namespace {

struct JingleSound {
    const wchar_t* key;
    float ambientPause; // seconds
};
constexpr JingleSound jingles[] = {{L"applause", 3.03f},  {L"boo", 1.931f}, {L"bounce", 0.021f},
                                   {L"cheering", 2.998f}, {L"cup", 0.8f},   {L"waterSplash", 1.07f}};

constexpr const wchar_t* actionButtons[] = {L"btnOpenScoreCard", L"btnAutoAim",  L"btnSaveGame",
                                            L"btnCheckTarget",   L"btnMulligan", L"btnHelp"};

} // namespace

void GameCanvas::addStroke(Player& player) {
    int32_t& strokes = player.scores[static_cast<size_t>(holeIndex())];
    if (strokes < maxStrokesPerHole)
        ++strokes;
}

void GameCanvas::addPenaltyStroke() {
    Player& player = activePlayer();
    addStroke(player);
    ++player.lastScoreIncrement;
    showNameAndStrokes(player);
}

void GameCanvas::endStroke() {
    Player& player = activePlayer();
    if (player.finishedThisHole || ball->isInTheCup || ball->isInWater || ball->isOnWaterBank ||
        ball->isOutOfBoundary)
        return;
    player.location = ball->position;
    updatePlayerDistances(player);
    logBallAtRest(*this);
    const StrokeReport report = strokeReportOf(player.ballDistanceTravelled * yardsPerUnit);
    if (report.niceShot) {
        playJingle(Jingle::Cheering);
        showExpression(Expression::Cheerful);
    }
    showMessage(*this, report.text, L"BALL_TRAVELLED", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::shotEnded() {
    activePlayer().mulliganPermit = true;
    showActionButtons(true);
}

void GameCanvas::ballInWater(const Vector3& dropPoint, bool dropInBounds) {
    activePlayer().dropLocation = dropPoint;
    playJingle(Jingle::WaterSplash);
    showExpression(Expression::Angry);
    if (dropInBounds)
        showMessage(*this, L"In the water. Drop ball here?", L"WATER_HAZARD", MessageButtons::YesNo, nullptr,
                    false);
    else
        showMessage(*this, L"Out of Bounds.", L"O.B.", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::ballPlaced(bool onGreen) {
    showGreenGrid(onGreen);
    showGauge();
    takeCameraView(CameraView::Aim);
}

void GameCanvas::ballLaunched() {
    showActionButtons(false);
    activePlayer().isOnTee = false;
    showGreenGrid(false);
}

void GameCanvas::ballHoled() {
    activePlayer().finishedThisHole = true;
    playJingle(Jingle::Cup);
}

void GameCanvas::checkOutOfBounds() {
    if (!ballOutOfBounds || !ballAtRest)
        return;
    addPenaltyStroke();
    showExpression(Expression::Angry);
    showMessage(*this, L"Out of Bounds", L"O.B.", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::playJingle(Jingle jingle) {
    const JingleSound& sound = jingles[static_cast<int>(jingle)];
    playSound(sound.key, 2);
    pauseEnvSound(sound.ambientPause);
}

void GameCanvas::pauseEnvSound(float seconds) {
    if (envSound)
        envSound->stop();
    envPaused = true;
    envPauseStart = playClock;
    envPauseLength = seconds;
}

void GameCanvas::showActionButtons(bool shown) {
    for (const wchar_t* name : actionButtons) {
        // With mulligans off the mulligan button stays away for the whole hole.
        const bool allowed = mulligansEnabled || std::wstring_view(name) != L"btnMulligan";
        showNode(dynamic_cast<Sprite*>(findNode(name)), shown && allowed);
    }
}

void GameCanvas::showGreenGrid(bool shown) {
    if (greenGrid)
        greenGrid->visible = shown;
}

void GameCanvas::showGauge() {
    showNode(gaugeRuler, true);
    showNode(gaugePower, true);
}

} // namespace velmora
