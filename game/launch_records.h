#pragma once
// Launch records: the text after "ARG:" on the command line that carries a game from one instance of
// the program to the next. Four records exist: the front-end request "intro", the game record
// ("course=...,hole=...,CharacterSelected0=..."), the results record ("round:results,name0:...") and
// the slot record ("slot3", the key of a saved game). The writers return the whole command line,
// "ARG:" included; the readers take the record text.
//
// The records carry no escaping: a name with ',' survives unless the text after the comma holds the
// record's pair separator ('=' or ':'), and blanks around a name are lost.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

constexpr int playerSlotCount = 4;
constexpr int holeCount = 9;

using HoleScores = std::array<int32_t, holeCount>;

inline constexpr wchar_t frontEndRequest[] = L"ARG:intro";

struct PlayerSlot {
    int32_t character = 0; // 0: no player in this slot; -1 (read only): the record did not say
    std::wstring name;
    HoleScores scores{}; // strokes for holes 1 to 9
};

struct GameRecord {
    std::wstring course;
    int32_t hole = 1; // 1 to 9
    std::array<PlayerSlot, playerSlotCount> slots;
};

struct PlayerResult {
    std::wstring name;
    int32_t totalScore = 0; // strokes minus the course's par
};

struct ResultsRecord {
    std::vector<PlayerResult> players; // best first
    std::wstring course;
};

enum class LaunchKind { FrontEnd, Results, Game, Slot };

// The text after the first "ARG:" in a command line; none without one.
std::optional<std::wstring> launchRecordOf(std::wstring_view commandLine);
// Which record a text is: exactly "intro", else containing "round:results", else containing
// "course=", else a slot key.
LaunchKind classifyLaunchRecord(std::wstring_view record);

// A new game on hole 1: each slot with its character (0 for an empty slot) and name, all scores 0.
GameRecord startGameRecord(std::wstring course, std::span<const int32_t, playerSlotCount> characters,
                           std::span<const std::wstring, playerSlotCount> names);
// The next hole: the game's players fill slots 0, 1, ... in the game's order with their strokes;
// the other slots hold character 0, the name "dummy" and scores 0.
GameRecord nextHoleRecord(std::wstring course, int32_t hole, std::span<const PlayerSlot> players);
// "ARG:course=%s,hole=%d,CharacterSelected0=%d,PlayerName0=%s,PlayerScores0=n;n;...;n,..." for all
// four slots.
std::wstring writeGameRecord(const GameRecord& record);
// Reads a game record. Missing keys: hole 1 (also for a hole outside 1 to 9), character -1, empty
// name; a score list fills the holes it has and ignores values beyond the ninth.
GameRecord readGameRecord(std::wstring_view record);
// The slots that hold a player, in slot order: a character of 0 marks an empty slot, and a missing or
// negative one (a record written by hand) names no golfer the game could show, so it holds none either.
std::vector<PlayerSlot> playersOf(const GameRecord& record);

// Ranks the players by total = strokes - par over the nine holes, lowest first; equal totals keep
// the game's order.
ResultsRecord rankResults(std::wstring course, std::span<const PlayerSlot> players, const HoleScores& pars);
// "ARG:round:results,name0:%s,totalScore0:%d,...,course:%s".
std::wstring writeResultsRecord(const ResultsRecord& record);
// Reads a results record: the player count is half the items besides "round" and "course"; a
// missing total reads as 99.
ResultsRecord readResultsRecord(std::wstring_view record);

// "ARG:slot%d". The record read back is the slot key itself.
std::wstring writeSlotRecord(int slot);

} // namespace velmora
