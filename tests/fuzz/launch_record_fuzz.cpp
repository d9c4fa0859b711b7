// The launch record readers on any command line, and the writers on what they read.
#include "base/wide_string.h"
#include "game/launch_records.h"

#include <cstdint>
#include <string_view>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring commandLine = fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::wstring record = launchRecordOf(commandLine).value_or(commandLine);
    classifyLaunchRecord(record);

    const GameRecord game = readGameRecord(record);
    if (game.hole < 1 || game.hole > holeCount)
        __builtin_trap(); // the game indexes its hole tables with it
    const std::vector<PlayerSlot> players = playersOf(game);
    writeGameRecord(nextHoleRecord(game.course, game.hole, players));
    writeResultsRecord(rankResults(game.course, players, HoleScores{}));

    const ResultsRecord results = readResultsRecord(record);
    writeResultsRecord(results);
    return 0;
}
