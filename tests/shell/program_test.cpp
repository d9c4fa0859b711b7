// The program itself, started headless with an automation script, as a user or a test harness
// would run it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// Files of the tests, removed when the tests end.
std::vector<std::string>& temporaryFiles() {
    static std::vector<std::string> files;
    return files;
}

struct RemoveTemporaryFiles : testing::Environment {
    void TearDown() override {
        for (const std::string& file : temporaryFiles())
            std::filesystem::remove_all(file);
    }
};
const auto* removal = testing::AddGlobalTestEnvironment(new RemoveTemporaryFiles);

std::string temporaryPath(const std::string& name) {
    temporaryFiles().push_back(testing::TempDir() + "velmora_" + std::to_string(getpid()) + "_" + name);
    return temporaryFiles().back();
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A started program; its standard error goes to a file.
struct Program {
    pid_t pid = 0;
    std::string errors;

    Program(const std::map<std::string, std::string>& settings,
            const std::vector<std::string>& arguments = {})
        : errors(temporaryPath("stderr_" + std::to_string(++count))) {
        std::vector<std::string> environment;
        for (char** variable = environ; *variable; ++variable) {
            const std::string entry = *variable;
            if (!settings.count(entry.substr(0, entry.find('='))))
                environment.push_back(entry);
        }
        for (const auto& [key, value] : settings)
            environment.push_back(key + "=" + value);
        std::vector<char*> envp, argv{const_cast<char*>(VELMORA_PROGRAM)};
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::vector<std::string> args = arguments;
        for (std::string& argument : args)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn(&pid, VELMORA_PROGRAM, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
    }
    // The exit code, or -1000 when the program did not end in time (it is then killed).
    int wait(int milliseconds = 10000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                return -1000;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return WIFEXITED(status) ? static_cast<int8_t>(WEXITSTATUS(status)) : -1001;
    }
    std::string errorText() const { return readFile(errors); }
    static inline int count = 0;
};

// Each run gets its own home, so that its documents folder (and the temporary folder in it) is its own.
std::map<std::string, std::string> headless(const std::string& script) {
    static const std::string home = temporaryPath("home");
    std::filesystem::create_directories(home);
    return {{"VELMORA_HEADLESS", "1"},
            {"HOME", home},
            {"XDG_CONFIG_HOME", home + "/.config"},
            {"VELMORA_SCRIPT", script},
            {"VELMORA_INSTANCE", "program-test-" + std::to_string(getpid())},
            {"VELMORA_AVAILABLE_MEMORY_MB", "64"}};
}

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

} // namespace
