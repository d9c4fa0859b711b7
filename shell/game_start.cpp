#include "shell/game_start.h"

#include "base/wide_string.h"
#include "game/game_canvas.h"
#include "game/launch_records.h"
#include "game/save_slots.h"
#include "gui/fade_transition.h"
#include "platform/message_box.h"
#include "platform/timing_trace.h"
#include "shell/application.h"
#include "shell/game_page.h"

namespace velmora {

namespace {

constexpr float startFadeSeconds = 2.0f;
constexpr int startFadeSteps = 10;

void takePlayers(GameCanvas& canvas, const std::vector<PlayerSlot>& slots) {
    for (const PlayerSlot& slot : slots) {
        Player player;
        player.playerName = slot.name;
        player.characterNo = slot.character;
        player.scores = slot.scores;
        canvas.players.push_back(std::move(player));
    }
}

} // namespace

void makeGameCanvas(Application& application, const LaunchChoice& choice) {
    auto* canvas = new GameCanvas(application.resourcesFolder());
    application.gameCanvas = canvas;
    application.addPage(canvas); // the child list owns the page from here
    std::optional<std::wstring> savedGame;
    if (choice.page == FirstPage::Game) {
        const GameRecord record = readGameRecord(choice.record);
        canvas->courseName = record.course;
        canvas->holeNumber = record.hole;
        takePlayers(*canvas, playersOf(record));
    } else {
        // Until saved games are restored, a saved game starts its course from hole 1.
        const std::optional<SlotStart> slot = readSlotStart(canvas->resourcesFolder(), choice.record);
        if (!slot) {
            MessageBoxW(canvas->handle(),
                        formatWide(L"There is no saved game '%ls'.", choice.record.c_str()).c_str(), L"Error",
                        MB_OK | MB_ICONSTOP);
            canvas->returnToFrontEnd();
            return;
        }
        canvas->courseName = slot->course;
        takePlayers(*canvas, slot->players);
        savedGame = choice.record;
    }
    if (!canvas->loadHole(savedGame)) {
        canvas->returnToFrontEnd();
        return;
    }
    traceTiming("hole loaded");
    FadeTransition(startFadeSeconds, startFadeSteps, 0).run(*canvas, true, false);
    canvas->startFrames();
}

void makeFirstPage(Application& application, const LaunchChoice& choice) {
    if (choice.page == FirstPage::Game || choice.page == FirstPage::SavedGame)
        makeGameCanvas(application, choice);
    else
        makeFrontEndPage(application, choice);
}

} // namespace velmora
