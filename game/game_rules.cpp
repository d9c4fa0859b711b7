// What the ball's fate does to the game: strokes and penalty strokes, the distance a stroke went,
// water and out of bounds, the cup, and the jingles that go with them.
#include "game/game_canvas.h"

#include "base/wide_string.h"
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

constexpr float yardsPerUnit = 0.645f;
constexpr float niceShotYards = 250.0f;
constexpr const wchar_t* actionButtons[] = {L"btnOpenScoreCard", L"btnAutoAim",  L"btnSaveGame",
                                            L"btnCheckTarget",   L"btnMulligan", L"btnHelp"};

float horizontalDistance(const Vector3& a, const Vector3& b) {
    Vector3 d = a - b;
    d.y = 0.0f;
    return d.length();
}

} // namespace

void GameCanvas::addStroke(Player& player) {
    int32_t& strokes = player.scores[static_cast<size_t>(clampInt(holeNumber, 1, holeCount) - 1)];
    if (strokes < maxStrokesPerHole)
        ++strokes;
}

void GameCanvas::addPenaltyStroke() {
    Player& player = activePlayer();
    addStroke(player);
    ++player.lastScoreIncrement;
}

void GameCanvas::endStroke() {
    Player& player = activePlayer();
    if (player.finishedThisHole || ball->isInTheCup || ball->isInWater || ball->isOnWaterBank ||
        ball->isOutOfBoundary)
        return;
    player.location = ball->position;
    player.distanceToHole = horizontalDistance(cupPosition, player.location);
    player.ballDistanceTravelled = horizontalDistance(player.oldLocation, player.location);
    player.oldLocation = player.location;
    const float yards = player.ballDistanceTravelled * yardsPerUnit;
    std::wstring text;
    if (yards > niceShotYards) {
        playJingle(Jingle::Cheering);
        text = formatWide(L"%3.1f yards!!\nWow! Nice Shot!", static_cast<double>(yards));
    } else {
        text = formatWide(L"Ball travelled %3.1f yards", static_cast<double>(yards));
    }
    showMessage(*this, text, L"BALL_TRAVELLED", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::shotEnded() {
    activePlayer().mulliganPermit = true;
    showActionButtons(true);
}

void GameCanvas::ballInWater(const Vector3& dropPoint, bool dropInBounds) {
    activePlayer().dropLocation = dropPoint;
    playJingle(Jingle::WaterSplash);
    if (dropInBounds)
        showMessage(*this, L"In the water. Drop ball here?", L"WATER_HAZARD", MessageButtons::YesNo, nullptr,
                    false);
    else
        showMessage(*this, L"Out of Bounds.", L"O.B.", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::ballHoled() {
    activePlayer().finishedThisHole = true;
    playJingle(Jingle::Cup);
}

void GameCanvas::checkOutOfBounds() {
    if (!ballOutOfBounds || !ballAtRest)
        return;
    addPenaltyStroke();
    showMessage(*this, L"Out of Bounds", L"O.B.", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::playJingle(Jingle jingle) {
    const JingleSound& sound = jingles[static_cast<int>(jingle)];
    playSound(sound.key, 2);
    if (envSound)
        envSound->stop();
    envPaused = true;
    envPauseStart = playClock;
    envPauseLength = sound.ambientPause;
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
