#pragma once
// A hole of a course the build ships (build/resources), or of one made from a seed beside them,
// loaded by a game page for one player in a 240 x 320 main window, headless on the fake clock: what
// the computer player meets in a real game.

#include "base/wide_string.h"
#include "game/computer_player.h"
#include "game/game_canvas.h"
#include "media/resource_archive.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/ui_scale.h"
#include "tests/support/message_pump.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace velmora::test {

inline constexpr const wchar_t* shippedCourses[] = {L"heron_dunes", L"maple_grove", L"silver_lakes"};

class ShippedHole {
public:
    // resources: an install's resources folder, by default the build's.
    explicit ShippedHole(std::filesystem::path resources = std::filesystem::path(VELMORA_BINARY_DIR) /
                                                           "resources") {
        resources_ = fromOsPath(resources.string()) + L"\\";
        clearMessageQueue();
        setUiScale(1.0f);
        setTempFolder(temp_.game("extracted/"));
        registerArchive(L"GUI.zip", resources_ + L"GUI\\");
        registerArchive(L"scenes.zip", resources_ + L"scenes\\");
        registerArchive(L"sounds.zip", resources_ + L"sounds\\");
    }
    ~ShippedHole() {
        main_.reset();
        closeArchives();
        clearMessageQueue();
    }

    // Loads the hole in a new page (a page plays one hole in its life); null when it fails.
    GameCanvas* load(const std::wstring& course, int hole) {
        main_ = std::make_unique<Window>(L"Main", nullptr, false);
        if (!main_->create(0, 0, 240, 320))
            return nullptr;
        auto owned = std::make_unique<GameCanvas>(resources_);
        GameCanvas* canvas = owned.get();
        canvas->courseName = course;
        canvas->holeNumber = hole;
        Player player;
        player.playerName = L"Ann";
        player.characterNo = 1;
        canvas->players.push_back(player);
        canvas->returnToFrontEnd = [] {};
        main_->addChild(std::move(owned), 0, 0, 240, 320);
        const bool loaded = canvas->loadHole(nullptr);
        pumpMessages();
        return loaded ? canvas : nullptr;
    }

private:
    FakeClock clock_;
    ScopedClock useClock_{clock_};
    TempFolder temp_;
    std::wstring resources_;
    std::unique_ptr<Window> main_;
};

} // namespace velmora::test
