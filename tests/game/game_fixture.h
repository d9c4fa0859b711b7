#pragma once
// The game page on the hand-made course of tests/support/test_course.h, in a 240 x 320 main window,
// headless on the fake clock. Loading is left to each test (some change the course first).

#include "base/wide_string.h"
#include "game/game_canvas.h"
#include "gui/message_box.h"
#include "media/resource_archive.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/ui_scale.h"
#include "render/scalar_math.h"
#include "tests/support/message_pump.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_course.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace velmora::test {

class GameTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            std::filesystem::exists(std::filesystem::path(VELMORA_BINARY_DIR) / "resources/GUI/GUI.zip"))
            << "build the content first";
        clearMessageQueue();
        setUiScale(1.0f);
        setTempFolder(root.game("extracted/"));
        writeTestInstall(root, shape);
        registerArchive(L"GUI.zip", root.game("resources/GUI"));
        registerArchive(L"scenes.zip", root.game("resources/scenes"));
        registerArchive(L"sounds.zip", root.game("resources/sounds"));
        main = std::make_unique<Window>(L"Main", nullptr, false);
        ASSERT_TRUE(main->create(0, 0, 240, 320));
    }
    void TearDown() override {
        main.reset();
        closeArchives();
        clearMessageQueue();
    }

    // A game page for one player on hole 1 of the test course, loaded.
    GameCanvas& open(int playerCount = 1) {
        canvas = new GameCanvas(root.game("resources") + L"\\");
        canvas->courseName = fromUtf8(testCourse);
        canvas->holeNumber = 1;
        for (int i = 0; i < playerCount; ++i) {
            Player player;
            player.playerName = L"Ann" + std::to_wstring(i);
            player.characterNo = i + 1;
            canvas->players.push_back(player);
        }
        canvas->returnToFrontEnd = [this] { ++returns; };
        main->addChild(canvas, 0, 0, 240, 320);
        loaded = canvas->loadHole(std::nullopt);
        pumpMessages();
        return *canvas;
    }
    Ball& ball() { return *canvas->ball; }
    // Frames of the page at 25 a second on the fake clock.
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            clock.advance(40);
            canvas->frame();
        }
    }
    // Steps of the ball alone until it rests (at most limit).
    int stepUntilStill(int limit = 2000) {
        for (int i = 0; i < limit; ++i) {
            ball().step(Ball::fixedStep);
            if (ball().isStill && !ball().isInTheCup)
                return i + 1;
        }
        return limit;
    }

    HoleShape shape;
    FakeClock clock;
    ScopedClock useClock{clock};
    TempFolder root;
    std::unique_ptr<Window> main;
    GameCanvas* canvas = nullptr;
    bool loaded = false;
    int returns = 0;
};

} // namespace velmora::test
