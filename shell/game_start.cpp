#include "shell/game_start.h"

#include "base/wide_string.h"
#include "game/computer_player.h"
#include "game/demo_mode.h"
#include "game/game_canvas.h"
#include "game/launch_records.h"
#include "game/names.h"
#include "game/save_game.h"
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
        // A record written elsewhere may carry anything: names never hold the record separators.
        player.playerName = recordSafeName(slot.name).substr(0, maxPlayerNameLength);
        player.characterNo = slot.character;
        player.scores = slot.scores;
        canvas.players.push_back(std::move(player));
    }
}

} // namespace

void makeGameCanvas(Application& application, const LaunchChoice& choice) {
    auto* canvas = application.addPage(std::make_unique<GameCanvas>(application.resourcesFolder()));
    application.gameCanvas = canvas;
    std::optional<SavedGame> savedGame;
    if (choice.page == FirstPage::Game) {
        const GameRecord record = readGameRecord(choice.record);
        canvas->courseName = record.course;
        canvas->holeNumber = record.hole;
        takePlayers(*canvas, playersOf(record));
    } else {
        savedGame = loadSavedGame(canvas->resourcesFolder(), choice.record);
        if (!savedGame) {
            MessageBoxW(canvas->handle(),
                        formatWide(L"There is no saved game '%ls'.", choice.record.c_str()).c_str(), L"Error",
                        MB_OK | MB_ICONSTOP);
            canvas->returnToFrontEnd();
            return;
        }
    }
    if (!canvas->loadHole(savedGame ? &*savedGame : nullptr)) {
        canvas->returnToFrontEnd();
        return;
    }
    traceTiming("hole loaded");
    if (demoMode() != DemoMode::Off)
        canvas->computerPlayer = std::make_unique<ComputerPlayer>(*canvas);
    FadeTransition(startFadeSeconds, startFadeSteps, 0).run(*canvas, FadeDirection::In, FadeFrames::Repaint);
    canvas->startFrames();
}

void makeFirstPage(Application& application, const LaunchChoice& choice) {
    if (choice.page == FirstPage::Game || choice.page == FirstPage::SavedGame)
        makeGameCanvas(application, choice);
    else
        makeFrontEndPage(application, choice);
}

} // namespace velmora
