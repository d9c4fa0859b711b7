#include "game/save_game.h"

#include "base/value_list.h"
#include "base/wide_string.h"
#include "game/launch_records.h"
#include "game/names.h"
#include "game/save_slots.h"
#include "gui/property_template.h"
#include "platform/files.h"
#include "platform/game_folders.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace velmora {

namespace {

struct BallFlag {
    const wchar_t* name;
    bool BallFlags::*flag;
};
// In the order of the slot line.
constexpr BallFlag ballFlags[] = {
    {L"isStill", &BallFlags::isStill},
    {L"isInTheAir", &BallFlags::isInTheAir},
    {L"isInTheCup", &BallFlags::isInTheCup},
    {L"isOnTee", &BallFlags::isOnTee},
    {L"isInbunker", &BallFlags::isInbunker},
    {L"isInWater", &BallFlags::isInWater},
    {L"isInRough", &BallFlags::isInRough},
    {L"isInFairway", &BallFlags::isInFairway},
    {L"isInGreen", &BallFlags::isInGreen},
    {L"isInTGround", &BallFlags::isInTGround},
    {L"isOutOfBoundary", &BallFlags::isOutOfBoundary},
    {L"isOnWaterBank", &BallFlags::isOnWaterBank},
};

std::wstring playerKey(const std::wstring& slotKey, int index) {
    return slotKey + L"_" + std::to_wstring(index);
}

std::wstring positionItem(const wchar_t* name, const Vector3& p) {
    return formatWide(L"%ls:x=%f;y=%f;z=%f,", name, static_cast<double>(p.x), static_cast<double>(p.y),
                      static_cast<double>(p.z));
}

std::wstring intItem(const wchar_t* name, int32_t value) {
    return formatWide(L"%ls:%d,", name, value);
}

std::wstring slotValue(const SavedGame& game) {
    std::wstring value;
    const std::wstring slotName = recordSafeName(game.slotName);
    if (!slotName.empty())
        value += L"slotName:" + slotName + L",";
    value += L"courseName:" + game.courseName + L",";
    value += intItem(L"holeNo", game.holeNo);
    value += intItem(L"numberOfActivePlayers", static_cast<int32_t>(game.players.size()));
    value += intItem(L"currentPlayer", game.currentPlayer);
    value += intItem(L"previousPlayer", game.previousPlayer);
    value += positionItem(L"location", game.ball.position);
    for (const BallFlag& flag : ballFlags)
        value += intItem(flag.name, game.ball.*flag.flag ? 1 : 0);
    return value;
}

std::wstring playerValue(const Player& player) {
    std::wstring value = L"PlayerName:" + recordSafeName(player.playerName) + L",";
    value += positionItem(L"location", player.location);
    value += positionItem(L"oldLocation", player.oldLocation);
    value += positionItem(L"dropLocation", player.dropLocation);
    value += positionItem(L"lastStrikePoint", player.lastStrikePoint);
    value += intItem(L"finishedThisHole", player.finishedThisHole ? 1 : 0);
    value += intItem(L"isOnTee", player.isOnTee ? 1 : 0);
    value += intItem(L"mulliganPermit", player.mulliganPermit ? 1 : 0);
    value += intItem(L"birdWasDisplayed", player.birdWasDisplayed ? 1 : 0);
    value += intItem(L"characterNo", player.characterNo);
    value += intItem(L"selectedClub", player.selectedClub);
    value += intItem(L"selectedSwingType", player.selectedSwingType);
    value += intItem(L"lastScoreIncrement", player.lastScoreIncrement);
    value += L"scores:";
    for (size_t hole = 0; hole < player.scores.size(); ++hole)
        value += (hole > 0 ? L";" : L"") + std::to_wstring(player.scores[hole]);
    value += L",";
    value += formatWide(L"distanceToHole:%f,", static_cast<double>(player.distanceToHole));
    value += formatWide(L"ballDistanceTravelled:%f,", static_cast<double>(player.ballDistanceTravelled));
    value += formatWide(L"elevation:%f", static_cast<double>(player.elevation));
    return value;
}

// Reading ---------------------------------------------------------------------------------------

float finite(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

// "x=1.5;y=-2.25;z=10": each coordinate 0 when missing, empty or not a finite number.
Vector3 readPosition(PropertyTemplate& file, const std::wstring& key, const wchar_t* item) {
    const ValueList coordinates = parseValueList(file.getString(key, item).value_or(L""), L';', L'=');
    auto coordinate = [&](const wchar_t* name) {
        const std::wstring* text = coordinates.get(name);
        return text ? finite(static_cast<float>(parseDouble(*text))) : 0.0f;
    };
    return {coordinate(L"x"), coordinate(L"y"), coordinate(L"z")};
}

std::wstring readName(PropertyTemplate& file, const std::wstring& key, const wchar_t* item, size_t maximum) {
    return recordSafeName(file.getString(key, item).value_or(L"")).substr(0, maximum);
}

int32_t readInRange(PropertyTemplate& file, const std::wstring& key, const wchar_t* item, int32_t low,
                    int32_t high, int32_t fallback) {
    const int32_t value = file.getInt(key, item, fallback);
    return value >= low && value <= high ? value : fallback;
}

Player readPlayer(PropertyTemplate& file, const std::wstring& key) {
    Player player;
    player.characterNo = file.getInt(key, L"characterNo", -1);
    player.playerName = readName(file, key, L"PlayerName", maxPlayerNameLength);
    player.location = readPosition(file, key, L"location");
    player.oldLocation = readPosition(file, key, L"oldLocation");
    player.dropLocation = readPosition(file, key, L"dropLocation");
    player.lastStrikePoint = readPosition(file, key, L"lastStrikePoint");
    player.finishedThisHole = file.getBool(key, L"finishedThisHole", false);
    player.isOnTee = file.getBool(key, L"isOnTee", false);
    player.mulliganPermit = file.getBool(key, L"mulliganPermit", false);
    player.birdWasDisplayed = file.getBool(key, L"birdWasDisplayed", false);
    player.selectedClub = readInRange(file, key, L"selectedClub", ClubWood, ClubPutter, ClubWood);
    player.selectedSwingType = readInRange(file, key, L"selectedSwingType", SwingFull, SwingPutt, SwingFull);
    player.lastScoreIncrement = readInRange(file, key, L"lastScoreIncrement", 0, maxStrokesPerHole, 0);
    const std::vector<std::wstring> scores = splitList(file.getString(key, L"scores").value_or(L""), L';', 0);
    for (size_t hole = 0; hole < scores.size() && hole < player.scores.size(); ++hole)
        player.scores[hole] = std::clamp(parseLong(scores[hole]), 0, maxStrokesPerHole);
    player.distanceToHole = finite(file.getFloat(key, L"distanceToHole", 0.0f));
    player.ballDistanceTravelled = finite(file.getFloat(key, L"ballDistanceTravelled", 0.0f));
    player.elevation = finite(file.getFloat(key, L"elevation", 0.0f));
    return player;
}

} // namespace

std::wstring savedGameLines(const std::wstring& slotKey, const SavedGame& game) {
    std::wstring lines = slotKey + L"=" + slotValue(game) + L"\n";
    for (size_t i = 0; i < game.players.size(); ++i)
        lines += playerKey(slotKey, static_cast<int>(i)) + L"=" + playerValue(game.players[i]) + L"\n";
    return lines;
}

void putSavedGame(PropertyTemplate& file, const std::wstring& slotKey, const SavedGame& game) {
    // Every player line of the slot goes, however many the slot's line claims.
    const std::wstring playerPrefix = slotKey + L"_";
    for (const std::wstring& key : file.keys()) {
        const std::wstring_view index =
            std::wstring_view(key).substr(std::min(key.size(), playerPrefix.size()));
        if (key.starts_with(playerPrefix) && !index.empty() &&
            std::all_of(index.begin(), index.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
            file.remove(key);
    }
    file.remove(slotKey);
    file.put(slotKey, slotValue(game));
    for (size_t i = 0; i < game.players.size(); ++i)
        file.put(playerKey(slotKey, static_cast<int>(i)), playerValue(game.players[i]));
}

std::optional<std::wstring> saveGame(std::wstring_view resourcesFolder, const std::wstring& slotKey,
                                     const SavedGame& game) {
    const std::wstring installed = std::wstring(resourcesFolder) + L"GUI\\";
    PropertyTemplate file;
    file.load(guiFileFolder(savedGamesFile, installed), savedGamesFile);
    putSavedGame(file, slotKey, game);
    file.setPath(userDataFolder(), savedGamesFile);
    if (file.save())
        return std::nullopt;
    const int error = errno;
    return fromUtf8(error != 0 ? std::strerror(error) : "the file could not be written");
}

std::optional<SavedGame> readSavedGame(PropertyTemplate& file, const std::wstring& slotKey) {
    if (PropertyTemplate::isLayoutKey(slotKey) || !file.get(slotKey))
        return std::nullopt;
    SavedGame game;
    game.slotName = readName(file, slotKey, L"slotName", maxSlotNameLength);
    game.courseName = file.getString(slotKey, L"courseName").value_or(L"");
    game.holeNo = readInRange(file, slotKey, L"holeNo", 1, holeCount, 1);
    const int32_t count = std::clamp(file.getInt(slotKey, L"numberOfActivePlayers", 0), 0, playerSlotCount);
    game.currentPlayer = readInRange(file, slotKey, L"currentPlayer", 0, std::max(count - 1, 0), 0);
    game.previousPlayer = readInRange(file, slotKey, L"previousPlayer", 0, std::max(count - 1, 0), 0);
    game.ball.position = readPosition(file, slotKey, L"location");
    for (const BallFlag& flag : ballFlags)
        game.ball.*flag.flag = file.getBool(slotKey, flag.name, false);
    for (int i = 0; i < count; ++i)
        game.players.push_back(readPlayer(file, playerKey(slotKey, i)));
    return game;
}

std::optional<SavedGame> loadSavedGame(std::wstring_view resourcesFolder, const std::wstring& slotKey) {
    PropertyTemplate file;
    if (!file.load(guiFileFolder(savedGamesFile, std::wstring(resourcesFolder) + L"GUI\\"), savedGamesFile))
        return std::nullopt;
    return readSavedGame(file, slotKey);
}

} // namespace velmora
