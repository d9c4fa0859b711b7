// The best-score file and the saved-game file as the front end and a starting game read them, on
// any bytes: every line as a course's entries and their five rows, every line's slot name, and every
// line as a saved game, whose lines written back read as the same game.
#include "game/best_scores.h"
#include "game/save_game.h"
#include "gui/property_template.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

bool finite(const velmora::Vector3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// What a game read from any file must hold for the game page to play it.
void checkPlayable(const velmora::SavedGame& game) {
    const int count = static_cast<int>(game.players.size());
    if (count > 4 || game.holeNo < 1 || game.holeNo > 9 || !finite(game.ball.position) ||
        (count > 0 && (game.currentPlayer >= count || game.previousPlayer >= count)) ||
        game.currentPlayer < 0 || game.previousPlayer < 0)
        __builtin_trap();
    for (const velmora::Player& player : game.players) {
        if (player.selectedClub < 0 || player.selectedClub > 3 || player.selectedSwingType < 0 ||
            player.selectedSwingType > 4 || !finite(player.location) || !finite(player.lastStrikePoint) ||
            player.playerName.find_first_of(L",:=;\n") != std::wstring::npos)
            __builtin_trap();
        for (int32_t strokes : player.scores) {
            if (strokes < 0 || strokes > 100)
                __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!stream)
        return 0;
    velmora::PropertyTemplate file;
    file.read(stream);
    std::fclose(stream);
    for (const std::wstring& key : file.keys()) {
        const std::wstring* line = file.get(key);
        if (!line)
            __builtin_trap();
        const velmora::BestScores scores = velmora::parseBestScores(*line);
        if (scores.names.size() != scores.values.size())
            __builtin_trap(); // the two lists stay parallel
        for (const velmora::ScoreRow& row : velmora::bestScoreRows(scores)) {
            if (row.value.empty())
                __builtin_trap(); // every row shows a value
        }
        const std::optional<velmora::SavedGame> game = velmora::readSavedGame(file, key);
        if (!game)
            continue;
        checkPlayable(*game);
        // Written back and read again, the game keeps its players and its turn.
        velmora::PropertyTemplate again;
        velmora::putSavedGame(again, key, *game);
        const std::optional<velmora::SavedGame> reread = velmora::readSavedGame(again, key);
        if (!reread || reread->players.size() != game->players.size() ||
            reread->currentPlayer != game->currentPlayer || reread->holeNo != game->holeNo)
            __builtin_trap();
    }
    return 0;
}
