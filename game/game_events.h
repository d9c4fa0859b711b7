#pragma once
// The game's lines in the event log (base/event_log.h): what happened on the hole, in the log's
// stable format. Each does nothing while the log is off.

#include "game/launch_records.h"

namespace velmora {

class Ball;
class GameCanvas;
struct Vector3;

// The lie of the ball as the log names it: "tee", "teeing-ground", "green", "fairway", "bunker",
// "water", "rough" or "out-of-bounds".
const char* lieName(const Ball& ball, const Vector3& teePosition);

// hole-loaded course=".." hole=N par=N players=N player0=".." ...
void logHoleLoaded(const GameCanvas& game);
// ball-at-rest player=N position=X,Y,Z lie=".." yards=N.N distance-to-hole=N.N (yards)
void logBallAtRest(const GameCanvas& game);
// stroke player=N club=".." swing=".." power=N (the gauge at the tap) strength=N (P: after the lie,
// the club and swing and the random step)
void logStroke(const GameCanvas& game, int gaugePower, int strength);
// hole-result player=N strokes=N par=N result=".." (the golf words, or +N / -N)
void logHoleResult(const GameCanvas& game, const std::wstring& result);
// congratulations course=".." players=N name0=".." score0=N ... (best first; scores against par)
void logCongratulations(const ResultsRecord& results);

} // namespace velmora
