#include "platform/game_folders.h"

#include "base/wide_string.h"
#include "platform/files.h"
#include "platform/process.h"

#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <set>
#include <string>

namespace velmora {

namespace {

constexpr char temporaryFolderName[] = "Tavrin.tmp";

// An XDG variable counts only when it holds an absolute path; anything else is ignored.
const char* absolutePathVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : nullptr;
}

std::string homeFolder() {
    if (const char* home = absolutePathVariable("HOME"))
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// $NAME, or the home folder followed by fallback; without a trailing slash.
std::string xdgFolder(const char* name, const char* fallback) {
    const char* value = absolutePathVariable(name);
    return withoutTrailingSlashes(value ? value : homeFolder() + fallback);
}

std::string userDataPath() {
    return xdgFolder("XDG_DATA_HOME", "/.local/share") + "/velmora";
}

std::wstring asGameFolder(const std::string& osPath) {
    return fromOsPath(withoutTrailingSlashes(osPath)) + L"\\";
}

// Creates the folder and the missing ones above it, each new one open to the owner alone. False,
// with errno set, when one cannot be made or something that is not a folder stands in the way.
bool createFolders(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) == 0) {
        errno = ENOTDIR;
        return S_ISDIR(status.st_mode);
    }
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !createFolders(path.substr(0, slash)))
        return false;
    return mkdir(path.c_str(), 0700) == 0 ||
           (errno == EEXIST && stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode));
}

// A folder this user owns and nobody else can open: created so, or checked and tightened. A symbolic
// link, a file or a folder of another user there is refused, because the game empties the folder.
bool makePrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) == 0)
        return true;
    struct stat status;
    if (errno != EEXIST || lstat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != geteuid())
        return false;
    return (status.st_mode & 077) == 0 || chmod(path.c_str(), 0700) == 0;
}

// The instance name as a piece of a file name.
std::string instanceSuffix() {
    const char* instance = std::getenv("VELMORA_INSTANCE");
    if (!instance || !*instance)
        return "";
    std::string suffix = "-";
    for (const char* c = instance; *c; ++c) {
        const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') ||
                           *c == '-' || *c == '_' || *c == '.';
        suffix += plain ? *c : '_';
    }
    return suffix;
}

} // namespace

std::wstring resourcesFolder() {
    // Without either, the build tree's place: the messages about missing files then name it.
    static const std::wstring root = [] {
        std::wstring candidate;
        for (const wchar_t* relative : {L"..\\share\\velmora\\", L"..\\"}) {
            candidate = moduleFolder() + relative;
            collapseDotDot(candidate);
            if (isFolder(candidate + L"resources"))
                break;
        }
        return candidate;
    }();
    return root + L"resources\\";
}

std::wstring manualFolder() {
    std::wstring folder = resourcesFolder() + L"..\\manual\\";
    collapseDotDot(folder);
    return folder;
}

std::wstring userDataFolder() {
    const std::string folder = userDataPath();
    if (!createFolders(folder)) {
        const int error = errno;
        static std::set<std::string> reported;
        if (reported.insert(folder).second)
            std::fprintf(stderr,
                         "velmora: cannot create %s/ for your settings, scores and saved games (%s); "
                         "changes will not be kept\n",
                         folder.c_str(), std::strerror(error));
    }
    return asGameFolder(folder);
}

void removeStaleTemporaryFiles(int maxAgeSeconds) {
    const std::wstring folder = asGameFolder(userDataPath());
    const time_t oldest = std::time(nullptr) - maxAgeSeconds;
    for (const FoundFile& file : findFiles(folder + L"*.tmp")) {
        struct stat status;
        const std::wstring path = folder + file.name;
        if (!file.isFolder && stat(toOsPath(path).c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_mtime < oldest)
            deleteFile(path);
    }
}

std::wstring guiFileFolder(std::wstring_view fileName, std::wstring_view installedFolder) {
    // Only a plain file counts: reading a pipe or a device placed there could hang or never end.
    const std::wstring user = asGameFolder(userDataPath());
    struct stat status;
    if (!fileName.empty() && stat(toOsPath(user + std::wstring(fileName)).c_str(), &status) == 0 &&
        S_ISREG(status.st_mode))
        return user;
    return installedFolder.empty() ? resourcesFolder() + L"GUI\\" : std::wstring(installedFolder);
}

std::wstring temporaryFolder() {
    std::string base = xdgFolder("XDG_CACHE_HOME", "/.cache") + "/velmora";
    if (const char* runtime = absolutePathVariable("XDG_RUNTIME_DIR");
        runtime && isFolder(fromOsPath(runtime)))
        base = withoutTrailingSlashes(runtime);
    const std::string folder = base + "/" + temporaryFolderName + instanceSuffix();
    if (!createFolders(base)) {
        std::fprintf(stderr, "velmora: cannot create %s/ for unpacked game files (%s)\n", base.c_str(),
                     std::strerror(errno));
        return {};
    }
    if (makePrivateFolder(folder))
        return asGameFolder(folder);
    // Something else stands there (a link, a file, another user's folder): the game empties its
    // temporary folder, so it takes a fresh one beside it instead.
    std::string fresh = folder + "-XXXXXX";
    const bool made = mkdtemp(fresh.data()) != nullptr;
    std::fprintf(stderr, "velmora: %s/ is not a private folder of yours; %s\n", folder.c_str(),
                 made ? ("using " + fresh + "/").c_str() : "unpacking beside the archives");
    return made ? asGameFolder(fresh) : std::wstring();
}

} // namespace velmora
