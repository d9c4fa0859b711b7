// Lists what the game reads back from the player's files ($XDG_DATA_HOME/velmora/) through its own
// readers: every save slot as the load page lists it (the slot's name, or "empty") with the game it
// resumes, and the best scores of the courses named on the command line. Used by
// bench/saves_under_fire.py after each kill to see the files as the next start of the game would.
//
// usage: saved_files [COURSE...]
// One line per slot: slotN "NAME" course="C" hole=H players=P  (or: slotN empty)
// then one line per course: scores "COURSE" N (the number of entries).
#include "base/wide_string.h"
#include "game/best_scores.h"
#include "game/save_game.h"
#include "game/save_slots.h"
#include "platform/game_folders.h"

#include <cstdio>

using namespace velmora;

int main(int argc, char** argv) {
    const std::wstring resources = resourcesFolder();
    for (int slot = 0; slot < saveSlotCount; ++slot) {
        const std::optional<std::wstring> name = readSlotName(resources, slotKey(slot));
        if (!name) {
            std::printf("slot%d empty\n", slot);
            continue;
        }
        const std::optional<SavedGame> game = loadSavedGame(resources, slotKey(slot));
        std::printf("slot%d \"%s\" course=\"%s\" hole=%d players=%zu\n", slot, toUtf8(*name).c_str(),
                    game ? toUtf8(game->courseName).c_str() : "", game ? game->holeNo : 0,
                    game ? game->players.size() : 0);
    }
    for (int i = 1; i < argc; ++i) {
        const BestScores scores = loadBestScores(resources + L"GUI\\", fromUtf8(argv[i]));
        std::printf("scores \"%s\" %zu\n", argv[i], scores.names.size());
    }
    return 0;
}
