#include "game/launch_records.h"

#include "base/value_list.h"
#include "base/wide_string.h"

#include <algorithm>
#include <limits>

namespace velmora {

namespace {

constexpr std::wstring_view argumentPrefix = L"ARG:";
constexpr int32_t missingTotalScore = 99;

std::wstring numbered(std::wstring_view name, int number) {
    return std::wstring(name) + std::to_wstring(number);
}

std::wstring textOf(const ValueList& list, const std::wstring& name) {
    const std::wstring* value = list.get(name);
    return value ? *value : std::wstring();
}

// The decimal value of an item; the default when it is missing or empty.
int32_t integerOf(const ValueList& list, const std::wstring& name, int32_t defaultValue) {
    const std::wstring* value = list.get(name);
    return value && !value->empty() ? parseLong(*value) : defaultValue;
}

HoleScores parseScores(std::wstring_view text) {
    HoleScores scores{};
    const std::vector<std::wstring> pieces = splitList(text, L';', 0);
    for (size_t hole = 0; hole < scores.size() && hole < pieces.size(); ++hole)
        scores[hole] = parseLong(pieces[hole]);
    return scores;
}

int64_t sum(const HoleScores& values) {
    int64_t total = 0;
    for (int32_t value : values)
        total += value;
    return total;
}

} // namespace

std::optional<std::wstring> launchRecordOf(std::wstring_view commandLine) {
    const size_t at = commandLine.find(argumentPrefix);
    if (at == std::wstring_view::npos)
        return std::nullopt;
    return std::wstring(commandLine.substr(at + argumentPrefix.size()));
}

LaunchKind classifyLaunchRecord(std::wstring_view record) {
    if (record == L"intro")
        return LaunchKind::FrontEnd;
    if (record.find(L"round:results") != std::wstring_view::npos)
        return LaunchKind::Results;
    if (record.find(L"course=") != std::wstring_view::npos)
        return LaunchKind::Game;
    return LaunchKind::Slot;
}

GameRecord startGameRecord(std::wstring course, std::span<const int32_t, playerSlotCount> characters,
                           std::span<const std::wstring, playerSlotCount> names) {
    GameRecord record;
    record.course = std::move(course);
    record.hole = 1;
    for (int slot = 0; slot < playerSlotCount; ++slot) {
        record.slots[slot].character = characters[slot];
        record.slots[slot].name = names[slot];
    }
    return record;
}

GameRecord nextHoleRecord(std::wstring course, int32_t hole, std::span<const PlayerSlot> players) {
    GameRecord record;
    record.course = std::move(course);
    record.hole = hole;
    for (size_t slot = 0; slot < record.slots.size(); ++slot)
        record.slots[slot] = slot < players.size() ? players[slot] : PlayerSlot{0, L"dummy", {}};
    return record;
}

std::wstring writeGameRecord(const GameRecord& record) {
    std::wstring text =
        std::wstring(argumentPrefix) + L"course=" + record.course + L",hole=" + std::to_wstring(record.hole);
    for (int slot = 0; slot < playerSlotCount; ++slot) {
        const PlayerSlot& player = record.slots[slot];
        text += L',' + numbered(L"CharacterSelected", slot) + L'=' + std::to_wstring(player.character);
        text += L',' + numbered(L"PlayerName", slot) + L'=' + player.name;
        text += L',' + numbered(L"PlayerScores", slot) + L'=';
        for (int hole = 0; hole < holeCount; ++hole)
            text += (hole ? L";" : L"") + std::to_wstring(player.scores[hole]);
    }
    return text;
}

GameRecord readGameRecord(std::wstring_view record) {
    const ValueList list = parseValueList(record, L',', L'=');
    GameRecord game;
    game.course = textOf(list, L"course");
    game.hole = integerOf(list, L"hole", 1);
    if (game.hole < 1 || game.hole > holeCount)
        game.hole = 1; // every hole-indexed table of the game is safe to use with it
    for (int slot = 0; slot < playerSlotCount; ++slot) {
        PlayerSlot& player = game.slots[slot];
        player.character = integerOf(list, numbered(L"CharacterSelected", slot), -1);
        player.name = textOf(list, numbered(L"PlayerName", slot));
        player.scores = parseScores(textOf(list, numbered(L"PlayerScores", slot)));
    }
    return game;
}

std::vector<PlayerSlot> playersOf(const GameRecord& record) {
    std::vector<PlayerSlot> players;
    for (const PlayerSlot& slot : record.slots) {
        if (slot.character > 0)
            players.push_back(slot);
    }
    return players;
}

ResultsRecord rankResults(std::wstring course, std::span<const PlayerSlot> players, const HoleScores& pars) {
    ResultsRecord results;
    results.course = std::move(course);
    for (const PlayerSlot& player : players) {
        const int64_t total =
            std::clamp<int64_t>(sum(player.scores) - sum(pars), std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max());
        results.players.push_back({player.name, static_cast<int32_t>(total)});
    }
    std::stable_sort(
        results.players.begin(), results.players.end(),
        [](const PlayerResult& a, const PlayerResult& b) { return a.totalScore < b.totalScore; });
    return results;
}

std::wstring writeResultsRecord(const ResultsRecord& record) {
    std::wstring text = std::wstring(argumentPrefix) + L"round:results,";
    for (size_t p = 0; p < record.players.size(); ++p) {
        const int index = static_cast<int>(p);
        text += numbered(L"name", index) + L':' + record.players[p].name + L',';
        text += numbered(L"totalScore", index) + L':' + std::to_wstring(record.players[p].totalScore) + L',';
    }
    return text + L"course:" + record.course;
}

ResultsRecord readResultsRecord(std::wstring_view record) {
    ValueList list = parseValueList(record, L',', L':');
    list.remove(L"round");
    ResultsRecord results;
    results.course = list.remove(L"course").value_or(L"");
    const int playerCount = list.count() / 2;
    for (int p = 0; p < playerCount; ++p)
        results.players.push_back({textOf(list, numbered(L"name", p)),
                                   integerOf(list, numbered(L"totalScore", p), missingTotalScore)});
    return results;
}

std::wstring writeSlotRecord(int slot) {
    return std::wstring(argumentPrefix) + numbered(L"slot", slot);
}

} // namespace velmora
