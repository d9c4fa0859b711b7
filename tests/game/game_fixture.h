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
        // The golfers' pictures and animations, as an install has them.
        std::filesystem::copy(std::filesystem::path(VELMORA_BINARY_DIR) / "resources/characters",
                              root.os("resources/characters"), std::filesystem::copy_options::recursive);
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

    // A game page for the players on a hole of the test course (every hole is the hand-made one),
    // loaded.
    GameCanvas& open(int playerCount = 1, int hole = 1) {
        const std::string course = std::string("resources/scenes/") + testCourse;
        if (hole != 1)
            std::filesystem::copy_file(root.os(course + "/hole1.3ds"),
                                       root.os(course + "/hole" + std::to_string(hole) + ".3ds"),
                                       std::filesystem::copy_options::overwrite_existing);
        auto owned = std::make_unique<GameCanvas>(root.game("resources") + L"\\");
        canvas = owned.get();
        canvas->courseName = fromUtf8(testCourse);
        canvas->holeNumber = hole;
        for (int i = 0; i < playerCount; ++i) {
            Player player;
            player.playerName = L"Ann" + std::to_wstring(i);
            player.characterNo = i + 1;
            canvas->players.push_back(player);
        }
        canvas->returnToFrontEnd = [this] { ++returns; };
        main->addChild(std::move(owned), 0, 0, 240, 320);
        loaded = canvas->loadHole(nullptr);
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
    // What the game writes (saved games, best scores) stays in the test's folder.
    ScopedVariable userData{"XDG_DATA_HOME", root.os("data").c_str()};
    std::unique_ptr<Window> main;
    GameCanvas* canvas = nullptr;
    bool loaded = false;
    int returns = 0;
};

} // namespace velmora::test
