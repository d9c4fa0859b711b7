#pragma once
// Saved games: the state of a game between two strokes, kept under a slot key ("slot3") in
// "saveGame.properties" among the player's files. A slot is one line with the game (name, course,
// hole, turn, the ball) and one line per player ("slot3_0", "slot3_1", ...) with everything of the
// Player record:
//
//   slot3=slotName:Sunday,courseName:meadow,holeNo:3,numberOfActivePlayers:2,currentPlayer:1,
//         previousPlayer:0,location:x=1.500000;y=-2.250000;z=10.000000,isStill:1,...,isOnWaterBank:0,
//   slot3_0=PlayerName:Ann,location:x=...,...,scores:4;5;3;0;0;0;0;0;0,...,elevation:0.000000
//
// (each on one line). Saving rewrites the whole file in one step: the slot's lines move to the end,
// every other line stays as it was.

#include "game/ball_flags.h"
#include "game/player.h"
#include "render/vector3.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class PropertyTemplate;

inline constexpr int maxSlotNameLength = 15;

// The ball as a saved game keeps it: where it lies and its twelve state and lie flags.
struct BallState : BallFlags {
    Vector3 position;
};

struct SavedGame {
    std::wstring slotName; // what the player called the slot; not written when empty
    std::wstring courseName;
    int32_t holeNo = 1; // 1 to 9
    int32_t currentPlayer = 0;
    int32_t previousPlayer = 0;
    BallState ball;
    std::vector<Player> players; // their count is the game's numberOfActivePlayers
};

// The slot's line and its player lines, each ending with a newline, as the file holds them.
std::wstring savedGameLines(const std::wstring& slotKey, const SavedGame& game);

// Puts the game into the saved-game file read into file: the slot's line and every player line of
// the slot go, and the game's lines are appended, so the slot comes last and no player line of an
// earlier, larger game stays behind.
void putSavedGame(PropertyTemplate& file, const std::wstring& slotKey, const SavedGame& game);

// Saves the game under slotKey: reads the player's saved-game file (or the shipped one under
// resourcesFolder + "GUI\"), puts the game in and writes the whole file into the player's data
// folder in one step. None when saved; otherwise why not, and the file on disk is the old one.
std::optional<std::wstring> saveGame(std::wstring_view resourcesFolder, const std::wstring& slotKey,
                                     const SavedGame& game);

// The game saved under slotKey in the file, or none when the file has no line for the slot. A damaged
// or hand-edited slot loads what it can: a missing item takes its default (counts and flags 0,
// positions and distances 0, a missing player line a player without name), and values the game could
// not play with are brought into range (hole 1 to 9, at most four players, a turn of one of them,
// strokes 0 to 100 a hole, a known club and swing, finite numbers, names without the characters
// that split the lines).
std::optional<SavedGame> readSavedGame(PropertyTemplate& file, const std::wstring& slotKey);
// The same from the player's saved-game file, or the shipped one.
std::optional<SavedGame> loadSavedGame(std::wstring_view resourcesFolder, const std::wstring& slotKey);

} // namespace velmora
