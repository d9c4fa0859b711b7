#pragma once
// Running the program itself from a test, headless with an automation script, as a user or a test
// harness would: its standard error goes to a file, and it is killed when it does not end in time.
// Needs VELMORA_PROGRAM, the path of the built executable.

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

namespace velmora::test {

// Files of the tests, removed when the tests end.
inline std::vector<std::string>& temporaryFiles() {
    static std::vector<std::string> files;
    return files;
}

struct RemoveTemporaryFiles : testing::Environment {
    void TearDown() override {
        for (const std::string& file : temporaryFiles())
            std::filesystem::remove_all(file);
    }
};
inline const auto* removal = testing::AddGlobalTestEnvironment(new RemoveTemporaryFiles);

inline std::string temporaryPath(const std::string& name) {
    temporaryFiles().push_back(testing::TempDir() + "velmora_" + std::to_string(getpid()) + "_" + name);
    return temporaryFiles().back();
}

inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A setting with this value removes the variable from the program's environment.
inline const std::string unsetVariable = "\x01unset";

// A started program; its standard output and error go to files.
struct Program {
    pid_t pid = 0;
    std::string output;
    std::string errors;

    Program(const std::map<std::string, std::string>& settings,
            const std::vector<std::string>& arguments = {}, const std::string& program = VELMORA_PROGRAM)
        : output(temporaryPath("stdout_" + std::to_string(++count))),
          errors(temporaryPath("stderr_" + std::to_string(count))) {
        std::vector<std::string> environment;
        for (char** variable = environ; *variable; ++variable) {
            const std::string entry = *variable;
            if (!settings.count(entry.substr(0, entry.find('='))))
                environment.push_back(entry);
        }
        for (const auto& [key, value] : settings) {
            if (value != unsetVariable)
                environment.push_back(key + "=" + value);
        }
        std::vector<char*> envp, argv{const_cast<char*>(program.c_str())};
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::vector<std::string> args = arguments;
        for (std::string& argument : args)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
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
    std::string outputText() const { return readFile(output); }
    std::string errorText() const { return readFile(errors); }
    static inline int count = 0;
};

// The home folder of the programs a test process starts: their data and temporary folders lie below
// it, never in the real home.
inline const std::string& programHome() {
    static const std::string home = temporaryPath("home");
    std::filesystem::create_directories(home + "/run");
    std::filesystem::permissions(home + "/run", std::filesystem::perms::owner_all);
    return home;
}
// Where the programs keep the player's files.
inline std::string programUserData() {
    return programHome() + "/data/velmora";
}

inline std::map<std::string, std::string> headless(const std::string& script) {
    const std::string& home = programHome();
    return {{"VELMORA_HEADLESS", "1"},
            {"HOME", home},
            {"XDG_CONFIG_HOME", home + "/.config"},
            {"XDG_DATA_HOME", home + "/data"},
            {"XDG_CACHE_HOME", home + "/.cache"},
            {"XDG_RUNTIME_DIR", home + "/run"},
            {"VELMORA_SCRIPT", script},
            {"VELMORA_INSTANCE", "program-test-" + std::to_string(getpid())},
            {"VELMORA_AVAILABLE_MEMORY_MB", "64"}};
}

} // namespace velmora::test
