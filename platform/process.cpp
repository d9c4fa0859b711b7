#include "platform/process.h"

#include "base/wide_string.h"
#include "platform/last_error.h"

#include <spawn.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace velmora {

namespace {

std::wstring commandLine;
RelaunchHook relaunchHook = nullptr;

std::string toSystemPath(const std::wstring& path) {
    std::wstring systemPath = path;
    replaceChar(systemPath, L'\\', L'/');
    return toUtf8(systemPath);
}

DWORD saturatedBytes(unsigned long long bytes) {
    return static_cast<DWORD>(std::min<unsigned long long>(bytes, 0xFFFFFFFFull));
}

} // namespace

void setCommandLine(int argc, char** argv) {
    commandLine.clear();
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            commandLine += L' ';
        commandLine += fromUtf8(argv[i]);
    }
}

const std::wstring& GetCommandLineW() {
    return commandLine;
}

std::wstring GetModuleFileNameW() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return {};
    std::wstring path = fromUtf8(std::string_view(buffer.data(), static_cast<size_t>(length)));
    replaceChar(path, L'/', L'\\');
    return path;
}

std::wstring moduleFolder() {
    const std::wstring path = GetModuleFileNameW();
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring moduleFileName() {
    const std::wstring path = GetModuleFileNameW();
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool CreateProcessW(const std::wstring& applicationPath, const std::wstring& newCommandLine) {
    const std::string program = toSystemPath(applicationPath);
    const std::string argument = toUtf8(newCommandLine);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    if (!argument.empty())
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    const int result = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        setLastErrorFromErrno(result);
        return false;
    }
    return true;
}

void setRelaunchHook(RelaunchHook hook) {
    relaunchHook = hook;
}

bool relaunchExecutable(const std::wstring& newCommandLine) {
    if (relaunchHook)
        relaunchHook();
    return CreateProcessW(GetModuleFileNameW(), newCommandLine);
}

bool canRelaunchExecutable() {
    const std::wstring program = GetModuleFileNameW();
    return !program.empty() && access(toSystemPath(program).c_str(), X_OK) == 0;
}

void GlobalMemoryStatus(MEMORYSTATUS* status) {
    if (!status)
        return;
    *status = MEMORYSTATUS{};
    struct sysinfo info {};
    if (sysinfo(&info) == 0) {
        const unsigned long long unit = info.mem_unit ? info.mem_unit : 1;
        status->dwTotalPhys = saturatedBytes(info.totalram * unit);
        status->dwAvailPhys = saturatedBytes((info.freeram + info.bufferram) * unit);
    }
    // MemAvailable counts reclaimable caches too, which is what "free" means to a user.
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    unsigned long long kilobytes = 0;
    std::string unitText;
    while (meminfo >> key >> kilobytes >> unitText) {
        if (key == "MemAvailable:") {
            status->dwAvailPhys = saturatedBytes(kilobytes * 1024);
            break;
        }
    }
    if (const char* override = std::getenv("VELMORA_AVAILABLE_MEMORY_MB"))
        status->dwAvailPhys = saturatedBytes(std::strtoull(override, nullptr, 10) * 1024 * 1024);
    if (status->dwTotalPhys && status->dwAvailPhys <= status->dwTotalPhys)
        status->dwMemoryLoad = 100 - static_cast<DWORD>(100ull * status->dwAvailPhys / status->dwTotalPhys);
}

} // namespace velmora
