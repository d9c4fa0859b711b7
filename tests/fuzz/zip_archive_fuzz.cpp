// Any bytes as a resource archive: mounted over a folder, every entry it lists read through the
// resource opener (extracted into the temporary folder, read, and deleted again on close). Names
// that would leave the folder are asked of the extractor directly, which must refuse them: through
// the opener they would name files on disk outside the archive.
#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "media/resource_file.h"
#include "media/zip_archive.h"
#include "platform/files.h"

#include <unzip.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Entries read per input: enough for every archive of the game, few enough to keep a run short.
constexpr int maxEntries = 64;

struct Harness {
    Harness() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-zip-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        std::filesystem::create_directory(root / "mount");
        mount = velmora::fromOsPath((root / "mount").string());
        extracted = root / "extracted";
        velmora::setTempFolder(velmora::fromOsPath(extracted.string()));
    }
    ~Harness() {
        velmora::closeArchives();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::filesystem::path root;
    std::wstring mount;
    std::filesystem::path extracted;
};

// The entry names as the archive lists them, read with the unzip library itself.
std::vector<std::string> entryNames(const std::filesystem::path& archive) {
    std::vector<std::string> names;
    unzFile zip = unzOpen64(archive.c_str());
    if (!zip)
        return names;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK && names.size() < maxEntries;
         status = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        names.emplace_back(name);
    }
    unzClose(zip);
    return names;
}

bool folderHoldsFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_directory())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Harness harness;
    const std::filesystem::path archive = harness.root / "mount" / "fuzz.zip";
    std::FILE* stream = std::fopen(archive.c_str(), "wb");
    if (!stream)
        return 0;
    std::fwrite(data, 1, size, stream);
    std::fclose(stream);

    std::vector<std::string> names = entryNames(archive);
    names.push_back("not/in/the/archive.txt");
    velmora::registerArchive(L"fuzz.zip", harness.mount);
    velmora::ArchiveHandle direct = velmora::openArchive(velmora::fromOsPath(archive.string()));
    for (const std::string& name : names) {
        const std::wstring entry = velmora::fromUtf8(name);
        if (velmora::isSafeEntryName(entry)) {
            velmora::readResourceFile(harness.mount + L"\\" + entry);
        } else if (direct && velmora::extractEntry(direct, entry,
                                                   velmora::fromOsPath(harness.extracted.string()) + L"\\",
                                                   velmora::Subfolders::Keep) != velmora::extractBadName) {
            __builtin_trap();
        }
    }
    velmora::closeArchive(direct);
    velmora::unregisterArchive(L"fuzz.zip");
    if (folderHoldsFiles(harness.extracted))
        __builtin_trap(); // every extracted copy is deleted when its stream closes
    return 0;
}
