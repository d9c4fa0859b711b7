#pragma once
// The eight saved-game slots of "saveGame.properties" among the player's files, as far as the load page
// and the save panel need them before a game is restored: each slot's key and the name the player
// gave it.

#include "game/launch_records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class PropertyTemplate;

inline constexpr int saveSlotCount = 8;
inline constexpr wchar_t savedGamesFile[] = L"saveGame.properties";
// What a slot without a saved game shows: twelve characters and eight blanks.
inline constexpr wchar_t emptySlotText[] = L"<EMPTY SLOT>        ";

// "slot3": the key of the slot's line in the file, and the slot record of a launch.
std::wstring slotKey(int slot);

// The "slotName" item of the slot's line in the player's "saveGame.properties", or in the shipped
// resourcesFolder + "GUI\" copy when the player has none (platform/game_folders.h); none when the
// file, the line or the name is missing or the name is empty.
std::optional<std::wstring> readSlotName(std::wstring_view resourcesFolder, const std::wstring& slotKey);

// The course and the players (name and character, no strokes) of a saved game: the "courseName"
// item of the slot's line and the "PlayerName" and "characterNo" items of its player lines
// ("slot3_0" ...), as many as "numberOfActivePlayers" says (at most four). None without the file,
// the line or a course name.
struct SlotStart {
    std::wstring course;
    std::vector<PlayerSlot> players;
};
std::optional<SlotStart> readSlotStart(std::wstring_view resourcesFolder, const std::wstring& slotKey);
// The same from the saved-game file already read.
std::optional<SlotStart> slotStartOf(PropertyTemplate& file, const std::wstring& slotKey);

} // namespace velmora
