#pragma once
// A golfer of the game: what the turn flow, the scorecard, the heads-up display and the saved games
// keep per player. Positions are world units of the course; distances model units (one is 0.645
// yards).

#include "game/launch_records.h"
#include "render/vector3.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

enum Club : int32_t { ClubWood = 0, ClubIron = 1, ClubWedge = 2, ClubPutter = 3 };
enum SwingType : int32_t { SwingFull = 0, SwingPunch = 1, SwingFlop = 2, SwingChip = 3, SwingPutt = 4 };

inline constexpr int32_t maxStrokesPerHole = 100;

struct Player {
    std::wstring playerName; // at most 10 characters
    Vector3 lastStrikePoint; // the ball's position at this player's last stroke
    Vector3 location;        // where this player's ball lies
    Vector3 oldLocation;     // location at the previous distance update
    Vector3 dropLocation;    // where a ball that went into water may be dropped
    bool finishedThisHole = false;
    bool isOnTee = false;
    float distanceToHole = 0.0f;        // horizontal, model units
    float ballDistanceTravelled = 0.0f; // horizontal length of the last move of location
    float elevation = 0.0f;             // height above the hole, feet
    int32_t characterNo = 0;
    HoleScores scores{};
    int32_t lastScoreIncrement = 0; // strokes added since (and including) the last strike
    int32_t selectedClub = ClubWood;
    int32_t selectedSwingType = SwingFull;
    bool mulliganPermit = false;
    bool birdWasDisplayed = false;
};

} // namespace velmora
