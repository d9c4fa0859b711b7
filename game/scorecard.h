#pragma once
// The in-game scorecard: a panel ("sceneScorecard") that shows one player's pars, strokes and
// results hole by hole with totals over the completed holes, paged through the players.

#include "game/player.h"

#include <string>
#include <vector>

namespace velmora {

class GameCanvas;

struct NodeText {
    std::wstring node;
    std::wstring text;
};

// What one player's card shows on hole holeNumber (1 to 9): par and strokes of every hole up to the
// current one, the result of every completed hole, and the totals of the completed holes from hole 2
// on. Later holes and, on hole 1, the totals are not named: they keep the empty texts of the cleared
// card.
std::vector<NodeText> scorecardTexts(const Player& player, const HoleScores& pars, int holeNumber);

// Every text of the card emptied, the course's name put in: what a freshly loaded hole shows.
void clearScorecard(GameCanvas& game);
// Shows the card of player index player, wrapping around the players (so -1 is the last one); the
// page keeps the index as cardPlayer. The panel comes up over a hidden system menu and the minimap
// goes.
void showScorecard(GameCanvas& game, int player);
// Hides the card; the minimap comes back.
void hideScorecard(GameCanvas& game);

} // namespace velmora
