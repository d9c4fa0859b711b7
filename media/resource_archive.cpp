#include "media/resource_archive.h"

#include "base/hash_map.h"
#include "base/wide_string.h"
#include "media/zip_archive.h"
#include "platform/files.h"

#include <cstring>
#include <optional>
#include <vector>

namespace velmora {

namespace {

struct MountedArchive {
    ArchiveHandle archive;
    std::wstring fileName; // as registered
    std::wstring folder;   // '/' separated, "\..\" collapsed, ending in '/' (or empty)
};

struct ArchiveLayer {
    std::vector<MountedArchive> archives;
    std::optional<std::wstring> tempFolder;            // '/' separated, ending in '/'
    HashMap<std::FILE*, std::wstring> extractedCopies; // stream -> path of the copy it reads
};

ArchiveLayer& layer() {
    static ArchiveLayer state;
    return state;
}

// "\..\" collapsed, then every '\\' turned into '/'.
std::wstring normalisePath(std::wstring_view path) {
    std::wstring normalised(path);
    collapseDotDot(normalised);
    replaceChar(normalised, L'\\', L'/');
    return normalised;
}

void ensureTrailingSlash(std::wstring& folder) {
    if (!folder.empty() && folder.back() != L'/')
        folder += L'/';
}

} // namespace

void registerArchive(std::wstring_view fileName, std::wstring_view folder) {
    std::wstring mount = normalisePath(folder);
    ensureTrailingSlash(mount);
    if (ArchiveHandle archive = openArchive(mount + std::wstring(fileName)))
        layer().archives.push_back({archive, std::wstring(fileName), std::move(mount)});
}

void unregisterArchive(std::wstring_view fileName) {
    std::vector<MountedArchive>& archives = layer().archives;
    for (size_t i = archives.size(); i-- > 0;) {
        if (archives[i].fileName == fileName) {
            closeArchive(archives[i].archive);
            archives.erase(archives.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void setTempFolder(std::wstring_view folder) {
    std::optional<std::wstring>& tempFolder = layer().tempFolder;
    if (folder.empty()) {
        tempFolder.reset();
        return;
    }
    std::wstring normalised(folder);
    replaceChar(normalised, L'\\', L'/');
    ensureTrailingSlash(normalised);
    tempFolder = normalised;
    deleteFilesInFolder(normalised);
}

std::FILE* openResource(std::wstring_view path, const char* mode) {
    if (std::FILE* stream = openFile(path, mode))
        return stream;

    std::wstring single(path);
    removeDoubled(single, L'\\');
    const std::wstring normalised = normalisePath(single);

    ArchiveLayer& state = layer();
    std::FILE* stream = nullptr;
    std::wstring copyPath;
    for (auto it = state.archives.rbegin(); it != state.archives.rend() && !stream; ++it) {
        if (normalised.compare(0, it->folder.size(), it->folder) != 0)
            continue;
        const std::wstring relative = normalised.substr(it->folder.size());
        const std::wstring& target = state.tempFolder ? *state.tempFolder : it->folder;
        // Only a copy that was extracted whole is opened: a failed extraction leaves nothing behind.
        if (extractEntry(it->archive, relative, target, Subfolders::Flatten) != extractOk)
            continue;
        std::wstring flattened = relative;
        replaceChar(flattened, L'/', L'_');
        copyPath = target + flattened;
        stream = openFile(copyPath, mode);
    }
    if (stream && !std::strpbrk(mode, "wW"))
        state.extractedCopies.put(stream, copyPath);
    return stream;
}

void closeResource(std::FILE* stream) {
    if (!stream)
        return;
    const std::optional<std::wstring> copyPath = layer().extractedCopies.remove(stream);
    std::fclose(stream);
    if (copyPath)
        deleteFile(*copyPath);
}

bool resourceExists(std::wstring_view path) {
    std::FILE* stream = openResource(path, "rb");
    closeResource(stream);
    return stream != nullptr;
}

void closeArchives() {
    ArchiveLayer& state = layer();
    while (!state.archives.empty()) {
        closeArchive(state.archives.back().archive);
        state.archives.pop_back();
    }
    state.extractedCopies.clear();
    if (state.tempFolder) {
        deleteFilesInFolder(*state.tempFolder);
        std::wstring folder = *state.tempFolder;
        folder.pop_back();
        removeFolder(folder);
        state.tempFolder.reset();
    }
}

} // namespace velmora
