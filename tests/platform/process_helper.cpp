// A small program the process tests start. With HELPER_MODE=find it looks for the top-level window
// named by its argument and asks it to come to the front (exit 0) or reports it missing (exit 1).
// With HELPER_MODE=relaunch it starts itself again with its argument as the new command line.
// Otherwise it writes its command line to the file HELPER_OUTPUT.
#include "base/wide_string.h"
#include "platform/native_window.h"
#include "platform/process.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    using namespace velmora;
    setCommandLine(argc, argv);
    const char* mode = std::getenv("HELPER_MODE");
    if (mode && std::strcmp(mode, "find") == 0) {
        HWND found = FindWindowW(L"Kiln_WINDOW", GetCommandLineW().c_str());
        if (!found)
            return 1;
        return SetForegroundWindow(found) ? 0 : 2;
    }
    if (mode && std::strcmp(mode, "relaunch") == 0) {
        unsetenv("HELPER_MODE");
        return relaunchExecutable(GetCommandLineW()) ? 0 : 3;
    }
    const char* output = std::getenv("HELPER_OUTPUT");
    if (!output)
        return 4;
    const std::string path = std::string(output) + ".part";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 5;
    const std::string text = toUtf8(GetCommandLineW());
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return std::rename(path.c_str(), output) == 0 ? 0 : 6;
}
