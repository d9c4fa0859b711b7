#include "game/turn_order.h"

#include <algorithm>

namespace velmora {

namespace {
float horizontalDistance(const Vector3& a, const Vector3& b) {
    Vector3 d = a - b;
    d.y = 0.0f;
    return d.length();
}
} // namespace

void updateDistances(Player& player, const Vector3& hole, const BallWhereabouts& ball) {
    if (player.finishedThisHole)
        player.location = hole;
    else if (ball.outOfBounds)
        player.location = player.oldLocation;
    else if (ball.inWater)
        player.location = ball.position;
    player.distanceToHole = horizontalDistance(hole, player.location);
    player.ballDistanceTravelled = horizontalDistance(player.oldLocation, player.location);
    player.oldLocation = player.location;
}

int chooseNextPlayer(std::span<Player> players, int current, int holeNumber, const Vector3& hole,
                     const BallWhereabouts& ball) {
    if (players.size() <= 1)
        return current;
    players[static_cast<size_t>(current)].location = ball.position;
    const bool everyoneOnTee =
        std::all_of(players.begin(), players.end(), [](const Player& player) { return player.isOnTee; });
    if (holeNumber == 1 && everyoneOnTee)
        return 0;
    int best = current;
    float bestDistance = 0.0f;
    for (size_t i = 0; i < players.size(); ++i) {
        Player& player = players[i];
        if (player.finishedThisHole)
            continue;
        updateDistances(player, hole, ball);
        if (player.distanceToHole > bestDistance) {
            best = static_cast<int>(i);
            bestDistance = player.distanceToHole;
        }
    }
    return best;
}

} // namespace velmora
