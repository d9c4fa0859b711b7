// velmora-tool record TEXT: what the game reads from a launch record.
#include "commands.h"

#include "game/launch_records.h"

namespace velmora::tool {

namespace {

void printGameRecord(const GameRecord& game) {
    print(L"game record\ncourse: " + game.course + L"\nhole: " + std::to_wstring(game.hole) + L'\n');
    for (size_t slot = 0; slot < game.slots.size(); ++slot) {
        const PlayerSlot& player = game.slots[slot];
        std::wstring scores;
        for (int32_t score : player.scores)
            scores += (scores.empty() ? L"" : L";") + std::to_wstring(score);
        const wchar_t* note = player.character == 0    ? L" (empty)"
                              : player.character == -1 ? L" (no character given: a player all the same)"
                                                       : L"";
        print(formatWide(L"slot %zu: character %d, name \"%ls\", scores %ls%ls\n", slot, player.character,
                         player.name.c_str(), scores.c_str(), note));
    }
    print(formatWide(L"players: %zu\n", playersOf(game).size()));
}

void printResultsRecord(const ResultsRecord& results) {
    print(L"results record\ncourse: " + results.course + L'\n');
    for (size_t p = 0; p < results.players.size(); ++p)
        print(formatWide(L"place %zu: \"%ls\", total %d\n", p + 1, results.players[p].name.c_str(),
                         results.players[p].totalScore));
}

} // namespace

int runRecord(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: velmora-tool record TEXT\n");
        return exitUsage;
    }
    const std::wstring text = fromUtf8(arguments[0]);
    const std::wstring record = launchRecordOf(text).value_or(text);
    switch (classifyLaunchRecord(record)) {
    case LaunchKind::FrontEnd:
        print(L"front-end request: the main menu\n");
        break;
    case LaunchKind::Results:
        printResultsRecord(readResultsRecord(record));
        break;
    case LaunchKind::Game:
        printGameRecord(readGameRecord(record));
        break;
    case LaunchKind::Slot:
        print(L"slot record: resume the saved game \"" + record + L"\"\n");
        break;
    }
    return exitOk;
}

} // namespace velmora::tool
