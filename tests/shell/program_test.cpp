// The program itself, started headless with an automation script, as a user or a test harness
// would run it.
#include "../support/program_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

namespace {

using namespace velmora::test;

// Width and height of a PNG file, or 0, 0.
std::pair<int, int> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR")
        return {0, 0};
    auto big = [&](size_t at) {
        return (uint8_t(bytes[at]) << 24) | (uint8_t(bytes[at + 1]) << 16) | (uint8_t(bytes[at + 2]) << 8) |
               uint8_t(bytes[at + 3]);
    };
    return {int(big(16)), int(big(20))};
}

TEST(Program, ScriptTapsTypesSnapshotsAndQuits) {
    const std::string script = temporaryPath("script.txt"), shot = temporaryPath("shot.png");
    writeFile(script, "wait 50\ntap 100 100\nkey Return\ntype hi\nsnapshot " + shot + "\nquit\n");
    Program program(headless(script));
    EXPECT_EQ(program.wait(), 0) << program.errorText();
    EXPECT_EQ(pngSize(readFile(shot)), std::make_pair(480, 640));
}

TEST(Program, ScreenSizeComesFromTheEnvironment) {
    const std::string script = temporaryPath("size.txt"), shot = temporaryPath("small.png");
    writeFile(script, "snapshot " + shot + "\nquit\n");
    auto settings = headless(script);
    settings["VELMORA_SCREEN"] = "240x300";
    Program program(settings);
    EXPECT_EQ(program.wait(), 0) << program.errorText();
    EXPECT_EQ(pngSize(readFile(shot)), std::make_pair(240, 300));
}

TEST(Program, MalformedScreenSizeFallsBackToTheDefault) {
    const std::string script = temporaryPath("malformed.txt"), shot = temporaryPath("default.png");
    writeFile(script, "snapshot " + shot + "\nquit\n");
    auto settings = headless(script);
    settings["VELMORA_SCREEN"] = "480x";
    Program program(settings);
    EXPECT_EQ(program.wait(), 0);
    EXPECT_EQ(pngSize(readFile(shot)), std::make_pair(480, 640));
    EXPECT_NE(program.errorText().find("VELMORA_SCREEN=480x is not WIDTHxHEIGHT"), std::string::npos);
}

TEST(Program, LandscapeScreenIsRefusedWithItsMessage) {
    auto settings = headless("");
    settings["VELMORA_SCREEN"] = "640x480";
    Program program(settings);
    EXPECT_EQ(program.wait(), -1);
    EXPECT_NE(program.errorText().find("can not run under landscape mode."), std::string::npos);
}

TEST(Program, LowMemoryWarningEndsTheProgramUnlessTheUserGoesOn) {
    const std::string script = temporaryPath("memory.txt");
    writeFile(script, "answer no\n");
    auto settings = headless(script);
    settings["VELMORA_AVAILABLE_MEMORY_MB"] = "3";
    Program refused(settings);
    EXPECT_EQ(refused.wait(), 0);
    EXPECT_NE(refused.errorText().find("[Memory Warning]"), std::string::npos);
    writeFile(script, "answer yes\nwait 20\nquit\n");
    Program accepted(settings);
    EXPECT_EQ(accepted.wait(), 0);
    EXPECT_NE(accepted.errorText().find("-> Yes"), std::string::npos);
}

TEST(Program, SecondInstanceGivesWayToTheFirst) {
    const std::string first = temporaryPath("first.txt"), second = temporaryPath("second.txt");
    writeFile(first, "wait 1500\nquit\n");
    writeFile(second, "quit\n");
    auto settings = headless(first);
    settings["VELMORA_TIMING"] = "1";
    Program running(settings);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    settings["VELMORA_SCRIPT"] = second;
    Program another(settings);
    EXPECT_EQ(another.wait(), 0);
    EXPECT_EQ(another.errorText().find("first frame shown"), std::string::npos) << "shows nothing";
    EXPECT_EQ(running.wait(), 0);
    EXPECT_NE(running.errorText().find("asked to come to the front"), std::string::npos);
}

TEST(Program, RelaunchedInstanceContinuesTheScript) {
    const std::string script = temporaryPath("relaunch.txt"), shot = temporaryPath("relaunched.png");
    std::remove(shot.c_str());
    writeFile(script, "relaunch ARG:intro\ninstance 2\nsnapshot " + shot + "\nquit\n");
    Program program(headless(script));
    EXPECT_EQ(program.wait(), 0);
    std::string picture;
    for (int attempt = 0; attempt < 500 && picture.empty(); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        picture = readFile(shot);
    }
    EXPECT_EQ(pngSize(picture), std::make_pair(480, 640));
}

TEST(Program, HelpVersionAndUnknownOptionsEndBeforeTheGameStarts) {
    const auto settings = headless("");
    Program help(settings, {"--help"});
    EXPECT_EQ(help.wait(), 0);
    const std::string text = help.outputText();
    for (const char* part : {"Usage: velmora [ARG:RECORD]", "--version", "VELMORA_SCREEN=WxH",
                             "VELMORA_SCRIPT=FILE", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "F11 or Alt+Return"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_NE(text.find("your files     " + programUserData() + "/\n"), std::string::npos) << text;
    EXPECT_EQ(help.errorText(), "");

    Program version(settings, {"--version"});
    EXPECT_EQ(version.wait(), 0);
    EXPECT_EQ(version.outputText().rfind("Velmora ", 0), 0u);
    EXPECT_EQ(version.outputText().find('\n'), version.outputText().size() - 1) << "one line";

    Program unknown(settings, {"--fullscreen"});
    EXPECT_EQ(unknown.wait(), 2);
    EXPECT_EQ(unknown.errorText(),
              "velmora: unknown option '--fullscreen' (velmora --help lists the options)\n");
    EXPECT_EQ(unknown.outputText(), "");
}

// The lines of standard error that do not come from the script's own snapshots and the like.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

TEST(Program, StartsQuietlyWithoutADisplayOrASoundCard) {
    const std::string script = temporaryPath("quiet.txt");
    // The main menu plays its music: the sound device is opened.
    writeFile(script, "wait 300\ntap 240 320\nwait 600\nquit\n");
    auto settings = headless(script);
    for (const char* name :
         {"VELMORA_HEADLESS", "DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "SDL_AUDIODRIVER"})
        settings[name] = unsetVariable;
    Program noDisplay(settings);
    EXPECT_EQ(noDisplay.wait(), 0);
    EXPECT_EQ(linesOf(noDisplay.errorText()),
              std::vector<std::string>{
                  "velmora: no display (DISPLAY and WAYLAND_DISPLAY are not set); running without a window"});

    // A display (SDL's dummy one) and whatever sound this machine has: at most the game's own line.
    settings["SDL_VIDEODRIVER"] = "dummy";
    Program noSound(settings);
    EXPECT_EQ(noSound.wait(), 0);
    const std::vector<std::string> lines = linesOf(noSound.errorText());
    EXPECT_LE(lines.size(), 1u) << noSound.errorText();
    for (const std::string& line : lines)
        EXPECT_EQ(line.rfind("velmora: no sound", 0), 0u) << line;
}

} // namespace
