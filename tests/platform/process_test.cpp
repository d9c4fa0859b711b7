#include "base/wide_string.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/process.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace velmora {
namespace {

LRESULT plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// Runs the helper with a mode and one argument and returns its exit code.
int runHelper(const char* mode, const std::string& argument) {
    setenv("HELPER_MODE", mode, 1);
    char* argv[] = {const_cast<char*>(PROCESS_HELPER), const_cast<char*>(argument.c_str()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PROCESS_HELPER, nullptr, nullptr, argv, environ);
    unsetenv("HELPER_MODE");
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string waitForFile(const std::string& path) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            std::stringstream content;
            content << file.rdbuf();
            return content.str();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(no file)";
}

void pumpFor(int milliseconds) {
    MSG message;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

TEST(Process, SecondInstanceFindsTheFirstAndBringsItToTheFront) {
    WNDCLASSW windowClass;
    windowClass.lpfnWndProc = plainProcedure;
    windowClass.lpszClassName = L"Kiln_WINDOW";
    RegisterClassW(&windowClass);
    HWND first = CreateWindowExW(0, L"Kiln_WINDOW", L"Instance test", WS_VISIBLE, 0, 0, 10, 10, nullptr, 0,
                                 nullptr, nullptr);
    HWND other = CreateWindowExW(0, L"Kiln_WINDOW", L"Another", WS_VISIBLE, 0, 0, 10, 10, nullptr, 0, nullptr,
                                 nullptr);
    ASSERT_EQ(GetForegroundWindow(), other);

    EXPECT_EQ(runHelper("find", "Instance test"), 0);
    pumpFor(100);
    EXPECT_EQ(GetForegroundWindow(), first);

    DestroyWindow(first);
    EXPECT_EQ(runHelper("find", "Instance test"), 1) << "a destroyed window is not found";
    DestroyWindow(other);
    clearMessageQueue();
}

TEST(Process, NewProcessGetsTheWholeCommandLine) {
    const std::string output = testing::TempDir() + "command_line_" + std::to_string(getpid());
    std::remove(output.c_str());
    setenv("HELPER_OUTPUT", output.c_str(), 1);
    ASSERT_TRUE(CreateProcessW(fromUtf8(PROCESS_HELPER), L"ARG:course=Pine Hills,hole=2"));
    EXPECT_EQ(waitForFile(output), "ARG:course=Pine Hills,hole=2");
    std::remove(output.c_str());
}

TEST(Process, RelaunchStartsTheSameExecutableWithANewCommandLine) {
    const std::string output = testing::TempDir() + "relaunched_" + std::to_string(getpid());
    std::remove(output.c_str());
    setenv("HELPER_OUTPUT", output.c_str(), 1);
    EXPECT_EQ(runHelper("relaunch", "ARG:intro"), 0);
    EXPECT_EQ(waitForFile(output), "ARG:intro");
    std::remove(output.c_str());
}

TEST(Process, MissingExecutableFails) {
    EXPECT_FALSE(CreateProcessW(L"\\no\\such\\program", L"ARG:intro"));
}

TEST(Process, ModulePathUsesBackslashes) {
    const std::wstring path = GetModuleFileNameW();
    EXPECT_EQ(path.find(L'/'), std::wstring::npos);
    EXPECT_EQ(moduleFolder() + moduleFileName(), path);
    EXPECT_EQ(moduleFileName(), L"test_platform");
}

} // namespace
} // namespace velmora
