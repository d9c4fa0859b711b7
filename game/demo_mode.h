#pragma once
// The computer player's demonstration: with VELMORA_DEMO=1 (or --demo) the program plays whole
// games by itself, one after another (attract mode); with VELMORA_DEMO=once it stops on the
// congratulations page of its first game. The mode lives in the environment, so that every
// instance a game relaunches follows it; a person taking over clears it there.

#include "game/launch_records.h"

#include <string>
#include <vector>

namespace velmora {

enum class DemoMode { Off, Attract, Once };

inline constexpr char demoVariable[] = "VELMORA_DEMO";

// Off when the variable is unset, empty or "0"; Once for "once"; Attract for anything else.
DemoMode demoMode();
// Sets or clears the variable for this instance and the ones it starts.
void setDemoMode(DemoMode mode);

// What a demonstration game may be asked to be (for tests and for showing one course):
// VELMORA_DEMO_COURSE=NAME and VELMORA_DEMO_PLAYERS=1..4. Empty and 0 leave the choice to chance.
struct DemoRequest {
    std::wstring course;
    int players = 0;
};
DemoRequest demoRequest();

// A demonstration game: one to four players with different golfers (1 .. characterCount - 1) and
// names, on one of the courses (the requested one when it is among them), from hole 1. No players
// when there is no course or no golfer.
GameRecord demoGameRecord(const std::vector<std::wstring>& courses, int characterCount,
                          const DemoRequest& request = {});

} // namespace velmora
