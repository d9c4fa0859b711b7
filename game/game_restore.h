#pragma once
// Between the game page and its saved games: the page's state taken as a saved game, and a saved
// game put back into a page that loads its hole.

#include "game/save_game.h"

namespace velmora {

class GameCanvas;

// The game as it stands between two strokes, under the slot name given.
SavedGame captureGame(const GameCanvas& game, std::wstring slotName);

// Before the hole is loaded: course, hole, players and whose turn it is.
void restoreHeader(GameCanvas& game, const SavedGame& saved);
// After the hole is loaded, in place of the players' start on the tee: the ball lies at rest where
// it was saved, aimed at the cup, with its saved flags; the golfer stands at it.
void restoreBall(GameCanvas& game, const BallState& saved);

} // namespace velmora
