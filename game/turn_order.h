#pragma once
// Who plays next: the player whose ball lies farthest from the hole, the lowest place in the order
// on a tie, and the first player for the first strike of the game. Distances are horizontal, in
// model units.

#include "game/player.h"

#include <span>

namespace velmora {

// What the distances need to know of the one ball of the game.
struct BallWhereabouts {
    Vector3 position;
    bool outOfBounds = false;
    bool inWater = false;
};

// Brings the player's location up to date (at the hole once finished, back where it was after out
// of bounds, at the ball in water) and measures its distance to the hole and the length of its last
// move.
void updateDistances(Player& player, const Vector3& hole, const BallWhereabouts& ball);

// The index of the player who plays next, the distances of the players still playing brought up to
// date on the way. With one player, or when everybody has finished, current stays.
int chooseNextPlayer(std::span<Player> players, int current, int holeNumber, const Vector3& hole,
                     const BallWhereabouts& ball);

} // namespace velmora
