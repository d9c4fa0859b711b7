#include "media/resource_archive.h"
#include "media/resource_file.h"
#include "media/zip_archive.h"

#include "base/wide_string.h"
#include "tests/support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unzip.h>
#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempFolder;
using test::writeFile;

// Runs a shell command; each of `quoted` is appended in single quotes.
int runShell(std::string command, std::initializer_list<std::string> quoted, const char* tail = "") {
    for (const std::string& word : quoted)
        command.append(" '").append(word).append("'");
    return std::system(command.append(tail).c_str());
}

// Packs files of a folder with Info-ZIP's zip, an archive writer independent of our reader.
void packWithInfoZip(const fs::path& archive, const fs::path& source, const std::string& name,
                     bool stored = false) {
    const std::string zip = std::string(" && zip -q -X ") + (stored ? "-0" : "");
    ASSERT_EQ(runShell("cd '" + source.string() + "'" + zip, {archive.string(), name}), 0);
}

// Writes an archive with minizip's writer, which stores any entry name as given (zip tools clean
// names such as "../x" up).
void packWithMinizip(const fs::path& archive,
                     const std::vector<std::pair<std::string, std::string>>& entries) {
    zipFile zip = zipOpen64(archive.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, content] : entries) {
        ASSERT_EQ(zipOpenNewFileInZip64(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                        Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

std::string readResource(const std::wstring& path) {
    std::FILE* stream = openResource(path, "rb");
    if (!stream)
        return "<none>";
    std::string bytes = test::readStream(stream);
    closeResource(stream);
    return bytes;
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The archive layer is process-wide: each test starts and ends with nothing mounted.
class ResourceArchives : public ::testing::Test {
protected:
    void TearDown() override { closeArchives(); }

    // Mounts GUI.zip, holding one file, over root/resources/GUI.
    void mountGui(const std::string& name, const std::string& content, const char* archive = "GUI.zip") {
        writeFile(folder_.os(std::string("source/") + archive + "/" + name), content);
        fs::create_directories(folder_.os("resources/GUI"));
        packWithInfoZip(folder_.os("resources/GUI") / archive, folder_.os(std::string("source/") + archive),
                        name);
        registerArchive(fromUtf8(archive), gui());
    }
    std::wstring gui() const { return folder_.game("resources\\GUI"); }
    std::wstring temp() const { return folder_.game("Tavrin.tmp") + L"\\"; }

    TempFolder folder_;
};

TEST_F(ResourceArchives, DiskFileWinsThenTheLastRegisteredArchive) {
    mountGui("a.txt", "first");
    mountGui("a.txt", "second", "more.zip");
    registerArchive(L"missing.zip", gui()); // skipped silently
    writeFile(folder_.os("resources/GUI/a.txt"), "from disk");
    EXPECT_EQ(readResource(gui() + L"\\a.txt"), "from disk");
    fs::remove(folder_.os("resources/GUI/a.txt"));
    // Without a temporary folder the copy lies beside the archive while it is open.
    std::FILE* stream = openResource(gui() + L"\\a.txt", "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(test::readStream(stream), "second");
    EXPECT_TRUE(fs::exists(folder_.os("resources/GUI/a.txt")));
    closeResource(stream);
    EXPECT_FALSE(fs::exists(folder_.os("resources/GUI/a.txt")));
    unregisterArchive(L"more.zip");
    EXPECT_EQ(readResource(gui() + L"\\a.txt"), "first");
    EXPECT_FALSE(resourceExists(gui() + L"\\b.txt"));
    EXPECT_FALSE(resourceExists(folder_.game("elsewhere\\a.txt")));
}

TEST_F(ResourceArchives, SubfolderEntryIsExtractedFlatAndDeletedOnClose) {
    mountGui("x/y.jpg", "picture");
    setTempFolder(temp());
    std::FILE* stream = openResource(gui() + L"\\x\\y.jpg", "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_THAT(filesIn(folder_.os("Tavrin.tmp")), ::testing::ElementsAre("x_y.jpg"));
    EXPECT_EQ(test::readStream(stream), "picture");
    closeResource(stream);
    EXPECT_TRUE(filesIn(folder_.os("Tavrin.tmp")).empty());
    EXPECT_TRUE(resourceExists(gui() + L"\\x/y.jpg")); // either separator
}

TEST_F(ResourceArchives, PathsAreNormalisedBeforeMatchingTheMountFolder) {
    mountGui("a.bmp", "bitmap");
    setTempFolder(temp());
    EXPECT_EQ(readResource(folder_.game("App\\..\\resources\\GUI\\a.bmp")), "bitmap");
    EXPECT_EQ(readResource(folder_.game("resources\\\\GUI\\\\a.bmp")), "bitmap"); // doubled backslashes
    EXPECT_EQ(readResource(gui() + L"\\A.BMP"), "bitmap");                    // entry names ignore case...
    EXPECT_EQ(readResource(folder_.game("resources\\gui\\a.bmp")), "<none>"); // ...the mount folder does not
}

TEST_F(ResourceArchives, TempFolderIsEmptiedOfFilesAtStartAndRemovedAtTheEnd) {
    writeFile(folder_.os("Tavrin.tmp/left.jpg"), "old");
    fs::create_directories(folder_.os("Tavrin.tmp/sub"));
    setTempFolder(temp());
    EXPECT_THAT(filesIn(folder_.os("Tavrin.tmp")), ::testing::ElementsAre("sub"));
    fs::remove(folder_.os("Tavrin.tmp/sub"));

    mountGui("a.txt", "x");
    std::FILE* stream = openResource(gui() + L"\\a.txt", "rb");
    ASSERT_NE(stream, nullptr);
    closeArchives();
    EXPECT_FALSE(fs::exists(folder_.os("Tavrin.tmp")));
    std::fclose(stream); // the layer forgot it: closing it is its owner's business now
    EXPECT_EQ(readResource(gui() + L"\\a.txt"), "<none>");
}

TEST_F(ResourceArchives, EntryNamesThatLeaveTheFolderAreRefused) {
    const fs::path archivePath = folder_.os("resources/GUI/GUI.zip");
    fs::create_directories(archivePath.parent_path());
    packWithMinizip(archivePath, {{"../evil.txt", "x"},
                                  {"sub/../../deep.txt", "x"},
                                  {"/abs.txt", "x"},
                                  {"C:/drive.txt", "x"},
                                  {"back\\slash.txt", "x"},
                                  {"fine/name.txt", "fine"}});
    ArchiveHandle archive = openArchive(fromOsPath(archivePath.string()));
    ASSERT_NE(archive, nullptr);
    fs::create_directory(folder_.os("out")); // the folders below it are created as needed
    const std::wstring target = folder_.game("out") + L"\\";
    for (const wchar_t* name :
         {L"../evil.txt", L"sub/../../deep.txt", L"/abs.txt", L"C:/drive.txt", L"back\\slash.txt"})
        EXPECT_EQ(extractEntry(archive, name, target, Subfolders::Keep), extractBadName) << name;
    EXPECT_EQ(extractEntry(archive, L"fine/name.txt", target, Subfolders::Keep), extractOk);
    EXPECT_EQ(readFile(folder_.os("out/fine/name.txt")), "fine");
    EXPECT_EQ(extractEntry(archive, L"absent.txt", target, Subfolders::Keep), UNZ_END_OF_LIST_OF_FILE);
    closeArchive(archive);
    EXPECT_THAT(filesIn(folder_.os("")), ::testing::ElementsAre("out", "resources"));
    EXPECT_THAT(filesIn(folder_.os("out")), ::testing::ElementsAre("fine"));

    registerArchive(L"GUI.zip", gui());
    setTempFolder(temp());
    EXPECT_EQ(readResource(gui() + L"/sub/../../deep.txt"), "<none>");
    EXPECT_EQ(readResource(gui() + L"\\fine\\name.txt"), "fine");

    EXPECT_TRUE(isSafeEntryName(L"a..b/..c/d.."));
    EXPECT_FALSE(isSafeEntryName(std::wstring(256, L'a')));
}

TEST_F(ResourceArchives, DamagedEntryLeavesNoCopyBehind) {
    writeFile(folder_.os("source/a.txt"), std::string(1000, 'z'));
    const fs::path archivePath = folder_.os("resources/GUI/GUI.zip");
    fs::create_directories(archivePath.parent_path());
    packWithInfoZip(archivePath, folder_.os("source"), "a.txt", /*stored=*/true);
    // A stored entry's data follows its 30-byte local header, the name and the extra field; flip a
    // byte in its middle, so that only the checksum at the end of the entry tells.
    std::string bytes = readFile(archivePath);
    const auto u16At = [&bytes](size_t at) {
        return size_t(uint8_t(bytes[at])) | size_t(uint8_t(bytes[at + 1])) << 8;
    };
    bytes.at(30 + u16At(26) + u16At(28) + 500) ^= 0x01;
    writeFile(archivePath, bytes);

    registerArchive(L"GUI.zip", gui());
    setTempFolder(temp());
    EXPECT_EQ(readResource(gui() + L"\\a.txt"), "<none>");
    EXPECT_TRUE(filesIn(folder_.os("Tavrin.tmp")).empty());
}

TEST_F(ResourceArchives, FilesAndEntriesLargerThanAnyResourceAreNotRead) {
    // Zeros pack to a few kilobytes: a small archive must not unpack into a huge copy.
    const fs::path archivePath = folder_.os("resources/GUI/GUI.zip");
    fs::create_directories(archivePath.parent_path());
    packWithMinizip(archivePath,
                    {{"huge.bin", std::string(maxResourceFileBytes + 1, '\0')}, {"small.bin", "s"}});
    ASSERT_LT(fs::file_size(archivePath), size_t{1} << 20);
    ArchiveHandle archive = openArchive(fromOsPath(archivePath.string()));
    ASSERT_NE(archive, nullptr);
    fs::create_directory(folder_.os("out"));
    EXPECT_EQ(extractEntry(archive, L"huge.bin", folder_.game("out") + L"\\", Subfolders::Flatten),
              extractTooLarge);
    EXPECT_EQ(extractEntry(archive, L"small.bin", folder_.game("out") + L"\\", Subfolders::Flatten),
              extractOk);
    closeArchive(archive);
    EXPECT_THAT(filesIn(folder_.os("out")), ::testing::ElementsAre("small.bin"));

    // Files on disk are read whole up to the same size (sparse files, quick to make).
    for (const size_t size : {maxResourceFileBytes, maxResourceFileBytes + 1}) {
        const fs::path file = folder_.os("disk.bin");
        std::FILE* stream = std::fopen(file.c_str(), "wb");
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(ftruncate(fileno(stream), static_cast<off_t>(size)), 0);
        std::fclose(stream);
        const auto bytes = readResourceFile(fromOsPath(file.string()));
        EXPECT_EQ(bytes.has_value(), size <= maxResourceFileBytes) << size;
        if (bytes) {
            EXPECT_EQ(bytes->size(), size);
        }
    }
}

// Archives written by many other tools: whatever our reader extracts must be what unzip extracts.
TEST_F(ResourceArchives, PublicArchivesExtractAsUnzipDoes) {
    const fs::path suite = fs::path(VELMORA_TESTDATA_DIR) / "zip" / "suite";
    if (!fs::is_directory(suite) || std::system("command -v unzip >/dev/null") != 0)
        GTEST_SKIP() << "no public zip test files or no unzip";
    const std::vector<std::string> mustExtract = {"test.zip",      "unix.zip",       "winxp.zip",
                                                  "dd.zip",        "subdir.zip",     "time-infozip.zip",
                                                  "time-7zip.zip", "time-winrar.zip"};
    int extracted = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(suite)) {
        if (entry.path().extension() != ".zip")
            continue;
        const std::string archiveName = entry.path().filename().string();
        const std::string listing = folder_.os("list").string();
        runShell("unzip -Z1", {entry.path().string()}, (" > '" + listing + "' 2>/dev/null").c_str());
        ArchiveHandle archive = openArchive(fromOsPath(entry.path().string()));
        std::istringstream names(readFile(listing));
        for (std::string name; std::getline(names, name);) {
            if (name.empty() || name.back() == '/')
                continue;
            const std::string out = folder_.os("out/" + archiveName).string() + "/";
            fs::create_directories(out);
            const int result = extractEntry(archive, fromUtf8(name), fromOsPath(out), Subfolders::Keep);
            const bool required =
                std::find(mustExtract.begin(), mustExtract.end(), archiveName) != mustExtract.end();
            if (required) {
                EXPECT_EQ(result, extractOk) << archiveName << ": " << name;
            }
            if (result != extractOk)
                continue;
            const std::string expected = folder_.os("expected").string();
            runShell("unzip -p", {entry.path().string(), name},
                     (" > '" + expected + "' 2>/dev/null").c_str());
            EXPECT_EQ(readFile(out + name), readFile(expected)) << archiveName << ": " << name;
            ++extracted;
        }
        closeArchive(archive);
    }
    EXPECT_GT(extracted, 10);
}

} // namespace
} // namespace velmora
