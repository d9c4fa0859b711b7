#include "game/game_restore.h"

#include "game/game_canvas.h"

namespace velmora {

SavedGame captureGame(const GameCanvas& game, std::wstring slotName) {
    SavedGame saved;
    saved.slotName = std::move(slotName);
    saved.courseName = game.courseName;
    saved.holeNo = game.holeNumber;
    saved.currentPlayer = game.currentPlayer;
    saved.previousPlayer = game.previousPlayer;
    saved.players = game.players;
    const Ball& ball = *game.ball;
    static_cast<BallFlags&>(saved.ball) = ball;
    saved.ball.position = ball.position;
    return saved;
}

void restoreHeader(GameCanvas& game, const SavedGame& saved) {
    game.courseName = saved.courseName;
    game.holeNumber = saved.holeNo;
    game.players = saved.players;
    game.currentPlayer = saved.currentPlayer;
    game.previousPlayer = saved.previousPlayer;
}

void restoreBall(GameCanvas& game, const BallState& saved) {
    Ball& ball = *game.ball;
    ball.placeAt(saved.position);
    static_cast<BallFlags&>(ball) = saved;
    // A game is only saved between strokes: whatever the file says, the ball is at rest.
    ball.isStill = true;
    ball.isInTheAir = false;
    game.showGreenGrid(ball.isInGreen);
    if (game.grpGolfer)
        game.grpGolfer->transform.setTranslation(ball.position);
}

} // namespace velmora
