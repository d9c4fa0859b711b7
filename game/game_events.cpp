#include "game/game_events.h"

#include "base/event_log.h"
#include "game/club_selection.h"
#include "game/game_canvas.h"

namespace velmora {

const char* lieName(const Ball& ball, const Vector3& teePosition) {
    if (ball.isOutOfBoundary)
        return "out-of-bounds";
    if (ball.position.x == teePosition.x && ball.position.z == teePosition.z)
        return "tee";
    if (ball.isInGreen)
        return "green";
    if (ball.isInTGround)
        return "teeing-ground";
    if (ball.isInFairway)
        return "fairway";
    if (ball.isInbunker)
        return "bunker";
    if (ball.isInWater || ball.isOnWaterBank)
        return "water";
    return "rough";
}

void logHoleLoaded(const GameCanvas& game) {
    if (!eventLogEnabled())
        return;
    const int hole = game.holeNumber;
    const bool known = hole >= 1 && hole <= static_cast<int>(game.pars.size());
    std::vector<EventField> fields{{"course", game.courseName},
                                   {"hole", hole},
                                   {"par", known ? game.pars[static_cast<size_t>(hole - 1)] : 0},
                                   {"players", static_cast<int>(game.players.size())}};
    static constexpr const char* playerFields[] = {"player0", "player1", "player2", "player3"};
    for (size_t i = 0; i < game.players.size() && i < std::size(playerFields); ++i)
        fields.emplace_back(playerFields[i], game.players[i].playerName);
    logEvent("hole-loaded", fields);
}

void logBallAtRest(const GameCanvas& game) {
    if (!eventLogEnabled() || !game.ball)
        return;
    const Ball& ball = *game.ball;
    const Player& player = game.players[static_cast<size_t>(game.currentPlayer)];
    const Vector3& p = ball.position;
    logEvent("ball-at-rest", {{"player", game.currentPlayer},
                              {"position", p.x, p.y, p.z},
                              {"lie", lieName(ball, game.teePosition)},
                              {"yards", static_cast<double>(player.ballDistanceTravelled * yardsPerUnit), 1},
                              {"to-hole", static_cast<double>(player.distanceToHole * yardsPerUnit), 1}});
}

void logStroke(const GameCanvas& game, int gaugePower, int strength) {
    const Player& player = game.activePlayer();
    logEvent("stroke", {{"player", game.currentPlayer},
                        {"club", std::wstring(clubName(player.selectedClub))},
                        {"swing", std::wstring(swingName(player.selectedSwingType))},
                        {"power", gaugePower},
                        {"strength", strength}});
}

void logHoleResult(const GameCanvas& game, const std::wstring& result) {
    const Player& player = game.activePlayer();
    const auto hole = static_cast<size_t>(game.holeIndex());
    logEvent("hole-result", {{"player", game.currentPlayer},
                             {"strokes", player.scores[hole]},
                             {"par", game.pars[hole]},
                             {"result", result}});
}

void logCongratulations(const ResultsRecord& results) {
    std::vector<EventField> fields{{"course", results.course},
                                   {"players", static_cast<int>(results.players.size())}};
    static constexpr const char* nameFields[] = {"name0", "name1", "name2", "name3"};
    static constexpr const char* scoreFields[] = {"score0", "score1", "score2", "score3"};
    for (size_t p = 0; p < results.players.size() && p < std::size(nameFields); ++p) {
        fields.emplace_back(nameFields[p], results.players[p].name);
        fields.emplace_back(scoreFields[p], results.players[p].totalScore);
    }
    logEvent("congratulations", fields);
}

} // namespace velmora
