// Turns: the start of the hole, who plays next and the switch of the view to that player, the
// result of a holed ball, the end of the hole and of the game, the mulligan, the quit question and
// what each answered message leads to.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/game_events.h"
#include "game/launch_records.h"
#include "game/names.h"
#include "game/turn_order.h"
#include "gui/fade_transition.h"
#include "gui/message_box.h"
#include "gui/relaunch.h"
#include "platform/message_box.h"

namespace velmora {

namespace {
constexpr float switchFadeSeconds = 0.75f;
constexpr float endFadeSeconds = 2.0f;
constexpr int fadeStepsPerSecond = 10;

PlayerSlot slotOf(const Player& player) {
    return {player.characterNo, recordSafeName(player.playerName), player.scores};
}
} // namespace

void GameCanvas::startHole() {
    if (grpGolfer)
        grpGolfer->transform.setTranslation(ball->position);
    for (Player& player : players) {
        player.lastStrikePoint = player.location = player.oldLocation = ball->position;
        player.isOnTee = true;
        player.finishedThisHole = false;
        player.distanceToHole = 0.0f;
        player.dropLocation = {};
        player.mulliganPermit = false;
        player.ballDistanceTravelled = 0.0f;
        player.lastScoreIncrement = 0;
        player.birdWasDisplayed = false;
        player.selectedSwingType = SwingFull;
        player.selectedClub = ClubWood;
        updatePlayerDistances(player);
        computeElevation(player);
    }
    currentPlayer = previousPlayer = 0;
    resetGauge(gauge);
    drawGaugeBar();
    // The first turn preselects like every other: the wood is too long for a short hole.
    chooseClubAndSwingFor(activePlayer());
    refreshDisplay(activePlayer(), true);
}

void GameCanvas::nextPlayer() {
    // Even alone, the player's ball lies where the ball now rests.
    activePlayer().location = ball->position;
    previousPlayer = currentPlayer;
    currentPlayer = chooseNextPlayer(players, currentPlayer, holeNumber, cupPosition,
                                     {ball->position, ball->isOutOfBoundary, ball->isInWater});
    Player& player = activePlayer();
    ball->position = player.location;
    ball->transform->setTranslation(player.location);
    placeBallForPlayer(player);
    if (!player.finishedThisHole)
        chooseClubAndSwingFor(player);
    resetGauge(gauge);
    drawGaugeBar();
    if (!allFinished && grpGolfer)
        grpGolfer->transform.setTranslation(ball->position);
}

void GameCanvas::placeBallForPlayer(const Player& player) {
    if (!player.finishedThisHole && !ball->isInWater)
        ball->placeAt(ball->position);
}

void GameCanvas::switchToCurrentPlayer() {
    cameraHold = cameraHeld = 0.0f;
    Player& player = activePlayer();
    if (previousPlayer == currentPlayer) {
        refreshDisplay(player, true);
        return;
    }
    ball->show(false);
    const FadeTransition fade(switchFadeSeconds, fadeStepsPerSecond, 0);
    fade.run(*this, FadeDirection::Out, FadeFrames::Repaint);
    refreshDisplay(player, true);
    repaint();
    fade.run(*this, FadeDirection::In, FadeFrames::Repaint);
    ball->show(true);
}

void GameCanvas::periodicCheck() {
    Player& player = activePlayer();
    if (!player.finishedThisHole)
        return;
    if (!player.birdWasDisplayed) {
        announceResult();
        return;
    }
    if (isMessageOpen(*this))
        return;
    checkHoleFinished();
    nextPlayer();
    switchToCurrentPlayer();
}

void GameCanvas::announceResult() {
    Player& player = activePlayer();
    player.birdWasDisplayed = true;
    const HoleResult result =
        holeResultOf(player.scores[static_cast<size_t>(holeIndex())], pars[static_cast<size_t>(holeIndex())]);
    Texture* picture =
        result.withPicture ? imageCache.lookup(guiFolder_, L"dropInHole.jpg", PowerOfTwo::No) : nullptr;
    logHoleResult(*this, result.text);
    showMessage(*this, result.text, L"BIRD", MessageButtons::Ok, picture, false);
    playJingle(result.jingle);
    showExpression(result.expression);
}

void GameCanvas::checkHoleFinished() {
    allFinished =
        std::all_of(players.begin(), players.end(), [](const Player& p) { return p.finishedThisHole; });
    if (allFinished)
        showMessage(*this, formatWide(L"Finished hole %d", holeNumber), L"FINISHED_HOLE", MessageButtons::Ok,
                    nullptr, false);
}

void GameCanvas::endHole() {
    stopFrames();
    FadeTransition(endFadeSeconds, fadeStepsPerSecond, 0)
        .run(*this, FadeDirection::Out, FadeFrames::DarkenShown);
    gameLoaded = false;
    std::vector<PlayerSlot> slots;
    for (const Player& player : players)
        slots.push_back(slotOf(player));
    if (holeNumber + 1 <= holeCount) {
        relaunchOrStay(writeGameRecord(nextHoleRecord(courseName, holeNumber + 1, slots)));
    } else {
        updateBestScores();
        relaunchOrStay(writeResultsRecord(rankResults(courseName, slots, pars)));
    }
}

// A program that cannot start its next instance keeps the finished hole on screen rather than
// vanishing: the player is told and may still quit from the menu.
void GameCanvas::relaunchOrStay(const std::wstring& commandLine) {
    if (relaunchTo && relaunchTo(commandLine))
        return;
    MessageBoxW(handle(), L"The game could not start the next hole.\nPlease start the game again.", L"Error",
                MB_OK | MB_ICONSTOP);
    gameLoaded = true;
    FadeTransition(endFadeSeconds, fadeStepsPerSecond, 0).run(*this, FadeDirection::In, FadeFrames::Repaint);
    startFrames();
}

void GameCanvas::takeMulligan() {
    Player& player = activePlayer();
    if (!player.mulliganPermit) {
        showMessage(*this, L"Mulligan denied.\n You must strike first", L"MULLIGAN_DENIED",
                    MessageButtons::Ok, nullptr, false);
        return;
    }
    cameraHold = cameraHeld = 0.0f;
    ball->position = player.lastStrikePoint;
    ball->transform->setTranslation(ball->position);
    player.location = player.lastStrikePoint;
    repaint();
    int32_t& strokes = player.scores[static_cast<size_t>(holeIndex())];
    strokes = std::max(0, strokes - player.lastScoreIncrement);
    player.lastScoreIncrement = 0;
    updatePlayerDistances(player);
    computeElevation(player);
    placeBallForPlayer(player);
    refreshDisplay(player, true);
    chooseClubAndSwingFor(player);
    if (grpGolfer)
        grpGolfer->transform.setTranslation(player.location);
    player.mulliganPermit = false;
    showMessage(*this, L"Mulligan", L"MULLIGAN", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::askToQuit() {
    showMessage(*this, L"Quit the Game?", L"QUIT", MessageButtons::YesNo, nullptr, false);
}

void GameCanvas::messageAcknowledged(const std::wstring& key, const std::wstring& button) {
    Player& player = activePlayer();
    const bool ok = button == okButton;
    if (key == L"BALL_TRAVELLED" && ok) {
        computeElevation(player);
        updatePlayerDistances(player);
    } else if (key == L"O.B." && ok) {
        ball->show(true);
        ball->stop();
        ball->placeAt(player.lastStrikePoint);
    } else if (key == L"WATER_HAZARD" && button == yesButton) {
        ball->show(true);
        ball->placeAt(player.dropLocation);
    } else if (key == L"WATER_HAZARD" && button == noButton) {
        ball->stop();
        ball->show(true);
        player.location = player.lastStrikePoint;
        ball->placeAt(player.lastStrikePoint);
        updatePlayerDistances(player);
    } else if (key == L"FINISHED_HOLE" && ok) {
        endHole();
        return;
    } else if (key == L"QUIT" && button == yesButton) {
        returnToFrontEnd();
        return;
    } else {
        return;
    }
    if (ball->shadow)
        ball->shadow->visible = true;
    nextPlayer();
    switchToCurrentPlayer();
}

} // namespace velmora
