// Whole games of the real program played by the computer: from the front end through the nine
// holes to the congratulations page, headless at the fastest clock, on every shipped course (one
// short game under the sanitizers). The event log tells what happened: every hole loaded in turn
// and finished by every player, the records carried from hole to hole, the results and the page.
#include "game/launch_records.h"
#include "tests/support/event_log_reader.h"
#include "tests/support/program_run.h"
#include "tests/support/sanitizers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Under the sanitizers a short game: one course, one player.
const char* const allCourses[] = {"heron_dunes", "maple_grove", "silver_lakes"};
const std::vector<const char*> demoCourses =
    test::underSanitizers ? std::vector<const char*>{"maple_grove"}
                          : std::vector<const char*>(std::begin(allCourses), std::end(allCourses));
constexpr int demoPlayers = test::underSanitizers ? 1 : 4;
constexpr int gameSeconds = test::underSanitizers ? 900 : 300;

// Instances of a game: the front end, nine holes, the congratulations page.
constexpr int congratulationsInstance = 1 + holeCount + 1;

class DemoGame : public testing::TestWithParam<const char*> {};

TEST_P(DemoGame, PlaysEveryHoleToTheCongratulations) {
    const std::string course = GetParam();
    const std::string picture = test::temporaryPath("congratulations_" + course + ".png");
    const std::string script = test::temporaryPath("demo_script_" + course + ".txt");
    test::writeFile(script, "instance " + std::to_string(congratulationsInstance) + "\nwait 1000\nsnapshot " +
                                picture + "\nquit\n");
    auto settings = test::headless(script);
    settings["VELMORA_INSTANCE"] += "-demo-" + course;
    settings["VELMORA_SCREEN"] = "240x320"; // a quarter of the default's work per frame
    settings["VELMORA_SPEED"] = "max";
    settings["VELMORA_LOG"] = "events";
    settings["VELMORA_DEMO"] = "once";
    settings["VELMORA_DEMO_COURSE"] = course;
    settings["VELMORA_DEMO_PLAYERS"] = std::to_string(demoPlayers);
    test::Program program(settings, {"ARG:intro"});
    EXPECT_EQ(program.wait(60000), 0) << "the front end hands over to the game";
    // The later instances write to the same standard error; the last one quits after its picture.
    std::vector<test::LoggedEvent> events;
    const auto ended = [&events] {
        return std::any_of(events.begin(), events.end(),
                           [](const test::LoggedEvent& e) { return e.name == "congratulations"; });
    };
    for (int tick = 0; tick < gameSeconds * 10 && !(ended() && fs::exists(picture)); ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        events = test::readEventLog(program.errorText());
    }
    // The last instance quits after its picture; one that is still playing then has gone astray.
    test::awaitInstancesPlaying(script, 30000);
    events = test::readEventLog(program.errorText());
    ASSERT_TRUE(ended()) << program.errorText().substr(0, 4000);

    // Every hole in turn, with the same players, each finished by all of them.
    std::vector<int> pars;
    std::vector<std::string> names;
    int holesFinished = 0;
    int holed = 0;
    std::optional<GameRecord> lastHoleRecord;
    std::optional<ResultsRecord> results;
    for (const test::LoggedEvent& event : events) {
        if (event.name == "hole-loaded") {
            EXPECT_EQ(event.field("course"), course);
            EXPECT_EQ(event.number("hole"), static_cast<int>(pars.size()) + 1);
            EXPECT_EQ(event.number("players"), demoPlayers);
            EXPECT_EQ(holed, static_cast<int>(pars.size()) * demoPlayers) << "every player holed out before";
            std::vector<std::string> players;
            for (int p = 0; p < demoPlayers; ++p)
                players.push_back(event.field("player" + std::to_string(p)));
            if (names.empty())
                names = players;
            EXPECT_EQ(players, names);
            pars.push_back(event.number("par"));
        } else if (event.name == "message" && event.field("key") == "FINISHED_HOLE") {
            ++holesFinished;
            EXPECT_EQ(event.field("text"), "Finished hole " + std::to_string(pars.size()));
        } else if (event.name == "message" && event.field("key") == "BIRD") {
            ++holed;
        } else if (event.name == "message") {
            EXPECT_NE(event.field("key"), "QUIT");
        } else if (event.name == "relaunch") {
            const std::string record = event.field("record");
            const std::wstring text(record.begin(), record.end());
            if (classifyLaunchRecord(text.substr(4)) == LaunchKind::Game)
                lastHoleRecord = readGameRecord(text.substr(4));
            else if (classifyLaunchRecord(text.substr(4)) == LaunchKind::Results)
                results = readResultsRecord(text.substr(4));
        }
    }
    ASSERT_EQ(pars.size(), static_cast<size_t>(holeCount));
    EXPECT_EQ(holesFinished, holeCount);
    EXPECT_EQ(holed, holeCount * demoPlayers);

    // The results: each player's total against par, consistent with the strokes the records
    // carried to the last hole, and at most a stroke over par a hole on average.
    ASSERT_TRUE(results && lastHoleRecord);
    ASSERT_EQ(results->players.size(), static_cast<size_t>(demoPlayers));
    const int coursePar = std::accumulate(pars.begin(), pars.end(), 0);
    const int parBeforeLast = coursePar - pars.back();
    for (const PlayerSlot& slot : playersOf(*lastHoleRecord)) {
        const auto result = std::find_if(results->players.begin(), results->players.end(),
                                         [&slot](const PlayerResult& r) { return r.name == slot.name; });
        ASSERT_NE(result, results->players.end());
        const int before = std::accumulate(slot.scores.begin(), slot.scores.end() - 1, 0);
        for (int hole = 0; hole + 1 < holeCount; ++hole) {
            EXPECT_GE(slot.scores[static_cast<size_t>(hole)], 1);
            EXPECT_LE(slot.scores[static_cast<size_t>(hole)], pars[static_cast<size_t>(hole)] + 4);
        }
        const int lastHole = result->totalScore + coursePar - before;
        EXPECT_GE(lastHole, 1) << "strokes on the last hole";
        EXPECT_LE(lastHole, pars.back() + 4);
        EXPECT_EQ(before - parBeforeLast + lastHole - pars.back(), result->totalScore);
        EXPECT_LE(result->totalScore, holeCount) << "at most par + 1 a hole on average";
    }
    for (size_t p = 1; p < results->players.size(); ++p)
        EXPECT_LE(results->players[p - 1].totalScore, results->players[p].totalScore) << "best first";

    // The congratulations page shows the same ranking, and the last instance took its picture.
    const test::LoggedEvent& page = *std::find_if(
        events.begin(), events.end(), [](const test::LoggedEvent& e) { return e.name == "congratulations"; });
    EXPECT_EQ(page.field("course"), course);
    for (size_t p = 0; p < results->players.size(); ++p) {
        const std::wstring& name = results->players[p].name;
        EXPECT_EQ(page.field("name" + std::to_string(p)), std::string(name.begin(), name.end()));
        EXPECT_EQ(page.number("score" + std::to_string(p)), results->players[p].totalScore);
    }
    EXPECT_TRUE(fs::exists(picture) && fs::file_size(picture) > 0);
    // The course's best scores, kept in the player's folder (fresh for this test), list every result.
    std::istringstream table(test::readFile(test::programUserData() + "/scores.properties"));
    std::string line;
    while (std::getline(table, line) && line.rfind(std::string(course) + "=", 0) != 0) {
    }
    ASSERT_EQ(line.rfind(std::string(course) + "=", 0), 0u) << "the course's line of best scores";
    for (const PlayerResult& result : results->players) {
        const std::string entry =
            std::string(result.name.begin(), result.name.end()) + ":" + std::to_string(result.totalScore);
        EXPECT_NE(line.find(entry), std::string::npos) << entry << " in " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedCourses, DemoGame, testing::ValuesIn(demoCourses),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param);
                         });

} // namespace
} // namespace velmora
