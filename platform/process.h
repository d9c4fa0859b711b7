#pragma once
// Process services: the executable's own path, the command line, starting a process with a new
// command line, and the physical memory still available.

#include "platform/types.h"

#include <string>

namespace velmora {

// Records the program's arguments; the entry function calls it first. The command line is the
// arguments after the program name, joined by single spaces (a relaunch passes its whole command
// line as one argument, so it comes back unchanged).
void setCommandLine(int argc, char** argv);
const std::wstring& GetCommandLineW();

// The executable's full path in the game's backslash form, for example "\opt\velmora\bin\velmora".
std::wstring GetModuleFileNameW();
// The executable's folder with its trailing backslash.
std::wstring moduleFolder();
// The executable's file name without its folder.
std::wstring moduleFileName();

// Starts applicationPath (backslash or slash form) with commandLine as its single argument, in
// the current environment and folder; no file descriptor but the standard three is inherited.
// The new process is not waited for. False, with the last error set, when it cannot be started.
bool CreateProcessW(const std::wstring& applicationPath, const std::wstring& commandLine);

// Called just before a relaunch starts the new process, so that layers holding state for the
// next instance (the automation script's position) can hand it over through the environment.
using RelaunchHook = void (*)();
void setRelaunchHook(RelaunchHook hook);
// Starts this executable again with commandLine; the caller then lets the old process end.
bool relaunchExecutable(const std::wstring& commandLine);
// Whether this executable can still be started (it exists and may be executed): a relaunch tears
// the instance down first, so callers that can stay ask before.
bool canRelaunchExecutable();

struct MEMORYSTATUS {
    DWORD dwLength = sizeof(MEMORYSTATUS);
    DWORD dwMemoryLoad = 0;
    DWORD dwTotalPhys = 0;
    DWORD dwAvailPhys = 0; // bytes, saturating at 4 GB - 1
};
// Available physical memory from the kernel, or VELMORA_AVAILABLE_MEMORY_MB when set (to try the
// low-memory warning).
void GlobalMemoryStatus(MEMORYSTATUS* status);

} // namespace velmora
